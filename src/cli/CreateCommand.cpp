// sv-cli create --level L [--size 9|16] [--book FILE] [--auto-create]: hands out one puzzle
// exactly as the game's "Créer" does, from the book or freshly generated.
#include <ostream>

#include "cli/CreatorCommands.h"
#include "cli/CreatorCommandSupport.h"
#include "cli/Json.h"

namespace sv::cli {

int RunCreate(CommandContext& context) {
    int level = -1;
    int blockSize = 3;
    std::string book;
    bool autoCreate = false;
    for (size_t i = 0; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        bool ok = true;
        if (arg == "--level")
            ok = ReadIntOption(context, i, 0, 6, level);
        else if (arg == "--size")
            ok = ReadSizeOption(context, i, blockSize);
        else if (arg == "--auto-create")
            autoCreate = true;
        else if (arg == "--book" && i + 1 < context.args.size())
            book = context.args[++i];
        else {
            *context.err << "sv-cli create: unknown or incomplete option " << arg << "\n";
            return 2;
        }
        if (!ok) return 2;
    }
    if (level < 0) {
        *context.err << "sv-cli create: --level 0..6 is required\n";
        return 2;
    }
    if (!LoadProgramLanguage(context)) return 1;
    CreatorSession session(context.seed);
    session.SetBlockSize(blockSize);
    Creator& creator = *session.creator;
    creator.InitCreator(ProgramDirectory());
    if (!book.empty()) creator.BookPath = book;
    creator.AutoCreate = autoCreate;

    const std::string puzzle = creator.CreatePuzzle(level);
    if (puzzle.empty()) {
        const auto& messages = session.seam.messages;
        *context.out << JsonObject().Add("error", messages.empty() ? "" : messages.back()).Str()
                     << '\n';
        return 1;
    }
    *context.out << JsonObject().Add("puzzle", puzzle).Str() << '\n';
    return 0;
}

} // namespace sv::cli
