#pragma once
// What every sv-cli sub-command receives, and the table main dispatches on.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace sv::cli {

struct CommandContext {
    std::vector<std::string> args; // the command's own arguments, global options removed
    std::optional<uint64_t> seed;  // --seed N, for commands that draw random numbers
    std::istream* in = nullptr;
    std::ostream* out = nullptr;
    std::ostream* err = nullptr;
};

struct Command {
    const char* name;
    const char* usage; // one line: arguments
    const char* help;  // what it prints; may span several lines
    int (*run)(CommandContext&);
};

int RunSolve(CommandContext& context);
int RunHint(CommandContext& context);

} // namespace sv::cli
