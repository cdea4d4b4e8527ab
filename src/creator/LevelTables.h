#pragma once
// The seven difficulty levels: their book keys, and the score bounds that grading maps onto
// them for each grid size.
#include <array>
#include <string_view>

namespace sv {

inline constexpr std::array<std::string_view, 7> kLevelKeys = {
    "Easy", "Mild", "Moderate", "Difficult", "Hard", "Harder", "Hardest"};

// The level of a final grading score K: the first level whose bound is above K, 6 when none is.
// Any block size other than 3 or 4 gives level 0.
int LevelFromScore(double score, int blockSize);

} // namespace sv
