#pragma once
// Real clicks on what frames draw around their windows: the menus of a
// frame's menu bar and the boxes in the title bar of an MDI child.
#include <string>
#include <string_view>
#include <vector>

class TFrameWindow;
class TWindow;

namespace testsupport {

// Opens the menu bar's popup of that text ("&Window") with a click and
// returns its items as shown: "-" for a separator, a leading "* " for a
// checked item. The popup stays open.
std::vector<std::string> OpenMenu(TFrameWindow& frame, std::string_view popup);
// Opens the popup and clicks its item of that text; false when either is
// missing or greyed. The chosen command still has to be delivered.
bool ChooseMenuItem(TFrameWindow& frame, std::string_view popup, std::string_view item);

enum class TTitleBarBox { Close, Maximize, Minimize, Restore };
// Clicks the box in the title bar of an MDI child; false when it shows none.
bool ClickTitleBarBox(TWindow& mdiChild, TTitleBarBox box);

} // namespace testsupport
