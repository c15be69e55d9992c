#include "platform/window/Dialog.h"

#include "platform/gdi/QtFonts.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/GroupBox.h"
#include "platform/window/ListBox.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ScrollBar.h"
#include "platform/window/Static.h"
#include "platform/window/TransferBuffer.h"
#include "platform/window/detail/TabChain.h"
#include "platform/window/detail/WindowImpl.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QDialog>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <cassert>

namespace {
// Enter, Escape and the close box become the dialog's commands; Tab follows
// the dialog's order of its windows.
class DialogWidget : public QDialog {
public:
    DialogWidget(QWidget* parent, TDialog* owner) : QDialog(parent), owner_(owner) {}
    void accept() override { owner_->SendMessage(WM_COMMAND, owner_->GetDefaultButton(), 0); }
    void reject() override { owner_->SendMessage(WM_COMMAND, IDCANCEL, 0); }

protected:
    bool focusNextPrevChild(bool next) override {
        auto* root = window_detail::ChainRoot(owner_);
        if (!root) return QDialog::focusNextPrevChild(next);
        const auto chain = window_detail::ChainOf(*root, window_detail::ChainDepth::Nested);
        auto* from = window_detail::WindowOf(QApplication::focusWidget());
        if (auto* to = window_detail::NextTabStop(chain, from, !next))
            window_detail::FocusControl(to, !next);
        return true;
    }
    void keyPressEvent(QKeyEvent* e) override {
        // Enter in a page is the page's command, as Windows gives it to the
        // innermost dialog.
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (owner_->IsEmbedded() && enter && !(e->modifiers() & ~Qt::KeypadModifier)) {
            owner_->SendMessage(WM_COMMAND, owner_->GetDefaultButton(), 0);
            return;
        }
        QDialog::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override {
        // A dialog passes the focus on to its first control.
        const auto chain = window_detail::ChainOf(*owner_, window_detail::ChainDepth::Nested);
        if (auto* first = window_detail::NextTabStop(chain, nullptr, false))
            window_detail::FocusControl(first);
        else
            QDialog::focusInEvent(e);
    }

private:
    TDialog* owner_;
};

class QtDialogService : public DialogService {
public:
    int Execute(TDialog& d) override {
        if (!d.CreateModal()) return -1;
        return d.RunModalLoop();
    }
};
} // namespace

DialogService& Dialogs() {
    auto& s = CurrentServices();
    if (!s.dialogs) s.dialogs = std::make_shared<QtDialogService>();
    return *s.dialogs;
}

TDialog::TDialog(TWindow* parent, const TDialogResource& resource)
    : TWindow(parent, resource.caption), resource_(resource) {
    Responses().Command(IDOK, [this] { CmOk(); });
    Responses().Command(IDCANCEL, [this] { CmCancel(); });
    Responses().Message(WM_NEXTDLGCTL, [this](WPARAM wp, LPARAM lp) { return nextDlgCtl(wp, lp); });
    for (const auto& c : resource_.controls)
        if (c.kind == TControlKind::DefButton) defaultId_ = c.id;
    if (!defaultId_) defaultId_ = IDOK;
}

TDialog::~TDialog() = default;

int TDialog::Execute() {
    return Dialogs().Execute(*this);
}

bool TDialog::CreateModal() {
    modal_ = true;
    ended_ = false;
    result_ = -1;
    return Create();
}

int TDialog::RunModalLoop() {
    auto* d = qobject_cast<QDialog*>(GetImpl().widget.data());
    if (!d) return -1;
    if (!ended_) d->exec();
    Destroy();
    return result_;
}

void TDialog::CreateNativeWidget() {
    auto* parent = window_detail::ParentWidget(this);
    // The client of a frame lives inside it; other dialogs are windows of their own.
    auto* frame = dynamic_cast<TFrameWindow*>(GetParent());
    const bool client = frame && frame->GetClientWindow() == this && parent;
    const bool inside = client || (IsEmbedded() && parent);
    auto* d = new DialogWidget(inside ? parent : parent ? parent->window() : nullptr, this);
    if (inside) d->setWindowFlags(Qt::Widget);
    d->setWindowTitle(window_detail::Qs(GetCaption()));
    d->setModal(modal_);
    if (resource_.popup) {
        // An owned pop-up stays above its owner, also when the owner is
        // shown after it.
        d->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        d->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    GetImpl().Adopt(d);
}

void TDialog::makeResourceControls() {
    resourceControls_.assign(resource_.controls.size(), nullptr);
    TWindow* firstMade = nullptr;
    for (size_t i = 0; i < resource_.controls.size(); ++i) {
        const auto& c = resource_.controls[i];
        if (c.id > 0)
            if (TControl* w = GetDlgItem(c.id)) {
                resourceControls_[i] = w;
                continue;
            }
        TControl*& made = resourceControls_[i];
        switch (c.kind) {
        case TControlKind::Static:
            made = new TStatic(this, c.id, c.text);
            break;
        case TControlKind::Edit:
            made = new TEdit(this, c.id, 0, c.flag);
            break;
        case TControlKind::Button:
            made = new TButton(this, c.id, c.text);
            break;
        case TControlKind::DefButton:
            made = new TButton(this, c.id, c.text, -1, -1, 0, 0, true);
            break;
        case TControlKind::CheckBox:
            made = new TCheckBox(this, c.id, c.text);
            break;
        case TControlKind::RadioButton:
            made = new TRadioButton(this, c.id, c.text, c.flag);
            break;
        case TControlKind::GroupBox:
            made = new TGroupBox(this, c.id, c.text);
            break;
        case TControlKind::ComboBox:
            made = new TComboBox(this, c.id, 0, c.flag);
            break;
        case TControlKind::ListBox:
            made = new TListBox(this, c.id);
            break;
        case TControlKind::ScrollBar:
            made = new TScrollBar(this, c.id, c.rect.Width() > c.rect.Height());
            break;
        case TControlKind::Custom:
            break; // the dialog makes it
        }
        if (!firstMade) firstMade = made;
    }
    orderResourceControls(firstMade);
}

void TDialog::orderResourceControls(const TWindow* firstMade) {
    // The tab order is the resource's, also for controls the dialog made
    // early to give them a validator. They join the block of those made
    // here; controls made only in code keep their places.
    auto& children = GetImpl().children;
    std::vector<TWindow*> block;
    for (TControl* w : resourceControls_)
        if (w && std::find(block.begin(), block.end(), w) == block.end() &&
            std::find(children.begin(), children.end(), w) != children.end())
            block.push_back(w);
    if (block.empty()) return;
    const TWindow* anchor = firstMade ? firstMade : block.front();
    std::vector<TWindow*> ordered;
    for (TWindow* w : children) {
        if (w == anchor) ordered.insert(ordered.end(), block.begin(), block.end());
        if (std::find(block.begin(), block.end(), w) == block.end()) ordered.push_back(w);
    }
    children = std::move(ordered);
}

void TDialog::SetupWindow() {
    makeResourceControls();
    // Resource texts go to controls the dialog made with an empty caption.
    for (size_t i = 0; i < resource_.controls.size(); ++i) {
        const auto& c = resource_.controls[i];
        if (auto* w = resourceControls_[i];
            w && w->GetCaption().empty() && !c.text.empty() && c.kind != TControlKind::Edit)
            w->SetCaption(c.text);
    }
    TWindow::SetupWindow();
    auto* dlg = GetImpl().widget.data();
    // The resources were laid out for 8-point "MS Sans Serif": in the
    // desktop's wider font every text would outgrow its control.
    if (dlg && !dlg->testAttribute(Qt::WA_SetFont)) {
        QFont f(QString::fromStdString(MapFaceName("MS Sans Serif")));
        f.setPixelSize(std::max(1, int(std::lround(8.0 * dlg->logicalDpiY() / 72.0))));
        dlg->setFont(f);
    }
    bool placed = resource_.size.cx > 0 && resource_.size.cy > 0;
    for (size_t i = 0; i < resource_.controls.size(); ++i)
        if (auto* w = resourceControls_[i]; w && !resource_.controls[i].rect.IsEmpty()) {
            w->MoveWindow(MapDialogRect(resource_.controls[i].rect));
            placed = true;
        }
    if (placed) {
        const TRect size = MapDialogRect({0, 0, resource_.size.cx, resource_.size.cy});
        if (!size.IsEmpty()) dlg->resize(size.Width(), size.Height());
        if (minSize_.cx > 0 || minSize_.cy > 0) dlg->setMinimumSize(minSize_.cx, minSize_.cy);
    } else {
        auto* layout = new QVBoxLayout(dlg);
        for (auto* w : Children())
            if (auto* widget = window_detail::WidgetOf(w)) layout->addWidget(widget);
    }
    SetDefaultButton(defaultId_);
    if (transfer_) TransferData(TTransferDirection::SetData);
}

void TDialog::SetMinimumSize(TSize size) {
    minSize_ = size;
    if (auto* w = GetImpl().widget.data()) w->setMinimumSize(size.cx, size.cy);
}

TRect TDialog::MapDialogRect(const TRect& u) const {
    auto* w = GetImpl().widget.data();
    const QFontMetricsF fm = w ? QFontMetricsF(w->font(), w) : QFontMetricsF(QFont());
    // The base units of the font that draws the texts: the average width of
    // the alphabet and the line height. Windows cuts the width to whole
    // pixels, which fits the bitmap font the resources were measured in; the
    // outline font standing in for it runs wider, and every control with a
    // text would lose up to a sixth of the room its text needs.
    const double cx = fm.horizontalAdvance(
                          QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                      52.0;
    // Windows' character height: ascent and descent, whole pixels up.
    const double cy = std::ceil(fm.height());
    const auto map = [](int v, double base, int div) { return int(std::lround(v * base / div)); };
    return {map(u.left, cx, 4), map(u.top, cy, 8), map(u.right, cx, 4), map(u.bottom, cy, 8)};
}

TControl* TDialog::GetDlgItem(int id) const {
    return dynamic_cast<TControl*>(ChildWithId(id));
}

void TDialog::SetDefaultButton(int id) {
    defaultId_ = id;
    for (auto* w : Children())
        if (auto* b = dynamic_cast<TButton*>(w)) b->SetDefault(b->GetId() == id);
}

bool TDialog::TransferData(TTransferDirection dir) {
    if (!transfer_) return true;
    // Creation order: the resource's controls, then those made only in code.
    std::vector<TControl*> order;
    for (const auto& c : resource_.controls)
        if (auto* ctl = GetDlgItem(c.id); ctl && ctl->TransferEnabled()) order.push_back(ctl);
    for (auto* w : Children())
        if (auto* ctl = dynamic_cast<TControl*>(w);
            ctl && ctl->TransferEnabled() &&
            std::find(order.begin(), order.end(), ctl) == order.end())
            order.push_back(ctl);
    auto fields = transfer_->Fields();
    bool ok = fields.size() >= order.size();
    for (size_t i = 0; i < order.size() && i < fields.size(); ++i)
        ok = order[i]->Transfer(fields[i], dir) && ok;
    assert(ok && "transfer record does not match the dialog's controls");
    return ok;
}

void TDialog::CmOk() {
    if (!CanClose()) return;
    TransferData(TTransferDirection::GetData);
    EndDialog(IDOK);
}

void TDialog::CmCancel() {
    EndDialog(IDCANCEL);
}

void TDialog::EndDialog(int retValue) {
    result_ = retValue;
    ended_ = true;
    auto* d = qobject_cast<QDialog*>(GetImpl().widget.data());
    if (modal_ && d && d->isVisible()) {
        d->done(retValue);
    } else if (!modal_) {
        // A frame shows nothing without its client dialog: closing the
        // dialog closes the frame, after the dialog's handler has returned.
        if (auto* frame = dynamic_cast<TFrameWindow*>(GetParent());
            frame && frame->GetClientWindow() == this) {
            frame->PostMessage(WM_CLOSE);
            return;
        }
        Destroy(retValue);
    }
}

void TDialog::CloseWindow(int retValue) {
    if (CanClose()) EndDialog(retValue);
}
