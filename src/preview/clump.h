// Growing a region of tiles one tile at a time, the way lands, terrain
// patches and hills spread: the tiles next to the region wait in buckets by
// how many of their eight neighbours already belong to it, and a high
// clumping factor takes from the fullest bucket, which rounds the shape.
#pragma once

#include "preview/random.h"
#include "preview/tile_axes.h"

#include <QVector>
#include <array>
#include <vector>

namespace quorlin::preview {

class Clump {
public:
    // `owner` holds, per tile, the id of the region it belongs to, -1 when
    // free; regions growing together share it.
    Clump(int side, QVector<int> *owner, int id, int clumping);

    // Starts again as an empty region `id`, keeping the memory it had.
    void restart(int id, int clumping);
    // Counts `tile` as the region's (setting its owner) and queues its free neighbours.
    void add(int tile);
    // Takes one more free tile that `accept(tile)` allows; false when no
    // neighbouring tile is left to try.
    template <class Accept>
    bool grow(Random &random, Accept &&accept);
    int size() const { return int(tiles_.size()); }
    // The region's tiles in the order they were taken.
    const std::vector<int> &tiles() const { return tiles_; }
    int id() const { return id_; }

private:
    int neighboursOwned(int x, int y) const;
    int neighboursOwnedInside(int tile) const;
    void queue(int tile, int count);
    int take(Random &random, int *bucket);

    int side_;
    TileAxes axes_;
    int around_[8]; // steps from a tile to its eight neighbours
    int *owner_;    // the shared vector's cells; it never changes size
    int id_;
    int clumping_;
    std::vector<int> tiles_;
    int waiting_ = 0;
    std::array<std::vector<int>, 9> buckets_;
};

// Grows the regions in [first, last) (pointers to Clump) in turns, a tile
// each per turn, until each has `each` tiles or can grow no further.
template <class Iterator, class Accept>
void GrowInTurns(Iterator first, Iterator last, qint64 each, Random &random, Accept &&accept)
{
    bool growing = true;
    while (growing) {
        growing = false;
        for (Iterator clump = first; clump != last; ++clump) {
            if ((*clump)->size() < each && (*clump)->grow(random, accept))
                growing = true;
        }
    }
}

template <class Accept>
bool Clump::grow(Random &random, Accept &&accept)
{
    while (waiting_ > 0) {
        int bucket = 0;
        const int tile = take(random, &bucket);
        // A tile waits once for each count it had; only the entry for its
        // current count is live.
        if (owner_[tile] != -1 || neighboursOwned(axes_.x(tile), axes_.y(tile)) != bucket || !accept(tile))
            continue;
        add(tile);
        return true;
    }
    return false;
}

} // namespace quorlin::preview
