#pragma once
// A frame with decorations (tool bar, status bar) above and below its client.
// A decoration whose window id equals a command is shown or hidden by it; one
// with a height in its attributes is at least that high.
#include "platform/window/FrameWindow.h"

#include <vector>

class TStatusBar;

class TDecoratedFrame : public TFrameWindow {
public:
    enum TLocation { Top, Bottom };
    TDecoratedFrame(TWindow* parent, std::string_view title, TWindow* clientWnd,
                    bool trackMenuSelection = false);

    // The frame owns the decoration.
    void Insert(TWindow& decoration, TLocation location = Top);
    bool IsDecorationVisible(int windowId) const;
    void SetHintText(std::string_view text) override;
    void IdleAction() override;

protected:
    void CreateNativeWidget() override;
    void SetupWindow() override;

private:
    void toggle(int windowId);
    struct Decoration {
        TWindow* window;
        TLocation location;
        bool visible = true;
    };
    std::vector<Decoration> decorations_;
    bool trackMenuSelection_;
};
