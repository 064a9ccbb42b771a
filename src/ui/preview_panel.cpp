#include "ui/preview_panel.h"

#include "core/ui_text.h"
#include "preview/lobby_labels.h"
#include "preview/map_sizes.h"
#include "preview/preview_text.h"
#include "ui/preview_view.h"
#include "wizard/wizard_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorlin {

namespace {

const char kShownKey[] = "preview/shown";

} // namespace

PreviewPanel::PreviewPanel(WizardModel &model, QWidget *parent)
    : QWidget(parent), model_(model), size_(new QComboBox), players_(new QSpinBox), teams_(new QComboBox),
      square_(new QCheckBox), view_(new PreviewView), caption_(new QLabel), notesToggle_(new QToolButton),
      notes_(new QPlainTextEdit), tile_(new QLabel)
{
    setObjectName(QStringLiteral("PreviewPanel"));
    for (const preview::MapSize &size : preview::MapSizes())
        size_->addItem(Ui::tr(size.caption));
    size_->setCurrentIndex(preview::MapSizeIndex(QStringLiteral("medium")));
    size_->setObjectName(QStringLiteral("PreviewSize"));
    size_->setToolTip(Ui::tr("地图大小"));
    players_->setRange(1, 8);
    players_->setValue(2);
    players_->setObjectName(QStringLiteral("PreviewPlayers"));
    players_->setSuffix(Ui::tr(" 人"));
    players_->setToolTip(Ui::tr("游戏者人数"));
    players_->setAccessibleName(players_->toolTip()); // a screen reader's name for a box without a label
    teams_->addItem(Ui::tr("无队伍"));
    for (int count = 2; count <= preview::kMaxTeams; ++count)
        teams_->addItem(Ui::tr("%1 队").arg(count));
    teams_->setObjectName(QStringLiteral("PreviewTeams"));
    teams_->setToolTip(Ui::tr("队伍：游戏者按顺序平均分队"));
    teams_->setAccessibleName(Ui::tr("队伍"));
    offerTeams();
    auto *again = new QPushButton(Ui::tr("换一张"));
    again->setObjectName(QStringLiteral("PreviewAgain"));
    square_->setText(Ui::tr("方形"));
    square_->setObjectName(QStringLiteral("PreviewSquare"));
    caption_->setObjectName(QStringLiteral("PreviewCaption"));
    caption_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The notes fold into one line that says how many there are.
    notesToggle_->setObjectName(QStringLiteral("PreviewNotesToggle"));
    notesToggle_->setCheckable(true);
    notesToggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    notesToggle_->setArrowType(Qt::RightArrow);
    notesToggle_->setAutoRaise(true);
    notesToggle_->setAccessibleName(Ui::tr("展开或收起预览说明"));
    notes_->setObjectName(QStringLiteral("PreviewNotes"));
    notes_->setReadOnly(true);
    notes_->setAccessibleName(Ui::tr("预览说明"));
    notes_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    notes_->setMaximumHeight(8 * fontMetrics().height());
    notes_->setVisible(false);
    tile_->setObjectName(QStringLiteral("PreviewTile"));
    tile_->setWordWrap(true);
    tile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tile_->setText(Ui::tr("点击地图上的一格，查看它的地形、高度和物体。"));

    auto *controls = new QHBoxLayout;
    controls->addWidget(size_);
    controls->addWidget(players_);
    controls->addWidget(teams_);
    controls->addWidget(again);
    controls->addWidget(square_);
    controls->addStretch();
    auto *captionRow = new QHBoxLayout;
    captionRow->addWidget(caption_, 1);
    captionRow->addWidget(notesToggle_);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(controls);
    column->addWidget(view_, 1);
    column->addLayout(captionRow);
    column->addWidget(notes_);
    column->addWidget(tile_);
    column->addStretch();

    connect(&model_, &WizardModel::changed, this, &PreviewPanel::refresh);
    connect(size_, &QComboBox::currentIndexChanged, this, &PreviewPanel::refresh);
    connect(players_, &QSpinBox::valueChanged, this, [this] {
        offerTeams();
        refresh();
    });
    connect(teams_, &QComboBox::currentIndexChanged, this, &PreviewPanel::refresh);
    connect(square_, &QCheckBox::toggled, this, &PreviewPanel::refresh);
    connect(again, &QPushButton::clicked, this, [this] {
        seed_ = QRandomGenerator::global()->bounded(1, 1000000);
        refresh();
    });
    connect(notesToggle_, &QToolButton::toggled, this, [this](bool open) {
        notes_->setVisible(open);
        notesToggle_->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    });
    connect(view_, &PreviewView::tileChosen, this, &PreviewPanel::describeTile);
    connect(&runner_, &PreviewRunner::ready, this, &PreviewPanel::display);
}

