// The preview's random numbers: a small 64-bit generator (SplitMix64) that
// gives the same sequence on every machine, re-seeded for each phase so that
// what one phase draws never shifts another.
#pragma once

#include <QtGlobal>

namespace quorlin::preview {

class Random {
public:
    explicit Random(quint64 seed) : state_(seed) {}

    // The generator for one phase of the map made from `seed`.
    static Random forPhase(quint64 seed, quint64 phase) { return Random(Random(seed ^ (phase * kGolden)).next()); }

    quint64 next()
    {
        quint64 z = (state_ += kGolden);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n) for n >= 1 (0 for n <= 0).
    int below(int n) { return n <= 0 ? 0 : int(((next() >> 32) * quint64(n)) >> 32); }
    // Uniform in [low, high].
    int between(int low, int high) { return high <= low ? low : low + below(high - low + 1); }
    // True with the chance `percent` out of 100.
    bool chance(int percent) { return below(100) < percent; }

private:
    static constexpr quint64 kGolden = 0x9E3779B97F4A7C15ull;
    quint64 state_;
};

} // namespace quorlin::preview
