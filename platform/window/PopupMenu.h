#pragma once
// A popup menu at the cursor: the owner's enablers decide which items are
// available, the chosen command is posted to the owner.
#include "platform/base/Geometry.h"

class TMenu;
class TWindow;

class PopupMenuService {
public:
    virtual ~PopupMenuService() = default;
    // The chosen command id, 0 when the menu was left without a choice.
    virtual int Track(const TMenu& menu, TPoint screenPoint) = 0;
};

// Returns the chosen id (0 for none) after posting it to the owner.
int TrackPopupMenu(TMenu& menu, TPoint screenPoint, TWindow& owner);
