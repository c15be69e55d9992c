// The first page of the certificate for normal internal temperatures: the
// heading, the annual heating demand (section I), the reference area, the
// notes and the further energy features (section II); and the building data
// that every variant shows under its heading.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>

namespace ausweis {

namespace {

constexpr std::string_view kHinweis =
    "Die vorstehenden Werte des Jahres-Heizwärmebedarfs geben vorrangig Anhaltspunkte für die "
    "vergleichende Beurteilung der energetischen Qualität von Gebäuden. Diese Werte werden unter "
    "einheitlichen Randbedingungen ermittelt, die durch die Wärmeschutzverordnung vorgegeben sind "
    "(z.B. meteorologische Daten, bestimmte Annahmen über nutzbare interne Wärmegewinne und den "
    "Luftwechsel). Insoweit, wegen des nicht einbezogenen Wirkungsgrades der Heizungsanlage und "
    "wegen der im Einzelfall unterschiedlichen Nutzergewohnheiten kann der tatsächliche "
    "Heizenergieverbrauch aus dem Jahres-Heizwärmebedarf nur bedingt abgeleitet werden. \n Die "
    "vorstehenden Werte des Jahres-Heizwärmebedarfs können darüberhinaus nur dann zutreffen, wenn "
    "die Dichtheitsanforderungen und die übrigen Anforderungen der Wärmeschutzverordnung erfüllt "
    "werden.";

// The underline of a value field, and the bold number standing on it.
void wertfeld(TText& t, TDC& dc, const TRect& feld, std::string_view zahl) {
    if (!Sichtbar(t)) return;
    Schreiben(dc, " ________________ ", feld, kZeileMitte);
    FontWahl fett(dc, ArialFett());
    if (!zahl.empty()) Schreiben(dc, zahl, feld, kZeileMitte);
}

// kWh/(m³a) or kWh/(m²a) from x on the line at y.
void einheitProJahr(TText& t, TDC& dc, int32_t x, int32_t y, std::string_view exponent) {
    const TSize s = dc.GetTextExtent("kWh/(");
    t.LocalRectZeile2(dc, TRect(x, y, x + s.cx, y + t.Einheit), "kWh/(", "m", exponent, "a)");
}

// A caption at (x, y) as wide as measured, its value field after it and the
// unit ("m" with its exponent) H right of the field; returns the field.
TRect messwert(TText& t, TDC& dc, int32_t x, int32_t y, std::string_view caption,
               std::string_view zahl, std::string_view exponent) {
    const int32_t H = t.Einheit;
    const TSize s = dc.GetTextExtent(caption);
    if (Sichtbar(t)) Schreiben(dc, caption, TRect(x, y, x + s.cx, y + s.cy), kZeileLinks);
    const TRect feld(x + s.cx, y, x + s.cx + 6 * H, y + s.cy);
    wertfeld(t, dc, feld, zahl);
    t.Expo(dc, feld.right + H, y, "m", exponent);
    return feld;
}

// A framed value box of section II: symbol 3H (or `abstand`) left of it,
// the number inside, the unit H right of it.
TRect wertkasten(TText& t, TDC& dc, int32_t x, int32_t oben, int32_t breite, double wert) {
    const int32_t H = t.Einheit;
    const TRect kasten(x, oben, x + breite, oben + 2 * H);
    if (Sichtbar(t)) {
        Rahmen(dc, kasten);
        FontWahl fett(dc, ArialFett());
        Schreiben(dc, Zahl("  ", wert), kasten, kZeileMitte);
    }
    return kasten;
}

void kastenMitSymbol(TText& t, TDC& dc, TRect kasten, std::string_view index,
                     std::string_view einheit, int32_t rechts) {
    const int32_t H = t.Einheit;
    const int32_t y = kasten.top + H / 2;
    t.Index(dc, kasten.left - 3 * H, y, "Q", index, 1);
    if (Sichtbar(t)) Schreiben(dc, einheit, TRect(kasten.right + H, y, rechts, y + H), kLinks);
}

void pruefkasten(TText& t, TDC& dc, const TRect& r, bool angekreuzt) {
    if (Sichtbar(t)) Rahmen(dc, r);
    if (angekreuzt) Kreuz(dc, r);
}

} // namespace

void AusweisKopfA(TText& t, TDC& dc) {
    Ueberschrift(t, dc,
                 "für ein Gebäude mit normalen Innentemperaturen \nbei Nachweis nach Anlage 1 "
                 "Ziffer 1 und 6 Wärmeschutzverordnung");
}

void AusweisGebaeudeDaten(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    const int32_t H = t.Einheit, L = Links(t), PW = t.SeitenBreite;
    const int32_t B = t.TextRect.bottom;
    const TRect r1(L, B + 2 * H, PW, B + 4 * H), r2(L, B + 4 * H, PW, B + 6 * H),
        r3(L, B + 6 * H, PW, B + 8 * H);
    if (Sichtbar(t)) {
        Rahmen(dc, r1);
        Rahmen(dc, r3);
        Linie(dc, L, r2.top, L, r2.bottom);
        Linie(dc, PW, r2.top, PW, r2.bottom);
    }
    const auto feld = [&](const TRect& r, std::string_view caption, int blanks,
                          std::string_view wert, uint32_t format) {
        if (!Sichtbar(t)) return;
        {
            FontWahl klein(dc, Arial(10));
            Schreiben(dc, "  " + std::string(caption), r, kLinks);
        }
        FontWahl fett(dc, ArialFett());
        Schreiben(dc, Leer(blanks) + std::string(wert), r, format);
    };
    const auto angabe = [p](size_t i) -> std::string_view {
        return p ? std::string_view(p->Projektangaben[i]) : std::string_view();
    };
    feld(r1, "Bezeichnung des Gebäudes oder des Gebäudeteils", 14, angabe(0), kZeileMitte);
    feld(r2, "Ort", 14, angabe(2), kZeileLinks);
    feld(r3, "Gemarkung", 24, angabe(7), kZeileLinks);
    t.TextRect = TRect(PW / 2, r2.top, PW, r2.bottom);
    feld(t.TextRect, "Straße und Hausnummer", 49, angabe(1), kZeileLinks);
    t.TextRect = TRect(PW / 2, r3.top, PW, r3.bottom);
    feld(t.TextRect, "Flurstücknummer", 30, angabe(8), kZeileLinks);
}

void AusweisHeizwaermebedarf(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const int32_t H = t.Einheit, L = Links(t);
    const double W = Nutzbreite(t);
    const auto c1 = int32_t(0.3 * W), c2 = int32_t(0.35 * W);
    const int32_t T = t.TextRect.bottom + 2 * H;
    const int32_t x1 = L, x2 = L + c1, x3 = L + c1 + c2, rechts = L + c1 + 2 * c2;
    const int32_t y0 = T + 4 * H, unten = T + 16 * H;
    t.TextRect = TRect(L, T, rechts, unten);
    FontWahl text(dc, Arial(14));
    if (Sichtbar(t)) {
        {
            StiftWahl stift(dc, 3);
            Rahmen(dc, t.TextRect);
        }
        StiftWahl stift(dc, 2);
        Linie(dc, x1, y0, x2, y0);
        Linie(dc, x2, y0, x3, y0);
        Linie(dc, x3, y0, rechts, y0);
        for (int32_t x : {x2, x3}) {
            Linie(dc, x, T, x, y0);
            Linie(dc, x, y0, x, unten);
        }
    }
    if (Sichtbar(t)) {
        FontWahl abschnitt(dc, ArialFett(16));
        Schreiben(dc, "I. Jahres-Heizwärmebedarf", TRect(L, int32_t(T - 1.5 * H), rechts, T),
                  kLinks);
    }
    if (Sichtbar(t)) {
        Schreiben(dc, " \nA/V", TRect(x1, T, x2, y0), kMitte);
        for (auto [x, wort] : {std::pair{x2, "\nMaximal zulässiger"}, {x3, "\nBerechneter"}}) {
            const TRect kopf(x, T, x + c2, y0);
            {
                FontWahl fett(dc, ArialFett());
                Schreiben(dc, wort, kopf, kMitte);
            }
            Schreiben(dc, "\n\nJahres-Heizwärmebedarf", kopf, kMitte);
        }
    }

    // Column 1: A, V and A/V.
    const double A = p->A_Bauteile + p->A_Fenster, V = p->V;
    if (Sichtbar(t))
        // One line, above "A =": the column leaves no room for a second.
        Einpassen(dc, "( Wärmeübertr. Umfassungsfläche", TRect(x1 + H, y0 + H, x2, y0 + 2 * H),
                  kLinks);
    messwert(t, dc, x1 + H, y0 + 3 * H, "A = ", Zahl("  ", A), "2");
    if (Sichtbar(t))
        Schreiben(dc, "Beheiztes Bauwerksvolumen",
                  TRect(x1 + H, y0 + 5 * H, x1 + H + c1, y0 + 6 * H), kLinks);
    const TRect vFeld = messwert(t, dc, x1 + H, y0 + 7 * H, "V = ", Zahl("  ", V), "3");
    if (Sichtbar(t)) dc.TextOut(vFeld.right + 2 * H, y0 + 7 * H, " )");
    messwert(t, dc, int32_t(x1 + 0.2 * c1), unten - 2 * H,
             "A/V = ", V > 0 ? Zahl("  ", A / V) : std::string(), "-1");

    // Columns 2 and 3: permitted and calculated, per m³ and per m².
    const bool proFlaeche = p->ProjektMerker != 0;
    const double AN = 0.32 * V; // m², WSchVO 1995 Anlage 1 Ziffer 1.1
    const std::string sterne = "   ***";
    struct Spalte {
        int32_t x;
        const char* index;
        double proVolumen;
        std::string proFlaeche;
    };
    const Spalte spalten[] = {
        {x2, "Hzul", p->Q2_H_max, proFlaeche ? Zahl("  ", p->Q1_H_max) : sterne},
        {x3, "H", p->Q2_H,
         proFlaeche ? (AN > 0 ? Zahl("  ", p->Q_H / AN) : std::string()) : sterne},
    };
    for (const Spalte& s : spalten) {
        int32_t x = t.IndexMitReturn(dc, s.x + H, y0 + 2 * H, "Q'", s.index, 1);
        TRect feld(x, y0 + 2 * H, x + 6 * H, y0 + 3 * H);
        wertfeld(t, dc, feld, Zahl("  ", s.proVolumen));
        einheitProJahr(t, dc, feld.right + H, feld.top, "3");
        if (Sichtbar(t)) {
            FontWahl fett(dc, ArialFett());
            Schreiben(dc, "oder", TRect(s.x, y0 + 5 * H, s.x + c2, y0 + 6 * H), kMitte);
        }
        x = t.IndexMitReturn(dc, s.x + H, y0 + 8 * H, "Q''", s.index, 1);
        feld = TRect(x, y0 + 8 * H, x + 6 * H, y0 + 9 * H);
        wertfeld(t, dc, feld, s.proFlaeche);
        einheitProJahr(t, dc, feld.right + H, feld.top, "2");
    }
}

void AusweisBezugsflaeche(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const int32_t H = t.Einheit, L = Links(t);
    const auto Wi = int32_t(Nutzbreite(t));
    const int32_t T = t.TextRect.bottom + 2 * H, R = L + Wi;
    t.TextRect = TRect(L, T, R, T + 16 * H);
    FontWahl text(dc, Arial(14));
    StiftWahl stift(dc, 1);
    if (Sichtbar(t)) Rahmen(dc, t.TextRect);
    const auto zeile = [&](int32_t x, int32_t y, std::string_view s) {
        if (Sichtbar(t)) Schreiben(dc, s, TRect(x, y, R, y + H), kLinks);
    };
    const auto mitSymbol = [&](int32_t y, std::string_view vor, std::string_view basis,
                               std::string_view index, std::string_view nach) {
        zeile(L, y, vor);
        const int32_t x = t.IndexMitReturn(dc, L + dc.GetTextExtent(vor).cx, y, basis, index, 0);
        zeile(x, y, nach);
    };
    mitSymbol(T + H, "     Dem flächenbezogenen Wert ", "Q''", "H",
              "des Jahres-Heizwärmebedarfs liegt eine aus dem Gebäudevolumen abgeleitete");
    mitSymbol(T + 2 * H, "     Fläche ( Gebäudenutzfläche ", "A", "N", ") zugrunde.");
    zeile(L, T + 4 * H, "     Folgende Angabe ist freigestellt:");
    zeile(L, T + 6 * H, "     Umgerechnet auf die");

    const int art = p->A_N_Art;
    const auto option = [&](int32_t x, int32_t kastenX, int nummer, std::string_view name,
                            std::string_view nutzung) {
        zeile(x, T + 8 * H, name);
        const TSize s = dc.GetTextExtent(nutzung);
        zeile(x, T + 9 * H, nutzung);
        t.Expo(dc, x + s.cx, T + 9 * H, "m", "2");
        if (art == nummer && Sichtbar(t)) {
            FontWahl fett(dc, ArialFett());
            Schreiben(dc, Zahl("  ", p->A_N_Vorgabe),
                      TRect(x + s.cx - 5 * H, T + 9 * H, x + s.cx, T + 10 * H), kLinks);
        }
        pruefkasten(t, dc, TRect(kastenX, T + 8 * H, kastenX + H, T + 9 * H), art == nummer);
    };
    option(L + 3 * H, L + H, 1, " Wohnfläche nach § 44 Abs. 1 II. BV",
           " - nur bei Wohnnutzung -   A* = ____________ ");
    option(L + Wi / 2 + 2 * H, L + Wi / 2, 2, " Hauptnutzfläche nach DIN 277",
           " - bei anderen Nutzungen -   A* = ____________ ");

    zeile(L, T + 11 * H, "     ergibt sich ein Jahres-Heizwärmebedarf von");
    const int32_t y = T + 13 * H;
    int32_t x = t.IndexMitReturn(dc, int32_t(L + 0.3 * Wi), y, "Q**", "H", 1);
    x = t.IndexMitReturn(dc, x, y, "Q", "H", 0);
    constexpr std::string_view ergebnis = " / A* = _____________________________ kWh/(";
    const TRect r(x, y, x + dc.GetTextExtent(ergebnis).cx, y + H);
    t.LocalRectZeile2(dc, r, ergebnis, "m", "2", "a)");
    if ((art == 1 || art == 2) && p->A_N_Vorgabe > 0 && Sichtbar(t)) {
        FontWahl fett(dc, ArialFett());
        Schreiben(dc, Zahl(Leer(24), p->Q_H / p->A_N_Vorgabe), r, kLinks);
    }
}

void AusweisHinweise(TText& t, TDC& dc) {
    const int32_t H = t.Einheit, L = Links(t);
    const auto Wi = int32_t(Nutzbreite(t));
    const int32_t T = t.TextRect.bottom + 2 * H;
    t.TextRect = TRect(L, T, L + Wi, T + 12 * H);
    if (Sichtbar(t)) {
        FontWahl fett(dc, ArialFett());
        Schreiben(dc, "Hinweise zu den Grundlagen dieses Wärmebedarfsausweises:",
                  TRect(L, T, L + Wi, T + H), kLinks);
    }
    TRect absatz(L, T + 2 * H, L + Wi, T + 12 * H);
    {
        FontWahl text(dc, Arial(14));
        const bool sichtbar = Sichtbar(t);
        Messen(dc, kHinweis, absatz, kUmbruch);
        if (sichtbar) Schreiben(dc, kHinweis, absatz, kUmbruch);
    }
    // A paragraph taller than its ten lines pushes the rule and what follows
    // down rather than running over them.
    const int32_t unten = std::max(T + 12 * H, absatz.bottom + H / 2);
    t.TextRect.bottom = unten;
    if (Sichtbar(t)) {
        StiftWahl stift(dc, 2);
        Linie(dc, L, unten, L + Wi, unten);
    }
}

void AusweisWeitereMerkmale(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const int32_t H = t.Einheit, L = Links(t);
    const auto Wi = int32_t(Nutzbreite(t));
    const int32_t T = t.TextRect.bottom + H, R = L + Wi;
    t.TextRect = TRect(L, T, R, T + 20 * H);
    FontWahl text(dc, Arial(14));
    const auto abschnitt = [&](int32_t oben, std::string_view s) {
        const auto unten = int32_t(oben + 1.5 * H);
        if (Sichtbar(t)) {
            FontWahl fett(dc, ArialFett(16));
            Schreiben(dc, s, TRect(L, oben, R, unten), kLinks);
        }
        return unten;
    };
    const auto zeile = [&](int32_t x, int32_t y, int32_t rechts, std::string_view s) {
        if (Sichtbar(t)) Schreiben(dc, s, TRect(x, y, rechts, y + H), kLinks);
    };

    const int32_t y1 = abschnitt(T, "II. Weitere energiebezogene Merkmale");
    zeile(L + 15 * H, y1 + H, R, "Jahres-Heizwärmebedarf (insgesamt)");
    const TRect qh = wertkasten(t, dc, L + 18 * H, y1 + 2 * H + H / 2, 10 * H, p->Q_H);
    kastenMitSymbol(t, dc, qh, "H", "kWh/a", R);

    const int32_t y2 = abschnitt(qh.bottom + H, "Darin sind berücksichtigt:");
    const int32_t xm = L + Wi - Wi / 2 - 5 * H;
    int32_t y = y2 + H;
    zeile(L, y, xm, "Transmissionswärmebedarf");
    zeile(xm, y, R, "Nutzbare interne Wärmegewinne");
    const TRect qt = wertkasten(t, dc, L + 3 * H, y + H + H / 2, 10 * H, p->Q_T);
    kastenMitSymbol(t, dc, qt, "T", "kWh/a", R);
    const TRect qi = wertkasten(t, dc, L + Wi / 2 - 2 * H, y + H + H / 2, 10 * H, p->Q_I);
    kastenMitSymbol(t, dc, qi, "I", "kWh/a", R);

    y = qt.bottom + H;
    zeile(L, y, xm, "Lüftungswärmebedarf");
    zeile(xm, y, R, "Nutzbare solare Wärmegewinne");
    const TRect ql = wertkasten(t, dc, L + 3 * H, y + H + H / 2, 10 * H, p->Q_L);
    kastenMitSymbol(t, dc, ql, "L", "kWh/a", R);
    const int32_t xs = L + Wi / 2;
    const TRect qs = wertkasten(t, dc, xs, y + H + H / 2, 10 * H, p->Q_S);
    const TRect box1(xs - 5 * H, qs.top + H / 2, xs - 4 * H, qs.bottom - H / 2);
    pruefkasten(t, dc, box1, p->Q_S > 0);
    kastenMitSymbol(t, dc, qs, "S", "kWh/a", qs.right + 4 * H);
    const int32_t ys = qs.top + H / 2;
    pruefkasten(t, dc, TRect(qs.right + 4 * H, box1.top, qs.right + 5 * H, box1.bottom), false);
    zeile(qs.right + 6 * H, ys, qs.right + 7 * H, "in");
    t.Index(dc, qs.right + 7 * H, ys, "Q", "T", 0);
    zeile(qs.right + 8 * H, ys, qs.right + 12 * H, " enthalten");

    const int32_t y3 = qs.bottom + H;
    const auto xa = int32_t(R * 0.35);
    zeile(L, y3, R, "Gebäudenutzfläche");
    zeile(L, y3 + H, xa, "nach Wärmeschutzverordnung");
    t.Index(dc, xa, y3 + H, "A", "N", 1);
    const TRect an = wertkasten(t, dc, int32_t(xa + 2.5 * H), y3 + H - H / 2, 4 * H, 0.32 * p->V);
    t.Expo(dc, an.right + H, y3 + H, "m", "2");
    const int32_t xv = an.right + 5 * H;
    zeile(xv, y3 + H, xv + 12 * H, "Anrechenbares Luftvolumen");
    t.Index(dc, xv + 12 * H, y3 + H, "V", "L", 1);
    const TRect vl =
        wertkasten(t, dc, int32_t(xv + 12 * H + 2.5 * H), y3 + H - H / 2, 4 * H, 0.8 * p->V);
    t.Expo(dc, vl.right + H, y3 + H, "m", "3");
    t.TextRect.bottom = T + 20 * H;
}

} // namespace ausweis
