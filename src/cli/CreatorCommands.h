#pragma once
// sv-cli commands of the puzzle creator: grade, generate and create.
#include <string>

#include "cli/Command.h"

namespace sv::cli {

int RunGrade(CommandContext& context);
int RunGenerate(CommandContext& context);
int RunCreate(CommandContext& context);

// The directory sv-cli runs from, where default.lng and Sudoku.par ship.
std::string ProgramDirectory();

// Applies the language file beside the program when there is one. On a bad file prints the
// error's number and description on context.err and returns false: the caller exits non-zero.
bool LoadProgramLanguage(CommandContext& context);

} // namespace sv::cli
