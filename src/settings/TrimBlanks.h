#pragma once
// The text readers (language file, puzzle book) ignore blanks around names and values.
#include <string_view>

namespace sv {

inline std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace sv
