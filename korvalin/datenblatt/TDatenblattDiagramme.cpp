// The chart block of the heat-protection proof: a pie of the transmission
// demand by component class and a bar chart of the weighted balance terms.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/PJStruct.h"
#include "stammwerk/modell/TProjekt.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kGrad = 2 * 3.1416 / 360; // as the charts have always drawn
constexpr int kRadius = 100;
constexpr int kBalkenbreite = 20;
constexpr int kBalkenabstand = 25;
constexpr int kVorQH = 75;
constexpr int kTiefeX = 20, kTiefeY = 10;

constexpr std::array<TColor, 6> kSegmentfarben{
    TColor(192, 220, 192), TColor(0, 255, 0), TColor(0, 255, 255),
    TColor(255, 0, 255),   TColor(255, 0, 0), TColor(255, 255, 128),
};
constexpr std::array<const char*, 6> kLegende{
    " Außenwände W  \n ",  " Fenster F  \n ",    " Dach D  \n ",
    " Grundfläche G  \n ", " Trennwand AB  \n ", " Decke DL  \n ",
};
constexpr std::array<TColor, 6> kBalkenfarben{
    TColor(0, 0, 0),       TColor(192, 220, 192), TColor(64, 128, 128),
    TColor(128, 255, 128), TColor(255, 255, 128), TColor(255, 0, 0),
};

// The pie's box and centre in the current block.
struct Kreis {
    int L, T, R, B, cx, cy;
};
Kreis kreis(const TDatenblattBasis& b, int breite, int hoehe) {
    const int L = b.Block.Links, T = b.Block.Oben + 100;
    return {L, T, L + breite, T + hoehe, L + breite / 2, T + hoehe / 2};
}
} // namespace

void TDatenblattBasis::TransmissionsKreisdiagramm(TDC& dc, int breite, int hoehe, int tiefe,
                                                  const double* anteile, int anzahl, int pass) {
    Durchgang = pass;
    const Kreis k = kreis(*this, breite, hoehe);
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const std::string titel = " Transmissionswärmebedarf ";
    dc.TextOut(k.cx - dc.GetTextExtent(titel).cx / 2, k.T - 50, titel);

    const TRect box(k.L, k.T, k.R, k.B);
    dc.Ellipse(box);
    const int ym = (k.T + k.B) / 2;
    dc.MoveTo(k.L, ym);
    dc.LineTo(k.L, ym + tiefe);
    dc.MoveTo(k.R, ym);
    dc.LineTo(k.R, ym + tiefe);
    dc.Arc(TRect(k.L, k.T + tiefe, k.R, k.B + tiefe), {k.L, ym + tiefe}, {k.R, ym + tiefe});

    // Slices clockwise from twelve o'clock in class order.
    double winkel = 0;
    TPoint q(k.cx, k.cy - kRadius);
    for (int i = 0; i < std::min(anzahl, 6); ++i) {
        const TBrush vorher = dc.SelectObject(TBrush(kSegmentfarben[size_t(i)]));
        winkel += 360 * anteile[i] / 100;
        const TPoint p(k.cx + int(kRadius * std::sin(winkel * kGrad)),
                       k.cy - int(kRadius * std::cos(winkel * kGrad)));
        if (anteile[i] > 0) {
            int px = p.x, qx = q.x;
            if (p.y >= k.cy && q.y >= k.cy) {
                px -= 2;
                qx += 2;
            } else if (p.y >= k.cy) {
                px -= 2;
                qx -= 2;
            } else if (q.y >= k.cy) {
                px += 2;
                qx += 2;
            } else {
                px += 2;
                qx -= 2;
            }
            const bool voll = p.y < k.cy && q.y < k.cy && anteile[i] == 100;
            if (voll)
                dc.Ellipse(box);
            else
                dc.Pie(box, {px, p.y}, {qx, q.y});
        }
        dc.SelectObject(vorher);
        q = p;
    }
    KreisdiagrammBeschriften(dc, breite, hoehe, anteile, anzahl, pass);
    dc.SelectObject(alt);

    Block.Unten = Block.InnenUnten = k.B + tiefe + 100;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;

    const TProjekt* projekt = Projekt();
    if (!projekt || pass != 1 || DateiFlag()) return;
    PJStruct pj;
    projekt->SetPjGroessen(pj);
    const double werte[5] = {pj[7], pj[8], pj[9], pj[10], 100.0};
    BilanzBalkendiagramm(dc, breite, hoehe, tiefe, werte, 5, pass);
}

