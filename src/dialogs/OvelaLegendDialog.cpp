#include "dialogs/OvelaLegendDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// As tall as the list where the screen has room (a plain scroll area stops at 24 lines), so
// that a desktop shows the whole legend and a phone scrolls it.
class LegendScroll : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override
    {
        QSize size = QScrollArea::sizeHint();
        if (widget()) {
            const int frame = 2 * frameWidth();
            size = widget()->sizeHint() + QSize(frame, frame);
        }
        if (const QScreen *shown = screen())
            size = size.boundedTo(shown->availableGeometry().size() * 4 / 5);
        return size;
    }
};

} // namespace

OvelaLegendDialog::OvelaLegendDialog(const QList<Entry> &entries, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("OvelaLegendDialog"));
    setWindowTitle(tr("Calendar legend"));
    auto *layout = new QVBoxLayout(this);

    auto *list = new QWidget;
    list->setObjectName(QStringLiteral("legendList"));
    auto *grid = new QGridLayout(list);
    int row = 0;
    for (const Entry &entry : entries) {
        auto *sample = new QLabel(list);
        sample->setPixmap(entry.sample);
        sample->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        // The sample is shown; the text beside it says it for a screen reader.
        sample->setAccessibleName(entry.text);
        auto *text = new QLabel(entry.text, list);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(sample, row, 0);
        grid->addWidget(text, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    auto *scroll = new LegendScroll(this);
    scroll->setObjectName(QStringLiteral("legendScroll"));
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAccessibleName(windowTitle());
    layout->addWidget(scroll, 1);

    // Lines of a readable length where the screen has room; on a phone they wrap more.
    int lineWidth = fontMetrics().averageCharWidth() * 40;
    if (const QScreen *shown = screen())
        lineWidth = std::min(lineWidth, shown->availableGeometry().width() / 2);
    for (QLabel *text : list->findChildren<QLabel *>()) {
        if (text->wordWrap())
            text->setMinimumWidth(lineWidth);
    }
}

OvelaLegendDialog::~OvelaLegendDialog() = default;
