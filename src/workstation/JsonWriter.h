#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// A small writer for the one flat JSON object the CLI prints: one member per line, in the
// order written, UTF-8 strings escaped.
class JsonObjectWriter {
public:
    void Add(std::string_view key, std::string_view value);
    void Add(std::string_view key, const char* value) { Add(key, std::string_view(value)); }
    void Add(std::string_view key, long long value);
    void Add(std::string_view key, int value) { Add(key, static_cast<long long>(value)); }
    void Add(std::string_view key, bool value);
    void Add(std::string_view key, const std::vector<long long>& values);
    void Add(std::string_view key, const std::vector<std::string>& values);
    // A nested object given as already written members ("\"A\": 1").
    void AddRaw(std::string_view key, std::string_view json);

    std::string Finish() const;

    static std::string Quote(std::string_view text);

private:
    void Member(std::string_view key, std::string value);
    std::vector<std::string> m_members;
};

} // namespace quelvarin
