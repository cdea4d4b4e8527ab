// The book routines' line rules and messages, and the profile layer's write rules.
#include <gtest/gtest.h>

#include "creator/ProfileFile.h"
#include "creator/PuzzleBook.h"
#include "settings/UiText.h"
#include "solver/WindowSeam.h"
#include "TempDir.h"

namespace sv {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct RecordingSeam : HeadlessSeam {
    std::string lastTitle;
    MessageIcon lastIcon = MessageIcon::Question;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        HeadlessSeam::ShowMessage(text, title, icon);
        lastTitle = title;
        lastIcon = icon;
    }
};

class PuzzleBookTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultUiTexts();
        book = dir.File("Sudoku.par");
    }
    TempDir dir;
    std::string book;
    RecordingSeam seam;
};

TEST(BookLineRules, KeyAndSectionLines) {
    struct Case {
        const char* line;
        bool key;
        bool section;
    };
    const Case cases[] = {
        {"1=HIJ", true, false},       {"; note = anything", true, false},
        {"[3Easy]", false, true},     {"[3Easy] ", false, false},
        {" [3Easy]", false, false},   {"[]", false, true},
        {"", false, false},           {"[a=b]", true, true},
        {"plain text", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsKeyLine(c.line), c.key) << c.line;
        EXPECT_EQ(IsSectionLine(c.line), c.section) << c.line;
    }
}

TEST_F(PuzzleBookTest, CountsAndKeysFollowTheExactLineRules) {
    WriteFile(book, "[3Easy]\r\n1=AAA\r\n; c=comment\r\n2=BBB\r\n\r\n[3Mild]\r\n[3Moderate]\r\n"
                    "7=CCC\r\n[3easy]\r\n9=DDD\r\n[3Hardest]");
    struct Case {
        const char* section;
        int keys;
    };
    for (const Case c : {Case{"3Easy", 3}, {"3Mild", 0}, {"3Moderate", 1}, {"3Hardest", 0}})
        EXPECT_EQ(NumKeys(seam, book, c.section), c.keys) << c.section;
    EXPECT_EQ(seam.messagesShown, 0);

    // The numbering runs on past the section's end into the following sections.
    EXPECT_EQ(GetKey(seam, book, "3Easy", 0), "1");
    EXPECT_EQ(GetKey(seam, book, "3Easy", 1), "; c");
    EXPECT_EQ(GetKey(seam, book, "3Easy", 3), "7");
    EXPECT_EQ(GetKey(seam, book, "3Moderate", 1), "9");
    EXPECT_EQ(GetKey(seam, book, "3Moderate", 2), "");
    EXPECT_EQ(seam.messagesShown, 0);

    // Whole lines compare exactly: another letter case is another section.
    EXPECT_TRUE(SectionExists(seam, book, "3easy"));
    EXPECT_FALSE(SectionExists(seam, book, "3EASY"));
    EXPECT_EQ(seam.messagesShown, 0);
}

TEST_F(PuzzleBookTest, LastLineOfTheFileCountsWhenItIsAKey) {
    WriteFile(book, "[4Hard]\r\n1=A\r\n2=B");
    EXPECT_EQ(NumKeys(seam, book, "4Hard"), 2);
}

TEST_F(PuzzleBookTest, MissingFileIsReportedWithPathTitleAndErrorIcon) {
    const std::string missing = dir.File("none.par");
    EXPECT_EQ(NumKeys(seam, missing, "3Easy"), 0);
    EXPECT_EQ(seam.lastMessage, missing + " non trouvé.");
    EXPECT_EQ(seam.lastTitle, "Fichier non trouvé");
    EXPECT_EQ(seam.lastIcon, MessageIcon::Critical);
    EXPECT_EQ(seam.messagesShown, 1);
    EXPECT_EQ(ReadIniString(seam, missing, "3Easy", "1"), "");
    EXPECT_EQ(GetKey(seam, missing, "3Easy", 0), "");
    EXPECT_FALSE(SectionExists(seam, missing, "3Easy"));
    EXPECT_EQ(seam.messagesShown, 4);
}

