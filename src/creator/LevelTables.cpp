#include "creator/LevelTables.h"

#include "creator/Creator.h"
#include "settings/UiText.h"

namespace sv {
namespace {

// Upper bounds of levels 0..5; level 6 has none. 16x16 grids take far more work for the same
// felt difficulty, hence the wider steps.
constexpr std::array<double, 6> kBounds9 = {2, 200, 2800, 6000, 29000, 70000};
constexpr std::array<double, 6> kBounds16 = {2, 250, 7000, 50000, 100000, 800000};

} // namespace

int LevelFromScore(double score, int blockSize) {
    if (blockSize != 3 && blockSize != 4) return 0;
    const auto& bounds = blockSize == 3 ? kBounds9 : kBounds16;
    for (int level = 0; level < static_cast<int>(bounds.size()); ++level)
        if (score < bounds[level]) return level;
    return 6;
}

void Creator::InitLevelLabels() {
    for (int i = 0; i < kLevelCount; ++i) LevelLabels[i] = UiText[i + 14];
}

} // namespace sv
