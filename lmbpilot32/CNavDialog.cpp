#include "lmbpilot32/CNavDialog.h"

#include "platform/base/Cp1252.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/KeyFilter.h"
#include "platform/window/ResponseTable.h"

namespace {
constexpr const char* kCaption = "Lumbra Navigator";

class MaxCharsValidator : public TValidator {
public:
    explicit MaxCharsValidator(unsigned maxChars) : max_(maxChars) {}
    bool IsValid(std::string_view text) override { return length(text) <= max_; }
    void Error(TWindow*) override {
        MessageBox("Please enter no more than " + std::to_string(max_) + " characters.", kCaption,
                   MB_OK | MB_ICONEXCLAMATION);
    }

private:
    static unsigned length(std::string_view text) {
        return unsigned(cp1252::EncodeLossy(text).size());
    }
    unsigned max_;
};

class RangeValidator : public TValidator {
public:
    RangeValidator(int low, int high) : low_(low), high_(high) {}
    bool IsValidInput(std::string& text, bool) override {
        return text.size() <= 6 && text.find_first_not_of("0123456789-") == std::string::npos;
    }
    bool IsValid(std::string_view text) override {
        if (text.empty() || text.size() > 6) return false;
        size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(std::string(text), &used);
        } catch (...) {
            return false;
        }
        return used == text.size() && value >= low_ && value <= high_;
    }
    void Error(TWindow*) override {
        MessageBox("Please enter an integer between " + std::to_string(low_) + " and " +
                       std::to_string(high_) + ".",
                   kCaption, MB_OK | MB_ICONEXCLAMATION);
    }

private:
    int low_, high_;
};

TEdit* editOf(TDialog& dialog, int id) {
    if (auto* edit = dialog.Item<TEdit>(id)) return edit;
    return new TEdit(&dialog, id);
}
} // namespace

CNavDialog::CNavDialog(TWindow* parent, const TDialogResource& resource, NavHelpIds ids,
                       std::string helpFile)
    : TDialog(parent, resource), ids_(std::move(ids)), helpFile_(std::move(helpFile)) {}

void CNavDialog::SetupWindow() {
    TDialog::SetupWindow();
    if (helpFile_.empty()) return;
    InstallKeyFilter(*this, [this](const MSG& key) {
        if (key.message != WM_KEYDOWN || key.wParam != VK_F1) return false;
        TWindow* focus = TWindow::FromHandle(key.hwnd);
        if (!focus || focus->GetParent() != this) return false;
        help(focus->GetId(), false);
        return true;
    });
    for (TWindow* child : Children()) {
        const int id = child->GetId();
        child->Responses().Message(WM_RBUTTONUP, [this, id](WPARAM, LPARAM) {
            help(id, true);
            return TResult(0);
        });
    }
}

void CNavDialog::CmOk() {
    if (!CanClose()) return;
    Store();
    EndDialog(IDOK);
}

uint32_t CNavDialog::ownContext(int controlId) const {
    for (const auto& [id, context] : ids_.controls)
        if (id == controlId) return context;
    return 0;
}

uint32_t CNavDialog::HelpContext(int controlId) const {
    // A control without a context of its own answers with the dialog's.
    const uint32_t context = ownContext(controlId) ? ownContext(controlId) : ids_.dialog;
    if (context == ids_.dialog && controlId == IDOK) return kNavHelpOk;
    if (context == ids_.dialog && controlId == IDCANCEL) return kNavHelpCancel;
    return context;
}

uint32_t CNavDialog::MenuHelpContext(int controlId) const {
    if (const uint32_t own = ownContext(controlId)) return own;
    if (controlId == IDOK) return kNavHelpOk;
    if (controlId == IDCANCEL) return kNavHelpCancel;
    return ids_.dialog;
}

void CNavDialog::help(int controlId, bool contextMenu) {
    const uint32_t context = contextMenu ? MenuHelpContext(controlId) : HelpContext(controlId);
    if (context == 0) return;
    Help().WinHelp(helpFile_, contextMenu ? HELP_CONTEXTMENU : HELP_CONTEXTPOPUP, context);
}

bool CNavDialog::IsChecked(int id) const {
    const auto* box = Item<TCheckBox>(id);
    return box && box->GetCheck() == BF_CHECKED;
}

void CNavDialog::SetChecked(int id, bool checked) {
    if (auto* box = Item<TCheckBox>(id)) box->SetCheck(checked ? BF_CHECKED : BF_UNCHECKED);
}

std::string CNavDialog::Text(int id) const {
    const auto* edit = Item<TEdit>(id);
    return edit ? edit->GetText() : std::string();
}

void CNavDialog::SetText(int id, std::string_view text) {
    if (auto* edit = Item<TEdit>(id)) edit->SetText(text);
}

int CNavDialog::RadioIndex(std::initializer_list<int> group) const {
    int index = 0;
    for (int id : group) {
        if (IsChecked(id)) return index;
        ++index;
    }
    return 0;
}

void CNavDialog::SetRadioIndex(std::initializer_list<int> group, int index) {
    int i = 0;
    for (int id : group) SetChecked(id, i++ == index);
}

void CNavDialog::Enable(int id, bool enable) {
    if (auto* control = GetDlgItem(id)) control->EnableWindow(enable);
}

void CNavDialog::LimitChars(int editId, unsigned maxChars) {
    editOf(*this, editId)->SetValidator(new MaxCharsValidator(maxChars));
}

void CNavDialog::LimitRange(int editId, int low, int high) {
    editOf(*this, editId)->SetValidator(new RangeValidator(low, high));
}
