#pragma once
// Notification codes that controls send to their parent in WM_COMMAND.
enum : int {
    BN_CLICKED = 0,
    EN_SETFOCUS = 0x0100,
    EN_KILLFOCUS = 0x0200,
    EN_CHANGE = 0x0300,
    LBN_SELCHANGE = 1,
    LBN_DBLCLK = 2,
    CBN_SELCHANGE = 1,
    CBN_DBLCLK = 2,
    CBN_EDITCHANGE = 5,
};

enum : uint32_t { BF_UNCHECKED = 0, BF_CHECKED = 1, BF_GRAYED = 2 };

// Scroll bar codes in the low word of WM_HSCROLL / WM_VSCROLL.
enum : uint32_t {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
    SB_LINELEFT = SB_LINEUP,
    SB_LINERIGHT = SB_LINEDOWN,
    SB_PAGELEFT = SB_PAGEUP,
    SB_PAGERIGHT = SB_PAGEDOWN,
    SB_LEFT = SB_TOP,
    SB_RIGHT = SB_BOTTOM,
};

// More notification codes.
enum : int {
    EN_UPDATE = 0x0400, // the text changed, before it is shown; EN_CHANGE follows
    CBN_DROPDOWN = 7,
    CBN_CLOSEUP = 8,
};

// The kinds of control that EvCtlColor is asked about.
enum : uint32_t {
    CTLCOLOR_MSGBOX = 0,
    CTLCOLOR_EDIT = 1,
    CTLCOLOR_LISTBOX = 2,
    CTLCOLOR_BTN = 3,
    CTLCOLOR_DLG = 4,
    CTLCOLOR_SCROLLBAR = 5,
    CTLCOLOR_STATIC = 6,
};
