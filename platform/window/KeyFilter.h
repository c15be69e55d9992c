#pragma once
// A filter that sees every key of the program before the window with the
// focus does, while the window that installed it is open: the stand-in for a
// thread keyboard hook. The newest filter is asked first.
#include "platform/window/Messages.h"

#include <functional>

// key.message is WM_KEYDOWN or WM_KEYUP, key.wParam the virtual key, key.hwnd
// the window with the focus; IsKeyDown already answers the new state of the
// key and of Shift, Control and Alt. True swallows the key.
using TKeyFilter = std::function<bool(const MSG& key)>;

// An id for RemoveKeyFilter; 0 when the window is not made. The window's
// filters go when it is destroyed.
int InstallKeyFilter(TWindow& owner, TKeyFilter filter);
void RemoveKeyFilter(int id);
