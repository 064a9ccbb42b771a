#pragma once

#include "core/project.h"

#include <QString>
#include <QVector>

#include <optional>

namespace quorlin {

// The draft file the work belongs to: its path (empty before the first save
// or opening) and the work as that file holds it.
struct DraftFile {
    QString path;
    Project saved;
    bool operator==(const DraftFile &o) const { return path == o.path && saved == o.saved; }
    bool operator!=(const DraftFile &o) const { return !(*this == o); }
};

// Undo and redo as whole states, one per user action. Consecutive changes of
// one text field or slider merge into one step, so typing a word or dragging
// a slider is undone at once rather than a character or a pixel at a time.
// A step that opened a draft keeps the draft file on either side of it, so
// that going back over it brings back the file those settings belong to.
class History {
public:
    struct State {
        Project project;
        // Set when the step next to this state changed the draft file.
        std::optional<DraftFile> draft;
    };

    // `before` is the state the action started from, with the draft file
    // before it when the action changed that. A non-empty `mergeKey` equal to
    // the previous step's joins that step instead of making a new one.
    void record(const State &before, const QString &mergeKey = QString());

    bool canUndo() const { return !undo_.isEmpty(); }
    bool canRedo() const { return !redo_.isEmpty(); }
    // The state to go back (or forward) to from `current`, whose work the
    // other direction keeps, and its draft file only where the step changed
    // it. Only call when canUndo() (canRedo()).
    State undo(const Project &current, const DraftFile &file);
    State redo(const Project &current, const DraftFile &file);

    // Many steps back is plenty; the oldest go first.
    static constexpr int kLimit = 200;

private:
    QVector<State> undo_, redo_;
    QString lastKey_;
};

} // namespace quorlin
