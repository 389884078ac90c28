#include "dialogs/OvelaPreferencesBase.h"

#include <QLocale>
#include <QTabBar>

#include <iterator>

OvelaPreferencesBaseDialog::OvelaPreferencesBaseDialog(QWidget *parent, const char *name,
                                                       bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);

    // A group numbers its buttons in the order they were made; uic leaves them unnumbered.
    const QList<QPair<QButtonGroup *, QList<QAbstractButton *>>> groups = {
        {grpMyGoalButtons, {btnConceiveBoy, btnConceiveGirl, btnConceiveChild, btnAvoidPregnancy}},
        {grpTemperatureFormatButtons, {btnCelsius, btnFarenheit}},
    };
    for (const auto &[group, buttons] : groups) {
        for (int id = 0; id < buttons.size(); ++id)
            group->setId(buttons.at(id), id);
    }

    // One chain through both pages, the tab bar between them. Linked here through the tab bar,
    // not in the form through the tab widget: as the parent of every page, the tab widget
    // carries the pages' controls along and splits the chain into loops.
    QWidget *const order[] = {ebCyclePeriod,     ebFertilePeriod,   ebMenstrualPeriod,
                              ebLuterPhaseLength, btnAvoidPregnancy, btnConceiveChild,
                              btnConceiveGirl,   btnConceiveBoy,    btnCelsius,
                              btnFarenheit,      cbFirstWeekday,    TabWidget4->tabBar(),
                              btnChangePasscode, btnClearPasscode,  cbPasscodeStartup};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    // The tab widget itself, ahead of its pages in the chain, would hand Tab to its bar a second
    // time: the bar is the only stop (a policy set through the proxy would reach the bar too).
    TabWidget4->setFocusProxy(nullptr);
    TabWidget4->setFocusPolicy(Qt::NoFocus);

    // Until she chooses, the calendar follows the locale's first day of the week.
    cbFirstWeekday->addItem(tr("As in my region"), 0);
    cbFirstWeekday->addItem(QLocale().dayName(Qt::Monday), int(Qt::Monday));
    cbFirstWeekday->addItem(QLocale().dayName(Qt::Sunday), int(Qt::Sunday));

    // The page's label shows its ampersand doubled and two blanks; a screen reader reads words.
    TabWidget4->tabBar()->setAccessibleTabName(TabWidget4->indexOf(tab_2),
                                               tr("Security and Other"));
}

OvelaPreferencesBaseDialog::~OvelaPreferencesBaseDialog() = default;
