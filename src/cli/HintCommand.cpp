// sv-cli hint: asks the solver for one hint on every board line, answering its question Yes.
#include <ostream>

#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/PuzzleInput.h"
#include "settings/UiText.h"
#include "solver/Sudoku.h"

namespace sv::cli {

int RunHint(CommandContext& context) {
    if (!context.args.empty()) {
        *context.err << "sv-cli hint: unknown option " << context.args.front() << "\n";
        return 2;
    }
    Sudoku sudoku;
    std::ostream& out = *context.out;
    const bool allGood = ForEachPuzzle(
        *context.in,
        [&](const PuzzleLine& puzzle) {
            // The board is the line itself: a cell is empty exactly where the line has 0 or .
            HeadlessSeam seam;
            seam.answerYes = true;
            seam.boardHasEmptyCell = puzzle.cells.find('0') != std::string::npos;
            sudoku.SetSeam(&seam);
            LoadPuzzle(sudoku, puzzle);
            const std::string hint = sudoku.GetHint();
            sudoku.SetSeam(nullptr);

            JsonObject json;
            json.Add("hint", hint).Add("text", hint.empty() ? std::string() : sudoku.HintText());
            if (seam.clockStopped)
                json.Add("noHint", std::string_view("full"));
            else if (seam.messagesShown > 0)
                json.Add("noHint", std::string_view("impossible"));
            else
                json.AddNull("noHint");
            out << json.Str() << '\n';
        },
        [&](const std::string& reason) { PrintLineError(out, reason); });
    return allGood ? 0 : 1;
}

} // namespace sv::cli
