#pragma once

#include "ui_OvelaRecordEntryBase.h"

#include <QDialog>

// The day record form; its widgets are public members under their form names.
// Geometry: the designed positions, except that labels flush against a field start 1 px further
// left; the dialog is 6 px wider so the note and "Clear" fit, and a few widgets are a little wider
// so no text is cut at Qt's default DejaVu Sans 9pt.
class OvelaRecordEntryBaseDialog : public QDialog, public Ui::OvelaRecordEntryBase
{
    Q_OBJECT
public:
    explicit OvelaRecordEntryBaseDialog(QWidget *parent = nullptr, const char *name = nullptr,
                                        bool modal = false, Qt::WindowFlags fl = {});
    ~OvelaRecordEntryBaseDialog() override;
};
