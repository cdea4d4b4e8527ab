#pragma once
// The table of interface texts: every caption, title and message the program shows.
// UTF-8 throughout. Filled with the French defaults, then overridden from the language file.
#include <array>
#include <string>

namespace sv {

inline constexpr int kUiTextCount = 101;

// Indexed directly by readers, e.g. UiText[59] is the solving status text.
extern std::array<std::string, kUiTextCount> UiText;

// Writes every French default into UiText (entries without a default become empty).
void SetDefaultUiTexts();

// The French default of one entry, whatever the language file said.
const std::string& DefaultUiText(int index);

// The program title used for message boxes and the settings store.
inline constexpr const char* kProgramTitle = "Sudoku Voltane";

} // namespace sv
