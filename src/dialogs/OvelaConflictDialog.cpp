#include "dialogs/OvelaConflictDialog.h"

#include "settings/Preferences.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton *makeButton(const QString &text, const char *name, const QString &description,
                        QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    button->setAccessibleDescription(description);
    button->setAutoDefault(false);
    return button;
}

} // namespace

OvelaConflictDialog::OvelaConflictDialog(const QList<OvelaDayDifference> &days, bool startConflict,
                                         const QDate &myStart, const QDate &otherStart,
                                         const Preferences &preferences, const QString &source,
                                         QWidget *parent)
    : QDialog(parent)
    , model(new OvelaConflictModel(days, startConflict, myStart, otherStart,
                                   preferences.getTemperatureFormat(), this))
    , scrBody(new QScrollArea(this))
    , lblSource(new QLabel(tr("The other copy: %1").arg(source), this))
    , lblIntro(new QLabel(tr("These days differ between this diary and the other copy. Choose "
                             "which version stays. A day left undecided keeps your version "
                             "and is asked again later."),
                          this))
    , tblDays(new QTableView(this))
    , choiceButtons(new QGridLayout())
    , btnKeepMine(makeButton(tr("Keep &mine"), "btnKeepMine",
                             tr("Keeps this diary's version of the selected days"), this))
    , btnTakeOther(makeButton(tr("&Take the other"), "btnTakeOther",
                              tr("Takes the other copy's version of the selected days"), this))
    , btnKeepAllMine(makeButton(tr("&Keep all mine"), "btnKeepAllMine",
                                tr("Keeps this diary's version of every day"), this))
    , btnTakeAllOther(makeButton(tr("Take &all the other"), "btnTakeAllOther",
                                 tr("Takes the other copy's version of every day"), this))
    , buttonBox(new QDialogButtonBox(this))
    , btnClose(makeButton(tr("&Close"), "btnClose",
                          tr("Closes; undecided days are asked again later"), this))
{
    setObjectName(QStringLiteral("OvelaConflictDialog"));
    setWindowTitle(tr("Days changed in two places"));

    lblSource->setObjectName(QStringLiteral("lblSource"));
    lblSource->setWordWrap(true);
    lblSource->setTextFormat(Qt::PlainText);
    lblIntro->setObjectName(QStringLiteral("lblIntro"));
    lblIntro->setWordWrap(true);

    tblDays->setObjectName(QStringLiteral("tblDays"));
    tblDays->setAccessibleName(tr("Days that differ"));
    tblDays->setModel(model);
    tblDays->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblDays->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblDays->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the buttons; the arrows move in it.
    tblDays->setTabKeyNavigation(false);
    tblDays->setWordWrap(true);
    tblDays->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tblDays->verticalHeader()->hide();
    tblDays->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblDays->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Room for a few days before the page itself scrolls.
    tblDays->setMinimumHeight(fontMetrics().height() * 9);

    buttonBox->setObjectName(QStringLiteral("qpeDialogButtons")); // the window adds none
    buttonBox->addButton(btnClose, QDialogButtonBox::RejectRole);

    // Labels, list and choices scroll together when the screen is too small for them; the
    // Close button stays in view.
    auto *body = new QWidget(scrBody);
    body->setObjectName(QStringLiteral("pgBody"));
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(lblSource);
    bodyLayout->addWidget(lblIntro);
    bodyLayout->addWidget(tblDays, 1);
    bodyLayout->addLayout(choiceButtons);
    scrBody->setObjectName(QStringLiteral("scrBody"));
    scrBody->setWidget(body);
    scrBody->setWidgetResizable(true);
    scrBody->setFrameShape(QFrame::NoFrame);
    scrBody->setFocusPolicy(Qt::NoFocus);
    scrBody->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrBody->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scrBody);
    layout->addWidget(buttonBox);
    // Before it is shown (and sized to its hint) the screen says how wide it can be.
    const QMargins margins = layout->contentsMargins();
    arrangeButtons(screen()->availableGeometry().width() - margins.left() - margins.right());

    setTabOrder(tblDays, btnKeepMine);
    setTabOrder(btnKeepMine, btnTakeOther);
    setTabOrder(btnTakeOther, btnKeepAllMine);
    setTabOrder(btnKeepAllMine, btnTakeAllOther);
    setTabOrder(btnTakeAllOther, btnClose);

    using Choice = OvelaConflictModel::Choice;
    connect(btnKeepMine, &QPushButton::clicked, this, [this] { chooseSelected(Choice::KeepMine); });
    connect(btnTakeOther, &QPushButton::clicked, this,
            [this] { chooseSelected(Choice::TakeOther); });
    connect(btnKeepAllMine, &QPushButton::clicked, this,
            [this] { model->chooseAll(Choice::KeepMine); });
    connect(btnTakeAllOther, &QPushButton::clicked, this,
            [this] { model->chooseAll(Choice::TakeOther); });
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tblDays->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &OvelaConflictDialog::updateButtons);

    // Ready for the keyboard: the first day selected, the list in focus.
    if (model->rowCount() > 0)
        tblDays->selectRow(0);
    tblDays->setFocus();
    updateButtons();
}

