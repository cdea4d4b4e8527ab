#pragma once
// The language file "default.lng" beside the program: one "number#:#text" line per interface
// text, the number being the text's index plus one. Translating the program means writing
// this file. It is required: a file that cannot be read or holds a bad line ends start-up, and
// the caller shows the error's number and description (the window through its seam, sv-cli on
// standard error) and exits.
#include <string>

namespace sv {

// Error numbers of a failed load; 0 is success.
enum class LanguageError {
    None = 0,
    CannotOpen = 1,
    MissingSeparator = 2,
    KeyNotANumber = 3,
    IndexOutOfRange = 4,
};

struct LanguageLoadResult {
    LanguageError error = LanguageError::None;
    std::string description; // names the file and, for a bad line, its line number
    bool ok() const { return error == LanguageError::None; }
    int number() const { return static_cast<int>(error); }
    // "Erreur <number> : <description>", ready for a message box or standard error.
    std::string Message() const;
};

// The file's name beside the program.
inline constexpr const char* kLanguageFileName = "default.lng";

// Writes every default into UiText, then applies programDir + "/default.lng".
LanguageLoadResult InitUiTexts(const std::string& programDir);

// Applies the file at path to UiText. The file may be UTF-8 (with or without a byte-order
// mark) or Windows-1252: a file that is valid UTF-8 is read as UTF-8, anything else as
// Windows-1252. On an error UiText is left exactly as it was, nothing half applied.
LanguageLoadResult LoadLanguageFile(const std::string& path);

// Windows-1252 bytes as UTF-8.
std::string Windows1252ToUtf8(const std::string& bytes);
bool IsValidUtf8(const std::string& bytes);

} // namespace sv
