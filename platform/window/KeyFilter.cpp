#include "platform/window/KeyFilter.h"

#include "platform/window/Window.h"
#include "platform/window/detail/KeyboardRouter.h"

#include <algorithm>
#include <vector>

namespace {
struct Entry {
    int id;
    TWindow* owner;
    TKeyFilter filter;
};
std::vector<Entry>& filters() {
    static std::vector<Entry> list;
    return list;
}
int g_nextId = 1;
} // namespace

int InstallKeyFilter(TWindow& owner, TKeyFilter filter) {
    if (!owner.IsCreated() || !filter) return 0;
    window_detail::EnsureKeyboardRouter();
    filters().push_back({g_nextId, &owner, std::move(filter)});
    return g_nextId++;
}

void RemoveKeyFilter(int id) {
    auto& list = filters();
    list.erase(
        std::remove_if(list.begin(), list.end(), [id](const Entry& e) { return e.id == id; }),
        list.end());
}

namespace window_detail {

void DropKeyFilters(const TWindow* owner) {
    auto& list = filters();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [owner](const Entry& e) { return e.owner == owner; }),
               list.end());
}

bool RunKeyFilters(const MSG& key) {
    // A filter may remove itself or others while it runs.
    const std::vector<Entry> snapshot = filters();
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
        const auto& live = filters();
        const bool installed =
            std::any_of(live.begin(), live.end(), [&](const Entry& e) { return e.id == it->id; });
        if (installed && it->filter(key)) return true;
    }
    return false;
}

} // namespace window_detail
