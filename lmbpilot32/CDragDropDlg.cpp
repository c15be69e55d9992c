#include "lmbpilot32/CDragDropDlg.h"

#include "lmbpilot32/NavSettings.h"

namespace {

TDialogResource resource() {
    return {"Drag & Drop Options",
            {},
            {{TControlKind::CheckBox, 142, "&Beep on successful drop ", {}},
             {TControlKind::CheckBox, 143, "&Explicit filename ", {}},
             {TControlKind::CheckBox, 1002, "&Use Topic Type window", {}},
             {TControlKind::GroupBox, -1, "Hotspot Type", {}},
             {TControlKind::RadioButton, 144, "Jump", {}, true},
             {TControlKind::RadioButton, 145, "Popup", {}},
             {TControlKind::RadioButton, 146, "Default by Topic Type", {}},
             {TControlKind::DefButton, IDOK, "OK", {}},
             {TControlKind::Button, IDCANCEL, "Cancel", {}}}};
}

} // namespace

CDragDropDlg::CDragDropDlg(TWindow* parent, NavOptions& options, std::string helpFile)
    : CNavDialog(parent, resource(),
                 {400026,
                  {{142, 400027},
                   {143, 400028},
                   {144, 400029},
                   {145, 400029},
                   {146, 400029},
                   {1002, 400030}}},
                 std::move(helpFile)),
      options_(options) {}

void CDragDropDlg::SetupWindow() {
    CNavDialog::SetupWindow();
    SetChecked(142, options_.Beep != 0);
    SetChecked(143, options_.ExplicitFilename != 0);
    SetChecked(1002, options_.UseTopicTypeWindow != 0);
    SetRadioIndex({144, 145, 146}, options_.HotspotType);
}

void CDragDropDlg::Store() {
    options_.Beep = IsChecked(142);
    options_.ExplicitFilename = IsChecked(143);
    options_.UseTopicTypeWindow = IsChecked(1002);
    options_.HotspotType = RadioIndex({144, 145, 146});
}
