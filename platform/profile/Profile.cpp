#include "platform/profile/Profile.h"

#include "platform/base/Cp1252.h"
#include "platform/base/Directories.h"
#include "platform/base/FileIO.h"
#include "platform/profile/IniDocument.h"

namespace fs = std::filesystem;

namespace {
constexpr size_t kMaxIniBytes = size_t(16) * 1024 * 1024;

IniDocument parse(const FileContents& file) {
    return IniDocument::Parse(cp1252::Decode(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size())));
}
} // namespace

IniDocument LoadIniFile(const fs::path& path) {
    const auto file = ReadWholeFile(path, kMaxIniBytes);
    return file ? parse(file) : IniDocument{};
}

bool LoadIniFileForUpdate(const fs::path& path, IniDocument& doc, std::string* error) {
    std::error_code ec;
    if (!fs::exists(path, ec) && !ec) {
        doc = IniDocument{};
        return true;
    }
    const auto file = ReadWholeFile(path, kMaxIniBytes);
    if (!file) {
        if (error) *error = file.error;
        return false;
    }
    doc = parse(file);
    return true;
}

bool SaveIniFile(const fs::path& path, const IniDocument& doc, std::string* error) {
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    const auto result = WriteFileAtomically(path, cp1252::EncodeLossy(doc.Serialize()));
    if (!result && error) *error = result.error;
    return result.ok;
}

int32_t ParseProfileInt(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    uint32_t value = 0;
    if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        for (i += 2; i < s.size(); ++i) {
            const char c = s[i];
            int d = (c >= '0' && c <= '9')   ? c - '0'
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                             : -1;
            if (d < 0) break;
            value = value * 16 + uint32_t(d); // wraps like the 32-bit original
        }
    } else {
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            value = value * 10 + uint32_t(s[i] - '0');
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

fs::path TProfile::Resolve(const fs::path& file) {
    return file.is_absolute() ? file : CurrentDirectories().config / file;
}

TProfile::TProfile(std::string_view section, const fs::path& file)
    : section_(section), path_(Resolve(file)) {}

int32_t TProfile::GetInt(std::string_view key, int32_t def) const {
    const auto v = LoadIniFile(path_).Get(section_, key);
    return v ? ParseProfileInt(*v) : def;
}

std::string TProfile::GetString(std::string_view key, std::string_view def,
                                unsigned buffSize) const {
    const auto v = LoadIniFile(path_).Get(section_, key);
    std::string bytes = cp1252::EncodeLossy(v ? *v : def);
    if (buffSize == 0) return {};
    if (bytes.size() > buffSize - 1) bytes.resize(buffSize - 1);
    return cp1252::Decode(bytes);
}

bool TProfile::HasKey(std::string_view key) const {
    return LoadIniFile(path_).Get(section_, key).has_value();
}

bool TProfile::modify(void (*edit)(IniDocument&, const TProfile&, std::string_view,
                                   std::string_view),
                      std::string_view key, std::string_view value) {
    lastError_.clear();
    IniDocument doc;
    if (!LoadIniFileForUpdate(path_, doc, &lastError_)) return false;
    edit(doc, *this, key, value);
    return SaveIniFile(path_, doc, &lastError_);
}

bool TProfile::WriteString(std::string_view key, std::string_view value) {
    return modify([](IniDocument& d, const TProfile& p, std::string_view k,
                     std::string_view v) { d.Set(p.section_, k, v); },
                  key, value);
}

bool TProfile::WriteInt(std::string_view key, int32_t value) {
    return WriteString(key, std::to_string(value));
}

bool TProfile::DeleteKey(std::string_view key) {
    return modify([](IniDocument& d, const TProfile& p, std::string_view k,
                     std::string_view) { d.DeleteKey(p.section_, k); },
                  key, {});
}

bool TProfile::DeleteSection() {
    return modify([](IniDocument& d, const TProfile& p, std::string_view,
                     std::string_view) { d.DeleteSection(p.section_); },
                  {}, {});
}
