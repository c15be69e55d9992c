#include "platform/window/StringTable.h"

#include "platform/base/ApplicationState.h"

#include <map>

namespace {
struct StringTable {
    std::map<int, std::string> strings;
};
} // namespace

void SetResourceString(int id, std::string_view text) {
    ApplicationState::Current().Get<StringTable>().strings[id] = std::string(text);
}

std::string LoadString(int id) {
    auto& t = ApplicationState::Current().Get<StringTable>().strings;
    auto it = t.find(id);
    return it == t.end() ? std::string() : it->second;
}

std::string HintOf(int id) {
    const std::string s = LoadString(id);
    return s.substr(0, s.find('\n'));
}

std::string ToolTipOf(int id) {
    const std::string s = LoadString(id);
    const size_t n = s.find('\n');
    return n == std::string::npos ? s : s.substr(n + 1);
}
