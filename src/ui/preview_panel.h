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
class QToolButton;

namespace quorlin {

class PreviewView;
class WizardModel;

class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPanel(WizardModel &model, QWidget *parent = nullptr);

    // Whether the panel is to be shown, as the user left it last time.
    static bool shownLastTime();
    static void rememberShown(bool shown);

    // The map size (its option, "medium") and the number of players.
    QString sizeOption() const;
    int players() const;
    // Unknown sizes and numbers out of range leave the choice as it is.
    void choose(const QString &sizeOption, int players);

    // Asks for a new picture of the current script (nothing while hidden).
    void refresh();
    // The map shown last; its grid is empty before the first.
    const preview::PreviewResult &shown() const;
    PreviewView *view() const { return view_; }
    // Lets the window's events run until the picture asked for last is shown,
    // at most `timeoutMs`; false when it did not come in time.
    bool settle(int timeoutMs);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void display(const PreviewMap &map, const PreviewJob &job);
    void describeTile(int tile);
    void offerTeams();

    WizardModel &model_;
    PreviewRunner runner_;
    QComboBox *size_;
    QSpinBox *players_;
    QComboBox *teams_;
    QCheckBox *square_;
    PreviewView *view_;
    QLabel *caption_;
    QToolButton *notesToggle_;
    QPlainTextEdit *notes_;
    QLabel *tile_;
    quint64 seed_ = 1;
    PreviewJob last_;
    bool asked_ = false;
};

} // namespace quorlin
