#pragma once

#include <QPointer>
#include <QWidget>

namespace quorlin {

class ModelBinder;
class UnitPicker;
class WizardModel;

// Form1, the wizard window: six pages, the navigation and file buttons, and
// the unit picker. It is a view of the model; it keeps only what belongs to
// the window itself (the open picker, and whether the exit was confirmed).
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(WizardModel &model, QWidget *parent = nullptr);
    ~MainWindow() override;

    WizardModel &model() { return model_; }
    // The unit picker while it is open, else nullptr.
    UnitPicker *picker() const;

    // Opens a draft named on the command line. A draft that cannot be opened
    // is reported through the model's dialogs and changes nothing.
    bool openDraftFile(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buttonBar();
    void exitProgram();
    void openPicker();

    WizardModel &model_;
    ModelBinder *binder_;
    QPointer<UnitPicker> picker_;
    bool exitConfirmed_ = false;
};

} // namespace quorlin
