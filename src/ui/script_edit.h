#pragma once

#include "lang/check.h"
#include "ui/script_outline.h"

#include <QPlainTextEdit>

namespace quorlin {

class ScriptCompleter;

// The script box: line numbers in a gutter on its left, and a wavy underline
// under each problem found in the script. Where the mouse rests, the tooltip
// tells the problem's message and what the word there means (from the
// language tables and the file's own definitions). The underlines move with
// the text as it is edited, until the next check replaces them. Keys go to
// the completer first, when one is given.
//
// Every paste (the keys, the context menu, the middle mouse button, a drop)
// arrives here as plain text or not at all: Qt 6.4 crashes when it pastes an
// empty clipboard, or one whose owner has quit, on X11.
class ScriptEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ScriptEdit(QWidget *parent = nullptr);

    // Underlines these problems, found in the text as it is now.
    void showProblems(const QVector<lang::Problem> &problems);
    // The message of the problem under this point of the viewport, or nothing.
    QString problemAt(const QPoint &viewportPoint) const;
    // What the word under this point of the viewport means (rich text), or
    // nothing: in a comment, beside the text, or a word nobody knows.
    QString meaningAt(const QPoint &viewportPoint) const;
    // The tooltip for this point: the problem's message and the meaning.
    QString toolTipAt(const QPoint &viewportPoint) const;
    // What the file defines and where its blocks are, as the text is now.
    const ScriptOutline &outline() const;
    // Hands keys to this completer before and after the box handles them.
    void setCompleter(ScriptCompleter *completer) { completer_ = completer; }
    ScriptCompleter *completer() const { return completer_; }
    // Selects the problem's word, scrolls to it and takes the focus.
    void goTo(const lang::Problem &problem);
    // The text that a problem covers, as a cursor in the document.
    QTextCursor cursorFor(const lang::Problem &problem) const;

    int gutterWidth() const;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class LineGutter;
    void paintGutter(QPaintEvent *event);
    void updateGutterWidth();

    QWidget *gutter_;
    QList<QTextEdit::ExtraSelection> marks_;
    QStringList markMessages_; // by mark
    ScriptCompleter *completer_ = nullptr;
    mutable ScriptOutline outline_;
    mutable bool outlineStale_ = true; // the text changed since outline_ was scanned
};

} // namespace quorlin
