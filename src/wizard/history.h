#pragma once

#include "items/item_store.h"
#include "wizard/settings.h"

#include <QString>
#include <QVector>

namespace quorlin {

// Everything on pages 0 to 4 that a user's action can change: the settings,
// the three lists of added items and the unit constant counter. Small enough
// to copy whole for each action (the texts are shared until they change).
struct ProjectState {
    Settings settings;
    ItemStore lands, terrains, units;
    qint64 xn = 0;

    // Line selection is not part of the work, so it never makes two states differ.
    bool operator==(const ProjectState &o) const
    {
        return xn == o.xn && settings == o.settings && lands == o.lands && terrains == o.terrains
            && units == o.units;
    }
    bool operator!=(const ProjectState &o) const { return !(*this == o); }
};

// Undo and redo as whole states, one per user action. Consecutive changes of
// one text field or slider merge into one step, so typing a word or dragging
// a slider is undone at once rather than a character or a pixel at a time.
class History {
public:
    // `before` is the state the action started from. A non-empty `mergeKey`
    // equal to the previous step's joins that step instead of making a new one.
    void record(const ProjectState &before, const QString &mergeKey = QString());

    bool canUndo() const { return !undo_.isEmpty(); }
    bool canRedo() const { return !redo_.isEmpty(); }
    // The state to go back (or forward) to from `current`, which the other
    // direction keeps. Only call when canUndo() (canRedo()).
    ProjectState undo(const ProjectState &current);
    ProjectState redo(const ProjectState &current);

    // Many steps back is plenty; the oldest go first.
    static constexpr int kLimit = 200;

private:
    QVector<ProjectState> undo_, redo_;
    QString lastKey_;
};

} // namespace quorlin
