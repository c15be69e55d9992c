#include "korvalin/bauteil/TSchichtgrafikButton.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "stammwerk/grafik/TBaustoffGrafik.h"
#include "stammwerk/grafik/TBauteilGrafik.h"

const TSchraffurArt SchraffurArten[13] = {
    {"Dämmstoffe 1", 5},   {"Dämmstoffe 2", 14},    {"unbew. Beton", 15},
    {"bew. Beton", 4},     {"Betonfertigteil", 17}, {"Mauerwerk", 16},
    {"Putz, Mörtel 1", 1}, {"Putz, Mörtel 2", 13},  {"Holz", 6},
    {"Sperrschicht", 7},   {"Dämmschicht", 18},     {"Luftschicht", 9},
    {"keine Grafik", 19}};

int SchraffurIndex(int code) {
    if (code == 10) return 5;
    for (int i = 0; i < 13; ++i)
        if (SchraffurArten[i].code == code) return i;
    return 12;
}

namespace {
constexpr int kBild = 32; // pixels
}

TSchichtgrafikButton::TSchichtgrafikButton(TWindow* parent, int id) : TControl(parent, id) {}

void TSchichtgrafikButton::SetIndex(int index) {
    index_ = index;
    if (IsCreated()) Invalidate();
}

void TSchichtgrafikButton::Paint(TDC& dc, bool, TRect&) {
    if (index_ < 0 || index_ > 12) return;
    dc.SetBkMode(TRANSPARENT);
    dc.FillRect(TRect{0, 0, kBild, kBild}, TBrush(TColor::White));
    auto grafik = TBauteilGrafik::NeueBaustoffGrafik(
        TBauteilGrafik::SetBaustoffGrafikKlasse(SchraffurArten[index_].code), kBild);
    if (!grafik) return;
    grafik->GrafikGroesse = kBild;
    grafik->SetPosition(0, 0, kBild, kBild);
    grafik->Draw(dc, TRect{0, 0, kBild, kBild}, true);
}
