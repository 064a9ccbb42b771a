#include "core/item_store.h"

namespace quorlin {

bool ItemStore::add(const QString &line, const QString &block)
{
    if (isFull())
        return false;
    lines_ << line;
    blocks_ << block;
    selected_ << false;
    return true;
}

void ItemStore::clear()
{
    lines_.clear();
    blocks_.clear();
    selected_.clear();
}

void ItemStore::setSelected(int i, bool on)
{
    if (i >= 0 && i < selected_.size())
        selected_[i] = on;
}

bool ItemStore::selectOnly(const QVector<int> &indices)
{
    for (int i : indices)
        if (i < 0 || i >= count())
            return false;
    selectNone();
    for (int i : indices)
        selected_[i] = true;
    return true;
}

void ItemStore::selectAll() { selected_.fill(true); }

void ItemStore::selectNone() { selected_.fill(false); }

void ItemStore::deleteSelected()
{
    for (int i = count() - 1; i >= 0; --i) {
        if (!selected_[i])
            continue;
        lines_.removeAt(i);
        blocks_.removeAt(i);
        selected_.removeAt(i);
    }
}

} // namespace quorlin
