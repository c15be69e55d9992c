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
