#include "lmbpilot32/CUserModeDlg.h"

#include "lmbpilot32/CMenuCommandsDlg.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CToolbarButtonsDlg.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"

namespace {

constexpr unsigned kTitleChars = 255;

TDialogResource resource() {
    const auto box = [](int id, const char* text) {
        return TControlResource{TControlKind::CheckBox, id, text, {}};
    };
    const auto button = [](int id, const char* text) {
        return TControlResource{TControlKind::Button, id, text, {}};
    };
    return {"User Mode Options",
            {},
            {box(111, "Auto-Sync"),
             box(114, "Always On Top"),
             button(3, "&Font..."),
             button(6, "&Colors..."),
             box(110, "Menu Bar"),
             button(4, "Edit..."),
             box(108, "Toolbar"),
             button(5, "Edit..."),
             box(109, "Status Bar"),
             box(123, "Dialog Mode"),
             {TControlKind::Static, -1, "&Title:", {}},
             {TControlKind::Edit, 103, "", {}},
             {TControlKind::GroupBox, -1, "&Observe Topic Types", {}},
             box(146, "Topic Access"),
             box(147, "Link Type"),
             box(148, "Help Window"),
             {TControlKind::DefButton, IDOK, "OK", {}},
             {TControlKind::Button, IDCANCEL, "Cancel", {}}}};
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
