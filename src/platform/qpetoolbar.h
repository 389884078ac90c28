#pragma once

#include <QMenuBar>
#include <QToolBar>

class QMainWindow;

class QPEToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit QPEToolBar(QMainWindow *parent, const char *name = nullptr);

    // Gives the application a style that hands out the icon of a tool bar's extension button
    // without loading every image format plugin (see qpetoolbar.cpp). Called before the first
    // tool bar is made, best before any other widget (changing the style repolishes them);
    // does nothing once done, or when the style is not one the style factory can make.
    static void prepareStyle();
};

class QPEMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit QPEMenuBar(QWidget *parent, const char *name = nullptr);

    QSize minimumSizeHint() const override;
};
