#include "lmbpilot32/NavMenus.h"

#include "lmbpilot32/NavCommands.h"
#include "platform/window/StringTable.h"

#include <algorithm>
#include <utility>

namespace {

TMenuResource fileMenu(bool author) {
    std::vector<TMenuResource> items;
    if (author)
        items = {MenuItem(CM_NAV_FILENEW, "&New...\tCtrl+N"),
                 MenuItem(CM_NAV_FILEOPEN, "&Open...\tCtrl+O"),
                 MenuItem(CM_NAV_FILESAVE, "&Save\tCtrl+S"),
                 MenuItem(CM_NAV_FILESAVEAS, "Save &As..."), MenuSeparator()};
    items.push_back(MenuItem(CM_NAV_PRINT, "&Print...\tCtrl+P"));
    items.push_back(MenuSeparator());
    items.push_back(MenuItem(CM_NAV_SAVESETTINGS, "Sa&ve Settings"));
    items.push_back(MenuSeparator());
    items.push_back(MenuItem(CM_NAV_EXIT, "E&xit"));
    return MenuPopup("&File", std::move(items));
}

TMenuResource viewMenu(bool author) {
    std::vector<TMenuResource> items{MenuItem(CM_NAV_TOOLBAR, "&Toolbar"),
                                     MenuItem(CM_NAV_STATUSBAR, "&Status Bar")};
    if (author) items.push_back(MenuItem(CM_NAV_PROPERTIESBAR, "&Properties Bar"));
    return MenuPopup("&View", std::move(items));
}

TMenuResource topicMenu() {
    return MenuPopup("&Topic",
                     {MenuItem(CM_NAV_PREVIOUS, "&Previous"), MenuItem(CM_NAV_NEXT, "&Next"),
                      MenuItem(CM_NAV_PARENT, "P&arent"), MenuSeparator(),
                      MenuItem(CM_NAV_EXPAND, "&Expand"), MenuItem(CM_NAV_COLLAPSE, "&Collapse"),
                      MenuSeparator(), MenuItem(CM_NAV_EXPANDALL, "E&xpand All"),
                      MenuItem(CM_NAV_COLLAPSEALL, "C&ollapse All"), MenuSeparator(),
                      MenuItem(CM_NAV_SYNC, "&Sync")});
}

TMenuResource optionsMenu(bool author) {
    std::vector<TMenuResource> items{MenuItem(CM_NAV_AUTOSYNC, "&Auto-Sync"),
                                     MenuItem(CM_NAV_ALWAYSONTOP, "Always On &Top"),
                                     MenuItem(CM_NAV_SAVEONEXIT, "&Save Settings On Exit"),
                                     MenuSeparator(),
                                     MenuItem(CM_NAV_FONT, "&Font..."),
                                     MenuItem(CM_NAV_COLORS, "&Colors...")};
    if (author) {
        items.push_back(MenuSeparator());
        items.push_back(MenuItem(CM_NAV_PREVIEWMODE, "&Preview Mode"));
        items.push_back(MenuItem(CM_NAV_USERMODE, "&User Mode Options..."));
        items.push_back(MenuItem(CM_NAV_UPDATETOPICS, "&Update Topic Info"));
        items.push_back(MenuItem(CM_NAV_LINKTOHELP, "&Link To Help..."));
        items.push_back(MenuItem(CM_NAV_DRAGDROP, "&Drag && Drop..."));
    }
    return MenuPopup("&Options", std::move(items));
}

TMenuResource helpMenu() {
    return MenuPopup("&Help", {MenuItem(CM_NAV_HELPCONTENTS, "&Contents"),
                               MenuItem(CM_NAV_SEARCH, "&Search..."), MenuSeparator(),
                               MenuItem(CM_NAV_ABOUT, "&About Lumbra Navigator...")});
}

// The commands of each menu with the flag that keeps them.
struct Kept {
    int flag;
    std::vector<int> commands;
};

void removeCommands(TMenuResource& menu, const std::array<uint16_t, 22>& flags,
                    const std::vector<Kept>& table) {
    for (const Kept& k : table)
        if (!flags[size_t(k.flag)])
            std::erase_if(menu.popup, [&](const TMenuResource& item) {
                return std::find(k.commands.begin(), k.commands.end(), item.id) != k.commands.end();
            });
}

void dropStraySeparators(std::vector<TMenuResource>& items) {
    std::vector<TMenuResource> kept;
    for (auto& item : items)
        if (!item.separator || (!kept.empty() && !kept.back().separator))
            kept.push_back(std::move(item));
    while (!kept.empty() && kept.back().separator) kept.pop_back();
    items = std::move(kept);
}

constexpr std::pair<int, const char*> kHints[] = {
    {CM_NAV_FILENEW, "Create a navigator file from a help project\nNew"},
    {CM_NAV_FILEOPEN, "Open a navigator file\nOpen"},
    {CM_NAV_FILESAVE, "Save the navigator file\nSave"},
    {CM_NAV_FILESAVEAS, "Save the navigator file under a new name\nSave As"},
    {CM_NAV_PRINT, "Display the print dialog\nPrint"},
    {CM_NAV_SAVESETTINGS, "Save the navigator's settings now"},
    {CM_NAV_EXIT, "Quit the navigator\nExit"},
    {CM_NAV_COPY, "Copy the selection to the clipboard\nCopy"},
    {CM_NAV_TOOLBAR, "Show or hide the tool bar"},
    {CM_NAV_STATUSBAR, "Show or hide the status bar"},
    {CM_NAV_PROPERTIESBAR, "Show or hide the properties bar"},
    {CM_NAV_PREVIOUS, "Display the previous topic\nPrevious"},
    {CM_NAV_NEXT, "Display the next topic\nNext"},
    {CM_NAV_PARENT, "Display the parent topic\nParent"},
    {CM_NAV_EXPAND, "Expand the current topic"},
    {CM_NAV_COLLAPSE, "Collapse the current topic"},
    {CM_NAV_EXPANDALL, "Expand all topics\nExpand All"},
    {CM_NAV_COLLAPSEALL, "Collapse all topics\nCollapse All"},
    {CM_NAV_SYNC, "Synchronize with current WinHelp topic"},
    {CM_NAV_PRINTTOPIC, "Print the current topic"},
    {CM_NAV_PRINTSUBTOPICS, "Print the current topic and its subtopics"},
    {CM_NAV_PRINTALL, "Print all topics"},
    {CM_NAV_AUTOSYNC, "Automatically synchronize the current Navigator topic with WinHelp"},
    {CM_NAV_ALWAYSONTOP, "Keep the navigator above other windows"},
    {CM_NAV_SAVEONEXIT, "Save the settings when the navigator ends"},
    {CM_NAV_FONT, "Change the font used in the Navigator outline\nFont"},
    {CM_NAV_COLORS, "Change the colors used in the Navigator outline"},
    {CM_NAV_PREVIEWMODE, "Displays WinHelp as a popup"},
    {CM_NAV_USERMODE, "Display user mode options dialog"},
    {CM_NAV_UPDATETOPICS, "Update topic information from .HLP file"},
    {CM_NAV_LINKTOHELP, "Link Navigator to your help file"},
    {CM_NAV_DRAGDROP, "Display drag & drop options dialog"},
    {CM_NAV_HELPCONTENTS, "Display the navigator's help\nHelp Contents"},
    {CM_NAV_SEARCH, "Search the help for a keyword"},
    {CM_NAV_ABOUT, "Display the navigator's version\nAbout"},
    {CM_NAV_CONTEXTHELP, "Display help for a button, menu or window\nHelp"},
};

} // namespace

