#include "creator/Encoding.h"

namespace sv {

std::string EncodePuzzle(std::string puzzle, std::string_view symbolSet) {
    for (char& c : puzzle) {
        if (c == '0') {
            c = 'x';
            continue;
        }
        const auto n = symbolSet.find(c);
        if (n != std::string_view::npos) c = static_cast<char>(72 + n);
    }
    return puzzle;
}

std::string DecodePuzzle(std::string encoded, const std::vector<int>& perm,
                         std::string_view symbolSet) {
    for (char& c : encoded) {
        if (c == 'x') {
            c = '0';
            continue;
        }
        const int i = static_cast<unsigned char>(c) - 72;
        if (i >= 0 && i < static_cast<int>(perm.size())) c = symbolSet[perm[i] - 1];
    }
    return encoded;
}

} // namespace sv
