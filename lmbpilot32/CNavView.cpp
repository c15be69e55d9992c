#include "lmbpilot32/CNavView.h"

#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/NavigatorTabPage.h"
#include "lmbhook32/OutlineMenu.h"
#include "lmbhook32/lmbhook32.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/NavMacros.h"
#include "lmbpilot32/NavSettings.h"
#include "platform/base/TextCompare.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/ipc/MessagePort.h"
#include "platform/services/HelpViewerLink.h"
#include "platform/services/MessageBox.h"
#include "platform/tree/TreeControl.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/Menu.h"
#include "platform/window/Picture.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/ZOrder.h"

#include <cmath>
#include <cstring>

namespace {
constexpr int kTreeId = 1000;
// The outline's pictures: a closed book, an open book, a page.
constexpr int kClosedBook = 130, kOpenBook = 131, kPage = 132;
const TColor kInk(0, 0, 0), kCover(0, 0, 128), kPaper(255, 255, 255), kLines(128, 128, 128);

void registerOutlinePictures() {
    TPicture closed;
    closed.AddRect({3, 2, 13, 14}, kInk, kCover).AddLine({5, 2}, {5, 14}, kPaper);
    RegisterPicture(kClosedBook, closed);
    TPicture open;
    open.AddPolygon({{1, 4}, {8, 5}, {8, 14}, {1, 13}}, kInk, kPaper)
        .AddPolygon({{8, 5}, {15, 4}, {15, 13}, {8, 14}}, kInk, kPaper);
    for (int y : {7, 10}) open.AddLine({3, y}, {7, y}, kLines).AddLine({10, y}, {14, y}, kLines);
    RegisterPicture(kOpenBook, open);
    TPicture page;
    page.AddPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}, kInk, kPaper);
    for (int y : {6, 9, 12}) page.AddLine({5, y}, {11, y}, kLines);
    RegisterPicture(kPage, page);
}
} // namespace

CNavView::CNavView(TWindow* parent, CNavDoc& doc, bool authorMode)
    : TWindow(parent), doc_(doc), author_(authorMode), autoSync_(doc.Values.AutoSync != 0) {
    tree_ = new TTreeControl(this, kTreeId);
    registerOutlinePictures();
    tree_->SetItemPictures(kClosedBook, kOpenBook, kPage);
    Responses().Notify(kTreeId, TN_SELCHANGE, [this] {
        // A selection made with the mouse displays the topic; in preview
        // mode it shows the viewer again that preview mode hid.
        const int row = tree_->GetSelectedItem();
        if (row < 0 || size_t(row) >= rowItems_.size()) return;
        const int item = rowItems_[size_t(row)];
        if (item == selected_ && !(preview_ && viewerHiddenByPreview_)) return;
        if (preview_) forceJump_ = true;
        DisplayTopic(item);
    });
    Responses().Notify(kTreeId, TN_ROWACTIVATE, [this] { DisplayTopic(selected_); });
    // The tree selected the row under the mouse (and showed its topic).
    Responses().Notify(kTreeId, TN_RIGHTCLICK, [this] {
        TMenu menu(OutlineMenu());
        TrackPopupMenu(menu, GetMessagePos(), *this);
    });
}

CNavView::~CNavView() {
    if (!port_) return;
    // The author's viewer was started for the navigator: it ends with it.
    if (author_ && !ended_ && !LinkedViewerGone()) runMacro("Exit()");
    lmbQuitLinkApp();
}

namespace {
constexpr uint32_t kViewerWatch = 1;
constexpr uint32_t kViewerWatchMilliseconds = 2000;
} // namespace

void CNavView::SetupWindow() {
    TWindow::SetupWindow();
    port_ = std::make_unique<MessagePort>(
        [this](uint32_t m, uint32_t w, int32_t l) { return linkMessage(m, w, l); });
    // The reader's navigator lives for its viewer: a viewer that ends without
    // its notice (its program crashed or ended at once) must not leave it.
    if (!author_) SetTimer(kViewerWatch, kViewerWatchMilliseconds);
}

