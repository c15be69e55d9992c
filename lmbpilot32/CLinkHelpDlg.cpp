#include "lmbpilot32/CLinkHelpDlg.h"

#include "lmbpilot32/CNavDoc.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"

namespace {

constexpr unsigned kCaptionChars = 29;

TDialogResource resource() {
    // Each caption label stands indented under its check box, left of its edit.
    return {"Link Navigator to Help",
            {212, 150},
            {{TControlKind::CheckBox, 119, "&When WinHelp Starts", {7, 7, 160, 17}},
             {TControlKind::CheckBox, 120, "When a &Button is Pressed", {7, 21, 160, 31}},
             {TControlKind::Static, 122, "Button &Caption:", {19, 36, 84, 45}},
             {TControlKind::Edit, 121, "", {86, 34, 205, 46}},
             {TControlKind::CheckBox, 145, "&In the Help Topics dialog box", {7, 52, 160, 62}},
             {TControlKind::Static, 147, "&Tab Caption:", {19, 67, 84, 76}},
             {TControlKind::Edit, 127, "", {86, 65, 205, 77}},
             {TControlKind::CheckBox, 124, "&Parent Topic Button", {7, 83, 160, 93}},
             {TControlKind::Static, 125, "B&utton Caption:", {19, 98, 84, 107}},
             {TControlKind::Edit, 126, "", {86, 96, 205, 108}},
             {TControlKind::RadioButton, 1003, "16-Bit (lmbpilot16.exe)", {7, 116, 130, 126}, true},
             {TControlKind::RadioButton, 1004, "32-Bit (lmbpilot32.exe)", {7, 130, 130, 140}},
             {TControlKind::DefButton, IDOK, "OK", {150, 114, 205, 128}},
             {TControlKind::Button, IDCANCEL, "Cancel", {150, 131, 205, 145}}}};
}

// Each check box with the caption edit and label it enables.
struct Caption {
    int box, edit, label;
};
constexpr Caption kCaptions[] = {{120, 121, 122}, {145, 127, 147}, {124, 126, 125}};

} // namespace

CLinkHelpDlg::CLinkHelpDlg(TWindow* parent, CNavDocValues& values, std::string helpFile)
    : CNavDialog(parent, resource(),
                 {400062,
                  {{119, 400063},
                   {120, 400064},
                   {121, 400064},
                   {145, 400065},
                   {127, 400065},
                   {124, 400066},
                   {126, 400066},
                   {1003, 400067},
                   {1004, 400068}}},
                 std::move(helpFile)),
      values_(values) {
    for (const Caption& c : kCaptions) {
        LimitChars(c.edit, kCaptionChars);
        Responses().Notify(c.box, BN_CLICKED, [this] { enableCaptions(); });
    }
    Responses().Notify(1003, BN_CLICKED, [this] { versionChanged(); });
    Responses().Notify(1004, BN_CLICKED, [this] { versionChanged(); });
}

void CLinkHelpDlg::SetupWindow() {
    CNavDialog::SetupWindow();
    SetChecked(119, values_.ShowWhenViewerStarts != 0);
    SetChecked(120, values_.ShowByButton != 0);
    SetText(121, values_.NavigatorButtonCaption);
    SetChecked(145, values_.TabPage != 0);
    SetText(127, values_.TabCaption);
    SetChecked(124, values_.ParentTopicButton != 0);
    SetText(126, values_.ParentButtonCaption);
    SetRadioIndex({1003, 1004}, values_.NavigatorVersion);
    Enable(145, values_.NavigatorVersion != 0);
    enableCaptions();
}

void CLinkHelpDlg::enableCaptions() {
    for (const Caption& c : kCaptions) {
        const bool on = IsChecked(c.box);
        Enable(c.edit, on);
        Enable(c.label, on);
    }
}

void CLinkHelpDlg::versionChanged() {
    // Only the 32-bit navigator has a page in the topics dialog.
    const bool bits32 = IsChecked(1004);
    Enable(145, bits32);
    if (!bits32) SetChecked(145, false);
    enableCaptions();
}

void CLinkHelpDlg::Store() {
    values_.ShowWhenViewerStarts = IsChecked(119);
    values_.ShowByButton = IsChecked(120);
    values_.NavigatorButtonCaption = Text(121);
    values_.TabPage = IsChecked(145);
    values_.TabCaption = Text(127);
    values_.ParentTopicButton = IsChecked(124);
    values_.ParentButtonCaption = Text(126);
    values_.NavigatorVersion = uint16_t(RadioIndex({1003, 1004}));
}
