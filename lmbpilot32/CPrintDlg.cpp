#include "lmbpilot32/CPrintDlg.h"

namespace {

TDialogResource resource() {
    return {"Print",
            {},
            {{TControlKind::GroupBox, -1, "Print", {}},
             {TControlKind::RadioButton, 117, "Current Topic Only", {}, true},
             {TControlKind::RadioButton, 118, "Current Topic and Subtopics", {}},
             {TControlKind::RadioButton, 119, "All Topics", {}},
             {TControlKind::DefButton, IDOK, "OK", {}},
             {TControlKind::Button, IDCANCEL, "Cancel", {}}}};
}

} // namespace

CPrintDlg::CPrintDlg(TWindow* parent, int& choice, std::string helpFile)
    : CNavDialog(parent, resource(), {400022, {{117, 400023}, {118, 400024}, {119, 400025}}},
                 std::move(helpFile)),
      choice_(choice) {}

void CPrintDlg::SetupWindow() {
    CNavDialog::SetupWindow();
    SetRadioIndex({117, 118, 119}, choice_);
}

void CPrintDlg::Store() {
    choice_ = RadioIndex({117, 118, 119});
}
