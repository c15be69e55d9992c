#pragma once
// "Info über KORVALIN" (resource 22000, command 24389): the maker, and the
// product, legal and build lines of the program's version record.
#include "korvalin/shell/TProjectRCVersion.h"
#include "platform/window/Dialog.h"

class korpusAboutDlg : public TDialog {
public:
    enum : int { IDD_ABOUT = 22000, IDC_VERSION = 22001, IDC_COPYRIGHT = 22002, IDC_BUILD = 22003 };
    // Null shows the box of a program without a version record.
    explicit korpusAboutDlg(TWindow* parent, const TVersionsSatz* satz = &ProgrammVersion());
    void SetupWindow() override;

private:
    const TVersionsSatz* satz_;
};
