#pragma once

#include <QPlainTextEdit>

namespace quorlin {

// The script box. Every paste (the keys, the context menu, the middle mouse
// button, a drop) arrives here as plain text or not at all: Qt 6.4 crashes
// when it pastes an empty clipboard, or one whose owner has quit, on X11.
class ScriptEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace quorlin
