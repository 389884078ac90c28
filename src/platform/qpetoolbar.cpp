#include "platform/qpetoolbar.h"

#include <QAction>
#include <QMainWindow>

QPEToolBar::QPEToolBar(QMainWindow *parent, const char *name)
    : QToolBar(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    // A handheld's tool bar stays where the application put it.
    setMovable(false);
    setFloatable(false);
    // It carries every command: the window's context menu must not offer to hide it.
    toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

QPEMenuBar::QPEMenuBar(QWidget *parent, const char *name)
    : QMenuBar(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    // The menus live in the window's own tool bar, never in a desktop's global menu bar.
    setNativeMenuBar(false);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    if (auto *toolBar = qobject_cast<QToolBar *>(parent))
        toolBar->addWidget(this);
}

// Never narrower than all its menus: the tool bar moves its buttons behind its own extension
// first, so "View" and "Tools" stay in sight at any font size.
QSize QPEMenuBar::minimumSizeHint() const
{
    return sizeHint();
}
