#include "lmbpilot32/CAboutDlg.h"

#include "lmbhook32/lmbhook32.h"

namespace {

TDialogResource resource() {
    return {"About Lumbra Navigator",
            {},
            {{TControlKind::Static,
              1004,
              "Lumbra Navigator shows the topics of a help file as an outline beside the help "
              "viewer and keeps the two in step.",
              {}},
             {TControlKind::Static, -1, "Navigator version:", {}},
             {TControlKind::Static, 141, CAboutDlg::kVersion, {}},
             {TControlKind::Static, -1, "Link library version:", {}},
             {TControlKind::Static, 142, lmbGetLinkVersion(), {}},
             {TControlKind::DefButton, IDOK, "OK", {}}}};
}

} // namespace

CAboutDlg::CAboutDlg(TWindow* parent) : CNavDialog(parent, resource(), {}, {}) {}
