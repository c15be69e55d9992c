#pragma once
// A client window that places its children by rules: each rule gives a
// child's rectangle from the layout window's client size, and Layout applies
// them again whenever that size changes (the pages of a print preview).
#include "platform/base/Color.h"
#include "platform/window/Window.h"

#include <functional>
#include <vector>

class TLayoutWindow : public TWindow {
public:
    using TLayoutRule = std::function<TRect(TSize client)>;
    explicit TLayoutWindow(TWindow* parent = nullptr, TColor background = TColor::Gray);

    // Replaces the child's rule when it has one.
    void SetChildLayoutMetrics(TWindow& child, TLayoutRule rule);
    bool RemoveChildLayoutMetrics(TWindow& child);
    // Places the children now.
    void Layout();

    void EvSize(uint32_t sizeType, const TSize& size) override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;

private:
    struct Entry {
        TWindow* child;
        TLayoutRule rule;
    };
    std::vector<Entry> rules_;
    TColor background_;
};
