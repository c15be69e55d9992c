#pragma once
// The exports of the help link library: the viewer side (loaded by the help
// viewer through RegisterRoutine) and the navigator side (linked by
// lmbpilot32). Results: 1 success, 0 failure. Windows are message ports
// (platform/ipc/MessagePort.h); heap pointers cross processes as 32-bit
// link addresses (lmbLinkAddress, lmbLinkPointer, lmbRebasePointer).
#include <cstdint>

extern "C" {
// Shared heap.
void* lmbAlloc(int32_t size);
int32_t lmbFree(void* p);
// Translates the link address at pp, made in the other process of the
// caller's link, into the caller's own.
int32_t lmbRebasePointer(uint32_t* pp);
uint32_t lmbLinkAddress(const void* p);
void* lmbLinkPointer(uint32_t address);

// Viewer side.
int32_t LDLLHandler(uint16_t code, int32_t value1, int32_t value2);
int32_t lmbInitWinHelp32();
int32_t lmbInitWinHelp();
int32_t lmbLoadNavigator(int32_t show);
int32_t lmbParentTopic();
int32_t lmbParentButton(const char* id);
int32_t lmbPrintRange(int32_t from, int32_t to);
int32_t lmbNavCommand(int32_t id);
int32_t lmbGetHwnd();
// The navigator's tab page for the viewer's window; 0 without a linked navigator.
int32_t OpenTabDialog(int32_t viewer, int32_t, int32_t);

// Navigator side.
const char* lmbGetLinkVersion();
int32_t lmbInitLinkApp(int32_t linkWindow, const char* helpFile, int32_t option, int32_t method,
                       const char* startMacro);
void lmbQuitLinkApp();
int32_t lmbHelpCommand(const char* helpFile, const char* macro);
int32_t lmbHelpContents(const char* helpFile);
int32_t lmbLGetInfo(uint16_t item, int32_t window);
void lmbHelpYield();
int32_t lmbPeekMessageLoop();
int32_t lmbSetPrintCancelHwnd(int32_t window);
int32_t lmbSetHook();
int32_t lmbUnhook();
int32_t lmbCBTProc(int32_t code, uint32_t wParam, int32_t lParam);
// In place of SetWindowPos and ShowWindow on the viewer's window, which is
// another program's: LMB_VIEWER_RAISE puts it to the front without the
// activation, LMB_VIEWER_HIDE hides it, LMB_VIEWER_ONTOP asks whether it
// keeps on top. 1 done (or on top), 0 not (or no viewer).
int32_t lmbViewerWindow(int32_t request);
}

enum : int32_t { LMB_VIEWER_RAISE = 0, LMB_VIEWER_HIDE = 1, LMB_VIEWER_ONTOP = 2 };

// Messages to the navigator's link window.
enum : uint32_t {
    LMB_SHOW = 0x8000,
    LMB_PARENTTOPIC = 0x8001,
    LMB_PARENTBUTTON = 0x8002,
    LMB_PRINTRANGE = 0x8003,
    LMB_FILLTREE = 0x8004,
    LMB_ITEMMACRO = 0x8005,
    LMB_PRINT = 0x8006,
    LMB_NOTICE = 0x8007, // + the viewer's notice code
};

// Messages to the hidden window in the viewer's process.
enum : uint32_t {
    LMB_YIELD = 0x0400,
    LMB_GETINFO = 0x040F,
    LMB_HELPAPI = 0x0410,
    LMB_PASSIVE = 0x0411,      // wParam 1: stay passive, 0: as before (in place of the window hook)
    LMB_VIEWERWINDOW = 0x0412, // wParam: one of the ViewerWindowRequest values
    LMB_FREEBLOCK = 0x8000,
};
