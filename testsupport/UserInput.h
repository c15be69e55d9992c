#pragma once
// Real input events for tests: mouse buttons and keys as Qt delivers them to a
// window's widget, so that the whole path from the event to the window's
// notifications runs. Points are client coordinates of the window.
#include "platform/base/Geometry.h"

#include <cstdint>
#include <functional>
#include <string_view>

class TWindow;
class QWidget;

namespace testsupport {

// With MK_SHIFT and MK_CONTROL: Alt held with a key (as Windows' MK_ALT).
constexpr uint32_t MK_ALT = 0x20;

// modKeys: MK_SHIFT, MK_CONTROL, and for keys MK_ALT.
void LeftClick(TWindow& window, TPoint point, uint32_t modKeys = 0);
void RightClick(TWindow& window, TPoint point);
// A real double click of the left button: press, release, double click, release.
void DoubleClick(TWindow& window, TPoint point);
// Presses the left button at `from`, moves in steps to `to` with the button
// held (MK_CONTROL held throughout for a copying drag) and releases it there.
void Drag(TWindow& window, TPoint from, TPoint to, uint32_t modKeys = 0);
// The mouse moved to the point with no button held.
void MoveMouse(TWindow& window, TPoint point);
// Whether the window's client area shows the hand cursor (Qt's pointing hand).
bool ShowsHandCursor(TWindow& window);
// A virtual key (VK_DOWN, VK_RETURN, 'A') pressed and released on the
// window's focus widget, or on the window when nothing in it has the focus.
void PressKey(TWindow& window, uint32_t virtualKey, uint32_t modKeys = 0);
// Types text into the window's focus widget.
void TypeText(TWindow& window, const char* text);
// Types text into a widget of its own, such as the real service dialogs' edits.
void TypeText(QWidget* widget, const char* text);
// Presses the left button at `from` in the window, moves with it held (and
// modKeys: MK_CONTROL) to `to` in the window `over`, and releases it there.
void DragTo(TWindow& window, TPoint from, TWindow& over, TPoint to, uint32_t modKeys = 0);
// Drags the right border of a column heading of a list or tree by dx pixels.
void DragColumnBorder(TWindow& window, int column, int dx);
// Sends a focus-in event to the window's widget at each call, for as long as
// Qt has not deleted that widget: also after the window itself is gone.
std::function<void()> FocusInSender(TWindow& window);
// The close box of a top-level window, as the window manager answers a click
// on it: the close arrives once events are processed; false when its title
// bar shows no close box.
bool CloseByTitleBarBox(TWindow& window);
// Whether the window's own scroll bar (SB_HORZ, SB_VERT) is on screen.
bool ScrollBarShown(TWindow& window, int bar);
// A click on the arrow at the bar's far end (down or right); false when the
// bar is not shown.
bool ClickScrollBarArrow(TWindow& window, int bar);
// Where the window's own scroll bar shows its thumb, as a position of its range.
int ScrollBarThumb(TWindow& window, int bar);
// A right click on the window's own scroll bar, `percent` of its length from
// its start, and a click on that entry of the menu the bar brings up; false
// when the bar is not shown or the entry was not chosen.
bool ChooseInScrollBarMenu(TWindow& window, int bar, int percent, std::string_view entry);
// The mouse wheel turned over the window at the point: 120 a notch, negative
// towards the user.
void Wheel(TWindow& window, TPoint point, int delta);
// Writes what the window shows to a PNG file.
bool SaveWindowPicture(TWindow& window, const char* path);
// The longest time between the clicks of a double click, in milliseconds.
int DoubleClickTime();
// The Qt key of a virtual key (the layer's own mapping, read backwards); 0
// when there is none.
int QtKeyOf(uint32_t virtualKey);
// From now on counts the paints that reach the window's client area: the
// returned function gives the count so far (0 once Qt deleted the widget).
std::function<int()> CountPaints(TWindow& window);
// Lets the posted and deferred work run; waits ms milliseconds for timers.
void ProcessEvents(int ms = 0);

} // namespace testsupport
