#pragma once

#include "core/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace quorlin {

class RememberedState;

// The dialogs as the person at the screen sees them: message boxes, and the
// two file dialogs, one for scripts (*.rms) and one for drafts (*.qlx).
class QtDialogs : public Dialogs {
public:
    // Boxes and dialogs are placed over `parent`, which may come later.
    explicit QtDialogs(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    // Where the file dialogs start: the folder each showed last, kept in `state`.
    void rememberIn(RememberedState *state) { state_ = state; }

    void message(const QString &title, const QString &text, MessageIcon icon) override;
    Answer askToSave(const QString &title, const QString &text) override;
    QString saveFileName(FileKind kind, const QString &proposed) override;
    QString openFileName(FileKind kind, const QString &proposed) override;

private:
    QString fileName(FileKind kind, bool save, const QString &proposed);

    QPointer<QWidget> parent_;
    RememberedState *state_ = nullptr;
};

} // namespace quorlin
