#pragma once
// A small INI ("profile") file layer: value lookup by section and key, and writes that touch
// nothing but the one entry. Section and key names match without regard to case, as users who
// edit such files by hand expect. Writes go to a new file beside the old one that is then
// renamed over it, so a crash or a full disk never leaves a half-written file behind.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sv {

// The lines of a text file without their line ends (CR LF, LF or a lone CR at the end of a
// line are all accepted). nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

bool FileExists(const std::string& path);

// The value of key in section, blanks around it removed; nullopt when the file, the section or
// the key is missing.
std::optional<std::string> ProfileRead(const std::string& path, std::string_view section,
                                       std::string_view key);

// The same lookup on lines already read (see ReadTextLines).
std::optional<std::string> ProfileLookup(const std::vector<std::string>& lines,
                                         std::string_view section, std::string_view key);

// Replaces the value in place, or adds the key at the end of its section, or adds the section
// at the end of the file, or creates the file. Every other line stays byte for byte; new lines
// end in CR LF. False when the file could not be written (the old file is then untouched).
bool ProfileWrite(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value);

// Writes the whole content to path through a temporary file in the same directory and a
// rename, so readers see either the old or the new file, never a mix.
bool WriteFileAtomically(const std::string& path, std::string_view content);

} // namespace sv
