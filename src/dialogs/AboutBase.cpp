#include "dialogs/AboutBase.h"

#include <QEvent>
#include <QFont>
#include <QPixmap>

#include "dialogs/ovela_logo.xpm"

AboutBaseDialog::AboutBaseDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    const QPixmap logo(ovela_logo_xpm);
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
    PixmapLabel1->setPixmap(logo);
}

AboutBaseDialog::~AboutBaseDialog() = default;

bool AboutBaseDialog::event(QEvent *e)
{
    const bool result = QDialog::event(e);
    // A new application font reaches every label; the title keeps its weight.
    if (e->type() == QEvent::ApplicationFontChange) {
        QFont font = TextLabel1->font();
        font.setWeight(QFont::Bold);
        TextLabel1->setFont(font);
    }
    return result;
}
