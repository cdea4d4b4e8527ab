// The creator driving the real solver: grading, generation, the book supply and saving.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "creator/Creator.h"
#include "creator/Encoding.h"
#include "creator/PuzzleBook.h"
#include "creator/SeedSolutions.h"
#include "settings/UiText.h"
#include "solver/SolutionCounter.h"
#include "solver/Sudoku.h"
#include "TempDir.h"

namespace sv {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct StatusSeam : HeadlessSeam {
    std::vector<std::string> statusShown;
    int statusHidden = 0;
    std::vector<std::pair<std::string, MessageIcon>> messages;
    void ShowStatus(const std::string& text) override { statusShown.push_back(text); }
    void HideStatus() override { ++statusHidden; }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        HeadlessSeam::ShowMessage(text, title, icon);
        messages.emplace_back(text, icon);
    }
};

// True when plain is encoded with its symbols relabelled one to one, empties kept.
bool IsRelabelling(const std::string& plain, const std::string& encoded) {
    if (plain.size() != encoded.size()) return false;
    std::map<char, char> forward, backward;
    for (size_t i = 0; i < plain.size(); ++i) {
        if ((plain[i] == '0') != (encoded[i] == 'x')) return false;
        if (plain[i] == '0') continue;
        auto [f, fNew] = forward.emplace(encoded[i], plain[i]);
        auto [b, bNew] = backward.emplace(plain[i], encoded[i]);
        if (f->second != plain[i] || b->second != encoded[i]) return false;
    }
    return true;
}

class CreatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultUiTexts();
        UseBlockSize(3);
        creator.InitLevelLabels();
        creator.InitCreator(dir.Path());
    }
    void UseBlockSize(int blockSize) {
        model.BlockSize = blockSize;
        model.SetupGeometry();
    }
    int Keys(const std::string& section) { return NumKeys(seam, creator.BookPath, section); }

    TempDir dir;
    StatusSeam seam;
    Sudoku model{&seam};
    SeededRandom random{2024};
    Creator creator{model, seam, random};
    const std::string full9{kSeedSolutions9[0]};
    // A 9x9 entry whose letters are a relabelling of seed 1 with some cells empty.
    const std::string stored = EncodePuzzle(
        "876192435529634187413578926945813762382467591167925348654381279238759614791246850",
        "123456789");
};

TEST_F(CreatorTest, InitialisationFillsTablesAndBookPath) {
    EXPECT_EQ(creator.LevelKeys[0], "Easy");
    EXPECT_EQ(creator.LevelKeys[6], "Hardest");
    EXPECT_EQ(creator.LevelLabels[0], "Facile");
    EXPECT_EQ(creator.LevelLabels[6], "Très très dur");
    EXPECT_EQ(creator.BookPath, dir.File("Sudoku.par"));
    EXPECT_FALSE(creator.AutoCreate);
    EXPECT_EQ(creator.SectionName(3), "3Difficult");
    UseBlockSize(4);
    EXPECT_EQ(creator.SectionName(6), "4Hardest");
}

TEST_F(CreatorTest, GradingRestoresGuessingAndShowsItsStatusOnlyInModeZero) {
    for (bool guessing : {false, true}) {
        for (int mode : {0, 1, 2}) {
            seam.statusShown.clear();
            seam.statusHidden = 0;
            model.AllowGuessing = guessing;
            EXPECT_EQ(creator.GradePuzzle(full9, mode), 0);
            EXPECT_EQ(model.AllowGuessing, guessing);
            const bool ownStatus =
                std::count(seam.statusShown.begin(), seam.statusShown.end(), UiText[46]) > 0;
            EXPECT_EQ(ownStatus, mode == 0) << mode;
            if (mode == 0) {
                EXPECT_GE(seam.statusHidden, 1);
            }
        }
    }
}

