#pragma once
// The one source of randomness of the puzzle creator. Every draw goes through it, so a test or
// `sv-cli --seed N` can replace it and reproduce any result exactly.
#include <cstdint>

namespace sv {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform real number in [0, 1).
    virtual double Next() = 0;
};

// A small, fast, fully reproducible generator (splitmix64 stepping); the same seed gives the
// same sequence on every platform.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed) {}
    double Next() override;

private:
    uint64_t state_;
};

// What the game uses: seeded once from the clock when it is created, at program start.
class ClockSeededRandom : public SeededRandom {
public:
    ClockSeededRandom();
};

// The integer part of rand * count + 1, capped at count: a position drawn from 1..count.
int DrawPosition(RandomSource& random, int count);

} // namespace sv
