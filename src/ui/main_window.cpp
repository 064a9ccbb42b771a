#include "ui/main_window.h"

#include "core/ui_text.h"
#include "ui/accessible_text.h"
#include "ui/form_kit.h"
#include "ui/model_binder.h"
#include "ui/page_split.h"
#include "ui/pages.h"
#include "ui/preview_panel.h"
#include "ui/reading_order.h"
#include "ui/recent_drafts_button.h"
#include "ui/unit_picker.h"
#include "ui/window_undo_keys.h"
#include "wizard/remembered_state.h"
#include "wizard/wizard_model.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace quorlin {

MainWindow::MainWindow(WizardModel &model, RememberedState *state, QWidget *parent)
    : QWidget(parent), model_(model), state_(state), binder_(new ModelBinder(model, this)), pages_(new QStackedWidget),
      scroll_(new QScrollArea)
{
    setObjectName(QStringLiteral("Form1"));

    // The pages share one place as large as the largest, so that going from
    // page to page never moves the buttons or resizes the window; the place
    // scrolls up and down where the screen is too small for it, never
    // sideways. Each page is built when it is first shown, or when the window
    // has nothing else to do.
    for (int n = 0; n <= WizardModel::kLastPage; ++n)
        pages_->addWidget(new QWidget);
    pages_->setObjectName(QStringLiteral("Pages"));
    scroll_->setObjectName(QStringLiteral("PageScroll"));
    scroll_->setWidget(pages_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    // The window paints its background once; the scroll area and the page
    // holder would paint the same colour over it again at every repaint.
    scroll_->viewport()->setAutoFillBackground(false);
    pages_->setAutoFillBackground(false);
    scroll_->setAccessibleName(Ui::tr("向导页面"));

    // The preview, when the user wants it, beside every page.
    split_ = new PageSplit(scroll_);
    auto *window = new QVBoxLayout(this);
    window->addWidget(split_, 1);
    bar_ = buttonBar();
    window->addWidget(bar_);
    undoKeys_ = new WindowUndoKeys(this);

    connect(&model_, &WizardModel::status, status_, &QLabel::setText);
    // After the binder's own sync, so that focus and title see the new state.
    connect(&model_, &WizardModel::changed, this, &MainWindow::follow);
    addKeys();
    buildPage(model_.page());

    binder_->sync();
    follow();
    if (PreviewPanel::shownLastTime())
        showPreview(true);
    fitToScreen();
    setAcceptDrops(true);
    if (state_) {
        connect(&model_, &WizardModel::draftFiled, this, [this](const QString &path) { state_->noteDraft(path); });
        // Where it was left, when that still fits a screen; else fitted anew.
        restoreGeometry(state_->windowGeometry());
    }
}

MainWindow::~MainWindow() { delete picker_; }

void MainWindow::buildPage(int n)
{
    if (built_.contains(n))
        return;
    built_.insert(n);
    FormKit kit(*binder_);
    QWidget *page = nullptr;
    switch (n) {
    case 0: page = new ZonePage(kit); break;
    case 1: page = new LandPage(kit); break;
    case 2: page = new TerrainPage(kit); break;
    case 3: {
        auto *units = new UnitPage(kit);
        connect(units->chooseButton(), &QPushButton::clicked, this, &MainWindow::openPicker);
        page = units;
        break;
    }
    case 4: page = new ElevationPage(kit); break;
    default: {
        auto *script = new ScriptPage(kit);
        script->saveButton()->setToolTip(Ui::tr("Ctrl+S（Ctrl+Shift+S 保存草稿）"));
        connect(script->saveButton(), &QPushButton::clicked, this, [this] { model_.saveScript(); });
        page = script;
        break;
    }
    }
    QWidget *placeholder = pages_->widget(n);
    const bool current = pages_->currentIndex() == n;
    pages_->removeWidget(placeholder);
    pages_->insertWidget(n, page);
    if (current)
        pages_->setCurrentIndex(n);
    delete placeholder;

    LinkFieldLabels(page);
    NameControls(page);
    if (n != WizardModel::kLastPage)
        undoKeys_->watch(page);
    // Tab walks the built pages in order, then the buttons under them.
    QVector<QWidget *> order;
    for (int built = 0; built <= WizardModel::kLastPage; ++built)
        if (built_.contains(built))
            order += ReadingOrder(pages_->widget(built));
    ChainTabs(order + ReadingOrder(bar_));
    // A misspelt name would bind a widget to nothing and lose what it shows.
    Q_ASSERT_X(binder_->unknownNames().isEmpty(), "MainWindow", "a widget is bound to no setting");
    binder_->sync();
    split_->arrange();
}

void MainWindow::showPreview(bool on)
{
    if (auto *toggle = findChild<QPushButton *>(QStringLiteral("PreviewToggle"))) {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(on);
    }
    if (on == split_->previewWanted())
        return;
    if (on && !preview_)
        makePreview();
    split_->setPreviewWanted(on);
    if (!isVisible()) {
        fitToScreen();
        return;
    }
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // Growing to the right as far as the screen goes, and shrinking back by
    // as much; the window keeps its place (a resize never moves it).
    if (on) {
        const QScreen *shown = screen();
        const int extra = split_->besideWidth();
        const int room = shown ? shown->availableGeometry().right() - frameGeometry().right() : extra;
        grownBy_ = qMax(0, qMin(extra, room));
        resize(width() + grownBy_, height());
    } else {
        resize(qMax(minimumSizeHint().width(), width() - grownBy_), height());
        grownBy_ = 0;
    }
}

void MainWindow::makePreview()
{
    preview_ = new PreviewPanel(model_);
    if (state_) {
        const PreviewChoices kept = state_->previewChoices();
        preview_->choose(kept.size, kept.players);
        if (kept.width > 0)
            split_->setPreviewWidth(kept.width);
    }
    split_->setPreview(preview_);
}

void MainWindow::buildAllPages()
{
    for (int n = 0; n <= WizardModel::kLastPage; ++n)
        buildPage(n);
}

void MainWindow::buildNextPageWhenIdle()
{
    for (int n = 0; n <= WizardModel::kLastPage; ++n) {
        if (!built_.contains(n)) {
            buildPage(n);
            QTimer::singleShot(0, this, &MainWindow::buildNextPageWhenIdle);
            return;
        }
    }
}

UnitPicker *MainWindow::picker() const { return picker_; }

QString MainWindow::TitleFor(const QString &draftPath, bool modified, const QString &scriptPath, bool scriptModified)
{
    const auto marked = [](const QString &name, bool unsaved) { return unsaved ? name + QLatin1Char('*') : name; };
    QStringList names;
    if (!draftPath.isEmpty() || modified)
        names << marked(draftPath.isEmpty() ? Ui::tr("未命名") : QFileInfo(draftPath).fileName(), modified);
    if (!scriptPath.isEmpty())
        names << marked(QFileInfo(scriptPath).fileName(), scriptModified);
    if (names.isEmpty())
        return QStringLiteral("Quorlin");
    return names.join(QStringLiteral(" · ")) + QStringLiteral(" — Quorlin");
}

QWidget *MainWindow::buttonBar()
{
    FormKit kit(*binder_);
    auto *bar = new QWidget;
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton *restore = kit.modelButton("Command14", Ui::tr("恢复默认"));
    QPushButton *saveDraft = kit.button("Command15", Ui::tr("保存为草稿"));
    QPushButton *openDraft = kit.button("Command16", Ui::tr("打开草稿"));
    QPushButton *back = kit.button("Command1", QString());
    QPushButton *next = kit.button("Command2", QString());
    QPushButton *exit = kit.button("Command3", Ui::tr("退出"));
    // The back and next captions change with the page; the model says which.
    binder_->trackCaption(back);
    binder_->trackCaption(next);
    saveDraft->setToolTip(QStringLiteral("Ctrl+S"));
    openDraft->setToolTip(QStringLiteral("Ctrl+O"));
    back->setToolTip(QStringLiteral("Alt+←"));
    next->setToolTip(QStringLiteral("Alt+→"));

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *preview = new QPushButton(Ui::tr("预览"));
    preview->setObjectName(QStringLiteral("PreviewToggle"));
    preview->setCheckable(true);
    preview->setChecked(split_->previewWanted());
    connect(preview, &QPushButton::toggled, this, [this](bool on) {
        showPreview(on);
        PreviewPanel::rememberShown(on);
    });
    for (QPushButton *b : {restore, saveDraft, openDraft, preview})
        row->addWidget(b);
    if (state_) {
        recent_ = new RecentDraftsButton(model_, *state_);
        row->addWidget(recent_);
    }
    row->addWidget(status_, 1);
    for (QPushButton *b : {back, next, exit})
        row->addWidget(b);

    connect(saveDraft, &QPushButton::clicked, this, [this] { model_.saveDraft(); });
    connect(openDraft, &QPushButton::clicked, this, [this] { model_.openDraft(); });
    connect(back, &QPushButton::clicked, this, [this] { model_.back(); });
    connect(next, &QPushButton::clicked, this, [this] { model_.next(); });
    connect(exit, &QPushButton::clicked, this, &MainWindow::exitProgram);
    return bar;
}

void MainWindow::addKeys()
{
    // A key does what its button does, and only where the button is offered.
    auto pressIfOffered = [this](const char *name) {
        auto *button = findChild<QPushButton *>(QString::fromLatin1(name));
        if (button && button->isVisible() && button->isEnabled())
            button->click();
    };
    auto key = [this](QList<QKeySequence> keys, std::function<void()> act) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    key({QKeySequence::Undo}, [this] { model_.undo(); });
    key({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        [this] { model_.redo(); });
    key({QKeySequence(Qt::ALT | Qt::Key_Right)}, [=] { pressIfOffered("Command2"); });
    key({QKeySequence(Qt::ALT | Qt::Key_Left)}, [=] { pressIfOffered("Command1"); });
    key({QKeySequence::Save}, [=] { pressIfOffered(model_.page() == WizardModel::kLastPage ? "CmdGo" : "Command15"); });
    // The draft, from any page: on the script page no button offers it.
    key({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, [this] { model_.saveDraft(); });
    key({QKeySequence::Open}, [=] { pressIfOffered("Command16"); });
}

void MainWindow::follow()
{
    const QString title = TitleFor(model_.draftPath(), model_.isModified(), model_.scriptPath(), !model_.isSaved());
    if (windowTitle() != title)
        setWindowTitle(title);
    if (recent_)
        recent_->setVisible(model_.isVisible(QStringLiteral("Command16")));
    if (pages_->currentIndex() != model_.page()) {
        buildPage(model_.page());
        const int from = shownPage_;
        shownPage_ = model_.page();
        pages_->setCurrentIndex(shownPage_);
        pageChanged(from);
    }
}

void MainWindow::pageChanged(int from)
{
    QWidget *page = pages_->currentWidget();
    QWidget *target = nullptr;
    if (shownPage_ == WizardModel::kLastPage)
        target = findChild<QPlainTextEdit *>(QStringLiteral("Txt")); // ready for typing
    else if (from == WizardModel::kLastPage)
        target = FirstControl(page); // starting over begins at the top, never on "退出"
    else if (QWidget *focus = focusWidget(); !focus || !focus->isVisible() || !focus->isEnabled())
        target = FirstControl(page);
    if (target)
        target->setFocus(Qt::OtherFocusReason);
    scroll_->verticalScrollBar()->setValue(0);
    scroll_->horizontalScrollBar()->setValue(0);
}

void MainWindow::fitToScreen()
{
    // As large as the largest page wants, but never beyond the screen, where
    // the pages scroll and the buttons stay in sight. The pages not built yet
    // cannot say what they want; the largest (page 4 with every frame) holds
    // about 52 by 39 lines of text.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int line = fontMetrics().height();
    QSize want = pages_->sizeHint().expandedTo(QSize(52 * line, 39 * line)) + QSize(scrollBar, 0);
    const QSize bar = layout()->itemAt(1)->sizeHint();
    const QMargins m = layout()->contentsMargins();
    if (split_->previewWanted())
        want += QSize(split_->besideWidth(), 0);
    want = QSize(qMax(want.width(), bar.width()) + m.left() + m.right(),
                 want.height() + layout()->spacing() + bar.height() + m.top() + m.bottom());
    if (const QScreen *shown = screen()) {
        // Room for the window manager's title bar and borders.
        const QSize room = shown->availableGeometry().size() - QSize(16, 48);
        want = want.boundedTo(room);
    }
    resize(want);
}

bool MainWindow::openDraftFile(const QString &path) { return model_.openDraftFile(path); }

void MainWindow::exitProgram()
{
    // Only an explicit No, or a save that worked, lets unsaved work go.
    if (!model_.mayExit())
        return;
    exitConfirmed_ = true;
    close();
}

bool MainWindow::event(QEvent *event)
{
    // The other pages wait until the first one is on the screen.
    if (event->type() == QEvent::Paint && !idleBuildStarted_) {
        idleBuildStarted_ = true;
        QTimer::singleShot(0, this, &MainWindow::buildNextPageWhenIdle);
    }
    return QWidget::event(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While the picker is open the window takes no input, its close box included.
    if (!isEnabled() || !(exitConfirmed_ || model_.mayExit())) {
        event->ignore();
        return;
    }
    exitConfirmed_ = false;
    if (state_) {
        state_->setWindowGeometry(saveGeometry());
        if (preview_)
            state_->setPreviewChoices({preview_->sizeOption(), preview_->players(), split_->previewWidth()});
    }
    event->accept();
}

bool MainWindow::offersDrafts() const
{
    auto *open = findChild<QPushButton *>(QStringLiteral("Command16"));
    return isEnabled() && open && open->isVisible() && open->isEnabled();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (offersDrafts() && !DraggedDraft(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = DraggedDraft(event->mimeData());
    if (!offersDrafts() || path.isEmpty())
        return;
    event->acceptProposedAction();
    // Asked once the drop is over, so that the file manager is not left waiting on the question.
    QTimer::singleShot(0, this, [this, path] { model_.askAndOpenDraft(path); });
}

void MainWindow::openPicker()
{
    if (picker_)
        return;
    // A window of its own, not a child: disabling this window must not disable it.
    auto *picker = new UnitPicker;
    picker_ = picker;
    connect(picker, &UnitPicker::picked, this,
            [this](const QString &text) { model_.setText(QStringLiteral("Label55"), text); });
    // However it closes (OK, cancel, its close box), this window takes input again.
    connect(picker, &QDialog::finished, this, [this, picker] {
        setEnabled(true);
        picker->deleteLater();
    });
    picker->winId();
    picker->windowHandle()->setTransientParent(windowHandle());
    picker->show();
    setEnabled(false);
}

} // namespace quorlin
