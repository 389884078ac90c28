#include "dialogs/About.h"

AboutDialog::AboutDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : AboutBaseDialog(parent, name, modal, fl)
{
}

AboutDialog::~AboutDialog() = default;
