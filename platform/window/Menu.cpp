#include "platform/window/Menu.h"

TMenu::TMenu(const std::vector<TMenuResource>& resource) {
    for (const auto& r : resource) {
        if (r.separator)
            AppendMenu(MF_SEPARATOR);
        else if (!r.popup.empty() || r.id == 0)
            AppendPopup(r.text, std::make_unique<TMenu>(r.popup));
        else
            AppendMenu(MF_STRING, r.id, r.text);
    }
}

int TMenu::GetMenuItemID(int pos) const {
    const auto* item = ItemAt(pos);
    if (!item) return 0;
    return item->popup ? -1 : item->id;
}

const TMenuItem* TMenu::ItemAt(int pos) const {
    return pos >= 0 && pos < int(items_.size()) ? &items_[size_t(pos)] : nullptr;
}

TMenu* TMenu::GetSubMenu(int pos) const {
    const auto* item = ItemAt(pos);
    return item ? item->popup.get() : nullptr;
}

std::string TMenu::GetMenuString(int item, uint32_t flags) const {
    const auto* it = (flags & MF_BYPOSITION) ? ItemAt(item) : FindCommand(item);
    return it ? it->text : std::string();
}

const TMenuItem* TMenu::FindCommand(int id) const {
    return const_cast<TMenu*>(this)->findItem(id);
}

TMenuItem* TMenu::findItem(int id) {
    auto place = findByCommand(id);
    return place.menu ? &place.menu->items_[place.index] : nullptr;
}

TMenu::Place TMenu::findByCommand(int id) {
    for (size_t i = 0; i < items_.size(); ++i) {
        auto& item = items_[i];
        if (item.popup) {
            if (auto p = item.popup->findByCommand(id); p.menu) return p;
        } else if (!item.separator && item.id == id) {
            return {this, i};
        } else if (item.separator && id != 0 && item.id == id) {
            return {this, i}; // separators can carry an id to be found by
        }
    }
    return {};
}

bool TMenu::AppendMenu(uint32_t flags, int id, std::string_view text) {
    TMenuItem item;
    item.id = id;
    item.separator = (flags & MF_SEPARATOR) != 0;
    item.text = text;
    item.enabled = !(flags & MF_GRAYED);
    item.checked = (flags & MF_CHECKED) != 0;
    items_.push_back(std::move(item));
    changed();
    return true;
}

bool TMenu::AppendPopup(std::string_view text, std::unique_ptr<TMenu> popup) {
    TMenuItem item;
    item.text = text;
    popup->parent_ = this;
    item.popup = std::move(popup);
    items_.push_back(std::move(item));
    changed();
    return true;
}

bool TMenu::InsertMenu(int before, uint32_t flags, int id, std::string_view text) {
    Place place;
    if (flags & MF_BYPOSITION) {
        if (before < 0 || before > int(items_.size())) return false;
        place = {this, size_t(before)};
    } else {
        place = findByCommand(before);
        if (!place.menu) return false;
    }
    TMenuItem item;
    item.id = id;
    item.separator = (flags & MF_SEPARATOR) != 0;
    item.text = text;
    item.enabled = !(flags & MF_GRAYED);
    auto& v = place.menu->items_;
    v.insert(v.begin() + std::ptrdiff_t(place.index), std::move(item));
    changed();
    return true;
}

bool TMenu::DeleteMenu(int item, uint32_t flags) {
    Place place;
    if (flags & MF_BYPOSITION) {
        if (item < 0 || item >= int(items_.size())) return false;
        place = {this, size_t(item)};
    } else {
        place = findByCommand(item);
        if (!place.menu) return false;
    }
    auto& v = place.menu->items_;
    v.erase(v.begin() + std::ptrdiff_t(place.index));
    changed();
    return true;
}

bool TMenu::ModifyText(int id, std::string_view text) {
    auto* item = findItem(id);
    if (!item) return false;
    item->text = text;
    changed();
    return true;
}

bool TMenu::EnableMenuItem(int id, bool enable) {
    auto* item = findItem(id);
    if (!item) return false;
    item->enabled = enable;
    return true;
}

bool TMenu::CheckMenuItem(int id, bool check) {
    auto* item = findItem(id);
    if (!item) return false;
    item->checked = check;
    return true;
}

void TMenu::SetChangeListener(std::function<void()> listener) {
    listener_ = std::move(listener);
}

TMenu* TMenu::root() {
    auto* m = this;
    while (m->parent_) m = m->parent_;
    return m;
}

void TMenu::changed() {
    if (auto* r = root(); r->listener_) r->listener_();
}
