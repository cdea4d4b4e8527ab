#pragma once
// The puzzle book routines. Every routine takes the file path explicitly (the program always
// passes BookPath) and reports a missing file or section through the seam, then returns its
// empty result so the caller can go on.
//
// NumKeys, GetKey and SectionExists read the file line by line and compare whole lines exactly
// (case-sensitive, no trimming): the book is written by the program itself, so its own header
// lines are always exact. ReadIniString and WriteIniString go through the profile layer.
#include <string>
#include <string_view>

namespace sv {

class WindowSeam;

// "" when the entry is missing. A value of 256 characters (a 16x16 puzzle) reads back whole.
std::string ReadIniString(WindowSeam& seam, const std::string& file, const std::string& section,
                          const std::string& key);
// Writes or replaces the entry, creating the file or section when missing. 1 on success, 0 when
// the file could not be written (the old book is then left as it was).
int WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value);
int NumKeys(WindowSeam& seam, const std::string& file, const std::string& section);
// The key of the index-th key line after the section header (from 0); the count runs on past
// the next header. "" when there is none.
std::string GetKey(WindowSeam& seam, const std::string& file, const std::string& section,
                   int index);
bool SectionExists(WindowSeam& seam, const std::string& file, const std::string& section);

// Whether one of the section's count entries (found as GetKey numbers them, each looked up as
// ReadIniString does) equals value exactly. One read of the file instead of two per entry, so
// checking a new puzzle stays quick as the book grows.
bool SectionHoldsValue(const std::string& file, const std::string& section, int count,
                       const std::string& value);

bool IsKeyLine(std::string_view line);
bool IsSectionLine(std::string_view line);

} // namespace sv
