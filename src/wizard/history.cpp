#include "wizard/history.h"

namespace quorlin {

namespace {

// Moves the newest state of `from` out, leaving `current` in `to` in its place.
History::State Move(QVector<History::State> &from, QVector<History::State> &to, const Project &current,
                    const DraftFile &file)
{
    History::State next = from.takeLast();
    to.append({current, next.draft ? std::optional<DraftFile>(file) : std::nullopt});
    return next;
}

} // namespace

void History::record(const State &before, const QString &mergeKey)
{
    redo_.clear();
    const bool merge = !mergeKey.isEmpty() && mergeKey == lastKey_ && !undo_.isEmpty();
    lastKey_ = mergeKey;
    if (merge)
        return;
    undo_.append(before);
    if (undo_.size() > kLimit)
        undo_.removeFirst();
}

History::State History::undo(const Project &current, const DraftFile &file)
{
    lastKey_.clear();
    return Move(undo_, redo_, current, file);
}

History::State History::redo(const Project &current, const DraftFile &file)
{
    lastKey_.clear();
    return Move(redo_, undo_, current, file);
}

} // namespace quorlin
