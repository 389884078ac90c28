#pragma once

#include "dialogs/AboutBase.h"

class AboutDialog : public AboutBaseDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                         Qt::WindowFlags fl = {});
    ~AboutDialog() override;
};
