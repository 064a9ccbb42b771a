#pragma once

#include "ui/live_check.h"

#include <QWidget>

class QComboBox;
class QLabel;

namespace quorlin {

class LiveCheck;
class ProblemList;
class ScriptEdit;
class ScriptHighlighter;

// The script page's editor: the coloured script box with its line numbers
// and underlined problems, a line that counts the problems, the choice of
// the language's edition to check against, and the list of problems under
// it. The script is checked again by `check` whenever the typing rests.
class ScriptEditor : public QWidget {
    Q_OBJECT
public:
    explicit ScriptEditor(CheckFunction check = lang::CheckScript, QWidget *parent = nullptr);

    ScriptEdit *edit() const { return edit_; }
    LiveCheck *liveCheck() const { return live_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void showProblems(const QVector<lang::Problem> &problems);

    ScriptEdit *edit_;
    ScriptHighlighter *highlighter_;
    LiveCheck *live_;
    QLabel *summary_;
    QComboBox *dialect_;
    ProblemList *list_;
};

} // namespace quorlin
