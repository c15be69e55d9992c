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

private:
    TMDIClient& client_;
};
