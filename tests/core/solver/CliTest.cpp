// sv-cli's commands on string streams: the exact output contract other tools parse.
#include <gtest/gtest.h>

#include <ostream>

#include <sstream>

#include "cli/Command.h"
#include "cli/PuzzleInput.h"
#include "creator/SeedSolutions.h"
#include "SolverTestSupport.h"

namespace {

struct CommandRun {
    int status;
    std::vector<std::string> lines;
};

CommandRun RunCommand(int (*command)(sv::cli::CommandContext&), const std::string& input,
                      std::vector<std::string> args = {}) {
    sv::SetDefaultUiTexts();
    std::istringstream in(input);
    std::ostringstream out, err;
    sv::cli::CommandContext context;
    context.args = std::move(args);
    context.in = &in;
    context.out = &out;
    context.err = &err;
    CommandRun run{command(context), {}};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
    return run;
}

TEST(CliSolve, PrintsOneObjectPerPuzzleAndFlagsBadLines) {
    std::string solution(sv::kSeedSolutions9[0]);
    std::string dotted = solution;
    dotted[0] = '.';
    const CommandRun run =
        RunCommand(sv::cli::RunSolve, dotted + "\n\n   \nabc\n" + std::string(81, '0') + "\r\n");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(run.lines[0].rfind("{\"solved\": true, \"score\": 38, \"trail\": \"1\", "
                                 "\"candidates\": [\"1\", \"4\", \"7\", ",
                                 0),
              0u)
        << run.lines[0];
    EXPECT_EQ(run.lines[1], "{\"error\": \"a puzzle line must have 81 or 256 characters, not 3\"}");
    EXPECT_EQ(run.lines[2].rfind("{\"solved\": false, \"score\": 0, \"trail\": \"7\", ", 0), 0u);
}

TEST(CliSolve, GuessingOptionAndUnknownOptions) {
    // The techniques alone do not finish this one; a guess does.
    const std::string hard =
        "000014000030000200070000000000900030601000000000000080200000104000050600000708000";
    const auto starts = [](const CommandRun& run, const std::string& prefix) {
        return !run.lines.empty() && run.lines[0].rfind(prefix, 0) == 0;
    };
    EXPECT_TRUE(starts(RunCommand(sv::cli::RunSolve, hard), "{\"solved\": false"));
    EXPECT_TRUE(starts(RunCommand(sv::cli::RunSolve, hard, {"--guessing"}), "{\"solved\": true"));
    EXPECT_EQ(RunCommand(sv::cli::RunSolve, hard, {"--fast"}).status, 2);
}

TEST(CliHint, ReportsHintImpossibleAndFull) {
    std::string board(sv::kSeedSolutions9[0]);
    board[22] = '0';
    const CommandRun run =
        RunCommand(sv::cli::RunHint, board + "\n" + std::string(81, '.') + "\n" +
                                         std::string(sv::kSeedSolutions9[0]) + "\n");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(
        run.lines[0],
        "{\"hint\": \"0231\", \"text\": \"Ligne 3 Colonne 5 devrait être 1\", \"noHint\": null}");
    EXPECT_EQ(run.lines[1], "{\"hint\": \"\", \"text\": \"\", \"noHint\": \"impossible\"}");
    EXPECT_EQ(run.lines[2], "{\"hint\": \"\", \"text\": \"\", \"noHint\": \"full\"}");
}

struct LineCase {
    const char* name;
    std::string line;
    int blockSize; // 0: rejected
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) {
    return os << c.name;
}

class PuzzleLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(PuzzleLineTest, AcceptsOnlyWholeGridsOfKnownSymbols) {
    const LineCase c = GetParam();
    const sv::cli::PuzzleLine parsed = sv::cli::ParsePuzzleLine(c.line);
    if (c.blockSize == 0) {
        EXPECT_FALSE(parsed.error.empty());
    } else {
        EXPECT_TRUE(parsed.error.empty()) << parsed.error;
        EXPECT_EQ(parsed.blockSize, c.blockSize);
        EXPECT_EQ(parsed.cells.find('.'), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PuzzleLineTest,
    ::testing::Values(LineCase{"dots", std::string(81, '.'), 3},
                      LineCase{"crlf", std::string(81, '0') + "\r", 3},
                      LineCase{"sixteen", std::string(sv::kSeedSolutions16[1]), 4},
                      LineCase{"short", std::string(80, '0'), 0},
                      LineCase{"letterIn9x9", std::string(80, '0') + "A", 0},
                      LineCase{"lowercase16", std::string(255, '0') + "g", 0},
                      LineCase{"tabbedRating", std::string(81, '0') + "\t3.5", 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
