#pragma once
// SetWindowPos for the Z order only.
class TWindow;

// The window comes directly behind its sibling after (null: first), which is
// also its place in the Tab order; position, size and activation stay. A
// window without parent, or an after of another parent, changes nothing.
void SetZOrderAfter(TWindow& window, TWindow* after);

// Puts a top-level window into the top-most band (it stays above the
// windows outside the band) or takes it out; position, size, visibility
// and activation stay.
void SetTopMost(TWindow& window, bool topMost);
bool IsTopMost(const TWindow& window);

// SetForegroundWindow: a top-level window comes to the front and takes the
// activation (the window manager may refuse it to a program in the
// background).
void SetForegroundWindow(TWindow& window);

// A top-level window to the front of its band, without the activation.
void RaiseWindow(TWindow& window);
