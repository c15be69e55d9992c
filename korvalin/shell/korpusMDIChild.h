#pragma once
// The base of the program's MDI children that print (data sheets, the heat
// demand certificate) and of the text windows of dropped files: each owns a
// page layout bound to the project that was current when it was made.
#include "platform/window/MDIChild.h"

#include <memory>

class TText;

class korpusMDIChild : public TMDIChild {
public:
    korpusMDIChild(TMDIClient& parent, std::string_view title, TWindow* clientWnd = nullptr);
    ~korpusMDIChild() override;
    // Draws nothing: the derived windows draw their content.
    void Paint(TDC& dc, bool erase, TRect& rect) override {}
    // For the print-outs.
    TText& Seitenlayout() const { return *text_; }

private:
    std::unique_ptr<TText> text_;
};
