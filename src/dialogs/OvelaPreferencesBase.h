#pragma once

#include "ui_OvelaPreferencesBase.h"

#include <QDialog>

// The preferences form; its widgets are public members under their form names. The group
// boxes grpMyGoal and grpTemperatureFormat frame the radio buttons, and the button groups
// grpMyGoalButtons and grpTemperatureFormatButtons number them in the order they were made.
// Geometry: the designed positions, except that labels flush against a field start 1 px further
// left; the dialog is 6 px wider so the tab widget fits, and a few widgets are a little wider so no
// text is cut at Qt's default DejaVu Sans 9pt.
class OvelaPreferencesBaseDialog : public QDialog, public Ui::OvelaPreferencesBase
{
    Q_OBJECT
public:
    explicit OvelaPreferencesBaseDialog(QWidget *parent = nullptr, const char *name = nullptr,
                                        bool modal = false, Qt::WindowFlags fl = {});
    ~OvelaPreferencesBaseDialog() override;
};