void CNavView::EvTimer(uint32_t timerId) {
    if (timerId != kViewerWatch) return TWindow::EvTimer(timerId);
    if (LinkedViewerGone()) {
        KillTimer(kViewerWatch);
        end();
    }
}

void CNavView::EvSize(uint32_t, const TSize& size) {
    if (tree_->IsCreated()) tree_->MoveWindow(TRect(0, 0, size.cx, size.cy));
}

int32_t CNavView::LinkWindow() const {
    return port_ ? port_->Id() : 0;
}

void CNavView::fillTree() {
    tree_->DeleteAll();
    rowItems_.clear();
    for (size_t i = 0; i < doc_.Items.size(); ++i) {
        if (!doc_.IsShown(int(i))) continue;
        const CNavItem& it = doc_.Items[i];
        const int row = tree_->AddItem(it.ShownText().substr(0, 259));
        tree_->SetLevel(row, std::max(0, int(it.OutlineDepth) - 1));
        rowItems_.push_back(int(i));
    }
    ApplyColors();
}

// The viewer's tab page asks for the outline: each shown topic goes into its
// tree through the insertion block, under the row of its parent.
void CNavView::fillTab(int32_t tree, uint32_t address) {
    using namespace tab_insert;
    if (!lmbRebasePointer(&address)) return;
    auto* block = static_cast<uint8_t*>(lmbLinkPointer(address));
    if (!block || !lmbLinkPointer(address + kBlockSize - 1)) return;
    const auto put = [&](uint32_t offset, uint32_t v) { std::memcpy(block + offset, &v, 4); };
    const uint32_t text = lmbLinkAddress(block + kBuffer);
    std::vector<uint32_t> parents; // the last row of each level
    for (size_t i = 0; i < doc_.Items.size(); ++i) {
        if (!doc_.IsShown(int(i))) continue;
        const CNavItem& it = doc_.Items[i];
        const size_t level =
            std::min(size_t(std::max(0, int(it.OutlineDepth) - 1)), parents.size());
        parents.resize(level);
        put(kParent, level ? parents.back() : kRoot);
        put(kInsertAfter, kLast);
        put(kMask, 0x27); // text, image, selected image, item data
        put(kText, text);
        put(kTextMax, kBufferSize);
        put(kImage, 0);
        put(kSelectedImage, 0);
        put(kChildren, 0);
        put(kParam, uint32_t(i));
        const std::string shown = it.ShownText().substr(0, kBufferSize - 1);
        std::memcpy(block + kBuffer, shown.c_str(), shown.size() + 1);
        const int32_t row = SendPortMessage(tree, kInsertItem, 0, int32_t(address)).value_or(0);
        if (!row) return;
        parents.push_back(uint32_t(row));
    }
}

void CNavView::ApplyColors() {
    const TColor text(doc_.Values.TextColor), back(doc_.Values.BackgroundColor);
    tree_->SetBackgroundColor(back);
    for (int r = 0; r < tree_->GetCount(); ++r) tree_->SetCellColors(r, 0, {back, text});
}

void CNavView::SetTreeFont(const NavFont& font) {
    // Points to pixels at the screen's resolution; negative: character height.
    fontHeight_ = -int32_t(std::lround(font.Size * kReferenceScreenDpi / 72.0f));
    fontStyle_ = {font.Name, font.Bold, font.Italic};
    tree_->SetWindowFont(TFont(font.Name, fontHeight_, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL,
                               DEFAULT_PITCH | FF_DONTCARE, font.Italic ? 1 : 0));
}

NavFont CNavView::TreeFont() const {
    NavFont f;
    f.Name = fontStyle_.Name;
    f.Bold = fontStyle_.Bold;
    f.Italic = fontStyle_.Italic;
    if (fontHeight_ != 0)
        f.Size =
            std::round(float(std::abs(fontHeight_)) * 72.0f / kReferenceScreenDpi * 10.0f) / 10.0f;
    return f;
}

int CNavView::rowOf(int item) const {
    for (size_t r = 0; r < rowItems_.size(); ++r)
        if (rowItems_[r] == item) return int(r);
    return -1;
}

