#pragma once
// The MDI client: the area of the MDI frame in which the children live, with
// the framework's window commands (cascade, tile, arrange, close all).
#include "platform/base/Color.h"
#include "platform/window/Window.h"

#include <vector>

class TMDIChild;

class TMDIClient : public TWindow {
public:
    TMDIClient();
    ~TMDIClient() override;

    TMDIChild* GetActiveMDIChild() const;
    std::vector<TMDIChild*> MDIChildren() const;
    // Activates the child after (or before) the active one, round the list.
    enum TDirection { Next, Previous };
    void ActivateNextChild(TDirection direction = Next);
    // The MDI keys of the message loop: Ctrl+F4 closes the active child,
    // Ctrl+F6 activates the next one, Ctrl+Shift+F6 the one before; true
    // when the key was one of them.
    bool TranslateMDISysAccel(const MSG& key);
    // Each child restored and at a good part of the client's size, each a
    // title bar's height lower and further right than the one before.
    void CascadeChildren();
    // Vertical: side by side; horizontal: one above the other.
    enum TTile { Vertical, Horizontal };
    void TileChildren(TTile how = Vertical);
    void ArrangeIcons();
    // True while cascading or tiling sizes the children: a child that keeps
    // the size the user gave it leaves these sizes alone.
    bool IsArranging() const { return arranging_; }
    // Asks every child, then closes them all; false when one refused.
    bool CloseChildren();
    bool CanClose() override;
    void SetBkgndColor(TColor color);

    // A closed child is deleted once the event that closed it is done, never
    // inside a nested loop (a message box) that its handler opens.
    void Condemn(TMDIChild* child);

protected:
    void CreateNativeWidget() override;

private:
    std::vector<TMDIChild*> condemned_;
    TMDIChild* lastActive_ = nullptr; // compared only, never dereferenced
    bool arranging_ = false;
    TColor background_{TColor::Gray};
};
