#include "korvalin/shell/TStartUpDialog.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/ImageDC.h"
#include "platform/window/Control.h"

namespace {

constexpr int kBild = 101;

TDialogResource ressource(int id) {
    TDialogResource r;
    r.size = id == 3 ? TSize{240, 180} : TSize{320, 221};
    // The picture fills the whole pop-up, so the larger one shows no bare margin.
    r.controls = {{TControlKind::Custom, kBild, "", {0, 0, r.size.cx, r.size.cy}}};
    r.popup = true;
    return r;
}

// Picture 1101, drawn anew: name, purpose and a wall with its temperature line.
class Startbild : public TControl {
public:
    Startbild(TWindow* parent) : TControl(parent, kBild) {}
    void Paint(TDC& dc, bool, TRect&) override {
        const TRect r = GetClientRect();
        const int w = r.Width(), h = r.Height();
        dc.FillRect(r, TBrush(TColor(24, 56, 112)));
        dc.FillRect({0, h * 3 / 4, w, h}, TBrush(TColor(235, 238, 242)));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(TColor::White);
        dc.SelectObject(TFont("Arial", -h / 8, 0, 0, 0, FW_BOLD));
        TRect titel{0, h / 10, w, h / 4};
        dc.DrawText("QTX KORVALIN", titel, DT_CENTER | DT_SINGLELINE);
        dc.SelectObject(TFont("Arial", -h / 18));
        TRect zweck{0, h / 4 + h / 40, w, h / 3 + h / 20};
        dc.DrawText("Bauphysik nach DIN 4108 und WSchVO 1995", zweck, DT_CENTER | DT_SINGLELINE);
        // Three layers of a wall, the temperature falling through them.
        const int oben = h * 2 / 5, unten = h * 7 / 10, x0 = w * 3 / 10, d = w / 10;
        const TColor schichten[] = {TColor(200, 110, 60), TColor(240, 200, 70),
                                    TColor(205, 205, 205)};
        for (int i = 0; i < 3; ++i) {
            dc.SelectObject(TPen(TColor::Black));
            dc.SelectObject(TBrush(schichten[i]));
            dc.Rectangle(x0 + i * d * 4 / 3, oben, x0 + (i + 1) * d * 4 / 3 + 1, unten);
        }
        dc.SelectObject(TPen(TColor(230, 40, 30), 2));
        dc.MoveTo(x0 - d, oben + 4);
        dc.LineTo(x0, oben + 8);
        dc.LineTo(x0 + d * 4, unten - 8);
        dc.LineTo(x0 + d * 5, unten - 4);
        dc.SetTextColor(TColor(24, 56, 112));
        dc.SelectObject(TFont("Arial", -h / 20));
        TRect fuss{0, h * 3 / 4, w, h};
        dc.DrawText("Version 6.0", fuss, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

} // namespace

TStartUpDialog::TStartUpDialog(TWindow* parent, int resourceId)
    : TDialog(parent, ressource(resourceId)) {
    new Startbild(this);
}

void TStartUpDialog::SetupWindow() {
    TDialog::SetupWindow();
    SetTimer(kTimer, kDauer);
    // Centred on the screen; both divisions truncate toward zero.
    const TRect fenster = GetWindowRect();
    const TSize schirm = GetScreenSize();
    const int links = (schirm.cx - fenster.Width()) / 2;
    const int oben = (schirm.cy - fenster.Height()) / 2;
    MoveWindow({TPoint{links, oben}, TSize{fenster.Width(), fenster.Height()}});
}

void TStartUpDialog::EvTimer(uint32_t timerId) {
    KillTimer(kTimer);
    PostMessage(WM_CLOSE);
}

int StartUpRessource(int zeichenhoehe) {
    return zeichenhoehe > 18 ? 3 : 4;
}

int SystemschriftHoehe() {
    TImageDC dc(1, 1);
    dc.SelectStockObject(SYSTEM_FONT);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    return tm.tmHeight;
}
