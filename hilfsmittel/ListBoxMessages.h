#pragma once
// Private messages of the drag-and-drop list boxes to their parent window.
#include <cstdint>

enum : uint32_t {
    // An entry was moved (wParam 1) or copied (2); lParam: low word the
    // entry's old index, high word the drop row.
    WM_LISTE_VERSCHOBEN = 0x0900,
    // An entry of the source list was dropped on the target list; wParam 1,
    // lParam: low word the source's selection, high word the drop index.
    WM_LISTE_ABGELEGT = 0x0901,
    // A click changed the selection.
    WM_LISTE_AUSWAHL = 0x0902,
};
