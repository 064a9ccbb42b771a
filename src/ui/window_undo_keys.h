#pragma once

#include <QObject>

class QWidget;

namespace quorlin {

// Keeps the window's undo and redo keys for the window: a text field would
// otherwise undo its own typing alone, apart from everything else.
class WindowUndoKeys : public QObject {
public:
    using QObject::QObject;
    // Applies to every text field inside `root`, combo box fields included.
    void watch(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace quorlin
