#pragma once
// "Drag & Drop Options": how a topic dropped on a hotspot editor is linked.
#include "lmbpilot32/CNavDialog.h"

struct NavOptions;

class CDragDropDlg : public CNavDialog {
public:
    CDragDropDlg(TWindow* parent, NavOptions& options, std::string helpFile);
    void SetupWindow() override;

protected:
    void Store() override;

private:
    NavOptions& options_;
};
