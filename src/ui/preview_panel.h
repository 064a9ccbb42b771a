// The preview beside the pages: the map the current settings make (the
// script assembled in memory on pages 0-4, the text with its hand edits on
// page 5), redrawn off the window's thread after every change.
#pragma once

#include "ui/preview_runner.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace quorlin {

class WizardModel;

class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPanel(WizardModel &model, QWidget *parent = nullptr);

    // Whether the panel is to be shown, as the user left it last time.
    static bool shownLastTime();
    static void rememberShown(bool shown);

    // Asks for a new picture of the current script (nothing while hidden).
    void refresh();
    // The last picture shown; null before the first.
    QImage picture() const { return image_; }
    // Lets the window's events run until the picture asked for last is shown,
    // at most `timeoutMs`; false when it did not come in time.
    bool settle(int timeoutMs);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void display(const preview::ScriptPreview &picture, const PreviewJob &job);
    void fit();
    void offerTeams();

    WizardModel &model_;
    PreviewRunner runner_;
    QComboBox *size_;
    QSpinBox *players_;
    QComboBox *teams_;
    QCheckBox *square_;
    QLabel *picture_;
    QLabel *caption_;
    QPlainTextEdit *notes_;
    QImage image_;
    quint64 seed_ = 1;
    PreviewJob last_;
    bool asked_ = false;
};

} // namespace quorlin
