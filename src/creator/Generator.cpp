#include <cmath>
#include <vector>

#include "creator/Creator.h"
#include "creator/SeedSolutions.h"
#include "settings/UiText.h"
#include "solver/SolutionCounter.h"
#include "solver/Sudoku.h"
#include "solver/WindowSeam.h"

namespace sv {
namespace {

// What a removal that leaves more than one solution counts as: above every target level, so
// every pass puts the clue back. A puzzle with two solutions strands a player who reasons it
// through between two equal choices, whatever the logic solver makes of it.
constexpr int kNotUnique = 7;

} // namespace

std::string Creator::GeneratePuzzle(int level) {
    ++GenerateCount;
    seam_.ShowStatus(UiText[47]);
    const int blockSize = model_.BlockSize;
    const int cells = model_.CellCount();

    // Rounding halves to even draws index 0 half as often as each of the others.
    int index = 10;
    while (index == 10) index = static_cast<int>(std::nearbyint(random_.Next() * 10));
    const auto& seeds = blockSize == 4 ? kSeedSolutions16 : kSeedSolutions9;
    const std::string seed(seeds[index]);

    auto gradeRemoval = [&](const std::string& puzzle) {
        if (CountSolutions(puzzle, blockSize, 2) != 1) return kNotUnique;
        return GradePuzzle(puzzle, 1);
    };

    std::vector<int> clues;
    clues.reserve(cells);
    for (;;) {
        std::string p = seed;

        // Loosen: remove random clues while the puzzle stays at level 0; keep the state just
        // before the removal that first lifted it.
        for (;;) {
            const int o = DrawPosition(random_, cells);
            const char c = p[o - 1];
            if (c == '0') continue;
            p[o - 1] = '0';
            const bool lifted = gradeRemoval(p) != 0;
            if (lifted) {
                p[o - 1] = c;
                break;
            }
        }

        clues.clear();
        for (int i = 1; i <= cells; ++i)
            if (p[i - 1] != '0') clues.push_back(i);
        int k = static_cast<int>(clues.size()) - 1;
        // Entry 0 stays where it is: the lowest clue position is always tried first.
        for (int draw = 0; draw < k; ++draw) {
            const int a = DrawPosition(random_, k);
            const int b = DrawPosition(random_, k);
            std::swap(clues[a], clues[b]);
        }

        // Thin at level 0: a removal that keeps the grade at 0 stays with probability one half.
        int m = 0;
        while (m <= k) {
            const int t = clues[m];
            const char c = p[t - 1];
            p[t - 1] = '0';
            if (gradeRemoval(p) != 0 || random_.Next() > 0.5) {
                p[t - 1] = c;
                ++m;
            } else {
                clues[m] = clues[k];
                --k;
            }
        }
        if (level <= 0) {
            seam_.HideStatus();
            return p;
        }

        // Climb to the target.
        int t = 0;
        while (t <= k) {
            const int u = clues[t];
            const char c = p[u - 1];
            p[u - 1] = '0';
            const int g = gradeRemoval(p);
            if (g == level) {
                seam_.HideStatus();
                return p;
            }
            if (g > level || random_.Next() > 0.5) {
                p[u - 1] = c;
                ++t;
            } else {
                clues[t] = clues[k];
                --k;
            }
        }
        // The list is used up below the target: a new attempt from the same seed.
    }
}

} // namespace sv
