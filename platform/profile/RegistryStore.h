#pragma once
// The few registry values the program keeps (recent files, file association,
// the help navigator's settings), stored in one INI file in the configuration
// folder: a key path such as "Software\QTX\Korvalin\MRU" is a section.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument;

class RegistryStore {
public:
    // Default: "registry.ini" in the configuration folder.
    RegistryStore();
    explicit RegistryStore(std::filesystem::path file);

    std::optional<std::string> GetValue(std::string_view keyPath, std::string_view name) const;
    std::vector<std::string> ValueNames(std::string_view keyPath) const;
    // The names of the keys directly below keyPath, in file order; a key
    // exists when it or a key below it holds a section.
    std::vector<std::string> SubKeyNames(std::string_view keyPath) const;
    bool HasKey(std::string_view keyPath) const;
    bool SetValue(std::string_view keyPath, std::string_view name, std::string_view value);
    bool DeleteValue(std::string_view keyPath, std::string_view name);
    bool DeleteKey(std::string_view keyPath);

    const std::string& LastError() const { return lastError_; }

private:
    // Loads, edits (false: nothing to change) and writes back.
    bool update(const std::function<bool(IniDocument&)>& edit);
    std::filesystem::path file_;
    std::string lastError_;
};
