#pragma once
// The navigator's About box: its notice, its version and the link library's.
#include "lmbpilot32/CNavDialog.h"

class CAboutDlg : public CNavDialog {
public:
    static constexpr const char* kVersion = "3.0";
    explicit CAboutDlg(TWindow* parent);
};
