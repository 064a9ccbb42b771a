#pragma once

#include <QPointer>
#include <QSet>
#include <QWidget>

class QLabel;
class QScrollArea;
class QStackedWidget;

namespace quorlin {

class ModelBinder;
class PageSplit;
class PreviewPanel;
class RecentDraftsButton;
class RememberedState;
class WindowUndoKeys;
class UnitPicker;
class WizardModel;

// Form1, the wizard window: six pages, the navigation and file buttons, and
// the unit picker. It is a view of the model; it keeps only what belongs to
// the window itself (the open picker, the page on screen, the status line,
// and whether the exit was confirmed).
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // With `state`, the window comes back where it was left, offers the
    // drafts used last, and keeps both for the next run.
    explicit MainWindow(WizardModel &model, RememberedState *state = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    WizardModel &model() { return model_; }
    // The unit picker while it is open, else nullptr.
    UnitPicker *picker() const;

    // Opens a draft named on the command line. A draft that cannot be opened
    // is reported through the model's dialogs and changes nothing.
    bool openDraftFile(const QString &path);

    // Builds every page now rather than on its first visit or when the window
    // is idle (tests and screenshots look at all of them at once).
    void buildAllPages();
    // Whether the other pages are built while the window is idle after the
    // first one is painted (on unless the program ends at that first paint).
    void setIdleBuilding(bool on) { idleBuildStarted_ = !on; }

    // Shows or hides the preview beside the pages (or below them, where the
    // window is too narrow). A window neither maximised nor full screen grows
    // or shrinks by the preview's width where the screen allows, and stays
    // where it is.
    void showPreview(bool on);

    // "地图.qlx* · map.rms — Quorlin": the draft's name and whether it has
    // unsaved changes, then the script page's file and whether it has.
    static QString TitleFor(const QString &draftPath, bool modified, const QString &scriptPath = QString(),
                            bool scriptModified = false);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A draft dropped on the window opens as "打开草稿" opens a chosen one.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QWidget *buttonBar();
    void buildPage(int n);
    void buildNextPageWhenIdle();
    void addKeys();
    void follow();
    void pageChanged(int from);
    void exitProgram();
    void openPicker();
    void fitToScreen();
    bool offersDrafts() const;
    void makePreview();

    WizardModel &model_;
    RememberedState *state_;
    ModelBinder *binder_;
    QStackedWidget *pages_;
    QScrollArea *scroll_;
    QLabel *status_ = nullptr;
    // Built on its first showing: most sessions never open it, and the first
    // page comes up sooner without it.
    PreviewPanel *preview_ = nullptr;
    PageSplit *split_ = nullptr;
    int grownBy_ = 0; // how much showing the preview widened the window
    QWidget *bar_ = nullptr;
    RecentDraftsButton *recent_ = nullptr;
    WindowUndoKeys *undoKeys_ = nullptr;
    QSet<int> built_;
    QPointer<UnitPicker> picker_;
    int shownPage_ = 0;
    bool exitConfirmed_ = false;
    bool idleBuildStarted_ = false;
};

} // namespace quorlin
