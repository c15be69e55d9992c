#include "lmbpilot32/CMainFrame.h"

#include "lmbhook32/lmbhook32.h"
#include "lmbpilot32/CAboutDlg.h"
#include "lmbpilot32/CColorsDlg.h"
#include "lmbpilot32/CDragDropDlg.h"
#include "lmbpilot32/CLinkHelpDlg.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CNavView.h"
#include "lmbpilot32/CPrintDlg.h"
#include "lmbpilot32/CPropertiesBar.h"
#include "lmbpilot32/CUserModeDlg.h"
#include "lmbpilot32/NavHelpLink.h"
#include "lmbpilot32/NavMenus.h"
#include "lmbpilot32/NavToolBar.h"
#include "lmbpilot32/NavTopicInfo.h"
#include "lmbpilot32/TopicTypeAddIn.h"
#include "platform/base/TextCompare.h"
#include "platform/gdi/LogRecords.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/services/ChooseDialogs.h"
#include "platform/services/Clipboard.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlBar.h"
#include "platform/window/Cursor.h"
#include "platform/window/Edit.h"
#include "platform/window/StatusBar.h"
#include "platform/window/ZOrder.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
constexpr const char* kName = "Lumbra Navigator";
constexpr const char* kFilter = "Navigator Files (*.ltp)|*.ltp|All Files (*.*)|*.*|";
// The framework's help ids of commands: the command plus 0x10000.
constexpr uint32_t kCommandHelpBase = 0x10000;
} // namespace

CMainFrame::CMainFrame(CNavDoc& doc, CNavView* view, RegistryStore& store, NavFrameSetup setup)
    : TDecoratedFrame(nullptr, kName, view, true), doc_(doc), view_(view), store_(store),
      settings_(store), setup_(std::move(setup)) {
    RegisterNavigatorHints();
    toolBar_ = MakeNavToolBar(this, setup_.author);
    Insert(*toolBar_, Top);
    if (setup_.author) {
        properties_ = new CPropertiesBar(this);
        properties_->Attr().Id = CM_NAV_PROPERTIESBAR;
        Insert(*properties_, Top);
        options_ = settings_.LoadOptions();
        view_->SetAutoSync(options_.AutoSync != 0);
        view_->SetSelectHandler([this](int item) { showTopicFields(item); });
    }
    statusBar_ = new TStatusBar(this);
    statusBar_->Attr().Id = CM_NAV_STATUSBAR;
    Insert(*statusBar_, Bottom);
    view_->SetStatusHandler([this](const std::string& text) { statusBar_->SetText(text); });
    view_->SetShowHandler([this] { return Reveal(); });
    view_->SetFrameState([this] { return hidden_; }, [this] { return options_.AlwaysOnTop != 0; });
    view_->SetPreviewMode(options_.PreviewMode != 0);
    AssignMenu(setup_.author ? AuthorMenu() : ReaderMenu());
}

std::string CMainFrame::settingsSection() const {
    return setup_.author ? std::string(NavSettings::kOptions) : doc_.HelpPath();
}

void CMainFrame::BuildReaderInterface() {
    const CNavDocValues& v = doc_.Values;
    if (!v.MenuBar)
        AssignMenu({});
    else
        AssignMenu(ReduceReaderMenu(ReaderMenu(), v.MenuFlags));
    if (!v.StatusBar && IsDecorationVisible(CM_NAV_STATUSBAR))
        TDecoratedFrame::EvCommand(CM_NAV_STATUSBAR, 0, 0);
    if (!v.ToolBar) {
        if (IsDecorationVisible(CM_NAV_TOOLBAR)) TDecoratedFrame::EvCommand(CM_NAV_TOOLBAR, 0, 0);
    } else {
        RemoveReaderButtons(*toolBar_, v.ToolBarFlags);
    }
    SetCaption(v.Title.empty() ? kName : v.Title);
    SetMinMaxBoxes(!v.DialogMode);
}

void CMainFrame::LoadReaderSettings() {
    const ReaderSettings r = settings_.LoadReader(doc_);
    options_.AlwaysOnTop = r.AlwaysOnTop;
    options_.SaveSettingsOnExit = r.SaveSettingsOnExit;
    view_->SetAutoSync(r.AutoSync != 0);
    view_->SetTreeFont(r.Font);
    moveTo(r.Window);
}

