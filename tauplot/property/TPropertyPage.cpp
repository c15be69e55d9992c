#include "tauplot/property/TPropertyPage.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/Mnemonic.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyTab.h"

namespace {
TDialogResource embedded(TDialogResource r) {
    r.embedded = true;
    return r;
}
} // namespace

TPropertyPage::TPropertyPage(const TDialogResource& resource) : TPropertyPage(nullptr, resource) {}

TPropertyPage::TPropertyPage(TPropertyDialog* dialog, const TDialogResource& resource)
    : TDialog(dialog, embedded(resource)) {
    Responses().Message(WM_SYSCOMMAND, [this](WPARAM wp, LPARAM lp) {
        if (wp == SC_KEYMENU && CheckHotKey(Dialog, char32_t(lp))) return TResult(0);
        DefaultProcessing();
        return TResult(0);
    });
}

TPropertyTab* TPropertyPage::strip() const {
    return Dialog ? Dialog->GetTabStrip() : nullptr;
}

int TPropertyPage::SelectTab(int index) {
    auto* s = strip();
    return s ? s->SelectTab(resolve(index)) : 0;
}

int TPropertyPage::SelectNext() {
    auto* s = strip();
    return s ? s->SelectNext(+1) : 0;
}

int TPropertyPage::SelectPrevious() {
    auto* s = strip();
    return s ? s->SelectNext(-1) : 0;
}

int TPropertyPage::EnableTab(int index, int enable) {
    auto* s = strip();
    return s ? s->EnableTab(resolve(index), enable) : 0;
}

int TPropertyPage::IsTabEnabled(int index) const {
    auto* s = strip();
    return s ? s->IsTabEnabled(resolve(index)) : 0;
}

std::string TPropertyPage::GetTabText(int index) const {
    auto* s = strip();
    return s ? s->GetTabText(resolve(index)) : std::string();
}

int TPropertyPage::SetTabText(int index, const char* text) {
    auto* s = strip();
    return s ? s->SetTabText(resolve(index), text) : 0;
}

bool TPropertyPage::SaveData() {
    return TransferData(TTransferDirection::GetData);
}

TWindow* TPropertyPage::GetParentWindow() const {
    // Embedded dialogs and controls have no frame; the property dialog and
    // the windows above it have.
    for (TWindow* w = Dialog; w; w = w->GetParent()) {
        auto* d = dynamic_cast<TDialog*>(w);
        if ((d && !d->IsEmbedded()) || dynamic_cast<TFrameWindow*>(w)) return w;
    }
    return nullptr;
}

int TPropertyPage::MessageBox(const std::string& text, const std::string& caption, uint32_t type) {
    return ::MessageBox(text, caption, type);
}

int TPropertyPage::CheckHotKey(TDialog* dlg, char32_t ch) {
    if (auto* s = strip(); s && s->SelectTabByKey(ch)) return 1;
    if (!ch) return 0;
    return (dlg ? dlg : this)->ActivateMnemonic(ch) ? 1 : 0;
}

void TPropertyPage::CmOk() {
    // Enter in a page is the dialog's OK.
    if (Dialog) Dialog->SendMessage(WM_COMMAND, IDOK, 0);
}

void TPropertyPage::CmCancel() {
    if (Dialog) Dialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
}
