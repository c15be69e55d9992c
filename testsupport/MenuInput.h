#pragma once
// Menus chosen as the user chooses them: a click on the menu bar's title,
// then a click on the entry in the menu that opens; and a click on an entry
// of the next pop-up menu a window tracks. Texts are the menu resource's,
// with their '&'.
#include <memory>
#include <string>
#include <string_view>

class TWindow;

namespace testsupport {

// False when the menu or its entry is missing or greyed.
bool ClickMenuBarEntry(TWindow& frame, std::string_view menu, std::string_view entry);

// The next tracked pop-up menu is the real one; the entry is clicked when it
// opens. The answer turns true once the entry was found enabled and clicked.
std::shared_ptr<bool> ClickInNextPopupMenu(std::string_view entry);
// The same for an entry of one of its submenus.
std::shared_ptr<bool> ClickInNextPopupSubmenu(std::string_view submenu, std::string_view entry);

} // namespace testsupport
