#pragma once
// Private to the layer: the window a message box or standard dialog belongs
// to. The window manager keeps a dialog above its owner, so one without an
// owner can open hidden behind a window kept on top.
class QWidget;

namespace qt_detail {

// The active modal dialog, else the active window, else the visible
// top-level window kept on top, else the first visible top-level window.
QWidget* DialogOwner();

} // namespace qt_detail
