#pragma once
// Writes the keys of one settings section in one go: the file is read once,
// the keys are set in the order given (a new key goes to the end of its
// section, an existing one keeps its place), and the file is replaced once.
// A failed write is shown to the user, never dropped.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class IniSectionWriter {
public:
    IniSectionWriter(std::string_view section, std::filesystem::path file);

    void Set(std::string_view key, std::string_view value);
    void SetInt(std::string_view key, int32_t value);

    // False when the file could not be written; the message box has been shown.
    bool Commit();
    const std::string& Error() const { return error_; }

private:
    std::string section_;
    std::filesystem::path file_;
    std::vector<std::pair<std::string, std::string>> values_;
    std::string error_;
};

// The message shown when a settings file could not be written.
inline constexpr std::string_view kSchreibfehlerTitel = "Einstellungen speichern";
