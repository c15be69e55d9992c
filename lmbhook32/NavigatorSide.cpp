// The navigator's side of the link: linking to a help file (starting the
// viewer when needed), requests to the viewer, and the end of the link.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/LinkStart.h"
#include "lmbhook32/lmbhook32.h"
#include "platform/ipc/MessagePort.h"
#include "platform/ipc/NamedMutex.h"
#include "platform/services/Services.h"

#include <cstring>
#include <filesystem>
#include <string>

using namespace link_layout;

namespace {

int navigatorRecord() {
    return LinkProcess::Get().OwnRecord(kNavigatorPid);
}

// The viewer's hidden window, restarting the viewer with the stored
// arguments when it is gone; 0 when that fails.
int32_t hiddenWindow() {
    int r = navigatorRecord();
    if (r < 0) return 0;
    LinkSection& s = LinkProcess::Get().Section();
    if (!s.Field(r, kHiddenWindow)) {
        const std::string file = s.Text(r, kHelpFile);
        lmbInitLinkApp(int32_t(s.Field(r, kLinkWindow)), file.c_str(), int32_t(s.Field(r, kOption)),
                       int32_t(s.Field(r, kMethod)), nullptr);
        r = navigatorRecord();
        if (r < 0) return 0;
    }
    return int32_t(s.Field(r, kHiddenWindow));
}

// Sends a help command with the texts in one heap block.
int32_t helpApi(uint32_t command, const char* file, const char* macro) {
    const int32_t hidden = hiddenWindow();
    if (!hidden) return 0;
    const std::string f = file ? file : "";
    const std::string m = macro ? macro : "";
    const size_t size = f.size() + 1 + (command == HELP_COMMAND ? m.size() + 1 : 0);
    auto* block = static_cast<char*>(lmbAlloc(int32_t(size)));
    if (!block) return 0;
    std::memcpy(block, f.c_str(), f.size() + 1);
    if (command == HELP_COMMAND) std::memcpy(block + f.size() + 1, m.c_str(), m.size() + 1);
    const int32_t result =
        SendPortMessage(hidden, LMB_HELPAPI, command, int32_t(lmbLinkAddress(block))).value_or(0);
    lmbFree(block);
    return result;
}

} // namespace

bool LinkedViewerGone() {
    auto& p = LinkProcess::Get();
    if (!p.Ready()) return false;
    LinkSection& s = p.Section();
    MutexLock lock(p.Mutex());
    if (!lock.Taken()) return false;
    // No record: the link was let go (its end may have come while the
    // navigator was still starting).
    const int r = s.FindLinkByNavigator(LinkProcess::Pid());
    if (r < 0) return true;
    // 0: a clean-up found the viewer dead before us, or it let go of the link.
    const int32_t viewer = int32_t(s.Field(r, kViewerPid));
    return viewer == 0 || (viewer > kPlaceholder && !ProcessAlive(viewer));
}

const char* lmbGetLinkVersion() {
    static const std::string version = "3.0";
    return version.c_str();
}

int32_t lmbInitLinkApp(int32_t linkWindow, const char* helpFile, int32_t option, int32_t method,
                       const char* startMacro) {
    auto& p = LinkProcess::Get();
    if (option > 1 || !p.Ready()) return 0;
    LinkSection& s = p.Section();
    int r = -1;
    {
        MutexLock lock(p.Mutex());
        if (!lock.Taken()) return 0;
        s.ReclaimDead(&ProcessAlive);
        r = s.FindLinkByNavigator(LinkProcess::Pid());
        if (r < 0) r = s.FindLinkByNavigator(kPlaceholder);
        if (r < 0) r = s.NewLinkRecord();
        if (r < 0) return 0;
        s.SetField(r, kNavigatorPid, uint32_t(LinkProcess::Pid()));
        s.SetField(r, kLinkWindow, uint32_t(linkWindow));
        s.SetText(r, kHelpFile, helpFile ? helpFile : "");
        s.SetField(r, kOption, uint32_t(option));
        s.SetField(r, kMethod, uint32_t(method));
        s.SetField(r, kNavigatorBase, s.SectionBase());
        if (s.Field(r, kViewerPid) != 0) return 1;
        s.SetField(r, kViewerPid, kPlaceholder);
    }
    const std::string file = s.Text(r, kHelpFile);
    if (method == 0)
        return StartAndAwaitClaim(ProgramFolder() + "/hilfeansicht", {file}, r, kViewerPid) ? 1 : 0;

    if (startMacro) s.SetText(r, kStartMacro, startMacro);
    if (!Help().WinHelpText(file, HELP_COMMAND, s.Text(r, kStartMacro))) {
        MutexLock lock(p.Mutex());
        if (int32_t(s.Field(r, kViewerPid)) == kPlaceholder) s.SetField(r, kViewerPid, 0);
        return 0;
    }
    const auto claimed = [&] { return int32_t(s.Field(r, kViewerPid)) != kPlaceholder; };
    lmbPeekMessageLoop();
    if (WaitForPortCondition(claimed, 2000)) return 1;
    // The help file does not load the library itself: ask the viewer to.
    const std::string macro =
        "RegisterRoutine(\"" + LibraryFile() + "\",\"lmbInitWinHelp32\",\"\");lmbInitWinHelp32()";
    Help().WinHelpText(file, HELP_COMMAND, macro);
    lmbPeekMessageLoop();
    return 1;
}

