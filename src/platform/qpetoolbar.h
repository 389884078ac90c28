#pragma once

#include <QMenuBar>
#include <QToolBar>

class QMainWindow;

class QPEToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit QPEToolBar(QMainWindow *parent, const char *name = nullptr);
};

class QPEMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit QPEMenuBar(QWidget *parent, const char *name = nullptr);

    QSize minimumSizeHint() const override;
};
