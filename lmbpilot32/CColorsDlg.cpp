#include "lmbpilot32/CColorsDlg.h"

#include "platform/gdi/Brush.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"

#include <string>

namespace {

TDialogResource resource() {
    return {"Colors",
            {},
            {{TControlKind::RadioButton, CColorsDlg::IDC_TEXTCOLOR, "Text Color", {}, true},
             {TControlKind::RadioButton, CColorsDlg::IDC_BACKCOLOR, "Background Color", {}},
             {TControlKind::Static, CColorsDlg::IDC_SAMPLE, "          ", {}},
             {TControlKind::Static, -1, "&Red:", {}},
             {TControlKind::Edit, CColorsDlg::IDC_RED, "", {}},
             {TControlKind::Static, -1, "&Green:", {}},
             {TControlKind::Edit, CColorsDlg::IDC_GREEN, "", {}},
             {TControlKind::Static, -1, "&Blue:", {}},
             {TControlKind::Edit, CColorsDlg::IDC_BLUE, "", {}},
             {TControlKind::DefButton, IDOK, "OK", {}},
             {TControlKind::Button, IDCANCEL, "Cancel", {}}}};
}

int component(const std::string& text) {
    try {
        return std::clamp(std::stoi(text), 0, 255);
    } catch (...) {
        return 0;
    }
}

} // namespace

CColorsDlg::CColorsDlg(TWindow* parent, uint32_t& text, uint32_t& background, std::string helpFile)
    : CNavDialog(parent, resource(),
                 {400044, {{IDC_SAMPLE, 400045}, {IDC_TEXTCOLOR, 400046}, {IDC_BACKCOLOR, 400047}}},
                 std::move(helpFile)),
      text_(text), background_(background), sample_(std::make_unique<TBrush>()) {
    colors_[0] = text;
    colors_[1] = background;
    for (int id : {IDC_RED, IDC_GREEN, IDC_BLUE}) {
        LimitRange(id, 0, 255);
        Responses().Notify(id, EN_CHANGE, [this] { fieldChanged(); });
    }
    Responses().Notify(IDC_TEXTCOLOR, BN_CLICKED, [this] { select(0); });
    Responses().Notify(IDC_BACKCOLOR, BN_CLICKED, [this] { select(1); });
}

CColorsDlg::~CColorsDlg() = default;

void CColorsDlg::SetupWindow() {
    CNavDialog::SetupWindow();
    // The chooser's own part stays open: the fields are always shown.
    SetRadioIndex({IDC_TEXTCOLOR, IDC_BACKCOLOR}, 0);
    slot_ = 0;
    showColor(colors_[0]);
}

uint32_t CColorsDlg::ChooserColor() const {
    return TColor(component(Text(IDC_RED)), component(Text(IDC_GREEN)), component(Text(IDC_BLUE)))
        .GetValue();
}

void CColorsDlg::select(int slot) {
    if (slot == slot_) return;
    colors_[slot_] = ChooserColor();
    slot_ = slot;
    showColor(colors_[slot]);
}

void CColorsDlg::showColor(uint32_t color) {
    setting_ = true;
    const TColor c(color);
    SetText(IDC_RED, std::to_string(c.Red()));
    SetText(IDC_GREEN, std::to_string(c.Green()));
    SetText(IDC_BLUE, std::to_string(c.Blue()));
    setting_ = false;
    *sample_ = TBrush(c);
    if (auto* sample = GetDlgItem(IDC_SAMPLE)) sample->Invalidate();
}

void CColorsDlg::fieldChanged() {
    *sample_ = TBrush(TColor(ChooserColor()));
    if (auto* sample = GetDlgItem(IDC_SAMPLE)) sample->Invalidate();
    if (!setting_) colors_[slot_] = ChooserColor();
}

const TBrush* CColorsDlg::EvCtlColor(TDC& dc, HWND child, uint32_t ctlType) {
    const auto* sample = GetDlgItem(IDC_SAMPLE);
    return sample && child == sample->GetHandle() ? sample_.get() : nullptr;
}

void CColorsDlg::Store() {
    colors_[slot_] = ChooserColor();
    text_ = colors_[0];
    background_ = colors_[1];
}
