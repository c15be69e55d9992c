#pragma once
// One INI file's text with the semantics of the Windows profile calls:
// sections and keys are found case-insensitively, a value is the rest of the
// line after the first '=' (commas included: "225,225,225" is one value),
// lines the program does not touch are kept as they were, in their order.
// Text is UTF-8 here; the file itself is Windows-1252 (see Profile).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    static IniDocument Parse(std::string_view utf8Text);
    std::string Serialize() const; // lines end in CR LF, as the original's files do

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Adds the section at the end and the key at the end of its section when missing.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Both return false when there was nothing to delete.
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;
    bool HasSection(std::string_view section) const;

private:
    struct Line {
        enum class Kind { Section, Key, Other } kind = Kind::Other;
        std::string name;  // section or key name, trimmed
        std::string value; // key value, trimmed
        std::string raw;   // the line as read; empty once changed
    };
    // Index range [begin, end) of a section's body, or nullopt.
    std::optional<std::pair<size_t, size_t>> body(std::string_view section) const;
    std::vector<Line> lines_;
};
