#pragma once
// Window messages with the Windows numbers and meanings the program relies on.
// A window handle is a small integer that names a live TWindow, so that
// handles fit into message parameters.
#include "platform/base/Geometry.h"
#include "platform/base/Types.h"

class TWindow;

using HWND = int32_t;
using TResult = int32_t;

struct MSG {
    HWND hwnd = 0;
    uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    TPoint pt; // cursor position in screen coordinates
};

enum : uint32_t {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_WININICHANGE = 0x001A,
    WM_CANCELMODE = 0x001F,
    WM_GETMINMAXINFO = 0x0024,
    WM_NEXTDLGCTL = 0x0028,
    WM_NCMOUSEMOVE = 0x00A0,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_INITMENU = 0x0116,
    WM_ENTERIDLE = 0x0121,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MOUSEWHEEL = 0x020A,
    WM_MDIACTIVATE = 0x0222,
    WM_CUT = 0x0300,
    WM_COPY = 0x0301,
    WM_PASTE = 0x0302,
    WM_CLEAR = 0x0303,
    WM_UNDO = 0x0304,
    WM_DROPFILES = 0x0233,
    WM_USER = 0x0400,
};

// Virtual key codes.
enum : uint32_t {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
    VK_SCROLL = 0x91,
    VK_F2 = 0x71,
    VK_F4 = 0x73, // Ctrl+F4 closes the active MDI child
    // The diagram windows and the data sheets page with these.
    VK_F6 = 0x75,
    VK_F7 = 0x76,
};

// Mouse message key flags.
enum : uint32_t { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8 };

// Show commands.
enum : int {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
    SW_SHOW = 5,
    SW_MINIMIZE = 6,
    SW_SHOWMINNOACTIVE = 7,
    SW_RESTORE = 9,
};

enum : uint32_t { MSGF_DIALOGBOX = 0, MSGF_MENU = 2 };

// Window styles that the layer honours: a frame with WS_POPUP is a window
// without caption and border, unless WS_CAPTION gives it a title bar (with a
// close box under WS_SYSMENU); WS_VISIBLE shows a top-level window once made.
enum : uint32_t {
    WS_POPUP = 0x80000000,
    WS_VISIBLE = 0x10000000,
    WS_CAPTION = 0x00C00000,
    WS_SYSMENU = 0x00080000,
};

// WM_SYSCOMMAND: Alt+letter that no control of the dialog took (lParam: the
// character, upper case).
enum : uint32_t { SC_KEYMENU = 0xF100 };
// A window's own scroll bars.
enum : int { SB_HORZ = 0, SB_VERT = 1, SB_BOTH = 3 };

constexpr uint16_t LOWORD(uint32_t v) {
    return uint16_t(v & 0xFFFF);
}
constexpr uint16_t HIWORD(uint32_t v) {
    return uint16_t(v >> 16);
}
constexpr uint32_t MAKELONG(uint16_t lo, uint16_t hi) {
    return uint32_t(lo) | (uint32_t(hi) << 16);
}
constexpr LPARAM MAKELPARAM(uint16_t lo, uint16_t hi) {
    return LPARAM(MAKELONG(lo, hi));
}
constexpr WPARAM MAKEWPARAM(uint16_t lo, uint16_t hi) {
    return WPARAM(MAKELONG(lo, hi));
}
