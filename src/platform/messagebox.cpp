#include "platform/messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

int MessageBox::warningYesNo(QWidget *parent, const QString &caption, const QString &text,
                             int defaultButton)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QCoreApplication::translate("MessageBox", "Yes"),
                                     QMessageBox::YesRole);
    QPushButton *no = box.addButton(QCoreApplication::translate("MessageBox", "No"),
                                    QMessageBox::NoRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    no->setObjectName(QStringLiteral("noButton"));
    box.setDefaultButton(defaultButton == 1 ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? 0 : 1;
}
