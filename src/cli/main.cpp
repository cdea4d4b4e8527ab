// sv-cli: the solver (and later the puzzle creator) for scripts, benchmarks and players.
// Adding a command: one file with its Run function and one line in kCommands.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/CreatorCommands.h"
#include "settings/UiText.h"

namespace sv::cli {

namespace {

const Command kCommands[] = {
    {"solve", "[--guessing]",
     "Solve every puzzle line; guessing is off unless --guessing is given. Prints per puzzle\n"
     "    {\"solved\": true|false, \"score\": N, \"trail\": \"...\", \"candidates\": [...]}\n"
     "    with the candidate string of every cell in cell order (length 1: decided).",
     RunSolve},
    {"hint", "",
     "Ask for one hint on every board line (empty where the line has 0 or .), answering the\n"
     "    question Yes. Prints {\"hint\": \"0237\"|\"\", \"text\": \"...\", \"noHint\": "
     "\"impossible\"|\"full\"|null}.",
     RunHint},
    {"grade", "[--mode 0|1|2]",
     "Grade every puzzle line (mode 0 by default). Prints {\"level\": L, \"effort\": A, "
     "\"pattern\": B, \"K\": K}.",
     RunGrade},
    {"generate", "--level L [--size 9|16] [--count N] [--book FILE] [--stats]",
     "Generate N new puzzles of level L (no input read); --book saves each into FILE. Prints "
     "{\"puzzle\": \"...\", \"level\": L} (+ \"seconds\", \"attempts\", \"gradings\" with "
     "--stats).",
     RunGenerate},
    {"create", "--level L [--size 9|16] [--book FILE] [--auto-create]",
     "Hand out one puzzle of level L from the book (default: Sudoku.par beside sv-cli), generating "
     "when allowed. Prints {\"puzzle\": \"...\"} or {\"error\": \"...\"} with exit status 1.",
     RunCreate},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: sv-cli [--seed N] <command> [options] < puzzles.txt\n\n"
           "Reads one puzzle per line on standard input: 81 characters (9x9) or 256 characters\n"
           "(16x16), row by row, 0 or . for an empty cell, symbols 1-9 (and A-G for 16x16).\n"
           "Blank lines are skipped. A bad line prints {\"error\": \"<reason>\"}; the other lines\n"
           "are still processed and the exit status is then 1. Output is one compact JSON\n"
           "object per line, UTF-8.\n\n"
           "Global options:\n"
           "  --seed N   seed for commands that draw random numbers\n"
           "  --help     this text\n\n"
           "Commands:\n";
    for (const Command& command : kCommands)
        out << "  " << command.name << ' ' << command.usage << "\n    " << command.help << "\n";
    out << "\nExit status: 0 all lines processed, 1 some input line was bad, 2 usage error.\n";
}

} // namespace

int Main(int argc, char** argv) {
    CommandContext context;
    context.in = &std::cin;
    context.out = &std::cout;
    context.err = &std::cerr;
    const Command* command = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintHelp(std::cout);
            return 0;
        }
        if (arg == "--seed") {
            char* end = nullptr;
            if (i + 1 >= argc || (context.seed = std::strtoull(argv[i + 1], &end, 10), *end)) {
                std::cerr << "sv-cli: --seed needs a whole number\n";
                return 2;
            }
            ++i;
            continue;
        }
        if (!command) {
            for (const Command& candidate : kCommands)
                if (arg == candidate.name) command = &candidate;
            if (!command) {
                std::cerr << "sv-cli: unknown command " << arg << " (see sv-cli --help)\n";
                return 2;
            }
            continue;
        }
        context.args.push_back(arg);
    }
    if (!command) {
        PrintHelp(std::cerr);
        return 2;
    }
    SetDefaultUiTexts();
    if (!LoadProgramLanguage(context)) return 1; // default.lng beside sv-cli, when present
    std::ios::sync_with_stdio(false);
    return command->run(context);
}

} // namespace sv::cli

int main(int argc, char** argv) {
    return sv::cli::Main(argc, argv);
}
