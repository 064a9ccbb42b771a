#pragma once

#include "core/project.h"

#include <QString>
#include <QVector>

namespace quorlin {

// Undo and redo as whole states, one per user action. Consecutive changes of
// one text field or slider merge into one step, so typing a word or dragging
// a slider is undone at once rather than a character or a pixel at a time.
class History {
public:
    // `before` is the state the action started from. A non-empty `mergeKey`
    // equal to the previous step's joins that step instead of making a new one.
    void record(const Project &before, const QString &mergeKey = QString());

    bool canUndo() const { return !undo_.isEmpty(); }
    bool canRedo() const { return !redo_.isEmpty(); }
    // The state to go back (or forward) to from `current`, which the other
    // direction keeps. Only call when canUndo() (canRedo()).
    Project undo(const Project &current);
    Project redo(const Project &current);

    // Many steps back is plenty; the oldest go first.
    static constexpr int kLimit = 200;

private:
    QVector<Project> undo_, redo_;
    QString lastKey_;
};

} // namespace quorlin
