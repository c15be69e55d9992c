#include "platform/window/DecoratedMDIFrame.h"

#include "platform/window/CommandIds.h"
#include "platform/window/MDIChild.h"
#include "platform/window/MDIClient.h"
#include "platform/window/Menu.h"

TDecoratedMDIFrame::TDecoratedMDIFrame(std::string_view title, TMDIClient& client,
                                       bool trackMenuSelection)
    : TDecoratedFrame(nullptr, title, &client, trackMenuSelection), client_(client) {}

TWindow* TDecoratedMDIFrame::ActiveCommandChild() const {
    return client_.GetActiveMDIChild();
}

std::vector<TFrameWindow::TWindowListEntry>
TDecoratedMDIFrame::WindowList(const TMenu& popup) const {
    std::vector<TWindowListEntry> entries;
    if (!popup.FindCommand(CM_CASCADECHILDREN) && !popup.FindCommand(CM_TILECHILDREN))
        return entries;
    const TMDIChild* active = client_.GetActiveMDIChild();
    for (auto* c : client_.MDIChildren())
        entries.push_back({c->GetCaption(), c->GetHandle(), c == active});
    return entries;
}

void TDecoratedMDIFrame::WindowChosen(HWND window) {
    if (auto* child = dynamic_cast<TMDIChild*>(TWindow::FromHandle(window)))
        child->BringWindowToTop();
}
