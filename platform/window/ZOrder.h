#pragma once
// SetWindowPos for the Z order only.
class TWindow;

// The window comes directly behind its sibling after (null: first), which is
// also its place in the Tab order; position, size and activation stay. A
// window without parent, or an after of another parent, changes nothing.
void SetZOrderAfter(TWindow& window, TWindow* after);
