#include "preview/clump.h"

namespace quorlin::preview {

Clump::Clump(int side, QVector<int> *owner, int id, int clumping)
    : side_(side), owner_(owner->data()), id_(id), clumping_(qBound(0, clumping, 1000))
{}

int Clump::neighboursOwned(int x, int y) const
{
    if (x > 0 && y > 0 && x < side_ - 1 && y < side_ - 1) {
        const int tile = y * side_ + x;
        const int *up = owner_ + tile - side_, *row = owner_ + tile, *down = owner_ + tile + side_;
        return (up[-1] == id_) + (up[0] == id_) + (up[1] == id_) + (row[-1] == id_) + (row[1] == id_)
               + (down[-1] == id_) + (down[0] == id_) + (down[1] == id_);
    }
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
    tiles_.push_back(tile);
    const int x = tile % side_, y = tile / side_;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (!(dx || dy) || nx < 0 || ny < 0 || nx >= side_ || ny >= side_)
                continue;
            const int next = ny * side_ + nx;
            if (owner_[next] == -1) {
                buckets_[size_t(neighboursOwned(nx, ny))].push_back(next);
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
        while (buckets_[b].empty())
            --b;
        pick = random.below(int(buckets_[b].size()));
    } else {
        pick = random.below(waiting_);
        for (b = 0; pick >= int(buckets_[b].size()); ++b)
            pick -= int(buckets_[b].size());
    }
    std::vector<int> &list = buckets_[size_t(b)];
    std::swap(list[size_t(pick)], list.back());
    const int tile = list.back();
    list.pop_back();
    --waiting_;
    *bucket = b;
    return tile;
}

} // namespace quorlin::preview