void RegisterNavigatorHints() {
    for (const auto& [id, text] : kHints) SetResourceString(id, text);
}

std::vector<TMenuResource> AuthorMenu() {
    return {fileMenu(true),    MenuPopup("&Edit", {MenuItem(CM_NAV_COPY, "&Copy\tCtrl+C")}),
            viewMenu(true),    topicMenu(),
            optionsMenu(true), helpMenu()};
}

std::vector<TMenuResource> ReaderMenu() {
    return {fileMenu(false), viewMenu(false), topicMenu(), optionsMenu(false), helpMenu()};
}

std::vector<TMenuResource> ReduceReaderMenu(std::vector<TMenuResource> menu,
                                            const std::array<uint16_t, 22>& flags) {
    // Per menu position: the menu's own flag and its commands' flags.
    const std::vector<Kept> tables[5] = {
        {{5, {CM_NAV_PRINT}}, {6, {CM_NAV_SAVESETTINGS}}},
        {{7, {CM_NAV_TOOLBAR}}, {8, {CM_NAV_STATUSBAR}}},
        {{14, {CM_NAV_PREVIOUS, CM_NAV_NEXT}},
         {15, {CM_NAV_PARENT}},
         {16, {CM_NAV_EXPAND, CM_NAV_COLLAPSE}},
         {17, {CM_NAV_SYNC}},
         {18, {CM_NAV_EXPANDALL, CM_NAV_COLLAPSEALL}}},
        {{9, {CM_NAV_AUTOSYNC}},
         {10, {CM_NAV_ALWAYSONTOP}},
         {11, {CM_NAV_SAVEONEXIT}},
         {12, {CM_NAV_FONT}},
         {13, {CM_NAV_COLORS}}},
        {{19, {CM_NAV_HELPCONTENTS}}, {20, {CM_NAV_SEARCH}}, {21, {CM_NAV_ABOUT}}}};
    // From the last menu to the first, so that positions stay valid.
    for (int pos = std::min<int>(4, int(menu.size()) - 1); pos >= 0; --pos) {
        if (!flags[size_t(pos)]) {
            menu.erase(menu.begin() + pos);
            continue;
        }
        removeCommands(menu[size_t(pos)], flags, tables[pos]);
    }
    for (auto& m : menu) dropStraySeparators(m.popup);
    return menu;
}
