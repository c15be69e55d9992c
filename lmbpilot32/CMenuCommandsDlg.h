#pragma once
// "Menu Commands": which menus and menu commands the reader gets.
#include "lmbpilot32/CNavDialog.h"

#include <array>

class CMenuCommandsDlg : public CNavDialog {
public:
    // The control of each of the document's 22 menu flags, in their order.
    static const std::array<int, 22> kFlagControls;

    CMenuCommandsDlg(TWindow* parent, std::array<uint16_t, 22>& flags, std::string helpFile);
    void SetupWindow() override;

protected:
    void Store() override;

private:
    // Enables the commands after a menu's box up to the next group.
    void enableGroup(int menuBox);
    std::array<uint16_t, 22>& flags_;
};
