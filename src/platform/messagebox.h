#pragma once

#include <QString>

class QWidget;

namespace MessageBox {
// A warning box with "Yes" (button 0) and "No" (button 1); `defaultButton` is the one Enter
// presses. Returns the number of the button pressed; Escape or closing the box any other way
// counts as "No". The buttons are named "yesButton" and "noButton" so that tests can find them.
int warningYesNo(QWidget *parent, const QString &caption, const QString &text,
                 int defaultButton = 0);
} // namespace MessageBox
