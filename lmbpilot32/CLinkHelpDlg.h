#pragma once
// "Link Navigator to Help": how the help file starts and reaches the
// navigator (its buttons and its page in the help viewer's topics dialog).
#include "lmbpilot32/CNavDialog.h"

struct CNavDocValues;

class CLinkHelpDlg : public CNavDialog {
public:
    CLinkHelpDlg(TWindow* parent, CNavDocValues& values, std::string helpFile);
    void SetupWindow() override;

protected:
    void Store() override;

private:
    void enableCaptions();
    void versionChanged();
    CNavDocValues& values_;
};
