// The periodic heat transfer sheet's two case blocks: a picture of the wall
// with its amplitudes, the legend, and per area range the dynamic U-value,
// the damping and the phase shift (Heindl's matrix method, period 24 h).
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/TBauteilGlaser.h"

#include <cstdio>

namespace {
// The period the values are computed for, h.
constexpr double kPeriode = 24.0;

std::string plain(const char* format, double wert) {
    char text[64];
    std::snprintf(text, sizeof text, format, " ", wert, " ");
    return text;
}

void pfeil(TDC& dc, int x, int von, int bis, int breite, int rueck) {
    dc.MoveTo(x, von);
    dc.LineTo(x, bis);
    const TPoint kopf[3] = {{x, bis}, {x - breite, bis + rueck}, {x + breite, bis + rueck}};
    dc.Polygon(kopf, 3);
}
} // namespace

void TDatenblattBasis::HeindlFall1(TDC& dc, int pass) {
    HeindlKennwerte(dc, 1, pass);
}

void TDatenblattBasis::HeindlFall2(TDC& dc, int pass) {
    HeindlKennwerte(dc, 2, pass);
}

void TDatenblattBasis::HeindlKennwerte(TDC& dc, int fall, int pass) {
    Durchgang = pass;
    const bool eins = fall == 1;
    const int L = Block.Links;
    const int T = Block.Oben + (eins ? 40 : 0);
    Block.Unten = Block.InnenUnten = T + 350;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    Block.Bauteil = PeriodenBauteil;
    const int zeichnen = pass != 0 ? 1 : 0;
    TBauteilGlaser& g = GlaserMaler();
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Formel));
    const int altModus = dc.SetBkMode(TRANSPARENT);
    const TBrush altPinsel = dc.SelectObject(TBrush(TColor::Black));
    const int h = dc.GetTextExtent(" TextSize ").cy;

    // Picture.
    dc.FrameRect(TRect(L, T, L + 450, T + 350), TBrush(TColor::Black));
    const int cx = L + 225, cy = T + 175;
    dc.FrameRect(TRect(cx - 50, cy - 100, cx + 50, cy + 100), TBrush(TColor::Black));
    for (int s : {-1, 1}) {
        dc.MoveTo(cx - 50, cy + s * 70);
        dc.LineTo(cx - 70, cy + s * 80);
        dc.LineTo(cx - 170, cy + s * 80);
    }
    if (eins) {
        dc.MoveTo(cx + 70, cy);
        dc.LineTo(cx + 170, cy);
        for (int s : {-1, 1}) {
            dc.MoveTo(cx + 70, cy);
            dc.LineTo(cx + 50, cy + s * 10);
            dc.LineTo(cx + 10, cy + s * 10);
        }
    } else {
        for (int s : {-1, 1}) {
            dc.MoveTo(cx + 50, cy + s * 10);
            dc.LineTo(cx + 170, cy + s * 10);
        }
    }
    pfeil(dc, cx - 100, cy - 50, cy - 80, 4, 5);
    pfeil(dc, cx - 100, cy + 50, cy + 80, 4, -5);
    const int xi = eins ? cx + 30 : cx + 110;
    pfeil(dc, xi, cy - 25, cy - 10, 5, -6);
    pfeil(dc, xi, cy + 25, cy + 10, 5, 6);

    // Texts of the picture.
    if (eins && PeriodenBauteil) {
        dc.SelectObject(Texte().Font(Textstil::Titel));
        const int th = dc.GetTextExtent("Bauteil: ").cy;
        dc.TextOut(L + 5, T - 5 - th, "Bauteil: " + PeriodenBauteil->Name);
        dc.SelectObject(Texte().Font(Textstil::Formel));
    }
    TRect absatz(L + 5, T + 5, L + 445, T + 55);
    dc.DrawText(eins ? "Fall I: Temperatur im Innern konst. Dies gilt für ein sehr "
                       "wärmespeicherndes Gebäudeinnere (Massivkonstrukt.) oder bei einem "
                       "konditionierten Gebäude. "
                     : "Fall II: Wärmestrom im Innern konstant oder 0. Dies gilt für ein sehr "
                       "leichtes Gebäudeinnere und konstante oder keine Heizung/Kühlung. ",
                absatz, DT_WORDBREAK);
    const auto nach = [&](int x, int y, const char* text) {
        dc.SelectObject(Texte().Font(Textstil::Formel));
        dc.TextOut(x, y, text);
    };
    nach(g.IndexMitReturn(dc, cx - 160, cy - 100 - h - 5, "q", "a", 1, zeichnen), cy - 100 - h - 5,
         " = variabel ");
    nach(g.IndexMitReturn(dc, cx + 100, cy - 100 - h - 5, "q", "i", 1, zeichnen), cy - 100 - h - 5,
         eins ? " = variabel " : " = konstant ");
    nach(g.SymIndexMitReturn(dc, cx - 160, cy - 100, "J", "a", 1, zeichnen), cy - 100, " : ");
    if (eins) {
        nach(g.SymIndexMitReturn(dc, cx + 80, cy - h - 5, "J", "i", 1, zeichnen), cy - h - 5,
             " = konstant ");
        nach(g.IndexMitReturn(dc, cx + 80, cy + 5, "A", "i", 1, zeichnen), cy + 5, " = 0 ");
        g.IndexMitReturn(dc, cx - 10, cy - h / 2, "2 A", "o", 1, zeichnen);
    } else {
        g.IndexMitReturn(dc, g.IndexMitReturn(dc, cx + 80, cy - h - 30, "2 A", "i", 1, zeichnen),
                         cy - h - 30, " = 2 A", "o", 1, zeichnen);
    }
    g.IndexMitReturn(dc, cx - 120, cy, "2 A", "a", 1, zeichnen);
    dc.SelectObject(Texte().Font(Textstil::Formel));
    dc.TextOut(L + 5, cy + 105, " Index ");
    dc.TextOut(cx - 120, cy + 105, " a ");
    dc.TextOut(cx - 50, cy + 105, " D ");
    dc.TextOut(cx + 50, cy + 105, " o ");
    dc.TextOut(cx + 100, cy + 105, " i ");
    {
        int x = L;
        const int y = T + 350 - h;
        dc.TextOut(x, y, " außen a, innen i, Wärmestrom q, ");
        x += dc.GetTextExtent(" außen a, innen i, Wärmestrom q, ").cx;
        dc.TextOut(x, y, "Temperatur");
        x += dc.GetTextExtent("Temperatur").cx;
        x = g.SymIndexMitReturn(dc, x, y, "J", "", 1, zeichnen);
        nach(x, y, ", Temperaturamplitude A ");
    }
    dc.SetTextColor(TColor::Black);

    // Right-hand column.
    const int xr = L + 450;
    const auto zeile = [&](int n) { return T + n * h; };
    const auto text = [&](int x, int y, const char* t) {
        nach(x, y, t);
        return x + dc.GetTextExtent(t).cx;
    };
    if (eins) {
        int x = text(xr, zeile(0), " Dynamischer k-Wert");
        text(g.IndexMitReturn(dc, x, zeile(0), "k", "T", 1, zeichnen), zeile(0), " in W/m²K ");
        x = text(xr, zeile(1), " Temperaturamplitudendämpfung");
        g.SymIndexMitReturn(dc, x, zeile(1), "n", "E", 1, zeichnen);
        x = text(xr, zeile(2), " Zugehörige Phasenverschiebung");
        text(g.SymIndexMitReturn(dc, x, zeile(2), "h", "E", 1, zeichnen), zeile(2), " in h ");
        text(xr, zeile(3), " Periodenlänge T = 24 h ");
        x = g.SymIndexMitReturn(dc, xr, zeile(5), " n", "E", 1, zeichnen);
        x = g.IndexMitReturn(dc, x, zeile(5), " = A", "a", 1, zeichnen);
        g.IndexMitReturn(dc, x, zeile(5), " / A", "o", 1, zeichnen);
        x = g.IndexMitReturn(dc, xr, zeile(6), " k", "T", 1, zeichnen);
        x = text(x, zeile(6), " = Amplitude von ");
        x = g.IndexMitReturn(dc, x, zeile(6), "q", "i", 1, zeichnen);
        g.IndexMitReturn(dc, x, zeile(6), " / A", "a", 1, zeichnen);
    } else {
        int x = text(xr, zeile(0), " Temperaturamplitudendämpfung");
        g.SymIndexMitReturn(dc, x, zeile(0), "n", "H", 1, zeichnen);
        x = text(xr, zeile(1), " Zugehörige Phasenverschiebung");
        text(g.SymIndexMitReturn(dc, x, zeile(1), "h", "H", 1, zeichnen), zeile(1), " in h ");
        text(xr, zeile(2), " Periodenlänge T = 24 h ");
        x = g.SymIndexMitReturn(dc, xr, zeile(4), " n", "H", 1, zeichnen);
        x = g.IndexMitReturn(dc, x, zeile(4), " = A", "a", 1, zeichnen);
        g.IndexMitReturn(dc, x, zeile(4), " / A", "i", 1, zeichnen);
    }

    // One row per area range.
    if (PeriodenBauteil) {
        TRBauteil& t = *PeriodenBauteil;
        const bool mehrere = t.Flaechenanteile.GetItemsInContainer() > 1;
        int k = 0;
        for (TEinfachBauteil& e : t.Flaechenanteile) {
            const int Y = T + 120 + 70 * k;
            e.WaermespeicherBerechnen(kPeriode, t.Rsi, t.Rse);
            if (mehrere) {
                char kopf[96];
                std::snprintf(kopf, sizeof kopf, " Bereich %i: %s", k + 1, e.Name.c_str());
                text(xr, Y, kopf);
            }
            if (e.SpeicherGueltig == 0) {
                text(xr, Y + h, " Keine Berechnung möglich, da entweder ");
                text(xr, Y + 2 * h, " - direkte k-Wert Eingabe ");
                text(xr, Y + 3 * h, " - Dichte-, lambda- oder C-Wert ");
                text(xr, Y + 4 * h, "   einer Schicht = 0 ist ");
            } else if (eins) {
                int x = g.IndexMitReturn(dc, xr, Y + h, " k", "T", 1, zeichnen);
                text(text(x, Y + h, " = "), Y + h, (plain("%s%4.3lf%s", e.Y12) + "W/m²K ").c_str());
                x = g.SymIndexMitReturn(dc, xr, Y + 2 * h, " n", "E", 1, zeichnen);
                text(text(x, Y + 2 * h, " = "), Y + 2 * h,
                     (plain("%s%3.1lf%s", e.Daempfung) + " ").c_str());
                x = g.SymIndexMitReturn(dc, xr, Y + 3 * h, " h", "E", 1, zeichnen);
                text(text(x, Y + 3 * h, " = "), Y + 3 * h,
                     (plain("%s%3.1lf%s", e.Phasenverschiebung) + "h ").c_str());
            } else {
                int x = g.SymIndexMitReturn(dc, xr, Y + h, " n", "H", 1, zeichnen);
                text(text(x, Y + h, " = "), Y + h,
                     (plain("%s%3.1lf%s", e.DaempfungAussen) + " ").c_str());
                x = g.SymIndexMitReturn(dc, xr, Y + 2 * h, " h", "H", 1, zeichnen);
                text(text(x, Y + 2 * h, " = "), Y + 2 * h,
                     (plain("%s%3.1lf%s", e.PhasenverschiebungAussen) + "h ").c_str());
            }
            if (Y + 3 * h > Block.Unten) {
                Block.Unten = Block.InnenUnten = Y + 4 * h;
                Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
            }
            ++k;
        }
    }
    dc.SelectObject(altPinsel);
    dc.SetBkMode(altModus);
    dc.SelectObject(alt);
}
