#pragma once
// A section of an INI file, read and written like the Windows profile calls:
// every call reads the file anew (no caching), a missing file or key gives the
// default, a write keeps all other sections, keys and their order. The file is
// Windows-1252; a relative file name lives in the configuration folder (the
// original's Windows directory), an absolute one is taken as it is.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class IniDocument;

class TProfile {
public:
    TProfile(std::string_view section, const std::filesystem::path& file);

    // The value's leading integer: optional sign, decimal digits or "0x" and
    // hex digits; a value with no digits reads as 0, a missing key as def.
    int32_t GetInt(std::string_view key, int32_t def = 0) const;
    // At most buffSize-1 characters, as a buffer of buffSize bytes held them.
    std::string GetString(std::string_view key, std::string_view def = "",
                          unsigned buffSize = 4096) const;
    bool HasKey(std::string_view key) const;

    // False when the file could not be written; LastError() says why.
    bool WriteInt(std::string_view key, int32_t value);
    bool WriteString(std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view key);
    bool DeleteSection();

    const std::string& LastError() const { return lastError_; }
    const std::filesystem::path& FilePath() const { return path_; }
    const std::string& Section() const { return section_; }

    static std::filesystem::path Resolve(const std::filesystem::path& file);

private:
    bool modify(void (*edit)(IniDocument&, const TProfile&, std::string_view, std::string_view),
                std::string_view key, std::string_view value);
    std::string section_;
    std::filesystem::path path_;
    std::string lastError_;
};

// Whole-file access for code that reads or writes many sections at once.
// A missing or unreadable file reads as empty.
IniDocument LoadIniFile(const std::filesystem::path& path);
// For a change to be written back: a missing file is empty, but a file that
// exists and cannot be read gives false (with the reason in *error), since
// writing into its empty stand-in would drop every other section.
bool LoadIniFileForUpdate(const std::filesystem::path& path, IniDocument& doc, std::string* error);
// Writes atomically; false (with the reason in *error) when it failed.
bool SaveIniFile(const std::filesystem::path& path, const IniDocument& doc, std::string* error);

// The integer reading rule of GetInt, for values already in hand.
int32_t ParseProfileInt(std::string_view text);
