#include "preview/clump.h"

namespace quorlin::preview {

Clump::Clump(int side, QVector<int> *owner, int id, int clumping)
    : side_(side), owner_(*owner), id_(id), clumping_(qBound(0, clumping, 1000))
{
}

int Clump::neighboursOwned(int tile) const
{
    const int x = tile % side_, y = tile / side_;
    int count = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if ((dx || dy) && nx >= 0 && ny >= 0 && nx < side_ && ny < side_ && owner_[ny * side_ + nx] == id_)
                ++count;
        }
    }
    return count;
}

void Clump::add(int tile)
{
    owner_[tile] = id_;
    ++size_;
    const int x = tile % side_, y = tile / side_;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (!(dx || dy) || nx < 0 || ny < 0 || nx >= side_ || ny >= side_)
                continue;
            const int next = ny * side_ + nx;
            if (owner_[next] == -1) {
                buckets_[neighboursOwned(next)].append(next);
                ++waiting_;
            }
        }
    }
}

// Removes and returns one waiting tile: with the chance c/(c+10) one of the
// best connected (any of them, so that shapes do not lean one way),
// otherwise any tile at all.
int Clump::take(Random &random, int *bucket)
{
    int b = 8;
    int pick = 0;
    if (random.below(clumping_ + 10) < clumping_) {
        while (buckets_[b].isEmpty())
            --b;
        pick = random.below(buckets_[b].size());
    } else {
        pick = random.below(waiting_);
        for (b = 0; pick >= buckets_[b].size(); ++b)
            pick -= buckets_[b].size();
    }
    QVector<int> &list = buckets_[b];
    std::swap(list[pick], list.last());
    const int tile = list.last();
    list.removeLast();
    --waiting_;
    *bucket = b;
    return tile;
}

} // namespace quorlin::preview