void TDatenblattBasis::DiagrammBlock(TDC& dc, int pass) {
    Durchgang = pass;
    const TProjekt* p = Projekt();
    if (pass == 0 || !p) {
        Block.InnenHoehe = Block.Hoehe = p ? 450 : 0;
        return;
    }
    PJStruct pj;
    p->SetPjGroessen(pj);
    double anteile[6];
    for (size_t i = 0; i < 6; ++i) anteile[i] = pj[1 + i];
    TransmissionsKreisdiagramm(dc, 300, 300, 0, anteile, 6, pass);
}

void TDatenblattBasis::KreisdiagrammBeschriften(TDC& dc, int breite, int hoehe,
                                                const double* anteile, int anzahl, int pass) {
    if (pass != 1) return;
    const Kreis k = kreis(*this, breite, hoehe);
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    Diagrammbeschriftungen.fill(TRect());
    DiagrammSeite = Block.Seite;
    std::array<TRect, 6> lokal{};
    double winkel = 0;
    const int n = std::min(anzahl, 6);
    for (int i = 0; i < n; ++i) {
        Titeltext = QTX_format("%s%3.1lf%s", kLegende[size_t(i)], anteile[i], " % ");
        const TSize ausdehnung = dc.GetTextExtent(Titeltext);
        const int W = ausdehnung.cx, H = ausdehnung.cy;
        const double mitte = winkel + 360 * anteile[i] * 0.005;
        const int px = k.cx + int(std::sin(mitte * kGrad) * (breite / 3));
        const int py = k.cy - int(std::cos(mitte * kGrad) * (breite / 3));
        winkel += 360 * anteile[i] / 100;
        TRect r(px - W / 2, py - H / 2, px - W / 2 + W - 20, py - H / 2 + 2 * H + 5);
        lokal[size_t(i)] = r;
        if (anteile[i] <= 0) continue;
        // One pass against each other label, no re-check.
        for (int j = 0; j < n; ++j) {
            if (j == i) continue;
            const TRect& o = lokal[size_t(j)];
            if (o.left < r.right && o.right > r.left && o.top < r.bottom && o.bottom > r.top) {
                const int dy = o.top >= r.top ? o.top - r.top - 30 : r.top - o.top;
                r = TRect(r.left + 10, r.top + dy, r.right + 10, r.bottom + dy);
            }
        }
        lokal[size_t(i)] = r;
        Diagrammbeschriftungen[size_t(i)] = r;
        const int modus = dc.SetBkMode(TRANSPARENT);
        dc.DrawText(Titeltext, r, DT_CENTER | DT_NOPREFIX);
        dc.SetBkMode(modus);
    }
    dc.SelectObject(alt);
}

void TDatenblattBasis::BilanzBalkendiagramm(TDC& dc, int breite, int hoehe, int tiefe,
                                            const double* werte, int anzahl, int pass) {
    (void)tiefe;
    if (pass == 0) return;
    double m = 0;
    for (int i = 0; i < anzahl; ++i) m = std::max(m, werte[i]);
    const double s = m / 100;
    TPoint o(Block.Links + breite + 2 * kBalkenabstand, Block.Oben + 100);
    DiagrammRahmenZeichnen(dc, o, breite, hoehe, kTiefeX, kTiefeY);
    AchsenBeschriften(dc, o, kTiefeX, kTiefeY, hoehe);
    {
        const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        const std::string titel = " Wärmebedarf / Wärmegewinne ";
        dc.TextOut(o.x + breite / 2 - dc.GetTextExtent(titel).cx / 2, Block.Oben + 50, titel);
        dc.SelectObject(alt);
    }
    const TProjekt* p = Projekt();
    const bool normal = !p || p->NormaleInnentemperatur != 0;
    const std::array<const char*, 6> namen{
        "",
        " Transmissionswärmebedarf ",
        " Lüftungswärmebedarf ",
        " Interne Wärmegewinne ",
        " Solare Wärmegewinne ",
        normal ? " Jahresheizwärmebedarf " : " Jahrestransmiss.wärmebedarf ",
    };
    // Each bar carries two turned lines, its name and its share: the bars
    // stand far enough apart that a share does not run into the next name.
    int zeile = 0;
    {
        const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopfVertikal));
        zeile = dc.GetTextExtent("0").cy;
        dc.SelectObject(alt);
    }
    const int abstand = std::max(kBalkenabstand, 2 * zeile + kTiefeX / 2 + 4);
    std::array<TRect, 6> balken{};
    balken[0].left = o.x;
    const int n = std::min(anzahl, 5);
    for (int k = 1; k <= n; ++k) {
        TRect& b = balken[size_t(k)];
        b.left = balken[size_t(k - 1)].left + (k == 5 ? kVorQH : abstand);
        b.right = b.left + kBalkenbreite;
        const double v = s > 0 ? werte[k - 1] : 0;
        if (k == 3 || k == 4) {
            b.top = o.y;
            b.bottom = s > 0 ? int(o.y + int(v * 1.5) / s) : o.y;
        } else {
            b.bottom = o.y;
            b.top = s > 0 ? int(o.y - v * 1.5 / s) : o.y;
        }
    }
    for (int k = 1; k <= n; ++k) {
        BalkenZeichnen(dc, balken.data(), k, kTiefeX, kTiefeY);
        Spaltentext[0] = namen[size_t(k)];
        Titeltext = Spaltentext[0];
        BalkenBeschriften(dc, balken[size_t(k)], kTiefeX, werte[k - 1]);
    }
}