bool PreviewPanel::shownLastTime()
{
    return QSettings(QStringLiteral("Quorlin"), QStringLiteral("Quorlin"))
        .value(QLatin1String(kShownKey), false)
        .toBool();
}

void PreviewPanel::rememberShown(bool shown)
{
    QSettings(QStringLiteral("Quorlin"), QStringLiteral("Quorlin")).setValue(QLatin1String(kShownKey), shown);
}

QString PreviewPanel::sizeOption() const
{
    return QString::fromLatin1(preview::MapSizes().value(size_->currentIndex()).option);
}

int PreviewPanel::players() const { return players_->value(); }

void PreviewPanel::choose(const QString &sizeOption, int players)
{
    const int size = preview::MapSizeIndex(sizeOption);
    if (size >= 0)
        size_->setCurrentIndex(size);
    if (players >= players_->minimum() && players <= players_->maximum())
        players_->setValue(players);
}

const preview::PreviewResult &PreviewPanel::shown() const { return view_->result(); }

void PreviewPanel::refresh()
{
    if (!isVisible())
        return;
    PreviewJob job;
    job.script = model_.page() == WizardModel::kLastPage ? model_.script() : model_.assemble();
    job.options.sizeIndex = size_->currentIndex();
    job.options.players = players_->value();
    job.options.teams = preview::EvenTeams(players_->value(), teams_->currentIndex() + 1);
    job.options.seed = seed_;
    job.square = square_->isChecked();
    // A change elsewhere (a selection, the page) may leave the script as it was.
    if (asked_ && job.script == last_.script && job.square == last_.square
        && job.options.sizeIndex == last_.options.sizeIndex && job.options.players == last_.options.players
        && job.options.teams == last_.options.teams && job.options.seed == last_.options.seed)
        return;
    asked_ = true;
    last_ = job;
    runner_.request(job);
}

// As many teams as there are pairs of players; a choice no longer possible
// falls back to the most teams that are.
void PreviewPanel::offerTeams()
{
    auto *items = qobject_cast<QStandardItemModel *>(teams_->model());
    const int most = qMax(1, players_->value() / 2);
    for (int i = 1; i < teams_->count(); ++i)
        items->item(i)->setEnabled(i + 1 <= most);
    if (teams_->currentIndex() + 1 > most)
        teams_->setCurrentIndex(most - 1);
}

bool PreviewPanel::settle(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while ((runner_.busy() || !view_->hasMap()) && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return !runner_.busy() && view_->hasMap();
}

void PreviewPanel::display(const PreviewMap &map, const PreviewJob &job)
{
    view_->setMap(map.result, map.tiles, job.square);
    caption_->setText(preview::PreviewCaption(job.options.seed));
    notes_->setPlainText(map.notes.join(QLatin1Char('\n')));
    notesToggle_->setText(map.notes.isEmpty() ? Ui::tr("没有说明")
                                              : Ui::tr("%n 条说明", nullptr, int(map.notes.size())));
    notesToggle_->setEnabled(!map.notes.isEmpty());
    if (map.notes.isEmpty())
        notesToggle_->setChecked(false);
    describeTile(view_->chosenTile());
}

void PreviewPanel::describeTile(int tile)
{
    if (tile >= 0)
        tile_->setText(preview::TileReport(view_->result(), tile));
}

void PreviewPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

} // namespace quorlin
