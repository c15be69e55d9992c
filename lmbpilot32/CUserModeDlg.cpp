#include "lmbpilot32/CUserModeDlg.h"

#include "lmbpilot32/CMenuCommandsDlg.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CToolbarButtonsDlg.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"

namespace {

constexpr unsigned kTitleChars = 255;

TDialogResource resource() {
    const auto box = [](int id, const char* text, TRect r) {
        return TControlResource{TControlKind::CheckBox, id, text, r};
    };
    const auto button = [](int id, const char* text, TRect r) {
        return TControlResource{TControlKind::Button, id, text, r};
    };
    // The bars' check boxes with their "Edit..." beside them; the font and
    // colour buttons and OK/Cancel in the right column.
    return {"User Mode Options",
            {212, 176},
            {box(111, "Auto-Sync", {7, 7, 120, 17}),
             box(114, "Always On Top", {7, 21, 120, 31}),
             button(3, "&Font...", {150, 7, 205, 21}),
             button(6, "&Colors...", {150, 24, 205, 38}),
             box(110, "Menu Bar", {7, 40, 80, 50}),
             button(4, "Edit...", {85, 38, 130, 51}),
             box(108, "Toolbar", {7, 55, 80, 65}),
             button(5, "Edit...", {85, 53, 130, 66}),
             box(109, "Status Bar", {7, 70, 120, 80}),
             box(123, "Dialog Mode", {7, 84, 120, 94}),
             {TControlKind::Static, -1, "&Title:", {7, 103, 36, 112}},
             {TControlKind::Edit, 103, "", {38, 101, 205, 113}},
             {TControlKind::GroupBox, -1, "&Observe Topic Types", {7, 119, 140, 169}},
             box(146, "Topic Access", {14, 131, 130, 141}),
             box(147, "Link Type", {14, 143, 130, 153}),
             box(148, "Help Window", {14, 155, 130, 165}),
             {TControlKind::DefButton, IDOK, "OK", {150, 133, 205, 147}},
             {TControlKind::Button, IDCANCEL, "Cancel", {150, 152, 205, 166}}}};
}

NavHelpIds helpIds() {
    return {400031,
            {{111, 400032},
             {114, 400033},
             {3, 400034},
             {6, 400035},
             {110, 400036},
             {4, 400036},
             {108, 400037},
             {5, 400037},
             {109, 400038},
             {123, 400039},
             {103, 400040},
             {146, 400041},
             {147, 400042},
             {148, 400043}}};
}

} // namespace

CUserModeDlg::CUserModeDlg(TWindow* parent, CNavDocValues& values, std::string helpFile,
                           Command font, Command colors)
    : CNavDialog(parent, resource(), helpIds(), std::move(helpFile)), values_(values),
      font_(std::move(font)), colors_(std::move(colors)) {
    LimitChars(103, kTitleChars);
    Responses().Notify(110, BN_CLICKED, [this] { Enable(4, IsChecked(110)); });
    Responses().Notify(108, BN_CLICKED, [this] { Enable(5, IsChecked(108)); });
    Responses().Command(3, [this] {
        if (font_) font_(this);
    });
    Responses().Command(6, [this] {
        if (colors_) colors_(this);
    });
    Responses().Command(
        4, [this] { CMenuCommandsDlg(this, values_.MenuFlags, HelpFile()).Execute(); });
    Responses().Command(
        5, [this] { CToolbarButtonsDlg(this, values_.ToolBarFlags, HelpFile()).Execute(); });
}

void CUserModeDlg::SetupWindow() {
    CNavDialog::SetupWindow();
    const CNavDocValues& v = values_;
    SetChecked(111, v.AutoSync);
    SetChecked(114, v.AlwaysOnTop);
    SetChecked(110, v.MenuBar);
    SetChecked(108, v.ToolBar);
    SetChecked(109, v.StatusBar);
    SetChecked(123, v.DialogMode);
    SetText(103, v.Title);
    SetChecked(146, v.ObserveTopicAccess);
    SetChecked(147, v.ObserveLinkType);
    SetChecked(148, v.ObserveHelpWindow);
    // Both "Edit..." buttons start enabled, whatever their boxes show.
}

void CUserModeDlg::Store() {
    CNavDocValues& v = values_;
    v.AutoSync = IsChecked(111);
    v.AlwaysOnTop = IsChecked(114);
    v.MenuBar = IsChecked(110);
    v.ToolBar = IsChecked(108);
    v.StatusBar = IsChecked(109);
    v.DialogMode = IsChecked(123);
    v.Title = Text(103);
    v.ObserveTopicAccess = IsChecked(146);
    v.ObserveLinkType = IsChecked(147);
    v.ObserveHelpWindow = IsChecked(148);
}
