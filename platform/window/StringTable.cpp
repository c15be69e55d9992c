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
