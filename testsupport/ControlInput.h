#pragma once
// Real input for control tests: Qt's test library sends mouse and key events
// to a window's widgets, so they take the path that a user's input takes
// (the window's messages, then the widget's own handling). And the picture
// of a window as the screen would show it.
#include "platform/base/Geometry.h"
#include "platform/gdi/Bitmap.h"

#include <cstdint>
#include <string_view>

class TEdit;
class TGadgetWindow;
class TWindow;

namespace testsupport {

enum class TMouseButton { Left, Right };
enum class TSpinArrow { Up, Down };

// At a point of the window's client area.
void MouseClick(TWindow& window, TPoint point, TMouseButton button = TMouseButton::Left);
// At a point of the window's client area, on whichever child lies on top
// there, as Qt routes a user's click (a label over a button takes it).
void MouseClickOnTop(TWindow& window, TPoint point);
void MousePress(TWindow& window, TPoint point);
void MouseRelease(TWindow& window, TPoint point);
// A virtual key pressed and released on the window, as by its focus.
void KeyClick(TWindow& window, uint32_t virtualKey);
void KeyClicks(TWindow& window, std::string_view text);
// An arrow of an edit made with ShowSpinArrows.
void ClickSpinArrow(TEdit& edit, TSpinArrow arrow);
// A click on the tool bar button of that command; false when it has none.
bool ClickGadget(TGadgetWindow& bar, int commandId);
// Whether the button of that command shows itself pressed.
bool GadgetShownPressed(TGadgetWindow& bar, int commandId);
// Makes the window's top-level window the active one, so that it can hold the focus.
bool Activate(TWindow& window);
// The window with its children, rendered.
TBitmap Grab(TWindow& window);

} // namespace testsupport
