#include "wizard/history.h"

namespace quorlin {

void History::record(const ProjectState &before, const QString &mergeKey)
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

ProjectState History::undo(const ProjectState &current)
{
    lastKey_.clear();
    redo_.append(current);
    return undo_.takeLast();
}

ProjectState History::redo(const ProjectState &current)
{
    lastKey_.clear();
    undo_.append(current);
    return redo_.takeLast();
}

} // namespace quorlin
