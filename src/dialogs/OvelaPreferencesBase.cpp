#include "dialogs/OvelaPreferencesBase.h"

OvelaPreferencesBaseDialog::OvelaPreferencesBaseDialog(QWidget *parent, const char *name,
                                                       bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);

    // A group numbers its buttons in the order they were made; uic leaves them unnumbered.
    const QList<QPair<QButtonGroup *, QList<QAbstractButton *>>> groups = {
        {grpMyGoalButtons, {btnConceiveBoy, btnConceiveGirl, btnConceiveChild, btnAvoidPregnancy}},
        {grpTemperatureFormatButtons, {btnCelsius, btnFarenheit}},
    };
    for (const auto &[group, buttons] : groups) {
        for (int id = 0; id < buttons.size(); ++id)
            group->setId(buttons.at(id), id);
    }
}

OvelaPreferencesBaseDialog::~OvelaPreferencesBaseDialog() = default;
