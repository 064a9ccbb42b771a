#include "wizard/ui/main_window.h"

#include "names/ui/unit_picker.h"
#include "wizard/ui/form_kit.h"
#include "wizard/ui/model_binder.h"
#include "wizard/ui/pages.h"
#include "wizard/wizard_model.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace quorlin {

MainWindow::MainWindow(WizardModel &model, QWidget *parent)
    : QWidget(parent), model_(model), binder_(new ModelBinder(model, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorlin"));

    FormKit kit(*binder_);
    // All six pages share one place; the model shows exactly one of them.
    auto *window = new QVBoxLayout(this);
    window->addWidget(new ZonePage(kit), 1);
    window->addWidget(new LandPage(kit), 1);
    window->addWidget(new TerrainPage(kit), 1);
    auto *unitPage = new UnitPage(kit);
    window->addWidget(unitPage, 1);
    window->addWidget(new ElevationPage(kit), 1);
    auto *scriptPage = new ScriptPage(kit);
    window->addWidget(scriptPage, 1);
    window->addWidget(buttonBar());

    connect(unitPage->chooseButton(), &QPushButton::clicked, this, &MainWindow::openPicker);
    connect(scriptPage->saveButton(), &QPushButton::clicked, this, [this] { model_.saveScript(); });

    binder_->sync();
    resize(sizeHint().expandedTo(QSize(820, 600)));
}

MainWindow::~MainWindow() { delete picker_; }

UnitPicker *MainWindow::picker() const { return picker_; }

QWidget *MainWindow::buttonBar()
{
    FormKit kit(*binder_);
    auto *bar = new QWidget;
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton *restore = kit.modelButton("Command14", QStringLiteral("恢复默认"));
    QPushButton *saveDraft = kit.button("Command15", QStringLiteral("保存为草稿"));
    QPushButton *openDraft = kit.button("Command16", QStringLiteral("打开草稿"));
    QPushButton *back = kit.button("Command1", QString());
    QPushButton *next = kit.button("Command2", QString());
    QPushButton *exit = kit.button("Command3", QStringLiteral("退出"));
    // The back and next captions change with the page; the model says which.
    binder_->trackCaption(back);
    binder_->trackCaption(next);
    for (QPushButton *b : {restore, saveDraft, openDraft})
        row->addWidget(b);
    row->addStretch();
    for (QPushButton *b : {back, next, exit})
        row->addWidget(b);

    connect(saveDraft, &QPushButton::clicked, this, [this] { model_.saveDraft(); });
    connect(openDraft, &QPushButton::clicked, this, [this] { model_.openDraft(); });
    connect(back, &QPushButton::clicked, this, [this] { model_.back(); });
    connect(next, &QPushButton::clicked, this, [this] { model_.next(); });
    connect(exit, &QPushButton::clicked, this, &MainWindow::exitProgram);
    return bar;
}

bool MainWindow::openDraftFile(const QString &path) { return model_.openDraftFile(path); }

void MainWindow::exitProgram()
{
    // Only an explicit No, or a save that worked, lets an unsaved script go.
    if (!model_.mayExit())
        return;
    exitConfirmed_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While the picker is open the window takes no input, its close box included.
    if (!isEnabled() || !(exitConfirmed_ || model_.mayExit())) {
        event->ignore();
        return;
    }
    exitConfirmed_ = false;
    event->accept();
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
