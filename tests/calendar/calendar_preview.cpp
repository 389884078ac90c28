// Renders the month calendar with a cycle, records and every birth goal, and the icons, into
// PNG files for looking at: calendar_preview <output folder>.
#include "settings/Preferences.h"
#include "calendar/ovela_datebookmonth.h"
#include "cycle/ovela_calendar.h"
#include "platform/resource.h"

#include "support/testhome.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QPainter>

static void addRecords(OvelaCalendar &calendar)
{
    calendar.addEntry(QDate(2004, 3, 3)).setCramps(true);
    calendar.addEntry(QDate(2004, 3, 8)).setTemperature(12);
    OvelaRecordEntry &both = calendar.addEntry(QDate(2004, 3, 12));
    both.setSex(true);
    both.setTemperature(20);
    calendar.addEntry(QDate(2004, 3, 14)).setTemperature(25);
    calendar.addEntry(QDate(2004, 3, 20)).setNote(QStringLiteral("only a note"));
    calendar.addEntry(QDate(2004, 3, 22)).setCervicalFluid(5);
}

int main(int argc, char **argv)
{
    TestHome::setUp();
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    Preferences preferences;
    preferences.setSaveOnExit(false);
    OvelaCalendar calendar(preferences);
    calendar.setStartCycleDate(QDate(2004, 3, 1));
    addRecords(calendar);

    const QList<Preferences::BirthGoal> goals = {
        Preferences::ConceiveChild, Preferences::AvoidPregnancy, Preferences::ConceiveGirl,
        Preferences::ConceiveBoy};
    for (Preferences::BirthGoal goal : goals) {
        preferences.setBirthGoal(goal);
        OvelaDateBookMonth view(nullptr, "preview", &calendar);
        view.resize(240, 250);
        view.setDate(QDate(2004, 3, 17));
        view.show();
        QApplication::processEvents();
        view.grab().save(QStringLiteral("%1/month-goal%2.png").arg(out).arg(int(goal)));
    }

    {
        // A roomier window, Monday first.
        preferences.setBirthGoal(Preferences::ConceiveChild);
        OvelaDateBookMonth view(nullptr, "preview", &calendar);
        view.slotWeekChange(true);
        view.resize(480, 360);
        view.setDate(QDate(2004, 3, 12));
        view.show();
        QApplication::processEvents();
        view.grab().save(out + QStringLiteral("/month-wide.png"));
    }
    {
        // The date button with its pop-up month open.
        QWidget window;
        window.resize(260, 300);
        auto *button = new OvelaDateButton(false, &window, "date");
        button->move(10, 10);
        button->setDate(2004, 3, 12);
        window.show();
        QApplication::processEvents();
        emit button->pressed();
        QApplication::processEvents();
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->grab().save(out + QStringLiteral("/datebutton-popup.png"));
        window.grab().save(out + QStringLiteral("/datebutton.png"));
    }

    // Every icon at its own size and enlarged six times.
    QStringList names;
    QDirIterator it(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << it.next().mid(8);
    names.sort();
    QImage sheet(600, 160 * names.size() + 10, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter p(&sheet);
    int y = 5;
    for (const QString &name : names) {
        const QPixmap pixmap = Resource::loadPixmap(name);
        p.drawText(5, y + 30, name);
        p.drawPixmap(220, y, pixmap);
        p.fillRect(250, y, 30, 30, QColor(255, 53, 22));
        p.drawPixmap(250, y, pixmap);
        p.fillRect(285, y, 30, 30, QColor(133, 239, 62));
        p.drawPixmap(285, y, pixmap);
        p.drawPixmap(QRect(330, y, pixmap.width() * 6 / pixmap.devicePixelRatio(),
                           pixmap.height() * 6 / pixmap.devicePixelRatio()),
                     pixmap);
        y += qMax(60, pixmap.height() * 6 + 6);
    }
    p.end();
    sheet.copy(0, 0, 600, y).save(out + QStringLiteral("/icons.png"));
    return 0;
}
