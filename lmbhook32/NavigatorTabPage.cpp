#include "lmbhook32/NavigatorTabPage.h"

#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/OutlineMenu.h"
#include "lmbhook32/lmbhook32.h"
#include "platform/ipc/MessagePort.h"
#include "platform/services/HelpViewerLink.h"
#include "platform/services/Services.h"
#include "platform/tree/TreeControl.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"

#include <cstring>

using namespace link_layout;
using namespace tab_insert;

namespace {
uint32_t readU32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
} // namespace

NavigatorTabPage::NavigatorTabPage(int record, uint32_t viewer)
    : TWindow(nullptr), record_(record), viewer_(viewer) {
    tree_ = new TTreeControl(this, kTree);
    // A click shows its topic at once; the keyboard only moves the selection.
    Responses().Notify(kTree, TN_CELLCLICK, [this] { Display(); });
    Responses().Notify(kTree, TN_ROWACTIVATE, [this] { Display(); });
    Responses().Notify(kTree, TN_RIGHTCLICK, [this] { contextMenu(); });
}

NavigatorTabPage::~NavigatorTabPage() = default;

int32_t NavigatorTabPage::navigator() const {
    auto& p = LinkProcess::Get();
    if (!p.Ready() || record_ < 0) return 0;
    LinkSection& s = p.Section();
    if (int32_t(s.Field(record_, kNavigatorPid)) <= kPlaceholder) return 0;
    return int32_t(s.Field(record_, kLinkWindow));
}

void NavigatorTabPage::SetupWindow() {
    TWindow::SetupWindow();
    treePort_ = std::make_unique<MessagePort>([this](uint32_t m, uint32_t, int32_t l) {
        return m == kInsertItem ? insert(uint32_t(l)) : 0;
    });
    auto* block = static_cast<uint8_t*>(lmbAlloc(int32_t(kBlockSize)));
    if (!block) {
        // Without a block the page stays empty and hidden.
        ShowWindow(SW_HIDE);
        return;
    }
    std::memset(block, 0, kBlockSize);
    if (const int32_t link = navigator()) {
        const uint32_t buffer = lmbLinkAddress(block + kBuffer);
        std::memcpy(block + kText, &buffer, 4);
        SendPortMessage(link, LMB_FILLTREE, uint32_t(treePort_->Id()),
                        int32_t(lmbLinkAddress(block)));
    }
    lmbFree(block);
    tree_->SetFocus();
}

// One item of the navigator's insertion block, in the other process's
// addresses; items come in outline order, each after its parent's last.
int32_t NavigatorTabPage::insert(uint32_t address) {
    if (!lmbRebasePointer(&address)) return 0;
    const auto* block = static_cast<const uint8_t*>(lmbLinkPointer(address));
    if (!block || !lmbLinkPointer(address + kBlockSize - 1)) return 0;
    uint32_t textAddress = readU32(block + kText);
    std::string text;
    if (textAddress && lmbRebasePointer(&textAddress))
        LinkProcess::Get().Section().HeapText(textAddress, text);
    const uint32_t parent = readU32(block + kParent);
    int level = 0;
    if (parent != 0 && parent != kRoot) {
        const int parentRow = int(parent) - 1;
        if (parentRow < 0 || parentRow >= tree_->GetCount()) return 0;
        level = tree_->GetLevel(parentRow) + 1;
    }
    const int row = tree_->AddItem(text.substr(0, kBufferSize - 1));
    tree_->SetLevel(row, level);
    data_.push_back(int32_t(readU32(block + kParam)));
    return row + 1;
}

int32_t NavigatorTabPage::ItemData(int row) const {
    return row >= 0 && size_t(row) < data_.size() ? data_[size_t(row)] : -1;
}

void NavigatorTabPage::Display() {
    const int32_t link = navigator();
    if (!link) return;
    const int32_t item = ItemData(tree_->GetSelectedItem());
    if (item < 0) return;
    uint32_t address =
        uint32_t(SendPortMessage(link, LMB_ITEMMACRO, uint32_t(item), 0).value_or(0));
    if (!address || !lmbRebasePointer(&address)) return;
    std::string macro;
    if (LinkProcess::Get().Section().HeapText(address, macro))
        HelpViewerCallbackTable().HelpApi(viewer_, "", HELP_COMMAND, macro.c_str());
    // The block goes back through the viewer's hidden window, as the
    // navigator expects.
    const int r = LinkProcess::Get().OwnRecord(kViewerPid);
    const int32_t hidden =
        r >= 0 ? int32_t(LinkProcess::Get().Section().Field(r, kHiddenWindow)) : 0;
    if (!hidden || !PostPortMessage(hidden, LMB_FREEBLOCK, address, 0))
        lmbFree(lmbLinkPointer(address));
}

void NavigatorTabPage::ExpandAll(bool expand) {
    for (int r = 0; r < tree_->GetCount(); ++r)
        if (tree_->HasChildren(r)) tree_->Expand(r, expand);
}

void NavigatorTabPage::contextMenu() {
    TMenu menu(OutlineMenu());
    TrackPopupMenu(menu, GetMessagePos(), *this);
}

bool NavigatorTabPage::EvCommand(int id, HWND control, int notifyCode) {
    switch (id) {
    case CM_OUTLINE_PRINTTOPIC:
    case CM_OUTLINE_PRINTSUBTOPICS:
    case CM_OUTLINE_PRINTALL:
        if (const int32_t link = navigator()) {
            const uint32_t mode = uint32_t(id - CM_OUTLINE_PRINTTOPIC);
            SendPortMessage(link, LMB_PRINT, mode,
                            mode == 2 ? 0 : ItemData(tree_->GetSelectedItem()));
        }
        return true;
    case CM_OUTLINE_EXPANDALL:
    case CM_OUTLINE_COLLAPSEALL:
        ExpandAll(id == CM_OUTLINE_EXPANDALL);
        return true;
    default:
        return TWindow::EvCommand(id, control, notifyCode);
    }
}

void NavigatorTabPage::EvCommandEnable(TCommandEnabler& ce) {
    if (ce.GetId() == CM_OUTLINE_PRINTSUBTOPICS)
        ce.Enable(tree_->HasChildren(tree_->GetSelectedItem()));
    else
        TWindow::EvCommandEnable(ce);
}

void NavigatorTabPage::EvSize(uint32_t, const TSize& size) {
    if (tree_->IsCreated()) tree_->MoveWindow(TRect(0, 0, size.cx, size.cy));
}

int32_t OpenTabDialog(int32_t viewer, int32_t, int32_t) {
    auto& p = LinkProcess::Get();
    if (!p.Ready()) return 0;
    const int r = p.OwnRecord(kViewerPid);
    if (r < 0) return 0;
    LinkSection& s = p.Section();
    if (int32_t(s.Field(r, kNavigatorPid)) <= kPlaceholder || !s.Field(r, kLinkWindow)) return 0;
    auto* page = new NavigatorTabPage(r, uint32_t(viewer));
    if (!page->Create()) {
        delete page;
        return 0;
    }
    return page->GetHandle();
}
