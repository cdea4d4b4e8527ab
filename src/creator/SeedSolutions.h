#pragma once
// The solution grids the generator starts from, as GridStrings.
#include <array>
#include <string_view>

namespace sv {

extern const std::array<std::string_view, 10> kSeedSolutions9;
extern const std::array<std::string_view, 10> kSeedSolutions16;

} // namespace sv
