#include "settings/LanguageFile.h"
#include "settings/TrimBlanks.h"

#include <array>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string_view>

#include "settings/UiText.h"

namespace sv {
namespace {

constexpr std::string_view kSeparator = "#:#";

// Code points of 0x80..0x9F in Windows-1252; the five unassigned bytes keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

LanguageLoadResult Failure(LanguageError error, const std::string& path, int lineNumber,
                           const std::string& what) {
    std::string description = what + " (" + path;
    if (lineNumber > 0) description += ", ligne " + std::to_string(lineNumber);
    description += ")";
    return {error, description};
}

} // namespace

std::string LanguageLoadResult::Message() const {
    return "Erreur " + std::to_string(number()) + " : " + description;
}

bool IsValidUtf8(const std::string& bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= bytes.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += extra + 1;
    }
    return true;
}

std::string Windows1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xA0)
            AppendUtf8(out, kHighControls[c - 0x80]);
        else
            AppendUtf8(out, c);
    }
    return out;
}

LanguageLoadResult LoadLanguageFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Failure(LanguageError::CannotOpen, path, 0, "Fichier de langue illisible");
    std::ostringstream raw;
    raw << in.rdbuf();
    std::string content = raw.str();
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);
    if (!IsValidUtf8(content)) content = Windows1252ToUtf8(content);

    // Apply to a copy so a bad line leaves the table untouched.
    auto texts = UiText;
    std::istringstream lines(content);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string_view view = line;
        if (TrimBlanks(view).empty()) continue;
        const auto separator = view.find(kSeparator);
        if (separator == std::string_view::npos)
            return Failure(LanguageError::MissingSeparator, path, lineNumber,
                           "Séparateur \"#:#\" absent");
        const std::string_view key = TrimBlanks(view.substr(0, separator));
        const std::string_view text = TrimBlanks(view.substr(separator + kSeparator.size()));
        if (text.empty()) continue;
        int number = 0;
        const auto [end, status] = std::from_chars(key.data(), key.data() + key.size(), number);
        const bool digitsOnly = !key.empty() && end == key.data() + key.size();
        if (digitsOnly && status == std::errc::result_out_of_range)
            number = 0; // far too large: out of range, not "no number"
        else if (!digitsOnly || status != std::errc())
            return Failure(LanguageError::KeyNotANumber, path, lineNumber,
                           "Numéro de texte non numérique");
        const int index = number - 1;
        if (index < 0 || index >= kUiTextCount)
            return Failure(LanguageError::IndexOutOfRange, path, lineNumber,
                           "Numéro de texte hors limites (1 à 101)");
        texts[index] = std::string(text);
    }
    UiText = texts;
    return {};
}

LanguageLoadResult InitUiTexts(const std::string& programDir) {
    SetDefaultUiTexts();
    return LoadLanguageFile(programDir + "/" + kLanguageFileName);
}

} // namespace sv
