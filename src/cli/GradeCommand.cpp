// sv-cli grade [--mode 0|1|2]: grades every puzzle line as the creator does.
#include <cstdio>
#include <ostream>

#include "cli/CreatorCommands.h"
#include "cli/CreatorCommandSupport.h"
#include "cli/Json.h"
#include "cli/PuzzleInput.h"

namespace sv::cli {

int RunGrade(CommandContext& context) {
    int mode = 0;
    for (size_t i = 0; i < context.args.size(); ++i) {
        if (context.args[i] == "--mode") {
            if (!ReadIntOption(context, i, 0, 2, mode)) return 2;
        } else {
            *context.err << "sv-cli grade: unknown option " << context.args[i] << "\n";
            return 2;
        }
    }
    if (!LoadProgramLanguage(context)) return 1;
    CreatorSession session(context.seed);
    std::ostream& out = *context.out;
    const bool allGood = ForEachPuzzle(
        *context.in,
        [&](const PuzzleLine& puzzle) {
            session.SetBlockSize(puzzle.blockSize);
            const GradeDetails details = session.creator->GradePuzzleDetails(puzzle.cells, mode);
            char score[64];
            std::snprintf(score, sizeof score, "%.15g", details.score);
            out << JsonObject()
                       .Add("level", static_cast<long long>(details.level))
                       .Add("effort", static_cast<long long>(details.effort))
                       .Add("pattern", static_cast<long long>(details.pattern))
                       .AddRaw("K", score)
                       .Str()
                << '\n';
        },
        [&](const std::string& reason) { PrintLineError(out, reason); });
    return allGood ? 0 : 1;
}

} // namespace sv::cli