TEST_F(CreatorTest, GridsTheSolverCannotFinishAreHardest) {
    const auto details = creator.GradePuzzleDetails(std::string(81, '0'), 2);
    EXPECT_EQ(details.level, 6);
    EXPECT_GE(details.score, 1000000.0);
    UseBlockSize(4);
    EXPECT_EQ(creator.GradePuzzle(std::string(256, '0'), 1), 6);
    // Penalties and efforts of ten unfinished 16x16 trials overflow 32 bits in the product.
    EXPECT_GE(creator.GradePuzzleDetails(std::string(256, '0'), 0).score, 1000000.0);
}

TEST_F(CreatorTest, GeneratedPuzzlesHaveOneSolutionAtEveryLevel) {
    for (int blockSize : {3, 4}) {
        UseBlockSize(blockSize);
        for (int level = 0; level < kLevelCount; level += blockSize == 3 ? 1 : 3) {
            seam.statusShown.clear();
            const std::string puzzle = creator.GeneratePuzzle(level);
            ASSERT_EQ(static_cast<int>(puzzle.size()), model.CellCount());
            EXPECT_EQ(CountSolutions(puzzle, blockSize), 1) << level << " " << puzzle;
            // Every given comes from one seed solution.
            const auto& seeds = blockSize == 3 ? kSeedSolutions9 : kSeedSolutions16;
            EXPECT_TRUE(std::any_of(seeds.begin(), seeds.end(), [&](std::string_view seed) {
                for (size_t i = 0; i < puzzle.size(); ++i)
                    if (puzzle[i] != '0' && puzzle[i] != seed[i]) return false;
                return true;
            }));
            ASSERT_FALSE(seam.statusShown.empty());
            EXPECT_EQ(seam.statusShown.front(), UiText[47]);
        }
    }
}

// Plays a few fixed numbers first, then a seeded stream.
class PrefixedRandom : public RandomSource {
public:
    PrefixedRandom(std::vector<double> prefix, uint64_t seed)
        : prefix_(std::move(prefix)), rest_(seed) {}
    double Next() override { return next_ < prefix_.size() ? prefix_[next_++] : rest_.Next(); }

private:
    std::vector<double> prefix_;
    size_t next_ = 0;
    SeededRandom rest_;
};

TEST_F(CreatorTest, SeedIndexRoundsHalvesToEvenAndRedrawsTen) {
    struct Case {
        std::vector<double> first;
        int seedIndex;
    };
    const Case cases[] = {
        {{0.05}, 0}, {{0.15}, 2}, {{0.25}, 2}, {{0.35}, 4}, {{0.96, 0.94}, 9}, {{0.999, 0.0}, 0},
    };
    for (const auto& c : cases) {
        PrefixedRandom draws(c.first, 3);
        Creator generator{model, seam, draws};
        const std::string puzzle = generator.GeneratePuzzle(0);
        const std::string_view seed = kSeedSolutions9[c.seedIndex];
        for (size_t i = 0; i < puzzle.size(); ++i)
            if (puzzle[i] != '0') {
                ASSERT_EQ(puzzle[i], seed[i]) << c.first[0] << " cell " << i;
            }
    }
}

TEST_F(CreatorTest, SaveTakesTheFirstFreeKeyAndNeverReplacesAnEntry) {
    // Keys edited by hand to 1, 2, 4: count + 1 is taken.
    const std::string original = "[3Easy]\r\n1=AAA\r\n2=BBB\r\n4=DDD\r\n";
    WriteFile(creator.BookPath, original);
    std::string puzzle = full9;
    creator.SaveToBook(puzzle);
    EXPECT_EQ(puzzle, EncodePuzzle(full9, "123456789"));
    EXPECT_EQ(ReadFile(creator.BookPath), original + "5=" + puzzle + "\r\n");

    // Saving the same puzzle again changes nothing.
    std::string again = full9;
    creator.SaveToBook(again);
    EXPECT_EQ(ReadFile(creator.BookPath), original + "5=" + puzzle + "\r\n");
    EXPECT_TRUE(creator.PuzzleInBook(puzzle, 0));
}

