#include "stammwerk/grafik/TBaustoffGrafik.h"

#include "platform/gdi/DC.h"

#include <algorithm>

bool TBaustoffGrafik::bSchutzbahnVersetzen = false;

int TBaustoffGrafik::CalcGrafikSize() const {
    if (bFesteGroesse) return FesteGroesse;
    return std::max(GrafikGroesse, 3);
}

void TBaustoffGrafik::SetPosition(int x, int y, int hoehe, int breite) {
    Oben = y;
    Unten = y + hoehe;
    Links = x;
    Rechts = x + breite;
}

void TBaustoffGrafik::DrawBegrenzung(TDC& dc, int breite, bool hochkant) const {
    const bool eigenerStift = breite > 1;
    TPen vorher;
    if (eigenerStift) vorher = dc.SelectObject(TPen(TColor::Black, breite));
    if (hochkant) {
        dc.MoveTo(Links, Oben);
        dc.LineTo(Links, Unten);
        dc.MoveTo(Rechts, Oben);
        dc.LineTo(Rechts, Unten);
    } else {
        dc.MoveTo(Links, Oben);
        dc.LineTo(Rechts, Oben);
        dc.MoveTo(Links, Unten);
        dc.LineTo(Rechts, Unten);
    }
    if (eigenerStift) dc.SelectObject(vorher);
}
