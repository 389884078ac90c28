#pragma once

#include "ui_AboutBase.h"

#include <QDialog>

class QEvent;

// The About form; its widgets are public members under their form names.
class AboutBaseDialog : public QDialog, public Ui::AboutBase
{
    Q_OBJECT
public:
    explicit AboutBaseDialog(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags fl = {});
    ~AboutBaseDialog() override;

protected:
    bool event(QEvent *e) override;
};
