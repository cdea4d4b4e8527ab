#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "creator/BookLocation.h"
#include "creator/Creator.h"
#include "creator/Encoding.h"
#include "creator/LevelTables.h"
#include "creator/ProfileFile.h"
#include "creator/PuzzleBook.h"
#include "settings/UiText.h"
#include "solver/Sudoku.h"
#include "solver/WindowSeam.h"

namespace sv {

Creator::Creator(Sudoku& model, WindowSeam& seam, RandomSource& random)
    : model_(model), seam_(seam), random_(random) {
    for (int i = 0; i < kLevelCount; ++i) LevelKeys[i] = std::string(kLevelKeys[i]);
}

void Creator::InitCreator(const std::string& programDir) {
    for (int i = 0; i < kLevelCount; ++i) LevelKeys[i] = std::string(kLevelKeys[i]);
    BookPath = ResolveBookPath(programDir, DirectoryIsWritable(programDir),
                               std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    AutoCreate = false;
}

std::string Creator::SectionName(int level) const {
    return std::to_string(model_.BlockSize == 4 ? 4 : 3) + LevelKeys[level];
}

std::string Creator::CreatePuzzle(int level) {
    if (level < 0 || level >= kLevelCount) return "";
    const std::string section = SectionName(level);
    const int count = NumKeys(seam_, BookPath, section);
    std::string s;
    bool generate = false;
    if (count != 0) {
        const int c = DrawPosition(random_, count);
        const BookDraw draw{static_cast<int16_t>(level), static_cast<int16_t>(c)};
        if (AutoCreate && LastDraw == draw) {
            generate = true; // the same entry twice in a row: make a new one instead
        } else {
            LastDraw = draw;
            const std::string key = GetKey(seam_, BookPath, section, c - 1);
            s = ReadIniString(seam_, BookPath, section, key);
        }
    } else if (!AutoCreate) {
        seam_.ShowMessage(UiText[52], kProgramTitle, MessageIcon::Information);
        return "";
    } else {
        generate = true;
    }

    if (generate) {
        do {
            s = GeneratePuzzle(level);
        } while (GradePuzzle(s, 2) != level);
        SaveToBook(s);
        s = EncodePuzzle(s, model_.SymbolSet());
        LastDraw = {static_cast<int16_t>(level), 0};
    }
    // A book line that is not a puzzle of this size (hand-edited, damaged) would deal a broken
    // board; say there is no puzzle instead.
    if (static_cast<int>(s.size()) != model_.CellCount()) {
        seam_.ShowMessage(UiText[52], kProgramTitle, MessageIcon::Information);
        return "";
    }

    const int n = model_.GridSize();
    std::vector<int> perm;
    perm.reserve(n);
    for (int p = 0; p < n; ++p) {
        int d = 0;
        do {
            d = DrawPosition(random_, n);
        } while (std::find(perm.begin(), perm.end(), d) != perm.end());
        perm.push_back(d);
    }
    return DecodePuzzle(std::move(s), perm, model_.SymbolSet());
}

void Creator::SaveToBook(std::string& puzzle) {
    const int level = GradePuzzle(puzzle, 0);
    const std::string section = SectionName(level);
    const int count = NumKeys(seam_, BookPath, section);
    puzzle = EncodePuzzle(puzzle, model_.SymbolSet());
    if (PuzzleInBook(puzzle, level)) return;
    // count + 1 is taken when the keys have a gap (say "1", "2", "4"): writing there would
    // replace a stored puzzle, so take the first number from count + 1 upward that is free.
    int key = count + 1;
    while (ProfileRead(BookPath, section, std::to_string(key))) ++key;
    WriteIniString(BookPath, section, std::to_string(key), puzzle);
}

bool Creator::PuzzleInBook(const std::string& encoded, int level) {
    const std::string section = SectionName(level);
    const int count = NumKeys(seam_, BookPath, section);
    return count > 0 && SectionHoldsValue(BookPath, section, count, encoded);
}

} // namespace sv
