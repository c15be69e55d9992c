#pragma once
// "Colors": the outline's text and background colour, chosen one after the
// other in one colour chooser with Red, Green and Blue fields.
#include "lmbpilot32/CNavDialog.h"

#include <memory>

class TBrush;

class CColorsDlg : public CNavDialog {
public:
    enum : int {
        IDC_TEXTCOLOR = 138,
        IDC_BACKCOLOR = 139,
        IDC_RED = 706,
        IDC_GREEN = 707,
        IDC_BLUE = 708,
        IDC_SAMPLE = 720
    };

    // text and background are 0x00BBGGRR; both change only on OK.
    CColorsDlg(TWindow* parent, uint32_t& text, uint32_t& background, std::string helpFile);
    ~CColorsDlg() override;
    void SetupWindow() override;
    const TBrush* EvCtlColor(TDC& dc, HWND child, uint32_t ctlType) override;
    // The colour the chooser shows now.
    uint32_t ChooserColor() const;

protected:
    void Store() override;

private:
    void select(int slot);
    void showColor(uint32_t color);
    void fieldChanged();
    uint32_t& text_;
    uint32_t& background_;
    uint32_t colors_[2] = {0x000000, 0xFFFFFF};
    int slot_ = 0;
    bool setting_ = false;
    std::unique_ptr<TBrush> sample_;
};