bool CNavView::StartLink() {
    selected_ = current_ = -1;
    parentButton_.clear();
    fillTree();
    const CNavDocValues& v = doc_.Values;
    SetTreeFont({v.FontName, v.FontSize, v.Bold != 0, v.Italic != 0});
    // A file without a help file (the author's auto-load file) links to none.
    if (doc_.HelpPath().empty() || v.HelpFileName.empty()) return true;
    const std::string macro = author_ ? JumpMacro(doc_, 0) : std::string();
    if (!lmbInitLinkApp(LinkWindow(), doc_.HelpPath().c_str(), 1, macro.empty() ? 0 : 1,
                        macro.c_str())) {
        MessageBox("Can't initiate connection with WinHelp", "Lumbra Navigator",
                   MB_OK | MB_ICONSTOP);
        lmbQuitLinkApp();
        return false;
    }
    Sync();
    return true;
}

void CNavView::Refill() {
    selected_ = current_ = -1;
    fillTree();
    Sync();
}

int32_t CNavView::viewerTopic() const {
    return lmbLGetInfo(HELP_INFO_TOPIC, 0);
}

void CNavView::runMacro(const std::string& macro) {
    if (!macro.empty()) lmbHelpCommand(doc_.HelpPath().c_str(), macro.c_str());
}

void CNavView::SelectTopic(int item) {
    selected_ = doc_.IsValid(item) ? item : -1;
    const int row = rowOf(selected_);
    if (row >= 0) {
        // Rows above it open so that it shows.
        for (int p = doc_.Parent(selected_); p >= 0; p = doc_.Parent(p))
            if (int r = rowOf(p); r >= 0) tree_->Expand(r, true);
        tree_->SelectItem(row);
    } else {
        tree_->SetSelection(false, -1);
    }
    if (selectHandler_) selectHandler_(selected_);
}

void CNavView::DisplayTopic(int item) {
    if (!doc_.IsTarget(item)) return;
    if (viewerTopic() != doc_.Items[size_t(item)].TopicNumber ||
        doc_.Items[size_t(item)].TopicNumber == 0 || forceJump_) {
        runMacro(JumpMacro(doc_, item));
        viewerHiddenByPreview_ = false;
    }
    SelectTopic(item);
}

void CNavView::Sync() {
    const int32_t topic = viewerTopic();
    int item = selected_;
    if (!doc_.IsValid(item) || doc_.Items[size_t(item)].TopicNumber != topic)
        item = doc_.FindByTopicNumber(topic);
    SelectTopic(item);
}

void CNavView::ExpandAll(bool expand) {
    for (int r = 0; r < tree_->GetCount(); ++r)
        if (tree_->HasChildren(r)) tree_->Expand(r, expand);
}

bool CNavView::IsItemExpanded(int item) const {
    const int r = rowOf(item);
    return r >= 0 && tree_->IsExpanded(r);
}

void CNavView::PrintRange(int item, int mode) {
    int from = 0, to = 0;
    if (!doc_.PrintRange(item, mode, from, to)) return;
    if (status_) status_("Printing...");
    runMacro(PrintRangeMacro(from, to));
}

void CNavView::end() {
    if (ended_) return;
    ended_ = true;
    lmbQuitLinkApp();
    port_.reset();
    if (end_) end_();
}

void CNavView::notice(uint32_t code, uint32_t value) {
    // Notices the viewer sent before it ended come after its end: a reader's
    // navigator must not start the viewer again to answer them.
    if (!author_ && LinkedViewerGone()) {
        end();
        return;
    }
    switch (code) {
    case HELP_NOTICE_MINMAX:
        // The reader's navigator goes with its viewer.
        if (!author_ && value == 1 && GetParent()) {
            GetParent()->ShowWindow(SW_HIDE);
            hiddenForViewer_ = true;
        }
        break;
    case HELP_NOTICE_SIZE:
        if (!hiddenForViewer_) break;
        hiddenForViewer_ = false;
        if (TWindow* frame = GetParent();
            frame && !(hiddenByProgram_ && hiddenByProgram_()) && !frame->IsIconic())
            frame->ShowWindow(SW_RESTORE);
        break;
    case HELP_NOTICE_ACTIVATE:
        viewerActivated(value == 1);
        break;
    case HELP_NOTICE_TERM:
        if (!author_) end();
        break;
    case HELP_NOTICE_JUMPED: {
        if (autoSync_) Sync();
        const int item = doc_.FindByTopicNumber(viewerTopic());
        if (doc_.IsShown(item)) current_ = item;
        if (!parentButton_.empty() && item >= 0)
            runMacro((doc_.Parent(item) >= 0 ? "EB(\"" : "DB(\"") + parentButton_ + "\")");
        break;
    }
    case HELP_NOTICE_FILE: {
        std::string file;
        uint32_t address = value;
        if (value && lmbRebasePointer(&address))
            if (const char* p = static_cast<const char*>(lmbLinkPointer(address))) file = p;
        if (value) lmbFree(lmbLinkPointer(address));
        // The viewer may spell the path in another case.
        if (!author_ && !EqualNoCase(file, doc_.HelpPath())) end();
        break;
    }
    default:
        break;
    }
}

