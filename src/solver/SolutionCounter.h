#pragma once
// Exact solution counting for a GridString. The generator asks it after every clue removal
// whether the puzzle still has exactly one solution, so it stops as soon as it has found
// `limit` solutions and allocates nothing.
#include <string_view>

namespace sv {

// The number of solutions of grid (CellCount characters, "0" for empty, symbols from
// "123456789ABCDEFG"), counted up to limit. 0 for a grid with clashing givens, a character
// that is no symbol of that size, the wrong length, or a block size other than 3 or 4.
int CountSolutions(std::string_view grid, int blockSize, int limit = 2);

} // namespace sv