TEST_F(PuzzleBookTest, MissingSectionIsReportedWithTheCallersTag) {
    WriteFile(book, "[3Easy]\r\n1=A\r\n");
    EXPECT_EQ(NumKeys(seam, book, "3Hard"), 0);
    EXPECT_EQ(seam.lastMessage,
              "Section, 3Hard, non trouvé.  ~(NumKeys)\r\nAttention, saisie incorrecte.");
    EXPECT_EQ(seam.lastTitle, "Section non trouvée.");
    EXPECT_EQ(seam.lastIcon, MessageIcon::Information);
    EXPECT_EQ(GetKey(seam, book, "3Hard", 0), "");
    EXPECT_EQ(seam.lastMessage,
              "Section, 3Hard, non trouvé.  ~(GetKey)\r\nAttention, saisie incorrecte.");
    // Asking whether a section exists is no error.
    EXPECT_FALSE(SectionExists(seam, book, "3Hard"));
    EXPECT_EQ(seam.messagesShown, 2);
}

TEST_F(PuzzleBookTest, ValueOf256CharactersReadsBackWhole) {
    const std::string value = std::string(255, 'x') + "W";
    ASSERT_EQ(WriteIniString(book, "4Hardest", "1", value), 1);
    EXPECT_EQ(ReadIniString(seam, book, "4Hardest", "1"), value);
    EXPECT_EQ(ReadIniString(seam, book, "4Hardest", "2"), "");
    EXPECT_EQ(seam.messagesShown, 0);
}

TEST_F(PuzzleBookTest, LookupIgnoresCaseOfSectionAndKey) {
    WriteFile(book, "[3Easy]\r\nKey = value \r\n");
    EXPECT_EQ(ReadIniString(seam, book, "3EASY", "key"), "value");
}

TEST_F(PuzzleBookTest, WritesTouchOnlyTheirEntry) {
    // Odd but valid lines (comment, blank, LF-only end, stray text) must survive byte for byte.
    const std::string original = "; my book\r\n[3Easy]\r\n1=AAA\r\n2=BBB\n\r\n[3Mild]\r\n1=CCC\r\n";
    WriteFile(book, original);

    WriteIniString(book, "3easy", "2", "ZZZ"); // replace in place
    WriteIniString(book, "3Easy", "3", "DDD"); // new key at the end of its section
    WriteIniString(book, "4Hard", "1", "EEE"); // new section at the end of the file
    EXPECT_EQ(ReadFile(book), "; my book\r\n[3Easy]\r\n1=AAA\r\n2=ZZZ\n3=DDD\r\n\r\n[3Mild]\r\n"
                              "1=CCC\r\n[4Hard]\r\n1=EEE\r\n");
}

TEST_F(PuzzleBookTest, WriteCreatesAMissingFileAndEndsAnUnfinishedLastLine) {
    WriteIniString(book, "3Easy", "1", "AAA");
    EXPECT_EQ(ReadFile(book), "[3Easy]\r\n1=AAA\r\n");
    WriteFile(book, "[3Easy]\r\n1=AAA");
    WriteIniString(book, "3Easy", "2", "BBB");
    EXPECT_EQ(ReadFile(book), "[3Easy]\r\n1=AAA\r\n2=BBB\r\n");
}

TEST_F(PuzzleBookTest, FailedWriteLeavesTheBookAndNoTemporaryFile) {
    WriteFile(book, "[3Easy]\r\n1=AAA\r\n");
    // A value with a line break would split the entry; it is refused, nothing is written.
    EXPECT_EQ(WriteIniString(book, "3Easy", "2", "A\r\n3=B"), 0);
    EXPECT_EQ(WriteIniString(dir.File("no/such/dir.par"), "3Easy", "1", "A"), 0);
    EXPECT_EQ(ReadFile(book), "[3Easy]\r\n1=AAA\r\n");
    int files = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1);
}

} // namespace
} // namespace sv
