#pragma once
// Columns, notification codes and the drag record of the tree control.
#include "platform/base/Color.h"
#include "platform/base/Geometry.h"
#include "platform/window/Cursor.h"
#include "platform/window/Messages.h"

#include <memory>
#include <string>
#include <vector>

class TValidator;

struct TTreeColumn {
    int32_t width = -1; // pixels; -1 = the remaining width
    enum TAlign { Left = 0, Center = 1, Right = 2 } align = Left;
    std::string title;
};

// What the control reports to its parent in WM_COMMAND (control id, code).
// The click codes depend on the control's TTreeClickCodes.
enum TTreeNotify : int {
    TN_SETFOCUS = 0x03,
    TN_SELCHANGE = 0x05,
    TN_DRAGOVER = 0x08,
    TN_DRAGOVERTARGET = 0x09,
    TN_DROP = 0x0A,
    TN_DRAGCANCEL = 0x0B,
    TN_EDITCANCEL = 0x0E,
    TN_EDITEND = 0x0F,
    TN_EXPANDBUTTON = 0x21,
    TN_CELLCLICK = 0x24,    // CellClicks: a click on a cell
    TN_CELLDBLCLICK = 0x24, // DoubleClicks: a double click on a cell
    TN_HEADINGCLICK = 0x25,
    TN_EXPANDKEY = 0x2B,
    TN_CELLACTIVATE = 0x2D,
    TN_ROWACTIVATE = 0x30, // CellClicks: a double click
    TN_RIGHTCLICK = 0x4B,
};

// How clicks are reported. CellClicks: a click reports TN_CELLCLICK, a double
// click TN_ROWACTIVATE (or toggles a row with children). DoubleClicks, as the
// project dialog's trees are configured: a click reports only the selection
// or TN_CELLACTIVATE, a double click reports TN_CELLDBLCLICK on every row.
enum class TTreeClickCodes { CellClicks, DoubleClicks };

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
    bool operator==(const TTreeCellColors&) const = default;
};

// The form of an in-place editor over a cell.
struct TTreeEditorStyle {
    enum TKind { SingleLine, MultiLine, DropDown } kind = SingleLine;
    unsigned textLimit = 0; // counts the terminating zero, as an edit's buffer (0: none)
    bool readOnly = false;
    std::vector<std::string> choices; // DropDown: the list to pick from
    // Checks the typing and, when the edit ends, the whole text.
    std::shared_ptr<TValidator> validator;
    bool openList = false; // DropDown: the list opens with the editor
};