void lmbQuitLinkApp() {
    auto& p = LinkProcess::Get();
    const int r = navigatorRecord();
    if (r < 0) return;
    LinkSection& s = p.Section();
    MutexLock lock(p.Mutex());
    if (int32_t(s.Field(r, kViewerPid)) > kPlaceholder) {
        s.SetField(r, kNavigatorPid, 0);
        s.SetField(r, kLinkWindow, 0);
    } else {
        if (s.Field(r, kViewerPid) == uint32_t(LinkProcess::Pid())) p.DestroyHiddenWindow();
        s.DropLinkRecord(r);
    }
}

int32_t lmbHelpCommand(const char* helpFile, const char* macro) {
    return helpApi(HELP_COMMAND, helpFile, macro);
}

int32_t lmbHelpContents(const char* helpFile) {
    return helpApi(HELP_CONTENTS, helpFile, nullptr);
}

int32_t lmbLGetInfo(uint16_t item, int32_t window) {
    const int32_t hidden = hiddenWindow();
    return hidden ? SendPortMessage(hidden, LMB_GETINFO, item, window).value_or(0) : 0;
}

int32_t lmbViewerWindow(int32_t request) {
    const int32_t hidden = hiddenWindow();
    return hidden ? SendPortMessage(hidden, LMB_VIEWERWINDOW, uint32_t(request), 0).value_or(0) : 0;
}

void lmbHelpYield() {
    const int r = navigatorRecord();
    if (r < 0) return;
    if (const int32_t hidden = int32_t(LinkProcess::Get().Section().Field(r, kHiddenWindow)))
        SendPortMessage(hidden, LMB_YIELD, 0, 0);
}

int32_t lmbPeekMessageLoop() {
    return PumpPortMessagesUntilQuit(LMB_SHOW, LMB_NOTICE + 10) ? 1 : 0;
}

int32_t lmbSetPrintCancelHwnd(int32_t window) {
    const int r = navigatorRecord();
    if (r < 0) return 0;
    LinkProcess::Get().Section().SetField(r, kPrintCancel, uint32_t(window));
    return 1;
}

// In place of a window hook on the viewer's thread, the viewer is asked to
// stay passive (no activation, no coming to the front) while hooked.
int32_t lmbSetHook() {
    auto& p = LinkProcess::Get();
    if (!p.Ready()) return 0;
    LinkSection& s = p.Section();
    s.Set(kRefused, 0);
    s.Set(kCalls, 0);
    if (s.Get(kHook) != 0) return 0;
    const int32_t window = lmbLGetInfo(2, 0);
    if (!window) return 0;
    s.Set(kViewerWindow, uint32_t(window));
    const int32_t hidden = hiddenWindow();
    if (!hidden || SendPortMessage(hidden, LMB_PASSIVE, 1, 0).value_or(0) != 1) return 0;
    s.Set(kHook, 1);
    return 1;
}

int32_t lmbUnhook() {
    auto& p = LinkProcess::Get();
    if (!p.Ready() || p.Section().Get(kHook) == 0) return 0;
    if (const int32_t hidden = hiddenWindow()) SendPortMessage(hidden, LMB_PASSIVE, 0, 0);
    p.Section().Set(kHook, 0);
    return 1;
}

int32_t lmbCBTProc(int32_t code, uint32_t wParam, int32_t) {
    auto& p = LinkProcess::Get();
    if (!p.Ready()) return 0;
    LinkSection& s = p.Section();
    s.Set(kCalls, s.Get(kCalls) + 1);
    if (code < 0) return 0;
    // Move or size (0), activate (5) and set focus (9) of the viewer are refused.
    if (code != 0 && code != 5 && code != 9) return 0;
    const int32_t refused = wParam == s.Get(kViewerWindow) ? 1 : 0;
    s.Set(kRefused, s.Get(kRefused) + uint32_t(refused));
    return refused;
}