void CMainFrame::PlaceFromDocument() {
    const CNavDocValues& v = doc_.Values;
    moveTo({v.Left, v.Top, v.Right, v.Bottom});
}

void CMainFrame::moveTo(const NavRect& logical) {
    if (logical.Right > logical.Left && logical.Bottom > logical.Top)
        MoveWindow(ToScreenRect(logical, GetScreenSize()));
}

void CMainFrame::linkCommand() {
    if (CLinkHelpDlg(view_, doc_.Values, dialogHelp()).Execute() != IDOK) return;
    doc_.Modified = true;
    // The auto-load file belongs to no help file of its own.
    if (EqualNoCase(doc_.Path(), settings_.AutoLoadPath())) return;
    // The tab's line naming the help window asks the authoring add-in.
    std::optional<std::string> window;
    if (doc_.Values.TabPage) {
        if (!ProgramAddIn().Bind(store_)) return;
        window = HelpViewerWindow(ProgramAddIn(), TopicTypeFile(doc_.Path()));
    }
    std::string error;
    if (!LinkNavigatorToHelp(doc_.HelpPath(), doc_.Values, window, &error))
        MessageBox(error, kName, MB_OK | MB_ICONSTOP);
}

void CMainFrame::ApplyAlwaysOnTop() {
    SetTopMost(*this, options_.AlwaysOnTop != 0);
}

void CMainFrame::SaveSettings() {
    if (setup_.author) {
        options_.AutoSync = view_->AutoSync();
        settings_.SaveOptions(options_);
        return;
    }
    ReaderSettings r;
    r.AlwaysOnTop = options_.AlwaysOnTop;
    r.AutoSync = view_->AutoSync();
    r.SaveSettingsOnExit = options_.SaveSettingsOnExit;
    r.Font = view_->TreeFont();
    r.Window = ToLogicalRect(GetWindowRect(), GetScreenSize());
    settings_.SaveReader(doc_, r);
}

void CMainFrame::Quit() {
    quitting_ = true;
    if (options_.SaveSettingsOnExit) SaveSettings();
}

void CMainFrame::CloseWindow(int retValue) {
    if (!setup_.author && !quitting_) {
        // The reader's navigator stays for its help viewer.
        ShowWindow(SW_HIDE);
        hidden_ = true;
        return;
    }
    if (setup_.author && !saveModified()) return;
    if (options_.SaveSettingsOnExit) SaveSettings();
    quitting_ = true;
    TDecoratedFrame::CloseWindow(retValue);
}

void CMainFrame::EvActivateApp(bool active) {
    if (active || setup_.author || quitting_ || !doc_.Values.DialogMode || !IsWindowVisible())
        return;
    ShowWindow(SW_HIDE);
    hidden_ = true;
}

void CMainFrame::EvActivate(bool active) {
    if (!active || setup_.author) return;
    // X11 restacks only to the front: the viewer first, then the navigator.
    if (lmbViewerWindow(LMB_VIEWER_RAISE) == 1) RaiseWindow(*this);
}

bool CMainFrame::Reveal() {
    if (startPhase_) return false;
    const bool wasHidden = hidden_;
    hidden_ = false;
    ShowWindow(SW_SHOWNORMAL);
    SetForegroundWindow(*this);
    return wasHidden;
}

void CMainFrame::EvMove(const TPoint& origin) {
    TDecoratedFrame::EvMove(origin);
    if (setup_.author && !startPhase_) doc_.Modified = true;
}

namespace {
constexpr uint32_t kStartTimer = 1;
constexpr uint32_t kStartMilliseconds = 1000;
} // namespace

void CMainFrame::SetupWindow() {
    TDecoratedFrame::SetupWindow();
    SetTimer(kStartTimer, kStartMilliseconds);
    // Before the first show: a window made top-most later is shown again at
    // the place it had, which the window manager has not given it yet.
    ApplyAlwaysOnTop();
}

void CMainFrame::EvTimer(uint32_t timerId) {
    if (timerId != kStartTimer) return TDecoratedFrame::EvTimer(timerId);
    KillTimer(kStartTimer);
    SendMessage(kEndStartPhase, 0, 0);
}

