#pragma once
// Owner-drawn controls: a button, or the items of a list or combo box, that
// the program measures and paints itself through a TDC. The layer hands the
// records to the control's MeasureItem and DrawItem (TControl), as the parent
// would pass on WM_MEASUREITEM and WM_DRAWITEM.
#include "platform/base/Geometry.h"
#include "platform/window/Messages.h"

class TDC;

// How a control's items are drawn; set before the control is created.
enum class TOwnerDraw {
    None,
    Fixed,    // one height for all items, measured once
    Variable, // each item measured on its own (list and combo boxes)
};

enum : uint32_t { ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4 };

// Qt repaints whole items, so every paint is ODA_DRAWENTIRE with the item's
// state; a change of focus or selection repaints the item.
enum : uint32_t { ODA_DRAWENTIRE = 0x1, ODA_SELECT = 0x2, ODA_FOCUS = 0x4 };

enum : uint32_t {
    ODS_SELECTED = 0x0001,
    ODS_GRAYED = 0x0002,
    ODS_DISABLED = 0x0004,
    ODS_CHECKED = 0x0008,
    ODS_FOCUS = 0x0010,
    ODS_COMBOBOXEDIT = 0x1000, // the selection field of a combo box
};

struct MEASUREITEMSTRUCT {
    uint32_t CtlType = 0;
    uint32_t CtlID = 0;
    int32_t itemID = -1;
    uint32_t itemWidth = 0;
    uint32_t itemHeight = 0; // the control's default; the owner sets its own
};

struct DRAWITEMSTRUCT {
    uint32_t CtlType = 0;
    uint32_t CtlID = 0;
    int32_t itemID = -1; // -1: an empty list or selection field
    uint32_t itemAction = ODA_DRAWENTIRE;
    uint32_t itemState = 0;
    HWND hwndItem = 0;
    TDC* dc = nullptr; // valid only during the call
    TRect rcItem;
};
