#pragma once

#include "lang/check.h"

#include <QObject>

#include <functional>

class QCompleter;
class QKeyEvent;

namespace quorlin {

class CompletionModel;
class ScriptEdit;

// Completion in the script box: the language's words, constants and if
// labels and the file's own names (#const, #define, object groups), each
// with a line of its meaning. It opens by itself once a word has two letters
// (never inside a comment, for a number, or where a new name is being made
// up) and on Ctrl+Space or Alt+/. The words that fit the place come first: the
// attributes of the enclosing command's block, the commands of the section,
// labels after `if`, constants where the word before takes one; then all
// the rest, and words of a newer edition than the one checked against last.
class ScriptCompleter : public QObject {
    Q_OBJECT
public:
    // `dialect` tells the edition the script is checked against.
    ScriptCompleter(ScriptEdit *edit, std::function<lang::Dialect()> dialect);

    // The box hands every key here before it handles it; true when the key
    // is the completer's (Ctrl+Space, or the keys that choose while the list
    // is open, which the list then takes).
    bool keyBefore(QKeyEvent *event);
    // And after it has handled it: opens, narrows or closes the list.
    void keyAfter(QKeyEvent *event);

    // Offers completions for the word at the cursor, as Ctrl+Space does.
    void offer() { show(true); }
    bool isOpen() const;
    QCompleter *completer() const { return completer_; }

private:
    void show(bool asked);
    void rank(const QString &before, qsizetype wordStart);
    void insert(const QString &completion);

    ScriptEdit *edit_;
    std::function<lang::Dialect()> dialect_;
    CompletionModel *model_;
    QCompleter *completer_;
    bool asked_ = false; // the open list was asked for, not offered
    // The last word typed that matched nothing, and where it starts.
    QString fruitless_;
    qsizetype fruitlessAt_ = -1;
};

} // namespace quorlin
