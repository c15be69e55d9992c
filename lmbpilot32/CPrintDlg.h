#pragma once
// The navigator's Print dialog: which topics the help viewer prints.
#include "lmbpilot32/CNavDialog.h"

class CPrintDlg : public CNavDialog {
public:
    // 0 current topic, 1 with its subtopics, 2 all topics.
    CPrintDlg(TWindow* parent, int& choice, std::string helpFile);
    void SetupWindow() override;

protected:
    void Store() override;

private:
    int& choice_;
};
