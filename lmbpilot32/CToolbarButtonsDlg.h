#pragma once
// "Toolbar Buttons": which tool-bar buttons the reader gets.
#include "lmbpilot32/CNavDialog.h"

#include <array>

class CToolbarButtonsDlg : public CNavDialog {
public:
    static const std::array<int, 7> kFlagControls;

    CToolbarButtonsDlg(TWindow* parent, std::array<uint16_t, 7>& flags, std::string helpFile);
    void SetupWindow() override;

protected:
    void Store() override;

private:
    std::array<uint16_t, 7>& flags_;
};
