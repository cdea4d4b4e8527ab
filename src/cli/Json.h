#pragma once
// A tiny writer for the one-line JSON objects sv-cli prints. UTF-8 text is written as is;
// only quotes, backslashes and control characters are escaped.
#include <string>
#include <string_view>

namespace sv::cli {

// The text as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

// Builds {"key": value, "key": value} with keys in the order they are added.
class JsonObject {
public:
    JsonObject& Add(std::string_view key, std::string_view text);    // string value
    JsonObject& AddRaw(std::string_view key, std::string_view json); // already JSON
    JsonObject& Add(std::string_view key, long long number);
    JsonObject& Add(std::string_view key, bool value);
    JsonObject& AddNull(std::string_view key);
    std::string Str() const { return body_ + "}"; }

private:
    void Key(std::string_view key);
    std::string body_ = "{";
};

} // namespace sv::cli
