#include "creator/PuzzleBook.h"

#include "creator/ProfileFile.h"
#include "settings/UiText.h"
#include "solver/WindowSeam.h"

namespace sv {
namespace {

void ReportMissingFile(WindowSeam& seam, const std::string& file) {
    seam.ShowMessage(file + " " + UiText[48], UiText[49], MessageIcon::Critical);
}

void ReportMissingSection(WindowSeam& seam, const std::string& section, const char* caller) {
    seam.ShowMessage("Section, " + section + ", " + UiText[48] + "  ~(" + caller + ")\r\n" +
                         UiText[50],
                     UiText[51], MessageIcon::Information);
}

// The book's lines, or nullopt after reporting the file (or section) as missing.
std::optional<std::vector<std::string>> ReadSectionLines(WindowSeam& seam, const std::string& file,
                                                         const std::string& section,
                                                         const char* caller) {
    if (!FileExists(file)) {
        ReportMissingFile(seam, file);
        return std::nullopt;
    }
    auto lines = ReadTextLines(file);
    if (!lines) {
        ReportMissingFile(seam, file);
        return std::nullopt;
    }
    const std::string header = "[" + section + "]";
    for (const auto& line : *lines)
        if (line == header) return lines;
    ReportMissingSection(seam, section, caller);
    return std::nullopt;
}

size_t HeaderIndex(const std::vector<std::string>& lines, const std::string& section) {
    const std::string header = "[" + section + "]";
    size_t i = 0;
    while (lines[i] != header) ++i;
    return i;
}

} // namespace

bool IsKeyLine(std::string_view line) {
    return line.find('=') != std::string_view::npos;
}

bool IsSectionLine(std::string_view line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

std::string ReadIniString(WindowSeam& seam, const std::string& file, const std::string& section,
                          const std::string& key) {
    if (!FileExists(file)) {
        ReportMissingFile(seam, file);
        return "";
    }
    auto value = ProfileRead(file, section, key);
    if (!value) return "";
    // The reader's buffer holds 256 characters, exactly one encoded 16x16 puzzle.
    if (value->size() > 256) value->resize(256);
    return *value;
}

int WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) {
    return ProfileWrite(file, section, key, value) ? 1 : 0;
}

bool SectionExists(WindowSeam& seam, const std::string& file, const std::string& section) {
    if (!FileExists(file)) {
        ReportMissingFile(seam, file);
        return false;
    }
    auto lines = ReadTextLines(file);
    if (!lines) {
        ReportMissingFile(seam, file);
        return false;
    }
    const std::string header = "[" + section + "]";
    for (const auto& line : *lines)
        if (line == header) return true;
    return false;
}

int NumKeys(WindowSeam& seam, const std::string& file, const std::string& section) {
    auto lines = ReadSectionLines(seam, file, section, "NumKeys");
    if (!lines) return 0;
    int count = 0;
    for (size_t i = HeaderIndex(*lines, section) + 1; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        if (IsKeyLine(line)) ++count;
        if (IsSectionLine(line) || i + 1 == lines->size()) break;
    }
    return count;
}

std::string GetKey(WindowSeam& seam, const std::string& file, const std::string& section,
                   int index) {
    auto lines = ReadSectionLines(seam, file, section, "GetKey");
    if (!lines) return "";
    int number = 0;
    for (size_t i = HeaderIndex(*lines, section) + 1; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        if (!IsKeyLine(line)) continue;
        if (number == index) return line.substr(0, line.find('='));
        ++number;
    }
    return "";
}

bool SectionHoldsValue(const std::string& file, const std::string& section, int count,
                       const std::string& value) {
    auto lines = ReadTextLines(file);
    if (!lines) return false;
    const std::string header = "[" + section + "]";
    size_t i = 0;
    while (i < lines->size() && (*lines)[i] != header) ++i;
    int number = 0;
    for (++i; i < lines->size() && number < count; ++i) {
        const std::string& line = (*lines)[i];
        if (!IsKeyLine(line)) continue;
        ++number;
        auto found = ProfileLookup(*lines, section, line.substr(0, line.find('=')));
        if (found && found->size() > 256) found->resize(256);
        if (found && *found == value) return true;
    }
    return false;
}

} // namespace sv