void CNavView::viewerActivated(bool active) {
    if (hiddenByProgram_ && hiddenByProgram_()) return;
    TWindow* frame = GetParent();
    if (active) {
        forceJump_ = false;
        if (!frame || (alwaysOnTop_ && alwaysOnTop_()) || frame->IsIconic()) return;
        // Directly behind the viewer: the frame to the front, then the
        // viewer again in front of it (X11 restacks only to the front).
        if (frame->IsWindowVisible()) {
            RaiseWindow(*frame);
            lmbViewerWindow(LMB_VIEWER_RAISE);
        }
        return;
    }
    if (!preview_ || forceJump_) return;
    if (lmbViewerWindow(LMB_VIEWER_ONTOP) == 1) runMacro("HelpOnTop()");
    lmbViewerWindow(LMB_VIEWER_HIDE);
    viewerHiddenByPreview_ = true;
    if (port_) PostPortMessage(port_->Id(), LMB_SHOW, 0, 0);
}

int32_t CNavView::linkMessage(uint32_t msg, uint32_t wParam, int32_t lParam) {
    switch (msg) {
    case WM_COMMAND:
        EvCommand(int(wParam), 0, 0);
        return 1;
    case LMB_SHOW:
        if (show_) {
            // Back after the program hid it: the outline starts closed at
            // the viewer's topic.
            if (show_()) {
                ExpandAll(false);
                Sync();
            }
        } else if (auto* frame = GetParent()) {
            frame->ShowWindow(SW_SHOWNORMAL);
        }
        tree_->SetFocus();
        return 0;
    case LMB_PARENTTOPIC: {
        const int item = doc_.FindByTopicNumber(viewerTopic());
        const int parent = doc_.Parent(item);
        if (parent >= 0) DisplayTopic(parent);
        return 0;
    }
    case LMB_PARENTBUTTON: {
        uint32_t address = wParam;
        if (lmbRebasePointer(&address))
            if (const char* p = static_cast<const char*>(lmbLinkPointer(address)))
                parentButton_ = p;
        return 0;
    }
    case LMB_PRINTRANGE: {
        const std::string macro = PrintStepMacro(doc_, int(wParam), int(lParam), nullptr);
        if (macro.ends_with("EndMPrint()") && status_) status_("");
        runMacro(macro);
        return 0;
    }
    case LMB_ITEMMACRO: {
        const std::string m = JumpMacro(doc_, int(wParam));
        if (m.empty()) return 0;
        void* block = lmbAlloc(int32_t(m.size() + 1));
        if (!block) return 0;
        std::memcpy(block, m.c_str(), m.size() + 1);
        return int32_t(lmbLinkAddress(block));
    }
    case LMB_PRINT:
        PrintRange(wParam == 2 ? 0 : int(lParam), int(wParam));
        return 0;
    case LMB_FILLTREE:
        fillTab(int32_t(wParam), uint32_t(lParam));
        return 0;
    default:
        if (msg >= LMB_NOTICE && msg <= LMB_NOTICE + 10) notice(msg - LMB_NOTICE, wParam);
        return 0;
    }
}

