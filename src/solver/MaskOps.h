#pragma once
// Candidate masks read as candidate strings: bit s-1 is the s-th symbol of the symbol set, so
// the string's length is the bit count and its k-th character the k-th lowest set bit.
#include <bit>
#include <cstdint>

namespace sv::mask {

// Bit count of a 16-bit mask without a library call (the baseline x86-64 target has no
// popcount instruction, and the call cost half of all solving time).
inline int Count(unsigned m) {
    m = m - ((m >> 1) & 0x5555u);
    m = (m & 0x3333u) + ((m >> 2) & 0x3333u);
    m = (m + (m >> 4)) & 0x0F0Fu;
    return static_cast<int>((m + (m >> 8)) & 0x1Fu);
}

// Length 1: exactly one symbol.
inline bool IsSingle(unsigned m) {
    return m != 0 && (m & (m - 1)) == 0;
}

// Length greater than 1.
inline bool HasSeveral(unsigned m) {
    return (m & (m - 1)) != 0;
}

// Length exactly 2: without its lowest symbol the mask holds one symbol. Far cheaper than a
// full count where only pairs matter.
inline bool IsPair(unsigned m) {
    const unsigned rest = m & (m - 1);
    return rest != 0 && (rest & (rest - 1)) == 0;
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
