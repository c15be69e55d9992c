#pragma once
// A menu and its popups, edited by command id or by position like the
// Windows menu calls. Whoever shows the menu listens for changes.
#include "platform/window/MenuResource.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum : uint32_t {
    MF_STRING = 0x0000,
    MF_BYCOMMAND = 0x0000,
    MF_GRAYED = 0x0001,
    MF_CHECKED = 0x0008,
    MF_POPUP = 0x0010,
    MF_BYPOSITION = 0x0400,
    MF_SEPARATOR = 0x0800,
};

class TMenu;

struct TMenuItem {
    int id = 0; // 0 for separators and popups
    std::string text;
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    std::unique_ptr<TMenu> popup;
};

class TMenu {
public:
    TMenu() = default;
    explicit TMenu(const std::vector<TMenuResource>& resource);
    TMenu(const TMenu&) = delete;
    TMenu& operator=(const TMenu&) = delete;

    int GetMenuItemCount() const { return int(items_.size()); }
    // The command id at a position: -1 for a popup, 0 for a separator or none.
    int GetMenuItemID(int pos) const;
    std::string GetMenuString(int item, uint32_t flags = MF_BYCOMMAND) const;
    TMenu* GetSubMenu(int pos) const;
    const TMenuItem* ItemAt(int pos) const;
    // Searches the popups too.
    const TMenuItem* FindCommand(int id) const;

    bool AppendMenu(uint32_t flags, int id = 0, std::string_view text = {});
    bool AppendPopup(std::string_view text, std::unique_ptr<TMenu> popup);
    // Before the item with that command (searched in all popups) or position.
    bool InsertMenu(int before, uint32_t flags, int id = 0, std::string_view text = {});
    bool DeleteMenu(int item, uint32_t flags = MF_BYCOMMAND);
    bool ModifyText(int id, std::string_view text);
    bool EnableMenuItem(int id, bool enable);
    bool CheckMenuItem(int id, bool check);

    // Told after every change of items (not of enabled/checked states).
    void SetChangeListener(std::function<void()> listener);

private:
    struct Place {
        TMenu* menu = nullptr;
        size_t index = 0;
    };
    Place findByCommand(int id);
    TMenuItem* findItem(int id);
    void changed();
    TMenu* root();

    std::vector<TMenuItem> items_;
    TMenu* parent_ = nullptr;
    std::function<void()> listener_;
};