bool CNavView::EvCommand(int id, HWND control, int notifyCode) {
    switch (id) {
    case CM_NAV_NEXT:
    case CM_NAV_PREVIOUS: {
        const int next = doc_.NextVisible(selected_, id == CM_NAV_NEXT ? +1 : -1);
        if (next >= 0) DisplayTopic(next);
        return true;
    }
    case CM_NAV_PARENT:
        if (const int p = doc_.Parent(selected_); p >= 0) DisplayTopic(p);
        return true;
    case CM_NAV_EXPANDALL:
    case CM_NAV_COLLAPSEALL:
        ExpandAll(id == CM_NAV_EXPANDALL);
        return true;
    case CM_NAV_EXPAND:
    case CM_NAV_COLLAPSE:
        if (const int r = rowOf(selected_); r >= 0) tree_->Expand(r, id == CM_NAV_EXPAND);
        return true;
    case CM_NAV_SYNC:
        Sync();
        return true;
    case CM_NAV_AUTOSYNC:
        autoSync_ = !autoSync_;
        return true;
    case CM_NAV_PRINTTOPIC:
    case CM_NAV_PRINTSUBTOPICS:
    case CM_NAV_PRINTALL:
        // Nothing without a selected topic, also for all topics.
        PrintRange(selected_, id - CM_NAV_PRINTTOPIC);
        return true;
    default:
        return TWindow::EvCommand(id, control, notifyCode);
    }
}

void CNavView::EvCommandEnable(TCommandEnabler& ce) {
    switch (ce.GetId()) {
    case CM_NAV_NEXT:
    case CM_NAV_PREVIOUS:
        ce.Enable(doc_.NextVisible(selected_, ce.GetId() == CM_NAV_NEXT ? +1 : -1) >= 0);
        break;
    case CM_NAV_PARENT:
        ce.Enable(doc_.Parent(selected_) >= 0);
        break;
    case CM_NAV_AUTOSYNC:
        ce.Enable();
        ce.SetCheck(autoSync_);
        break;
    case CM_NAV_EXPANDALL:
    case CM_NAV_COLLAPSEALL:
    case CM_NAV_SYNC:
        ce.Enable();
        break;
    case CM_NAV_EXPAND:
    case CM_NAV_COLLAPSE: {
        const int r = rowOf(selected_);
        ce.Enable(r >= 0 && tree_->HasChildren(r) &&
                  tree_->IsExpanded(r) == (ce.GetId() == CM_NAV_COLLAPSE));
        break;
    }
    case CM_NAV_PRINTSUBTOPICS:
        ce.Enable(doc_.HasShownSubtopics(selected_));
        break;
    case CM_NAV_PRINTTOPIC:
    case CM_NAV_PRINTALL:
        ce.Enable(doc_.IsValid(selected_));
        break;
    default:
        TWindow::EvCommandEnable(ce);
    }
}

TPoint PlaceBeside(const TRect& tree, const TSize& dialog, const TSize& screen, TPoint p) {
    const int w = dialog.cx, h = dialog.cy, W = screen.cx, H = screen.cy;
    if (tree.left + 100 < W - w)
        p.x = tree.right + w <= W ? tree.right : W - w;
    else if (tree.top + 100 < H - h)
        p.y = tree.bottom + h <= H ? tree.bottom : H - h;
    else if (tree.right - w > 100)
        p.x = tree.left < w ? 0 : tree.left - w;
    else if (tree.bottom - h > 100)
        p.y = tree.top < h ? 0 : tree.top - h;
    return p;
}

NavRect ToLogicalRect(const TRect& r, const TSize& desktop) {
    const auto scale = [](int v, int extent) {
        return int16_t(extent > 0 ? std::lround(double(v) * 1023.0 / extent) : 0);
    };
    return {scale(r.left, desktop.cx), scale(r.top, desktop.cy), scale(r.right, desktop.cx),
            scale(r.bottom, desktop.cy)};
}

TRect ToScreenRect(const NavRect& n, const TSize& desktop) {
    const auto scale = [](int v, int extent) {
        return int32_t(std::lround(double(v) * extent / 1023.0));
    };
    return {scale(n.Left, desktop.cx), scale(n.Top, desktop.cy), scale(n.Right, desktop.cx),
            scale(n.Bottom, desktop.cy)};
}
