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
    void CascadeChildren();
    // Vertical: side by side; horizontal: one above the other.
    enum TTile { Vertical, Horizontal };
    void TileChildren(TTile how = Vertical);
    void ArrangeIcons();
    // Asks every child, then closes them all; false when one refused.
    bool CloseChildren();
    bool CanClose() override;
    void SetBkgndColor(TColor color);

    // A closed child is deleted once its handler has returned.
    void Condemn(TMDIChild* child);

protected:
    void CreateNativeWidget() override;

private:
    std::vector<TMDIChild*> condemned_;
    TMDIChild* lastActive_ = nullptr; // compared only, never dereferenced
    TColor background_{TColor::Gray};
};