OvelaConflictDialog::~OvelaConflictDialog() = default;

QSize OvelaConflictDialog::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QDialog::sizeHint().expandedTo(
        QSize(metrics.averageCharWidth() * 60, metrics.height() * 32));
}

void OvelaConflictDialog::chooseSelected(OvelaConflictModel::Choice choice)
{
    QList<int> rows;
    const QModelIndexList selected = tblDays->selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        rows << index.row();
    model->choose(rows, choice);
    // Back to the list for the next day, also after Alt and the button's letter.
    tblDays->setFocus(Qt::OtherFocusReason);
}

void OvelaConflictDialog::updateButtons()
{
    const bool any = tblDays->selectionModel()->hasSelection();
    btnKeepMine->setEnabled(any);
    btnTakeOther->setEnabled(any);
    const bool rows = model->rowCount() > 0;
    btnKeepAllMine->setEnabled(rows);
    btnTakeAllOther->setEnabled(rows);
}

// Two buttons a row, or one on a screen too narrow for two: the page never needs to scroll
// sideways, whatever the language makes of the texts.
void OvelaConflictDialog::arrangeButtons(int width)
{
    const QList<QPushButton *> buttons{btnKeepMine, btnTakeOther, btnKeepAllMine, btnTakeAllOther};
    int widest = 0;
    for (const QPushButton *button : buttons)
        widest = qMax(widest, button->sizeHint().width());
    const int spacing = qMax(0, choiceButtons->horizontalSpacing());
    // Room as if the page scrolled: the scroll bar must not change the arrangement back.
    const int room = width - scrBody->verticalScrollBar()->sizeHint().width();
    const int columns = room >= 2 * widest + spacing ? 2 : 1;
    if (columns == buttonColumns)
        return;
    buttonColumns = columns;
    for (QPushButton *button : buttons)
        choiceButtons->removeWidget(button);
    for (int i = 0; i < int(buttons.size()); ++i)
        choiceButtons->addWidget(buttons[i], i / columns, i % columns);
}

bool OvelaConflictDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == scrBody && event->type() == QEvent::Resize)
        arrangeButtons(scrBody->width());
    return QDialog::eventFilter(watched, event);
}

QList<QDate> OvelaConflictDialog::takenFromOther() const
{
    return model->dates(OvelaConflictModel::Choice::TakeOther);
}

QList<QDate> OvelaConflictDialog::keptMine() const
{
    return model->dates(OvelaConflictModel::Choice::KeepMine);
}

bool OvelaConflictDialog::startTakenFromOther() const
{
    return model->startChoice() == OvelaConflictModel::Choice::TakeOther;
}

bool OvelaConflictDialog::startKept() const
{
    return model->startChoice() == OvelaConflictModel::Choice::KeepMine;
}