TEST_F(CreatorTest, SaveCreatesAMissingBook) {
    std::string puzzle = full9;
    creator.SaveToBook(puzzle);
    EXPECT_EQ(ReadFile(creator.BookPath), "[3Easy]\r\n1=" + puzzle + "\r\n");
}

TEST_F(CreatorTest, EmptySectionWithoutAutoCreateSaysSo) {
    WriteFile(creator.BookPath, "[3Easy]\r\n[3Mild]\r\n1=" + stored + "\r\n");
    EXPECT_EQ(creator.CreatePuzzle(0), "");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].first, UiText[52]);
    EXPECT_EQ(seam.messages[0].second, MessageIcon::Information);

    // A missing book: the file message, then the no-puzzle message.
    std::filesystem::remove(creator.BookPath);
    EXPECT_EQ(creator.CreatePuzzle(1), "");
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[1].first, creator.BookPath + " " + UiText[48]);
    EXPECT_EQ(seam.messages[2].first, UiText[52]);
}

TEST_F(CreatorTest, SingleEntryComesBackRelabelledEveryTimeWithoutAutoCreate) {
    WriteFile(creator.BookPath, "[3Mild]\r\n1=" + stored + "\r\n");
    std::set<std::string> seen;
    for (int request = 0; request < 4; ++request) {
        const std::string puzzle = creator.CreatePuzzle(1);
        EXPECT_TRUE(IsRelabelling(puzzle, stored)) << puzzle;
        EXPECT_EQ(creator.LastDraw, (BookDraw{1, 1}));
        seen.insert(puzzle);
    }
    EXPECT_GT(seen.size(), 1u);
    EXPECT_EQ(creator.GenerateCount, 0);
}

TEST_F(CreatorTest, AutoCreateAlternatesBetweenTheSingleEntryAndANewPuzzle) {
    WriteFile(creator.BookPath, "[3Mild]\r\n1=" + stored + "\r\n");
    creator.AutoCreate = true;

    EXPECT_TRUE(IsRelabelling(creator.CreatePuzzle(1), stored));
    EXPECT_EQ(creator.LastDraw, (BookDraw{1, 1}));

    // The same entry would come twice in a row: a new puzzle is made, graded and saved.
    const std::string made = creator.CreatePuzzle(1);
    EXPECT_GE(creator.GenerateCount, 1);
    EXPECT_EQ(creator.LastDraw, (BookDraw{1, 0}));
    EXPECT_EQ(CountSolutions(made, 3), 1);
    EXPECT_FALSE(IsRelabelling(made, stored));
    const std::string book = ReadFile(creator.BookPath);
    EXPECT_NE(book.find("\r\n1=" + stored + "\r\n"), std::string::npos); // still there

    // After a generated puzzle the next draw is never a repeat: it comes from the book.
    const int64_t generated = creator.GenerateCount;
    const std::string next = creator.CreatePuzzle(1);
    EXPECT_EQ(creator.GenerateCount, generated);
    EXPECT_EQ(creator.LastDraw.level, 1);
    EXPECT_GE(creator.LastDraw.index, 1);
    EXPECT_EQ(CountSolutions(next, 3), 1);
}

TEST_F(CreatorTest, AutoCreateFillsAMissingBook) {
    creator.AutoCreate = true;
    const std::string puzzle = creator.CreatePuzzle(2);
    EXPECT_EQ(CountSolutions(puzzle, 3), 1);
    EXPECT_TRUE(std::filesystem::exists(creator.BookPath));
    int entries = 0;
    for (int level = 0; level < kLevelCount; ++level)
        if (SectionExists(seam, creator.BookPath, creator.SectionName(level)))
            entries += Keys(creator.SectionName(level));
    EXPECT_EQ(entries, 1);
}

} // namespace
} // namespace sv
