#include "wizard/history.h"

namespace quorlin {

void History::record(const Project &before, const QString &mergeKey)
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

Project History::undo(const Project &current)
{
    lastKey_.clear();
    redo_.append(current);
    return undo_.takeLast();
}

Project History::redo(const Project &current)
{
    lastKey_.clear();
    undo_.append(current);
    return redo_.takeLast();
}

} // namespace quorlin
