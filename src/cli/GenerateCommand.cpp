// sv-cli generate --level L [--size 9|16] [--count N] [--book FILE] [--stats]: the generating
// branch of the puzzle supply, one new puzzle per line.
#include <chrono>
#include <cstdio>
#include <ostream>

#include "cli/CreatorCommands.h"
#include "cli/CreatorCommandSupport.h"
#include "cli/Json.h"

namespace sv::cli {

int RunGenerate(CommandContext& context) {
    int level = -1;
    int blockSize = 3;
    int count = 1;
    std::string book;
    bool stats = false;
    for (size_t i = 0; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        bool ok = true;
        if (arg == "--level")
            ok = ReadIntOption(context, i, 0, 6, level);
        else if (arg == "--size")
            ok = ReadSizeOption(context, i, blockSize);
        else if (arg == "--count")
            ok = ReadIntOption(context, i, 1, 1000000, count);
        else if (arg == "--stats")
            stats = true;
        else if (arg == "--book" && i + 1 < context.args.size())
            book = context.args[++i];
        else {
            *context.err << "sv-cli generate: unknown or incomplete option " << arg << "\n";
            return 2;
        }
        if (!ok) return 2;
    }
    if (level < 0) {
        *context.err << "sv-cli generate: --level 0..6 is required\n";
        return 2;
    }
    if (!LoadProgramLanguage(context)) return 1;
    CreatorSession session(context.seed);
    session.SetBlockSize(blockSize);
    Creator& creator = *session.creator;
    creator.BookPath = book;

    for (int n = 0; n < count; ++n) {
        const auto start = std::chrono::steady_clock::now();
        const int64_t attemptsBefore = creator.GenerateCount;
        const int64_t gradingsBefore = creator.GradingCount;
        std::string puzzle;
        do {
            puzzle = creator.GeneratePuzzle(level);
        } while (creator.GradePuzzle(puzzle, 2) != level);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        const int64_t attempts = creator.GenerateCount - attemptsBefore;
        const int64_t gradings = creator.GradingCount - gradingsBefore;
        if (!book.empty()) {
            std::string stored = puzzle; // SaveToBook leaves its argument encoded
            creator.SaveToBook(stored);
        }
        JsonObject line;
        line.Add("puzzle", puzzle).Add("level", static_cast<long long>(level));
        if (stats) {
            char text[32];
            std::snprintf(text, sizeof text, "%.4f", seconds.count());
            line.AddRaw("seconds", text)
                .Add("attempts", static_cast<long long>(attempts))
                .Add("gradings", static_cast<long long>(gradings));
        }
        *context.out << line.Str() << '\n';
        context.out->flush();
    }
    return 0;
}

} // namespace sv::cli
