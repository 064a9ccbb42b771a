#include "ui/preview_panel.h"

#include "core/ui_text.h"
#include "preview/lobby_labels.h"
#include "preview/map_sizes.h"
#include "preview/preview_text.h"
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
#include <QVBoxLayout>

namespace quorlin {

namespace {

const char kShownKey[] = "preview/shown";
constexpr int kPanelWidth = 380;

} // namespace

PreviewPanel::PreviewPanel(WizardModel &model, QWidget *parent)
    : QWidget(parent), model_(model), size_(new QComboBox), players_(new QSpinBox), teams_(new QComboBox),
      square_(new QCheckBox), picture_(new QLabel), caption_(new QLabel), notes_(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("PreviewPanel"));
    setFixedWidth(kPanelWidth);
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
    picture_->setObjectName(QStringLiteral("PreviewPicture"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumHeight(kPanelWidth / 2);
    caption_->setObjectName(QStringLiteral("PreviewCaption"));
    notes_->setObjectName(QStringLiteral("PreviewNotes"));
    notes_->setReadOnly(true);
    notes_->setAccessibleName(Ui::tr("预览说明"));
    notes_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto *controls = new QHBoxLayout;
    controls->addWidget(size_);
    controls->addWidget(players_);
    controls->addWidget(teams_);
    controls->addWidget(again);
    controls->addWidget(square_);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(controls);
    column->addWidget(picture_);
    column->addWidget(caption_);
    column->addWidget(notes_, 1);

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
    while ((runner_.busy() || image_.isNull()) && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return !runner_.busy() && !image_.isNull();
}

void PreviewPanel::display(const preview::ScriptPreview &picture, const PreviewJob &job)
{
    image_ = picture.image;
    caption_->setText(preview::PreviewCaption(job.options.seed));
    notes_->setPlainText(picture.notes.join(QLatin1Char('\n')));
    fit();
}

void PreviewPanel::fit()
{
    if (image_.isNull())
        return;
    const QImage scaled = image_.scaled(picture_->width(), qMax(picture_->height(), kPanelWidth / 2),
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture_->setPixmap(QPixmap::fromImage(scaled));
}

void PreviewPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void PreviewPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fit();
}

} // namespace quorlin
