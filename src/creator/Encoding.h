#pragma once
// The book's symbol-neutral letter code. The n-th symbol (from 1) becomes the letter with code
// 71 + n ("1" -> "H", ..., "G" -> "W") and an empty cell "x". The letters stand for symbol
// classes: a stored puzzle is decoded through a random permutation of the symbols.
#include <string>
#include <string_view>
#include <vector>

namespace sv {

// Encoding an already encoded string changes nothing.
std::string EncodePuzzle(std::string puzzle, std::string_view symbolSet);

// perm[i] is the 1-based position in symbolSet of the symbol that the letter with code 72 + i
// becomes; "x" becomes "0".
std::string DecodePuzzle(std::string encoded, const std::vector<int>& perm,
                         std::string_view symbolSet);

} // namespace sv
