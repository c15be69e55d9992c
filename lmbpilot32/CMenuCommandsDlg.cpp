#include "lmbpilot32/CMenuCommandsDlg.h"

#include <vector>

#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"

namespace {

constexpr int kMenuBoxes[] = {120, 119, 121, 122, 118};

TDialogResource resource() {
    const auto box = [](int id, const char* text) {
        return TControlResource{TControlKind::CheckBox, id, text, {}};
    };
    const auto group = [] { return TControlResource{TControlKind::GroupBox, -1, "", {}}; };
    return {"Menu Commands",
            {},
            {group(),
             box(120, "&File Menu"),
             box(125, "Print"),
             box(140, "Save Settings"),
             group(),
             box(119, "&View Menu"),
             box(126, "Toolbar"),
             box(127, "Status Bar"),
             group(),
             box(121, "&Help Menu"),
             box(136, "Contents"),
             box(137, "Search"),
             box(138, "About"),
             group(),
             box(122, "&Topic Menu"),
             box(131, "Previous/Next"),
             box(132, "Parent"),
             box(133, "Expand/Collapse"),
             box(134, "Sync"),
             box(135, "Expand All/Collapse All"),
             group(),
             box(118, "&Options Menu"),
             box(128, "Auto-Sync"),
             box(129, "Always On Top"),
             box(141, "Save Settings On Exit"),
             box(130, "Font"),
             box(139, "Colors"),
             {TControlKind::DefButton, IDOK, "OK", {}},
             {TControlKind::Button, IDCANCEL, "Cancel", {}}}};
}

NavHelpIds helpIds() {
    NavHelpIds ids{400048, {}};
    // Vectors, not initializer lists: a list's array would end with the pair's construction.
    const std::pair<std::vector<int>, uint32_t> groups[] = {
        {{120, 125, 140}, 400049},
        {{119, 126, 127}, 400050},
        {{121, 136, 137, 138}, 400051},
        {{122, 131, 132, 133, 134, 135}, 400052},
        {{118, 128, 129, 141, 130, 139}, 400053}};
    for (const auto& [controls, context] : groups)
        for (int id : controls) ids.controls.push_back({id, context});
    return ids;
}

} // namespace

const std::array<int, 22> CMenuCommandsDlg::kFlagControls = {120, 119, 122, 118, 121, 125, 140, 126,
                                                             127, 128, 129, 141, 130, 139, 131, 132,
                                                             133, 134, 135, 136, 137, 138};

CMenuCommandsDlg::CMenuCommandsDlg(TWindow* parent, std::array<uint16_t, 22>& flags,
                                   std::string helpFile)
    : CNavDialog(parent, resource(), helpIds(), std::move(helpFile)), flags_(flags) {
    for (int box : kMenuBoxes)
        Responses().Notify(box, BN_CLICKED, [this, box] { enableGroup(box); });
}

void CMenuCommandsDlg::SetupWindow() {
    CNavDialog::SetupWindow();
    for (size_t i = 0; i < flags_.size(); ++i) SetChecked(kFlagControls[i], flags_[i] != 0);
    for (int box : kMenuBoxes) enableGroup(box);
}

void CMenuCommandsDlg::enableGroup(int menuBox) {
    const bool on = IsChecked(menuBox);
    const auto& children = Children();
    auto it = std::find(children.begin(), children.end(), GetDlgItem(menuBox));
    if (it == children.end()) return;
    // The group ends at the next control that is not one of its boxes.
    for (++it; it != children.end() && dynamic_cast<TCheckBox*>(*it); ++it) (*it)->EnableWindow(on);
}

void CMenuCommandsDlg::Store() {
    // Greyed commands keep their boxes' values.
    for (size_t i = 0; i < flags_.size(); ++i) flags_[i] = IsChecked(kFlagControls[i]) ? 1 : 0;
}
