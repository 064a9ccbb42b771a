#include "ui/window_undo_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace quorlin {

void WindowUndoKeys::watch(QWidget *root)
{
    for (QLineEdit *edit : root->findChildren<QLineEdit *>())
        edit->installEventFilter(this);
}

bool WindowUndoKeys::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination pressed = key->keyCombination();
    const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
                         || pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)
                         || pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    // Swallowed unaccepted, the override lets the window's shortcut have the key.
    return undoKey;
}

} // namespace quorlin
