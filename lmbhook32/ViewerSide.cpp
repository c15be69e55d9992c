// The viewer's side of the link: the notices of the help viewer, the help
// macros that a help file registers, and the hidden window that answers the
// navigator's requests.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/LinkStart.h"
#include "lmbhook32/lmbhook32.h"
#include "platform/ipc/MessagePort.h"
#include "platform/ipc/NamedMutex.h"
#include "platform/profile/RegistryStore.h"
#include "platform/services/HelpViewer.h"
#include "platform/services/HelpViewerLink.h"
#include "platform/services/Services.h"
#include "platform/window/Messages.h"

#include <cstring>
#include <filesystem>

using namespace link_layout;

namespace {

int viewerRecord() {
    return LinkProcess::Get().OwnRecord(kViewerPid);
}

// The navigator's link window when a navigator is linked, else 0.
int32_t linkedNavigator(int r) {
    if (r < 0) return 0;
    auto& s = LinkProcess::Get().Section();
    return int32_t(s.Field(r, kNavigatorPid)) > kPlaceholder ? int32_t(s.Field(r, kLinkWindow)) : 0;
}

std::string currentHelpFile(uint32_t viewer) {
    const auto& table = HelpViewerCallbackTable();
    const size_t n = table.CurrentFile(viewer, nullptr, 0);
    std::string path(n, '\0');
    if (n) table.CurrentFile(viewer, path.data(), n + 1);
    return path;
}

// A heap copy of a text; 0 when no block was free.
uint32_t heapCopy(const std::string& text) {
    void* block = lmbAlloc(int32_t(text.size() + 1));
    if (!block) return 0;
    std::memcpy(block, text.c_str(), text.size() + 1);
    return lmbLinkAddress(block);
}

} // namespace

int32_t LDLLHandler(uint16_t code, int32_t value1, int32_t value2) {
    auto& p = LinkProcess::Get();
    if (!p.Ready()) return 0;
    LinkSection& s = p.Section();
    if (code == HELP_NOTICE_CLASSES) return 31;
    if (code == HELP_NOTICE_INIT) {
        MutexLock lock(p.Mutex());
        s.ReclaimDead(&ProcessAlive);
        int r = s.FindLinkByViewer(LinkProcess::Pid());
        if (r < 0) r = s.FindLinkByViewer(kPlaceholder);
        if (r < 0) r = s.NewLinkRecord();
        if (r < 0) return 0;
        s.SetField(r, kViewerPid, uint32_t(LinkProcess::Pid()));
        s.SetField(r, kViewerBase, s.SectionBase());
        return 1;
    }
    const int r = viewerRecord();
    if (r < 0) return 0;
    if (const int32_t link = int32_t(s.Field(r, kLinkWindow))) {
        uint32_t first = uint32_t(value1);
        if (code == HELP_NOTICE_FILE && value1)
            first = heapCopy(currentHelpFile(s.Field(r, kCallbacks)));
        PostPortMessage(link, LMB_NOTICE + code, first, value2);
    }
    if (code == HELP_NOTICE_TERM) {
        MutexLock lock(p.Mutex());
        if (s.Field(r, kNavigatorPid) != 0) {
            s.SetField(r, kViewerPid, 0);
            s.SetField(r, kHiddenWindow, 0);
        } else {
            s.DropLinkRecord(r);
        }
        p.DestroyHiddenWindow();
    }
    if (code == HELP_NOTICE_CALLBACKS) {
        s.SetField(r, kCallbacks, uint32_t(value1));
        HelpViewerCallbackTable().GetInfo(uint32_t(value1), HELP_INFO_VERSION, 0);
        if (!p.MakeHiddenWindow()) return 0;
        s.SetField(r, kHiddenWindow, uint32_t(p.HiddenWindow()));
    }
    return 1;
}

int32_t lmbInitWinHelp32() {
    return 0;
}
int32_t lmbInitWinHelp() {
    return 0;
}