TResult CMainFrame::HandleMessage(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kEndStartPhase) return TDecoratedFrame::HandleMessage(msg, wParam, lParam);
    startPhase_ = false;
    return 0;
}

void CMainFrame::AppHelp(uint32_t command, uint32_t data) {
    if (setup_.showIds) {
        char text[64];
        if (command == HELP_CONTEXT)
            std::snprintf(text, sizeof text, "Help Context ID: 0x%lx, %lu", (unsigned long)data,
                          (unsigned long)data);
        else
            std::snprintf(text, sizeof text, "Help Command: %u", command);
        MessageBox(text, kName, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!setup_.author && command == HELP_CONTEXT) command = HELP_CONTEXTPOPUP;
    Help().WinHelp(setup_.helpFile, command, data);
}

void CMainFrame::showTopicFields(int item) {
    if (!properties_) return;
    if (!doc_.IsValid(item)) {
        properties_->Show("", "", 0, 0);
        return;
    }
    const CNavItem& it = doc_.Items[size_t(item)];
    properties_->Show(it.Title, it.ContextString, it.MapNumber, uint8_t(it.HeadingLevel));
}

void CMainFrame::fontCommand(TWindow*) {
    const NavFont current = view_->TreeFont();
    LOGFONT lf;
    SetFaceName(lf, current.Name);
    lf.lfHeight = -int32_t(std::lround(current.Size * kReferenceScreenDpi / 72.0f));
    lf.lfWeight = current.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = current.Italic ? 1 : 0;
    TColor color(doc_.Values.TextColor);
    if (!ChooseFont(lf, color)) return;
    NavFont chosen;
    chosen.Name = FaceNameOf(lf);
    chosen.Size =
        std::round(float(std::abs(lf.lfHeight)) * 72.0f / kReferenceScreenDpi * 10.0f) / 10.0f;
    chosen.Bold = lf.lfWeight == FW_BOLD;
    chosen.Italic = lf.lfItalic != 0;
    view_->SetTreeFont(chosen);
    if (!setup_.author) return;
    CNavDocValues& v = doc_.Values;
    doc_.Modified = true;
    v.FontName = chosen.Name; // at most 31 bytes: the chooser's record holds no more
    v.FontSize = chosen.Size;
    v.Bold = chosen.Bold;
    v.Italic = chosen.Italic;
}

void CMainFrame::colorsCommand(TWindow* parent) {
    CNavDocValues& v = doc_.Values;
    if (CColorsDlg(parent ? parent : this, v.TextColor, v.BackgroundColor, dialogHelp())
            .Execute() == IDOK) {
        doc_.Modified = true;
        view_->ApplyColors();
    }
}

void CMainFrame::userModeOptions() {
    CUserModeDlg dlg(
        view_, doc_.Values, dialogHelp(), [this](TWindow* p) { fontCommand(p); },
        [this](TWindow* p) { colorsCommand(p); });
    if (dlg.Execute() == IDOK) doc_.Modified = true;
}

void CMainFrame::printCommand() {
    const int item = view_->SelectedTopic();
    if (!doc_.IsValid(item)) return;
    int choice = 0;
    if (CPrintDlg(view_, choice, dialogHelp()).Execute() != IDOK) return;
    view_->EvCommand(CM_NAV_PRINTTOPIC + choice, 0, 0);
}

void CMainFrame::copyCommand() {
    // The focused field's selection, or its whole text; else the topic title.
    if (auto* edit = dynamic_cast<TEdit*>(TWindow::FromHandle(GetFocus()))) {
        Clipboard().SetText(edit->HasSelection() ? edit->GetSelectedText() : edit->GetText());
        return;
    }
    if (properties_) Clipboard().SetText(properties_->FieldText(CPropertiesBar::IDC_TITLE));
}

bool CMainFrame::saveModified() {
    if (!doc_.Modified) return true;
    switch (MessageBox("Save changes to " + doc_.Title() + "?", kName,
                       MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES:
        return saveDocument(false);
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::saveDocument(bool askName) {
    std::string path = doc_.Path();
    if (askName || path.empty()) {
        TOpenSaveDialog::TData data;
        data.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
        data.filter = kFilter;
        data.fileName = SaveAsName(doc_.Title());
        data.defExt = "ltp";
        if (!path.empty()) data.initialDir = std::filesystem::path(path).parent_path().string();
        if (!ExecuteSaveDialog(data)) return false;
        path = data.fileName;
    }
    // The file keeps where the author left the navigator.
    const NavRect r = ToLogicalRect(GetWindowRect(), GetScreenSize());
    CNavDocValues& v = doc_.Values;
    v.Left = r.Left, v.Top = r.Top, v.Right = r.Right, v.Bottom = r.Bottom;
    std::string error;
    if (doc_.Save(path, &error)) return true;
    MessageBox(error, kName, MB_OK | MB_ICONSTOP);
    return false;
}

void CMainFrame::openCommand() {
    if (!saveModified()) return;
    TOpenSaveDialog::TData data;
    data.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    data.filter = kFilter;
    data.defExt = "ltp";
    if (!doc_.Path().empty())
        data.initialDir = std::filesystem::path(doc_.Path()).parent_path().string();
    if (!ExecuteOpenDialog(data)) return;
    std::string error;
    if (!doc_.Open(data.fileName, &error)) {
        MessageBox(error, kName, MB_OK | MB_ICONSTOP);
        return;
    }
    showTopicFields(-1);
    PlaceFromDocument();
    const bool linked = view_->StartLink();
    doc_.Modified = false;
    if (!linked) endUnlinked();
}

void CMainFrame::endUnlinked() {
    // Without its viewer the navigator can do nothing: it ends, asking first
    // about changes as File Exit does.
    PostMessage(WM_COMMAND, CM_NAV_EXIT, 0);
}

void CMainFrame::newCommand() {
    if (!saveModified()) return;
    TOpenSaveDialog::TData data;
    data.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    data.filter = "Help Projects (*.hpj)|*.hpj|All Files (*.*)|*.* ||";
    data.title = "Open Help Project";
    if (!ExecuteOpenDialog(data)) return;
    const std::string project = data.fileName;
    if (!std::filesystem::exists(project) && !std::ofstream(project, std::ios::binary)) {
        MessageBox("Can't create " + project, kName, MB_OK | MB_ICONSTOP);
        return;
    }
    // A new document starts from the author's auto-load file when there is one.
    doc_.Reset();
    const std::string autoLoad = settings_.AutoLoadPath();
    if (std::filesystem::exists(autoLoad) && !doc_.Open(autoLoad, nullptr)) doc_.Reset();
    // The names follow the project's own case: this file system tells cases apart.
    const std::string title = std::filesystem::path(project).filename().string();
    doc_.Values.HelpFileName = WithExtension(title, "HLP");
    doc_.SetPath(WithExtension(project, "LTP"));
    doc_.Modified = true;
    if (!view_->StartLink()) return endUnlinked();
    loadTopics(true);
}

void CMainFrame::loadTopics(bool first) {
    const TCursor wait(TCursor::Wait);
    SetCursor(&wait);
    LoadTopicInformation(doc_, first, store_, [this](const std::string& text) {
        SetCursor(nullptr);
        MessageBox(text, kName, MB_OK | MB_ICONSTOP);
    });
    SetCursor(nullptr);
    showTopicFields(-1);
    view_->Refill();
}

bool CMainFrame::EvCommand(int id, HWND control, int notifyCode) {
    if (contextHelp_ && id != CM_NAV_CONTEXTHELP) {
        // The command chosen in context-help mode is explained, not run.
        contextHelp_ = false;
        AppHelp(HELP_CONTEXT, kCommandHelpBase + uint32_t(id));
        return true;
    }
    switch (id) {
    case CM_NAV_ALWAYSONTOP:
        options_.AlwaysOnTop = !options_.AlwaysOnTop;
        ApplyAlwaysOnTop();
        return true;
    case CM_NAV_PREVIEWMODE:
        options_.PreviewMode = !options_.PreviewMode;
        view_->SetPreviewMode(options_.PreviewMode != 0);
        return true;
    case CM_NAV_SEARCH:
        if (setup_.showIds)
            AppHelp(HELP_PARTIALKEY, 0);
        else
            Help().WinHelpText(setup_.helpFile, HELP_PARTIALKEY, "");
        return true;
    case CM_NAV_HELPCONTENTS:
        AppHelp(HELP_FINDER, 0);
        return true;
    case CM_NAV_CONTEXTHELP:
        contextHelp_ = true;
        return true;
    case CM_NAV_ABOUT:
        CAboutDlg(this).Execute();
        return true;
    case CM_NAV_DRAGDROP:
        CDragDropDlg(this, options_, dialogHelp()).Execute();
        return true;
    case CM_NAV_SAVESETTINGS:
        SaveSettings();
        return true;
    case CM_NAV_SAVEONEXIT:
        options_.SaveSettingsOnExit = !options_.SaveSettingsOnExit;
        settings_.WriteSaveOnExit(settingsSection(), options_.SaveSettingsOnExit != 0);
        return true;
    case CM_NAV_FONT:
        fontCommand(this);
        return true;
    case CM_NAV_COLORS:
        colorsCommand(nullptr);
        return true;
    case CM_NAV_USERMODE:
        userModeOptions();
        return true;
    case CM_NAV_LINKTOHELP:
        linkCommand();
        return true;
    case CM_NAV_UPDATETOPICS:
        loadTopics(false);
        return true;
    case CM_NAV_PRINT:
        printCommand();
        return true;
    case CM_NAV_COPY:
        copyCommand();
        return true;
    case CM_NAV_EXIT:
        CloseWindow();
        return true;
    case CM_NAV_FILENEW:
        newCommand();
        return true;
    case CM_NAV_FILEOPEN:
        openCommand();
        return true;
    case CM_NAV_FILESAVE:
    case CM_NAV_FILESAVEAS:
        saveDocument(id == CM_NAV_FILESAVEAS);
        return true;
    default:
        return TDecoratedFrame::EvCommand(id, control, notifyCode);
    }
}

void CMainFrame::EvCommandEnable(TCommandEnabler& ce) {
    switch (ce.GetId()) {
    case CM_NAV_ALWAYSONTOP:
        ce.Enable();
        ce.SetCheck(options_.AlwaysOnTop ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
        return;
    case CM_NAV_PREVIEWMODE:
        ce.Enable();
        ce.SetCheck(options_.PreviewMode ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
        return;
    case CM_NAV_SAVEONEXIT:
        ce.Enable();
        ce.SetCheck(options_.SaveSettingsOnExit ? TCommandEnabler::Checked
                                                : TCommandEnabler::Unchecked);
        return;
    case CM_NAV_TOOLBAR:
    case CM_NAV_STATUSBAR:
    case CM_NAV_PROPERTIESBAR:
        ce.Enable();
        ce.SetCheck(IsDecorationVisible(ce.GetId()) ? TCommandEnabler::Checked
                                                    : TCommandEnabler::Unchecked);
        return;
    case CM_NAV_FILENEW:
    case CM_NAV_FILEOPEN:
    case CM_NAV_FILESAVE:
    case CM_NAV_FILESAVEAS:
        ce.Enable(setup_.author);
        return;
    case CM_NAV_PRINT:
    case CM_NAV_COPY:
        ce.Enable(doc_.IsValid(view_->SelectedTopic()));
        return;
    case CM_NAV_LINKTOHELP:
        ce.Enable(!doc_.HelpPath().empty());
        return;
    case CM_NAV_UPDATETOPICS:
        ce.Enable(!doc_.Values.HelpFileName.empty() &&
                  !EqualNoCase(doc_.Path(), settings_.AutoLoadPath()));
        return;
    case CM_NAV_SEARCH:
    case CM_NAV_HELPCONTENTS:
    case CM_NAV_CONTEXTHELP:
    case CM_NAV_ABOUT:
    case CM_NAV_DRAGDROP:
    case CM_NAV_SAVESETTINGS:
    case CM_NAV_FONT:
    case CM_NAV_COLORS:
    case CM_NAV_USERMODE:
    case CM_NAV_EXIT:
        ce.Enable();
        return;
    default:
        TDecoratedFrame::EvCommandEnable(ce);
    }
}
