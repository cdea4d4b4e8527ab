#include "creator/Random.h"

#include <chrono>

namespace sv {

double SeededRandom::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    // The top 53 bits fill a double's mantissa exactly, so the result is never 1.0.
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

ClockSeededRandom::ClockSeededRandom()
    : SeededRandom(static_cast<uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

int DrawPosition(RandomSource& random, int count) {
    // The 1 is added before the integer part is taken: just below a multiple of 1/count the
    // sum can round up to the next whole number, and every draw must match that rule exactly.
    int position = static_cast<int>(random.Next() * count + 1.0);
    return position > count ? count : position;
}

} // namespace sv
