#include "platform/window/LayoutWindow.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"

#include <algorithm>

TLayoutWindow::TLayoutWindow(TWindow* parent, TColor background)
    : TWindow(parent), background_(background) {}

void TLayoutWindow::SetChildLayoutMetrics(TWindow& child, TLayoutRule rule) {
    RemoveChildLayoutMetrics(child);
    rules_.push_back({&child, std::move(rule)});
}

bool TLayoutWindow::RemoveChildLayoutMetrics(TWindow& child) {
    const auto old = rules_.size();
    std::erase_if(rules_, [&](const Entry& e) { return e.child == &child; });
    return rules_.size() != old;
}

void TLayoutWindow::Layout() {
    const TSize client = GetClientRect().Size();
    for (const Entry& e : rules_) e.child->MoveWindow(e.rule(client));
}

void TLayoutWindow::EvSize(uint32_t sizeType, const TSize& size) {
    TWindow::EvSize(sizeType, size);
    Layout();
}

void TLayoutWindow::Paint(TDC& dc, bool, TRect& rect) {
    dc.FillRect(rect, TBrush(background_));
}
