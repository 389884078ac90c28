#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QString>

// What every colour, shade and symbol of the calendar means: one sample beside each
// explanation, in a list that scrolls on a small screen.
class OvelaLegendDialog : public QDialog
{
    Q_OBJECT
public:
    struct Entry
    {
        QPixmap sample;
        QString text;
    };

    explicit OvelaLegendDialog(const QList<Entry> &entries, QWidget *parent = nullptr);
    ~OvelaLegendDialog() override;
};
