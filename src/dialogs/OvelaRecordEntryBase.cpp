#include "dialogs/OvelaRecordEntryBase.h"

OvelaRecordEntryBaseDialog::OvelaRecordEntryBaseDialog(QWidget *parent, const char *name,
                                                       bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
}

OvelaRecordEntryBaseDialog::~OvelaRecordEntryBaseDialog() = default;
