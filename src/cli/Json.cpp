#include "cli/Json.h"

#include <cstdio>

namespace sv::cli {

std::string JsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
                out += buf;
            } else {
                out += c; // UTF-8 bytes pass through: accented letters stay themselves
            }
        }
    }
    out += '"';
    return out;
}

void JsonObject::Key(std::string_view key) {
    if (body_.size() > 1) body_ += ", ";
    body_ += JsonString(key);
    body_ += ": ";
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view text) {
    Key(key);
    body_ += JsonString(text);
    return *this;
}

JsonObject& JsonObject::AddRaw(std::string_view key, std::string_view json) {
    Key(key);
    body_ += json;
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, long long number) {
    Key(key);
    body_ += std::to_string(number);
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, bool value) {
    Key(key);
    body_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::AddNull(std::string_view key) {
    Key(key);
    body_ += "null";
    return *this;
}

} // namespace sv::cli
