#pragma once
// Qt paints from inside its repaint machinery. A modal loop started there
// (a message box raised by drawing code) lets further paints of the same
// window run while the first painter still draws on the window's buffer, and
// the program dies when that painter goes on. Work that needs a modal loop
// therefore waits until the paint is over.
#include <functional>

// Marks a paint of a window or an owner-drawn item while it lives.
class PaintScope {
public:
    PaintScope();
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
};

// True while a window or an owner-drawn item is being painted.
bool InsidePaint();

// Runs work at once outside a paint; inside one, from the event loop once
// the outermost paint has ended, in the order given.
void AfterPaint(std::function<void()> work);
