#include "preview/clump.h"

namespace quorlin::preview {

Clump::Clump(int side, QVector<int> *owner, int id, int clumping)
    : side_(side), axes_(side), around_{-side - 1, -side, -side + 1, -1, 1, side - 1, side, side + 1},
      owner_(owner->data()), id_(id), clumping_(qBound(0, clumping, 1000))
{}

void Clump::restart(int id, int clumping)
{
    id_ = id;
    clumping_ = qBound(0, clumping, 1000);
    tiles_.clear();
    for (std::vector<int> &bucket : buckets_)
        bucket.clear();
    waiting_ = 0;
}

// For a tile at least one step from the edge.
int Clump::neighboursOwnedInside(int tile) const
{
    const int *up = owner_ + tile - side_, *row = owner_ + tile, *down = owner_ + tile + side_;
    return (up[-1] == id_) + (up[0] == id_) + (up[1] == id_) + (row[-1] == id_) + (row[1] == id_) + (down[-1] == id_)
           + (down[0] == id_) + (down[1] == id_);
}

int Clump::neighboursOwned(int x, int y) const
{
    if (x > 0 && y > 0 && x < side_ - 1 && y < side_ - 1)
        return neighboursOwnedInside(y * side_ + x);
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

void Clump::queue(int tile, int count)
{
    buckets_[size_t(count)].push_back(tile);
    ++waiting_;
}

void Clump::add(int tile)
{
    owner_[tile] = id_;
    tiles_.push_back(tile);
    const int x = axes_.x(tile), y = axes_.y(tile);
    if (x >= 2 && y >= 2 && x < side_ - 2 && y < side_ - 2) {
        // Away from the edge: neither the tile's neighbours nor theirs
        // need a bounds check.
        for (int step : around_) {
            if (owner_[tile + step] == -1)
                queue(tile + step, neighboursOwnedInside(tile + step));
        }
        return;
    }
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if ((dx || dy) && nx >= 0 && ny >= 0 && nx < side_ && ny < side_ && owner_[ny * side_ + nx] == -1)
                queue(ny * side_ + nx, neighboursOwned(nx, ny));
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
