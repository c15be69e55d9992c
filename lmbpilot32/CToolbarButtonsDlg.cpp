#include "lmbpilot32/CToolbarButtonsDlg.h"

namespace {

TDialogResource resource() {
    const auto box = [](int id, const char* text) {
        return TControlResource{TControlKind::CheckBox, id, text, {}};
    };
    return {"Toolbar Buttons",
            {},
            {box(137, "&Expand All/Collapse All"),
             box(138, "Parent &Topic"),
             box(139, "Previous/&Next"),
             box(3, "&Font"),
             box(4, "&Print"),
             box(5, "&Help Contents"),
             box(6, "&Context-Sensitive Help"),
             {TControlKind::DefButton, IDOK, "OK", {}},
             {TControlKind::Button, IDCANCEL, "Cancel", {}}}};
}

} // namespace

const std::array<int, 7> CToolbarButtonsDlg::kFlagControls = {137, 138, 139, 3, 4, 5, 6};

CToolbarButtonsDlg::CToolbarButtonsDlg(TWindow* parent, std::array<uint16_t, 7>& flags,
                                       std::string helpFile)
    : CNavDialog(parent, resource(),
                 {400054,
                  {{137, 400055},
                   {138, 400056},
                   {139, 400057},
                   {3, 400058},
                   {4, 400059},
                   {5, 400060},
                   {6, 400061}}},
                 std::move(helpFile)),
      flags_(flags) {}

void CToolbarButtonsDlg::SetupWindow() {
    CNavDialog::SetupWindow();
    for (size_t i = 0; i < flags_.size(); ++i) SetChecked(kFlagControls[i], flags_[i] != 0);
}

void CToolbarButtonsDlg::Store() {
    for (size_t i = 0; i < flags_.size(); ++i) flags_[i] = IsChecked(kFlagControls[i]) ? 1 : 0;
}
