// The certificate for the simplified proof (component method): heading,
// section I's introduction, section II (the optional annual heating demand)
// and the notes box. Section I's U-value table is in AusweisUWerte.cpp.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"

namespace ausweis {

namespace {

constexpr std::string_view kHinweis =
    " \n\n\n Die vorstehenden Werte des Jahres-Heizwärmebedarfs geben vorrangig Anhaltspunkte für "
    "die vergleichende Beurteilung der energetischen Qualität von Gebäuden. Diese Werte werden "
    "unter einheitlichen Randbedingungen ermittelt, die durch die Wärmeschutzverordnung "
    "vorgegeben sind (z.B. meteorologische Daten, bestimmte Annahmen über nutzbare interne "
    "Wärmegewinne und den Luftwechsel). Insoweit, wegen des nicht einbezogenen Wirkungsgrades "
    "der Heizungsanlage und wegen der im Einzelfall unterschiedlichen Nutzergewohnheiten kann der "
    "tatsächliche Heizenergieverbrauch aus dem Jahres-Heizwärmebedarf nur bedingt abgeleitet "
    "werden \n Die vorstehenden Werte des Jahres-Heizwärmebedarfs können darüberhinaus nur dann "
    "zutreffen, wenn die Dichtheitsanforderungen und die übrigen Anforderungen der "
    "Wärmeschutzverordnung erfüllt werden.";

} // namespace

void VereinfachtTitel(TText& t, TDC& dc) {
    Ueberschrift(t, dc,
                 "für ein Gebäude mit normalen Innentemperaturen \nbei vereinfachtem Nachweis "
                 "nach Anlage 1 Ziffer 7 Wärmeschutzverordnung");
}

void VereinfachtAbschnittI(TText& t, TDC& dc) {
    const int32_t h = t.Einheit, W = t.SeitenBreite;
    TRect& r = t.TextRect;
    r.left = Links(t);
    r.right = W;
    r.top = r.bottom + 2 * h;
    r.bottom = r.top + 2 * h;
    {
        FontWahl fett(dc, ArialFett());
        if (Sichtbar(t))
            Schreiben(dc, "I. Wärmedurchgangskoeffizienten der Außenbauteile", r, kLinks);
    }
    FontWahl text(dc, Arial(14));
    r.top = r.bottom + h;
    constexpr std::string_view satz =
        "Für das Gebäude wurde aufgrund von § 3 Abs. 1 Satz 2 der Wärmeschutzverordnung der "
        "vereinfachte Nachweis nach Anlage 1 Ziffer 7 geführt:";
    const bool sichtbar = Sichtbar(t);
    Messen(dc, satz, r, kUmbruch);
    r.right = W;
    if (sichtbar) Schreiben(dc, satz, r, kUmbruch);
}

void VereinfachtAbschnittII(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const int32_t h = t.Einheit, xL = Links(t);
    const double Wu = Nutzbreite(t);
    const auto c1 = int32_t(Wu * 0.4), c2 = int32_t(Wu * 0.6);
    TRect& r = t.TextRect;
    const int32_t T0 = r.bottom + 4 * h, B = T0 + 16 * h;
    r = TRect(xL, T0, xL + c1 + c2, B);
    if (Sichtbar(t)) {
        StiftWahl stift(dc, 3);
        Rahmen(dc, r);
    }
    FontWahl text(dc, Arial(14));
    if (Sichtbar(t)) dc.TextOut(xL, T0 - 3 * h, "Die folgenden Angaben sind freigestellt:");
    if (Sichtbar(t)) {
        StiftWahl stift(dc, 2);
        for (auto [l, rechts] : {std::pair{xL, xL + c1}, {xL + c1, xL + c1 + c2}}) {
            Linie(dc, l, T0 + 4 * h, rechts, T0 + 4 * h);
            Linie(dc, rechts, T0, rechts, B);
        }
    }
    if (Sichtbar(t)) {
        FontWahl titel(dc, ArialFett(16));
        Schreiben(dc, "II. Jahres-Heizwärmebedarf", TRect(xL, int32_t(T0 - 1.5 * h), r.right, T0),
                  kLinks);
    }
    t.Index(dc, xL + 8 * h, T0 + 2 * h, "A/V", "vorh", 0);
    const int32_t L2 = xL + c1;
    if (Sichtbar(t))
        Schreiben(dc,
                  "\nMaximal zulässiger Jahres-Heizwärmebedarf \nentsprechend Anlage 1 Tabelle 1 "
                  "der Wärmeschutzverordnung",
                  TRect(L2, T0, L2 + c2, T0 + 4 * h), kMitte);

    // Column 1: A, V and A/V.
    const int32_t L = xL, T = T0 + 4 * h;
    const double A = p->A_Bauteile + p->A_Fenster, V = p->V;
    const double AV = V > 0 ? A / V : 0;
    const auto fett = [&](std::string_view s, const TRect& feld, uint32_t format) {
        if (!Sichtbar(t)) return;
        FontWahl f(dc, ArialFett());
        Schreiben(dc, s, feld, format);
    };
    if (Sichtbar(t))
        Schreiben(dc, "( Wärmeübertr. Umfassungsfläche", TRect(L + h, T + h, L + h + c1, T + 2 * h),
                  kLinks);
    const int32_t halb = int32_t(c1 * 0.5);
    t.LocalRectZeile1(dc, TRect(L + h, T + 3 * h, L + h, T + 3 * h), halb,
                      "A = __________________ ", "m", "2", "");
    fett(Zahl("  ", A), TRect(L + 3 * h, T + 3 * h, L + 8 * h, T + 4 * h), kZeileMitte);
    if (Sichtbar(t))
        Schreiben(dc, "Beheiztes Bauwerksvolumen", TRect(L + h, T + 5 * h, L + h + c1, T + 6 * h),
                  kLinks);
    t.LocalRectZeile1(dc, TRect(L + h, T + 7 * h, L + h, T + 7 * h), halb,
                      "V = __________________ ", "m", "3", ")");
    fett(Zahl("  ", V), TRect(L + 3 * h, T + 7 * h, L + 8 * h, T + 8 * h), kZeileMitte);
    const auto xa = int32_t(L + 0.2 * c1);
    t.LocalRectZeile1(dc, TRect(xa, B - 2 * h, xa, B - 2 * h), halb, "A/V = ________________ ", "m",
                      "-1", "");
    fett(AV <= 0 ? std::string("    **** ") : Zahl("  ", AV),
         TRect(L + 5 * h, B - 2 * h, L + 10 * h, B - h), kZeileMitte);

    // Column 2: the permitted values; without a volume there are none.
    const int32_t T2 = T;
    constexpr std::string_view linie = "= ________________ kWh/(";
    const auto grenzwert = [&](int32_t y, const char* basis, const char* exponent, double wert) {
        t.Index(dc, L2 + 8 * h, y, basis, "Hzul", 0);
        const int32_t x = L2 + 10 * h;
        t.LocalRectZeile2(dc, TRect(x, y, x + dc.GetTextExtent(linie).cx, y + h), linie, "m",
                          exponent, "a)");
        fett(V <= 0 ? std::string("          ***   ") : Zahl("  ", wert),
             TRect(x, y, L2 + 15 * h, y + h), kZeileRechts);
    };
    grenzwert(T2 + 2 * h, "Q'", "3", p->Q2_H_max);
    fett("oder", TRect(L2, T2 + 5 * h, L2 + c2, T2 + 6 * h), kMitte);
    grenzwert(T2 + 8 * h, "Q''", "2", p->Q1_H_max);
}

void VereinfachtHinweis(TText& t, TDC& dc) {
    const int32_t h = t.Einheit, xL = Links(t), W = t.SeitenBreite;
    TRect& r = t.TextRect;
    const int32_t oben = r.bottom + 4 * h;
    r = TRect(xL, oben, W, oben + 14 * h);
    if (Sichtbar(t)) {
        StiftWahl stift(dc, 2);
        Rahmen(dc, r);
    }
    TRect innen(xL + h / 2, r.top, W - h / 2, r.bottom);
    {
        FontWahl fett(dc, ArialFett());
        if (Sichtbar(t))
            Schreiben(dc, " \n Hinweis zu vorstehend angegebenen Werten:", innen, kLinks);
    }
    FontWahl text(dc, Arial(14));
    const bool sichtbar = Sichtbar(t);
    Messen(dc, kHinweis, innen, kUmbruch);
    if (sichtbar) Schreiben(dc, kHinweis, innen, kUmbruch);
}

} // namespace ausweis
