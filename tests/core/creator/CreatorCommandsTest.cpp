// sv-cli grade, generate and create on string streams: the output other tools parse.
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

#include "cli/CreatorCommands.h"
#include "creator/SeedSolutions.h"
#include "settings/UiText.h"
#include "solver/SolutionCounter.h"
#include "TempDir.h"

namespace sv {
namespace {

struct CommandRun {
    int status;
    std::vector<std::string> lines;
};

CommandRun RunCommand(int (*command)(cli::CommandContext&), std::vector<std::string> args,
                      const std::string& input = "", uint64_t seed = 11) {
    std::istringstream in(input);
    std::ostringstream out, err;
    cli::CommandContext context;
    context.args = std::move(args);
    context.seed = seed;
    context.in = &in;
    context.out = &out;
    context.err = &err;
    CommandRun run{command(context), {}};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
    return run;
}

std::string PuzzleOf(const std::string& line) {
    const std::string tag = "\"puzzle\": \"";
    const auto start = line.find(tag);
    if (start == std::string::npos) return "";
    const auto from = start + tag.size();
    return line.substr(from, line.find('"', from) - from);
}

// The keys of a one-line JSON object in order, e.g. {"a": 1, "b": "x"} -> a b.
std::string KeysOf(const std::string& line) {
    std::string keys;
    for (size_t at = line.find("\": "); at != std::string::npos; at = line.find("\": ", at + 1)) {
        const auto open = line.rfind('"', at - 1);
        keys += (keys.empty() ? "" : " ") + line.substr(open + 1, at - open - 1);
    }
    return keys;
}

double NumberAfter(const std::string& line, const std::string& key) {
    const auto at = line.find("\"" + key + "\": ");
    return at == std::string::npos ? -1 : std::strtod(line.c_str() + at + key.size() + 4, nullptr);
}

TEST(CliGrade, PrintsLevelFiguresAndFlagsBadLines) {
    const std::string full(kSeedSolutions9[2]);
    const auto run = RunCommand(cli::RunGrade, {"--mode", "2"},
                                full + "\n" + std::string(81, '0') + "\nnot a puzzle\n");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(KeysOf(run.lines[0]), "level effort pattern K");
    EXPECT_EQ(NumberAfter(run.lines[0], "level"), 0);
    EXPECT_EQ(NumberAfter(run.lines[0], "pattern"), 1);
    EXPECT_DOUBLE_EQ(NumberAfter(run.lines[0], "K"), NumberAfter(run.lines[0], "effort") / 100);
    EXPECT_EQ(run.lines[1], R"({"level": 6, "effort": 1000, "pattern": 100100, "K": 1001000})");
    EXPECT_NE(run.lines[2].find("\"error\""), std::string::npos);
    EXPECT_EQ(RunCommand(cli::RunGrade, {"--mode", "3"}).status, 2);
}

TEST(CliGenerate, ReproducibleUniquePuzzlesSavedIntoTheBook) {
    test::TempDir dir;
    const std::string book = dir.File("book.par");
    const auto run =
        RunCommand(cli::RunGenerate, {"--level", "4", "--count", "2", "--book", book, "--stats"});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 2u);
    for (const auto& line : run.lines) {
        EXPECT_EQ(CountSolutions(PuzzleOf(line), 3), 1) << line;
        EXPECT_EQ(KeysOf(line), "puzzle level seconds attempts gradings");
        EXPECT_EQ(NumberAfter(line, "level"), 4);
        EXPECT_GE(NumberAfter(line, "seconds"), 0);
        EXPECT_GE(NumberAfter(line, "attempts"), 1);
        EXPECT_GE(NumberAfter(line, "gradings"), 1);
    }
    EXPECT_NE(test::ReadFile(book).find("1="), std::string::npos);
    // The same seed gives the same puzzle (saving draws numbers too, so only the first).
    const auto again = RunCommand(cli::RunGenerate, {"--level", "4"});
    EXPECT_EQ(PuzzleOf(again.lines.at(0)), PuzzleOf(run.lines[0]));

    const auto big = RunCommand(cli::RunGenerate, {"--level", "2", "--size", "16"});
    EXPECT_EQ(CountSolutions(PuzzleOf(big.lines.at(0)), 4), 1);
    for (auto args :
         {std::vector<std::string>{}, {"--level", "7"}, {"--level", "1", "--size", "12"}})
        EXPECT_EQ(RunCommand(cli::RunGenerate, args).status, 2);
}

TEST(CliCreate, HandsOutABookPuzzleOrTheReasonThereIsNone) {
    test::TempDir dir;
    const std::string book = dir.File("book.par");
    // One 3Easy entry: three givens, the rest empty (not a Sudoku, but a book entry all the same).
    test::WriteFile(book, "[3Easy]\r\n1=HIJ" + std::string(78, 'x') + "\r\n[3Mild]\r\n");
    const auto fromBook = RunCommand(cli::RunCreate, {"--level", "0", "--book", book});
    EXPECT_EQ(fromBook.status, 0);
    EXPECT_EQ(PuzzleOf(fromBook.lines.at(0)).substr(3), std::string(78, '0'));

    const auto none = RunCommand(cli::RunCreate, {"--level", "1", "--book", book});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.lines.at(0), R"({"error": "Il n'existe pas de puzzle pour ce niveau"})");

    const auto made = RunCommand(cli::RunCreate, {"--level", "1", "--book", book, "--auto-create"});
    EXPECT_EQ(made.status, 0);
    EXPECT_EQ(CountSolutions(PuzzleOf(made.lines.at(0)), 3), 1);
}

} // namespace
} // namespace sv
