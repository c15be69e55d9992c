// The end of the certificate: the items that entered the annual heating
// demand with their footnotes (variant A), and the signature block that all
// variants end with.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>

namespace ausweis {

namespace {

void pruefkasten(TText& t, TDC& dc, int32_t textLinks, int32_t textOben, bool angekreuzt) {
    const int32_t H = t.Einheit;
    const TRect r(textLinks - 2 * H, textOben - H / 2, textLinks - H, textOben + H / 2);
    if (Sichtbar(t)) Rahmen(dc, r);
    if (angekreuzt) Kreuz(dc, r);
}

// " 4, 5, 9": the running numbers of the wall rows behind a glass porch.
std::string glasvorbauListe(const TText& t) {
    std::string s = " ";
    bool erste = true;
    for (int32_t n : t.Glasvorbauten) {
        if (n <= 0) continue;
        if (!erste) s += ", ";
        s += std::to_string(n);
        erste = false;
    }
    return s;
}

} // namespace

void AusweisBeruecksichtigt(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const int32_t H = t.Einheit, L = Links(t), PW = t.SeitenBreite;
    const auto halb = int32_t(Nutzbreite(t) * 0.5);
    const int32_t T = t.TextRect.bottom + 4 * H, unten = T + 12 * H;
    t.TextRect = TRect(L, T, PW, unten);
    FontWahl text(dc, Arial(14));
    if (Sichtbar(t))
        Schreiben(dc, "Bei der Ermittlung des Jahres-Heizwärmebedarfs wurden berücksichtigt:",
                  TRect(L, T - 2 * H, PW, T - H), kLinks);
    const int32_t xl = L + 2 * H, xlEnde = xl + halb, xr = xlEnde + 2 * H;
    const int32_t reiheUnten = T + int32_t(12 * H * 0.4);
    const auto eintrag = [&](int32_t x, int32_t rechts, int32_t oben, int32_t bis,
                             std::string_view s) {
        if (Sichtbar(t)) Schreiben(dc, s, TRect(x, oben, rechts, bis), kLinks);
    };

    // First row: glass porch and ventilation with heat recovery.
    eintrag(xl, xlEnde, T, reiheUnten,
            "geschlossener, nicht beheizter Glasvorbau mit \nEinfachverglasung / Isolier- oder "
            "Doppel - \nverglasung / Wärmeschutzverglasung 2) bei \nden Flächen");
    pruefkasten(t, dc, xl, T, t.GlasvorbauMerker == 1);
    eintrag(xr, PW, T, reiheUnten,
            "mechanisch betriebene Lüftungsanlage mit \nWärmerückgewinnung (mit oder ohne Wärme- "
            "\npumpe), Wärmerückgewinnungsgrad der \nAnlage");
    const bool rueckgewinnung = p->Lueftungsanlage == 2 || p->Lueftungsanlage == 3;
    if (rueckgewinnung) t.WRGMerker = 1;
    pruefkasten(t, dc, xr, T, rueckgewinnung);

    // The fields below them.
    const int32_t fOben = reiheUnten + H, fUnten = fOben + 2 * H;
    const TRect links(xl, fOben, xlEnde - 3 * H, fUnten), rechts(xr, fOben, PW, fUnten);
    if (Sichtbar(t)) {
        Rahmen(dc, links);
        Rahmen(dc, rechts);
        dc.TextOut(links.left, fOben + H / 2, "  (lfd. Nr.) : ");
    }
    if (t.GlasvorbauMerker == 1) {
        FontWahl fett(dc, ArialFett());
        Schreiben(dc, glasvorbauListe(t), links, kZeileMitte);
    }
    t.IndexMitSymbolAlsBasis(dc, rechts.left + H, fOben + H / 2, "h", "W", 1);
    // The degree belongs to every system with heat recovery, not only to the
    // one with a heat pump.
    if (rueckgewinnung) {
        FontWahl fett(dc, ArialFett());
        Schreiben(dc, ZahlMit(p->Waermerueckgewinnungsgrad, "", 1), rechts, kZeileMitte);
    }
    if (Sichtbar(t)) dc.TextOut(rechts.right - H, fOben + H / 2, "%");

    // Last row: office use and ventilation without heat recovery.
    const int32_t letzte = fUnten + H;
    eintrag(xl, xlEnde, letzte, unten,
            "erhöhte Werte für die nutzbare interne Wärme \nwegen ausschließlicher Nutzung als "
            "Büro- oder \nVerwaltungsgebäude");
    pruefkasten(t, dc, xl, letzte, p->Gebaeudenutzung == 1);
    eintrag(xr, PW, letzte, unten,
            "mechanisch betriebene Lüftungsanlage ohne \nWärmerückgewinnung");
    pruefkasten(t, dc, xr, letzte, p->Lueftungsanlage == 1 && t.WRGMerker == 0);
}

void AusweisFussnoten(TText& t, TDC& dc) {
    const int32_t H = t.Einheit, L = Links(t), PW = t.SeitenBreite;
    const int32_t oben = t.TextRect.bottom + 2 * H;
    t.TextRect = TRect(L, oben, PW, oben + 2 * H);
    if (Sichtbar(t)) {
        StiftWahl stift(dc, 2);
        Linie(dc, L, oben, L + 12 * H, oben);
    }
    FontWahl klein(dc, Arial(10));
    // The first footnote is longer than the page is wide at this size: it
    // wraps within the margins, and the second follows below it.
    constexpr std::string_view eins =
        "1) Bei geschlossenen, nicht beheizten Glasvorbauten sind für die Außenbauteile im "
        "Bereich dieser Vorbauten auch die angesetzten Abminderungsfaktoren anzugeben";
    TRect r1(L, oben + H, PW, oben + 2 * H);
    const bool sichtbar = Sichtbar(t);
    Messen(dc, eins, r1, kUmbruch);
    r1.right = PW;
    if (sichtbar) Schreiben(dc, eins, r1, kUmbruch);
    const int32_t y2 = std::max(oben + 2 * H, r1.bottom);
    if (Sichtbar(t))
        Schreiben(dc, "2) Nichtzutreffendes bitte streichen", TRect(L, y2, PW, y2 + H), kLinks);
    t.TextRect.bottom = std::max(t.TextRect.bottom, y2 + H);
}

void AusweisUnterschrift(TText& t, TDC& dc) {
    const int32_t H = t.Einheit, L = Links(t), PW = t.SeitenBreite;
    const int32_t B = t.TextRect.bottom + 2 * H;
    t.TextRect = TRect(L, B, PW, B + 10 * H);
    FontWahl text(dc, Arial(14));
    StiftWahl stift(dc, 1);
    const auto mitte = int32_t(L + 0.5 * Nutzbreite(t));
    const TRect felder[] = {TRect(L, B + 5 * H, mitte, B + 15 * H),
                            TRect(mitte, B + 5 * H, PW, B + 15 * H)};
    const char* texte[] = {"  Name und Anschrift der Aufstellerin / des Aufstellers",
                           "  Datum der Ausfertigung und Unterschrift"};
    for (int i = 0; i < 2; ++i) {
        if (!Sichtbar(t)) continue;
        const TRect& f = felder[i];
        Rahmen(dc, f);
        dc.TextOut(f.left, f.top + H / 2, texte[i]);
        Linie(dc, f.left, f.top + 2 * H, f.right, f.top + 2 * H);
    }
}

} // namespace ausweis