void TDatenblattBasis::DiagrammRahmenZeichnen(TDC& dc, TPoint& o, int w, int h, int dx, int dy) {
    const TBrush vorher = dc.SelectObject(TBrush(TColor::LtGray));
    const TPoint wand[4] = {
        {o.x, o.y + h}, {o.x, o.y}, {o.x + dx, o.y - dy}, {o.x + dx, o.y + h - dy}};
    dc.Polygon(wand, 4);
    dc.MoveTo(o.x, o.y);
    dc.LineTo(o.x, o.y + h);
    o.y += h / 2;
    dc.MoveTo(o.x, o.y);
    dc.LineTo(o.x + w, o.y);
    dc.MoveTo(o.x, o.y);
    dc.LineTo(o.x + dx, o.y - dy);
    dc.MoveTo(o.x + dx, o.y - dy);
    dc.LineTo(o.x + w + dx, o.y - dy);
    const TPoint boden[4] = {
        {o.x, o.y}, {o.x + dx, o.y - dy}, {o.x + w + dx, o.y - dy}, {o.x + w, o.y}};
    dc.Polygon(boden, 4);
    dc.SelectObject(vorher);
}

void TDatenblattBasis::AchsenBeschriften(TDC& dc, TPoint& o, int dx, int dy, int h) {
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopfVertikal));
    const int modus = dc.SetBkMode(TRANSPARENT);
    const std::string oben = " Wärmebedarf ", unten = " Wärmegewinne ";
    const TSize a = dc.GetTextExtent(oben), b = dc.GetTextExtent(unten);
    dc.TextOut(o.x + (dx - a.cy) / 2, o.y - dy - (h / 2 - a.cx) / 2, oben);
    dc.TextOut(o.x + (dx - b.cy) / 2, o.y + h / 2 - dy - (h / 2 - b.cx) / 2, unten);
    dc.SetBkMode(modus);
    dc.SelectObject(alt);
}

void TDatenblattBasis::BalkenZeichnen(TDC& dc, TRect* balken, int k, int dx, int dy) {
    const TRect& b = balken[k];
    const TColor farbe = kBalkenfarben[size_t(std::clamp(k, 0, 5))];
    const int L = b.left, T = b.top, R = b.right, B = b.bottom;
    dc.FillRect(TRect(L, std::min(T, B), R, std::max(T, B)), TBrush(farbe));
    const TBrush vorher = dc.SelectObject(TBrush(farbe));
    const TPoint deckel[4] = {{L, T}, {R, T - dy}, {R + dx, T - dy}, {R, T}};
    dc.Polygon(deckel, 4);
    const TPoint seite[4] = {{R, T}, {R + dx, T - dy}, {R + dx, B - dy}, {R, B}};
    dc.Polygon(seite, 4);
    dc.SelectObject(vorher);
    dc.MoveTo(L, B);
    dc.LineTo(L, T);
    dc.LineTo(R, T);
    dc.LineTo(R, B);
    dc.MoveTo(L, T);
    dc.LineTo(R, T - dy);
    dc.LineTo(R + dx, T - dy);
    dc.LineTo(R + dx, B - dy);
    dc.LineTo(R, B);
    dc.MoveTo(R, T);
    dc.LineTo(R + dx, T - dy);
}

void TDatenblattBasis::BalkenBeschriften(TDC& dc, TRect& b, int dx, double wert) {
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopfVertikal));
    const int modus = dc.SetBkMode(TRANSPARENT);
    const std::string text = QTX_format("%3.1lf%s", wert, " % ");
    const std::string& name = Titeltext;
    const TSize n = dc.GetTextExtent(name);
    const int vW = dc.GetTextExtent(text).cx;
    dc.TextOut(b.right - n.cy, b.bottom + n.cx + n.cx / 10, name);
    dc.TextOut(b.right + (dx - n.cy) / 2, b.bottom + n.cx + n.cx / 10 - n.cx / 2 + vW / 2, text);
    dc.SetBkMode(modus);
    dc.SelectObject(alt);
}
