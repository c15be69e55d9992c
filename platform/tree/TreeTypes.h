#pragma once
// Columns, notification codes and the drag record of the tree control.
#include "platform/base/Color.h"
#include "platform/base/Geometry.h"
#include "platform/window/Cursor.h"
#include "platform/window/Messages.h"

#include <string>

struct TTreeColumn {
    int32_t width = -1; // pixels; -1 = the remaining width
    enum TAlign { Left = 0, Center = 1, Right = 2 } align = Left;
    std::string title;
};

// What the control reports to its parent in WM_COMMAND (control id, code).
enum TTreeNotify : int {
    TN_SELCHANGE = 0x05,
    TN_DRAGOVER = 0x08,
    TN_DRAGOVERTARGET = 0x09,
    TN_DROP = 0x0A,
    TN_DRAGCANCEL = 0x0B,
    TN_EDITCANCEL = 0x0E,
    TN_EDITEND = 0x0F,
    TN_EXPANDBUTTON = 0x21,
    TN_CELLCLICK = 0x24,
    TN_HEADINGCLICK = 0x25,
    TN_EXPANDKEY = 0x2B,
    TN_CELLACTIVATE = 0x2D,
    TN_ROWACTIVATE = 0x30,
    TN_RIGHTCLICK = 0x4B,
};

// The drag in progress, owned by the control the drag started in. The
// parent may supply the cursor while it handles a drag notification.
struct TTreeDragInfo {
    bool active = false;
    TPoint screen;
    HWND windowUnderCursor = 0;
    int itemUnderCursor = -1; // row of that window, -1 = none
    bool copy = false;
    bool supplyCursor = false;
    TCursor::TShape cursor = TCursor::DragMove;
    bool dropAllowed = true;
};

struct TTreeCellColors {
    TColor background = TColor::White;
    TColor text = TColor::Black;
};
