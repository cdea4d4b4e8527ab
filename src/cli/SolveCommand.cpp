// sv-cli solve [--guessing]: solves every puzzle line and prints the model's result.
#include <ostream>

#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/PuzzleInput.h"
#include "solver/Sudoku.h"

namespace sv::cli {

int RunSolve(CommandContext& context) {
    bool guessing = false;
    for (const std::string& arg : context.args) {
        if (arg == "--guessing") {
            guessing = true;
        } else {
            *context.err << "sv-cli solve: unknown option " << arg << "\n";
            return 2;
        }
    }
    Sudoku sudoku;
    std::ostream& out = *context.out;
    std::string candidates;
    const bool allGood = ForEachPuzzle(
        *context.in,
        [&](const PuzzleLine& puzzle) {
            LoadPuzzle(sudoku, puzzle);
            sudoku.AllowGuessing = guessing;
            const bool solved = sudoku.Solve(false);
            candidates.assign(1, '[');
            for (int i = 1; i <= sudoku.CellCount(); ++i) {
                if (i > 1) candidates += ", ";
                candidates += JsonString(sudoku.CandidateStrings(i));
            }
            candidates += "]";
            out << JsonObject()
                       .Add("solved", solved)
                       .Add("score", static_cast<long long>(sudoku.SolveScore()))
                       .Add("trail", sudoku.MethodTrail())
                       .AddRaw("candidates", candidates)
                       .Str()
                << '\n';
        },
        [&](const std::string& reason) { PrintLineError(out, reason); });
    return allGood ? 0 : 1;
}

} // namespace sv::cli
