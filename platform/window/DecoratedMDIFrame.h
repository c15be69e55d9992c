#pragma once
// The MDI frame with decorations: commands go to the active child first.
#include "platform/window/DecoratedFrame.h"

class TMDIClient;

class TDecoratedMDIFrame : public TDecoratedFrame {
public:
    TDecoratedMDIFrame(std::string_view title, TMDIClient& client, bool trackMenuSelection = false);
    TMDIClient& GetMDIClient() const { return client_; }

protected:
    TWindow* ActiveCommandChild() const override;
    // The popup with the window commands lists the children; the chosen one
    // is activated, restored when it was minimised.
    std::vector<TWindowListEntry> WindowList(const TMenu& popup) const override;
    void WindowChosen(HWND window) override;

private:
    TMDIClient& client_;
};
