#pragma once
// Candidate masks read as candidate strings: bit s-1 is the s-th symbol of the symbol set, so
// the string's length is the bit count and its k-th character the k-th lowest set bit.
#include <bit>
#include <cstdint>

namespace sv::mask {

inline int Count(unsigned m) {
    return std::popcount(m);
}

inline uint16_t Lowest(uint16_t m) {
    return static_cast<uint16_t>(m & (~m + 1));
}

// The k-th (1-based) symbol of m as a one-symbol mask.
inline uint16_t Nth(uint16_t m, int k) {
    while (--k > 0) m &= static_cast<uint16_t>(m - 1);
    return Lowest(m);
}

inline int Index(unsigned m) {
    return std::countr_zero(m);
}

} // namespace sv::mask
