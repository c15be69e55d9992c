// Our stand-in for the help authoring system's add-in: the three entry points
// the navigator binds, answering from the topic types in "lumbra.ini"
// (ruzorari32/LUMBRA-INI.md).
#include "platform/profile/IniDocument.h"
#include "platform/profile/Profile.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kTypePrefix = "Topic Type ";

struct Type {
    int32_t id = 0;
    std::string section;
};

// The "Topic Type n" sections in file order; ids are the numbers n > 0.
std::vector<Type> types(const IniDocument& ini) {
    std::vector<Type> out;
    for (const std::string& s : ini.SectionNames()) {
        if (s.size() <= kTypePrefix.size() || s.compare(0, kTypePrefix.size(), kTypePrefix) != 0)
            continue;
        const int32_t id = ParseProfileInt(std::string_view(s).substr(kTypePrefix.size()));
        if (id > 0) out.push_back({id, s});
    }
    return out;
}

void copy(char* to, size_t size, const std::string& from) {
    const size_t n = std::min(size - 1, from.size());
    std::memcpy(to, from.data(), n);
    to[n] = 0;
}

int32_t number(const IniDocument& ini, const std::string& section, const char* key) {
    return ParseProfileInt(ini.Get(section, key).value_or("0"));
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t NumTopicTypes(const char* file) {
    if (!file || !std::filesystem::exists(file)) return 0;
    IniDocument ini;
    std::string error;
    if (!LoadIniFileForUpdate(file, ini, &error)) return -1; // there, but unreadable
    return int32_t(types(ini).size());
}

__attribute__((visibility("default"))) int32_t
GetTTFromIndex(const char* file, int32_t index, int32_t* id, char* name, int32_t* access,
               int32_t* value, int32_t* linkType, char* window, int32_t* value2) {
    if (!file || index < 0) return 0;
    const IniDocument ini = LoadIniFile(file);
    const auto all = types(ini);
    if (size_t(index) >= all.size()) return 0;
    const Type& t = all[size_t(index)];
    if (id) *id = t.id;
    if (name) copy(name, 256, ini.Get(t.section, "Name").value_or(""));
    if (access) *access = number(ini, t.section, "Access");
    if (value) *value = 0;
    if (linkType) *linkType = number(ini, t.section, "Link Type");
    if (window) copy(window, 12, ini.Get(t.section, "Window").value_or(""));
    if (value2) *value2 = 0;
    return 1;
}

#ifndef RUZORARI_WITHOUT_MAP
__attribute__((visibility("default"))) int32_t GetTopicTypeMap(int32_t, const char* file,
                                                               const char* target) {
    if (!file || !target) return 0;
    return ParseProfileInt(LoadIniFile(file).Get("Topic Types", target).value_or("0"));
}
#endif
}
