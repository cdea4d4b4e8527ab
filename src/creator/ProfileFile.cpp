#include "creator/ProfileFile.h"
#include "settings/TrimBlanks.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace sv {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// One physical line of the file: its text and the exact line end it had, so untouched lines are
// written back byte for byte.
struct RawLine {
    std::string text;
    std::string end;
};

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return content.str();
}

std::vector<RawLine> SplitRawLines(const std::string& content) {
    std::vector<RawLine> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t lf = content.find('\n', start);
        RawLine line;
        if (lf == std::string::npos) {
            line.text = content.substr(start);
            start = content.size();
        } else {
            line.text = content.substr(start, lf - start);
            line.end = "\n";
            start = lf + 1;
        }
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.end = "\r" + line.end;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The section name of a header line, or nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return TrimBlanks(line.substr(1, close - 1));
}

std::optional<std::string_view> KeyName(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return TrimBlanks(line.substr(0, equals));
}

// Index of the header of the first section with that name, or -1.
int FindSection(const std::vector<RawLine>& lines, std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        auto name = HeaderName(lines[i].text);
        if (name && EqualsNoCase(*name, section)) return static_cast<int>(i);
    }
    return -1;
}

// One past the section's last line: the next header or the end of the file.
size_t SectionEnd(const std::vector<RawLine>& lines, size_t header) {
    size_t i = header + 1;
    while (i < lines.size() && !HeaderName(lines[i].text)) ++i;
    return i;
}

} // namespace

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
    auto content = ReadWholeFile(path);
    if (!content) return std::nullopt;
    std::vector<std::string> lines;
    for (auto& line : SplitRawLines(*content)) lines.push_back(std::move(line.text));
    return lines;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ProfileLookup(const std::vector<std::string>& lines,
                                         std::string_view section, std::string_view key) {
    auto isHeader = [&](const std::string& line) {
        auto name = HeaderName(line);
        return name && EqualsNoCase(*name, section);
    };
    size_t i = 0;
    while (i < lines.size() && !isHeader(lines[i])) ++i;
    if (i == lines.size()) return std::nullopt;
    for (++i; i < lines.size() && !HeaderName(lines[i]); ++i) {
        auto name = KeyName(lines[i]);
        if (name && EqualsNoCase(*name, key)) {
            std::string_view text = lines[i];
            return std::string(TrimBlanks(text.substr(text.find('=') + 1)));
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProfileRead(const std::string& path, std::string_view section,
                                       std::string_view key) {
    auto lines = ReadTextLines(path);
    if (!lines) return std::nullopt;
    return ProfileLookup(*lines, section, key);
}

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // Keep the book's permissions; mkstemp makes the file private to the user.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        ::fchmod(fd, info.st_mode & 07777);
    else
        ::fchmod(fd, 0644);
    size_t written = 0;
    bool ok = true;
    while (ok && written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0)
            ok = false;
        else
            written += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool ProfileWrite(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value) {
    // A line break inside a name or value would split the entry and corrupt the file.
    for (std::string_view part : {section, key, value})
        if (part.find_first_of("\r\n") != std::string_view::npos) return false;
    if (key.find('=') != std::string_view::npos || section.find(']') != std::string_view::npos)
        return false;

    std::vector<RawLine> lines;
    if (FileExists(path)) {
        auto content = ReadWholeFile(path);
        if (!content) return false;
        lines = SplitRawLines(*content);
    }
    const std::string entry = std::string(key) + "=" + std::string(value);
    const int header = FindSection(lines, section);
    if (header < 0) {
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = kLineEnd;
        lines.push_back({"[" + std::string(section) + "]", std::string(kLineEnd)});
        lines.push_back({entry, std::string(kLineEnd)});
    } else {
        const size_t end = SectionEnd(lines, header);
        bool replaced = false;
        for (size_t i = header + 1; i < end && !replaced; ++i) {
            auto name = KeyName(lines[i].text);
            if (name && EqualsNoCase(*name, key)) {
                lines[i].text = entry;
                if (lines[i].end.empty()) lines[i].end = kLineEnd;
                replaced = true;
            }
        }
        if (!replaced) {
            // After the section's last non-blank line, so blank separator lines stay between
            // this section and the next.
            size_t insertAt = end;
            while (insertAt > static_cast<size_t>(header) + 1 &&
                   TrimBlanks(lines[insertAt - 1].text).empty())
                --insertAt;
            if (lines[insertAt - 1].end.empty()) lines[insertAt - 1].end = kLineEnd;
            lines.insert(lines.begin() + insertAt, {entry, std::string(kLineEnd)});
        }
    }
    std::string content;
    for (const auto& line : lines) content += line.text + line.end;
    return WriteFileAtomically(path, content);
}

} // namespace sv