int32_t lmbLoadNavigator(int32_t show) {
    auto& p = LinkProcess::Get();
    const int r = viewerRecord();
    if (r < 0) return 0;
    LinkSection& s = p.Section();
    if (s.Field(r, kNavigatorPid) != 0) {
        if (const int32_t link = linkedNavigator(r); link && show)
            SendPortMessage(link, LMB_SHOW, 0, 0);
        return 0;
    }
    std::string folder =
        RegistryStore()
            .GetValue("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\Help", "lmbpilot32.exe")
            .value_or(ProgramFolder());
    std::string file = currentHelpFile(s.Field(r, kCallbacks));
    if (file.empty()) return 0;
    const size_t dot = file.rfind('.');
    file = (dot == std::string::npos ? file + "." : file.substr(0, dot + 1)) + "ltp";
    // Without its navigator file a navigator would only report that, from a
    // process the reader may not even see.
    if (!std::filesystem::exists(file)) return 0;
    std::vector<std::string> args;
    if (!show) args.push_back("/h");
    args.push_back(file);
    {
        MutexLock lock(p.Mutex());
        s.SetField(r, kNavigatorPid, kPlaceholder);
    }
    return StartAndAwaitClaim((std::filesystem::path(folder) / "lmbpilot32").string(), args, r,
                              kNavigatorPid)
               ? 1
               : 0;
}

int32_t lmbParentTopic() {
    const int32_t link = linkedNavigator(viewerRecord());
    if (!link) return 0;
    SendPortMessage(link, LMB_PARENTTOPIC, 0, 0);
    return 1;
}

int32_t lmbParentButton(const char* id) {
    const int32_t link = linkedNavigator(viewerRecord());
    if (!link) return 0;
    const uint32_t block = heapCopy(id ? id : "");
    if (!block) return 0;
    SendPortMessage(link, LMB_PARENTBUTTON, block, 0);
    lmbFree(lmbLinkPointer(block));
    return 1;
}

int32_t lmbPrintRange(int32_t from, int32_t to) {
    const int32_t link = linkedNavigator(viewerRecord());
    if (link) PostPortMessage(link, LMB_PRINTRANGE, uint32_t(from), to);
    return link ? 1 : 0;
}

int32_t lmbGetHwnd() {
    return linkedNavigator(viewerRecord());
}

int32_t lmbNavCommand(int32_t id) {
    const int32_t link = linkedNavigator(viewerRecord());
    return link && PostPortMessage(link, WM_COMMAND, uint32_t(id), 0) ? 1 : 0;
}

int32_t HiddenWindowProc(uint32_t msg, uint32_t wParam, int32_t lParam) {
    if (msg < LMB_YIELD) return 0;
    const int r = viewerRecord();
    if (r < 0) return 0;
    LinkSection& s = LinkProcess::Get().Section();
    const uint32_t viewer = s.Field(r, kCallbacks);
    const auto& table = HelpViewerCallbackTable();
    switch (msg) {
    case LMB_YIELD:
        PumpPortMessages();
        return 0;
    case LMB_GETINFO:
        return int32_t(table.GetInfo(viewer, uint16_t(wParam), uint32_t(lParam)));
    case LMB_HELPAPI: {
        uint32_t address = uint32_t(lParam);
        std::string file, macro;
        if (!lmbRebasePointer(&address) || !s.HeapText(address, file)) return 0;
        if (wParam == HELP_COMMAND && !s.HeapText(address + uint32_t(file.size()) + 1, macro))
            return 0;
        return int32_t(table.HelpApi(viewer, file.c_str(), wParam,
                                     wParam == HELP_COMMAND ? macro.c_str() : nullptr));
    }
    case LMB_PASSIVE:
        if (HelpViewer* v = HelpViewer::FromHandle(viewer)) {
            v->SetPassive(wParam != 0);
            return 1;
        }
        return 0;
    case LMB_VIEWERWINDOW: {
        HelpViewer* v = HelpViewer::FromHandle(viewer);
        if (!v) return 0;
        if (wParam == LMB_VIEWER_ONTOP) return v->IsOnTop() ? 1 : 0;
        if (wParam == LMB_VIEWER_HIDE)
            v->HideWindow();
        else
            v->RaiseWindow();
        return 1;
    }
    case LMB_FREEBLOCK:
        return lmbFree(lmbLinkPointer(wParam));
    default:
        return 0;
    }
}
