#pragma once
// A child window of the MDI client. Closed by the user, it is deleted. A
// client window given to it (a modeless dialog) fills its client area. A new
// child opens wholly inside the client; without a place of its own it is
// cascaded from the child made before it.
#include "platform/window/FrameWindow.h"

class TMDIClient;

class TMDIChild : public TFrameWindow {
public:
    TMDIChild(TMDIClient& parent, std::string_view title, TWindow* clientWnd = nullptr);

    // The smallest size the user can drag the frame to (a minimum tracking
    // size); tiling and cascading may still make it smaller.
    void SetMinimumSize(TSize size);
    TSize GetMinimumSize() const { return minSize_; }
    void CloseWindow(int retValue = 0) override;
    bool IsActive() const;
    // Shown maximised in the client, or minimised to its title.
    bool IsZoomed() const;
    bool IsIconic() const;
    // Shows the child above its siblings and makes it the active one.
    void BringWindowToTop();

protected:
    void CreateNativeWidget() override;
    // A client window fills the child's client area.
    void SetupWindow() override;

private:
    TSize minSize_;
};
