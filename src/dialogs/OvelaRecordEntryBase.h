#pragma once

#include "ui_OvelaRecordEntryBase.h"

#include <QDialog>

// The day record form; its widgets are public members under their form names.
class OvelaRecordEntryBaseDialog : public QDialog, public Ui::OvelaRecordEntryBase
{
    Q_OBJECT
public:
    explicit OvelaRecordEntryBaseDialog(QWidget *parent = nullptr, const char *name = nullptr,
                                        bool modal = false, Qt::WindowFlags fl = {});
    ~OvelaRecordEntryBaseDialog() override;
};
