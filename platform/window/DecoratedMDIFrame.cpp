#include "platform/window/DecoratedMDIFrame.h"

#include "platform/window/MDIChild.h"
#include "platform/window/MDIClient.h"

TDecoratedMDIFrame::TDecoratedMDIFrame(std::string_view title, TMDIClient& client,
                                       bool trackMenuSelection)
    : TDecoratedFrame(nullptr, title, &client, trackMenuSelection), client_(client) {}

TWindow* TDecoratedMDIFrame::ActiveCommandChild() const {
    return client_.GetActiveMDIChild();
}
