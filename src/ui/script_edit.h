#pragma once

#include "lang/check.h"

#include <QPlainTextEdit>

namespace quorlin {

// The script box: line numbers in a gutter on its left, and a wavy underline
// under each problem found in the script, with the problem's message as the
// tooltip where the mouse rests on it. The underlines move with the text as
// it is edited, until the next check replaces them.
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

private:
    friend class LineGutter;
    void paintGutter(QPaintEvent *event);
    void updateGutterWidth();

    QWidget *gutter_;
    QList<QTextEdit::ExtraSelection> marks_;
    QStringList markMessages_; // by mark
};

} // namespace quorlin
