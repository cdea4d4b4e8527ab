// The book that ships with the program: every section stocked, every entry a real Sudoku.
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "creator/LevelTables.h"
#include "creator/ProfileFile.h"
#include "solver/SolutionCounter.h"
#include "TempDir.h"

namespace sv {
namespace {

// Book letters back to symbols in their own order; uniqueness does not depend on the labels.
std::string Decoded(std::string encoded) {
    for (char& c : encoded) {
        if (c == 'x')
            c = '0';
        else if (c >= 'H' && c <= 'P')
            c = static_cast<char>('1' + (c - 'H'));
        else if (c >= 'Q' && c <= 'W')
            c = static_cast<char>('A' + (c - 'Q'));
    }
    return encoded;
}

TEST(ShippedBook, EverySectionHoldsThirtyUniquePuzzles) {
    const std::string content = test::ReadFile(SV_SHIPPED_BOOK);
    ASSERT_FALSE(content.empty());
    // Every line ends in CR LF.
    size_t lf = 0, crlf = 0;
    for (size_t i = 0; i < content.size(); ++i)
        if (content[i] == '\n') {
            ++lf;
            if (i > 0 && content[i - 1] == '\r') ++crlf;
        }
    EXPECT_EQ(lf, crlf);
    EXPECT_EQ(content.back(), '\n');

    auto lines = ReadTextLines(SV_SHIPPED_BOOK);
    ASSERT_TRUE(lines);
    std::map<std::string, std::set<std::string>> sections;
    std::string current;
    for (const auto& line : *lines) {
        if (line.starts_with("[")) {
            current = line.substr(1, line.size() - 2);
            sections[current];
            continue;
        }
        const auto equals = line.find('=');
        ASSERT_NE(equals, std::string::npos) << line;
        EXPECT_EQ(line.substr(0, equals), std::to_string(sections[current].size() + 1));
        EXPECT_TRUE(sections[current].insert(line.substr(equals + 1)).second) << "duplicate";
    }
    for (int blockSize : {3, 4}) {
        for (auto key : kLevelKeys) {
            const std::string name = std::to_string(blockSize) + std::string(key);
            ASSERT_TRUE(sections.count(name)) << name;
            EXPECT_GE(sections[name].size(), 30u) << name;
            for (const auto& entry : sections[name]) {
                ASSERT_EQ(entry.size(), blockSize == 3 ? 81u : 256u) << name;
                EXPECT_EQ(CountSolutions(Decoded(entry), blockSize), 1) << name << " " << entry;
            }
        }
    }
    EXPECT_EQ(sections.size(), 14u);
}

} // namespace
} // namespace sv
