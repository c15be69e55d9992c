#include "korvalin/shell/korpusAboutDlg.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Control.h"
#include "platform/window/Static.h"
#include "stammwerk/modell/TDateiKopf.h"

namespace {

using K = TControlKind;
constexpr int kSymbol = 22010;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Info über KORVALIN";
    r.size = {204, 65};
    r.controls = {
        {K::Custom, kSymbol, "", {2, 2, 23, 22}},
        {K::Static, -1, TDateiKopf().Hersteller, {2, 4, 202, 12}},
        {K::Static, korpusAboutDlg::IDC_VERSION, "Version", {2, 14, 202, 22}},
        {K::Static, korpusAboutDlg::IDC_COPYRIGHT, "", {2, 27, 202, 44}},
        {K::Static, korpusAboutDlg::IDC_BUILD, "", {136, 55, 202, 63}},
        {K::DefButton, IDOK, "OK", {88, 48, 116, 60}},
    };
    return r;
}

// Icon 1001, drawn anew: a wall of three layers with its temperature line.
class Symbol : public TControl {
public:
    explicit Symbol(TWindow* parent) : TControl(parent, kSymbol) {}
    void Paint(TDC& dc, bool, TRect&) override {
        const TRect r = GetClientRect();
        const int w = r.Width(), h = r.Height(), d = w / 4;
        const TColor farben[] = {TColor(200, 110, 60), TColor(240, 200, 70), TColor(205, 205, 205)};
        dc.SelectObject(TPen(TColor::Black));
        for (int i = 0; i < 3; ++i) {
            dc.SelectObject(TBrush(farben[i]));
            dc.Rectangle(d / 2 + i * d, 1, d / 2 + (i + 1) * d + 1, h - 1);
        }
        dc.SelectObject(TPen(TColor(230, 40, 30), 2));
        dc.MoveTo(1, 3);
        dc.LineTo(d / 2, 4);
        dc.LineTo(d / 2 + 3 * d, h - 4);
        dc.LineTo(w - 1, h - 3);
    }
};

void centre(TStatic* s) {
    if (s) s->SetAlignment(TStatic::Center);
}

} // namespace

korpusAboutDlg::korpusAboutDlg(TWindow* parent, const TVersionsSatz* satz)
    : TDialog(parent, ressource()), satz_(satz) {
    new Symbol(this);
}

void korpusAboutDlg::SetupWindow() {
    TDialog::SetupWindow();
    for (auto* w : Children())
        if (auto* s = dynamic_cast<TStatic*>(w); s && s->GetId() != IDC_BUILD) centre(s);
    if (auto* s = Item<TStatic>(IDC_BUILD)) s->SetAlignment(TStatic::Right);

    const TProjectRCVersion version(satz_);
    const char *name = nullptr, *nummer = nullptr, *text = nullptr;
    if (version.GetProductName(name) && version.GetProductVersion(nummer))
        if (auto* s = Item<TStatic>(IDC_VERSION))
            s->SetText(std::string(name) + " " + s->GetText() + " " + nummer);
    if (version.GetLegalCopyright(text))
        if (auto* s = Item<TStatic>(IDC_COPYRIGHT)) s->SetText(text);
    if (version.GetSpecialBuild(text))
        if (auto* s = Item<TStatic>(IDC_BUILD)) s->SetText(text);
}
