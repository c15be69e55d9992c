// The certificate for a building with low internal temperatures: heading,
// annual transmission heat demand against its limit, notes, and the
// partial-area table of areas and U-values.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "korvalin/ausweis/TabellenSeiten.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ausweis {

namespace {

constexpr std::string_view kHinweis =
    "Die vorstehenden Werte des Jahres-Transmissionswärmebedarfs geben vorrangig Anhaltspunkte "
    "für die vergleichende Beurteilung der energetischen Qualität von Gebäuden. Diese Werte "
    "werden unter einheitlichen Randbedingungen ermittelt, die durch die "
    "Wärmeschutzverordnung vorgegeben sind (z.B. meteorologische Daten). Insoweit, wegen nicht "
    "einbezogener weiterer energetischer Einflußgrößen und wegen der im Einzelfall "
    "unterschiedlichen Nutzergewohnheiten kann der tatsächliche Heizenergieverbrauch aus dem "
    "Jahres-Transmissionswärmebedarf nur bedingt abgeleitet werden. \n\n Die vorstehenden "
    "Werte des Jahres-Transmissionswärmebedarfs treffen darüberhinaus nur zu, wenn die "
    "Dichtheitsanforderungen und die übrigen Anforderungen der Wärmeschutzverordnung erfüllt "
    "werden.";

std::array<int32_t, 4> breiten(const TText& t) {
    const double B = Nutzbreite(t);
    const auto schmal = int32_t(B * 0.2);
    return {int32_t(B * 0.4), schmal, schmal, schmal};
}

struct Gruppenangabe {
    const char* index;
    const char* text;
    int textBisSpalte;
    const char* faktor;
    bool duenneLinieSpalte4;
    const char* richtung;
};

Gruppenangabe angabe(int gruppe) {
    constexpr const char* fenster = ": Fenster \n    Fenstertüren und Außentüren";
    switch (gruppe) {
    case 3:
        return {"D", ": Dach - und \n    Dachdeckenflächen", 1, "0.8", true, nullptr};
    case 4:
        return {"G",   ": unterer Gebäudeabschluß \n    einschließlich erdberührter Flächen",
                2,     nullptr,
                false, nullptr};
    case 5:
        return {"DL", ": Decken nach unten \n    gegen Außenluft", 1, "1.0", false, nullptr};
    case 6:
        return {"AB",  ": abgr. Flächen zu Gebäudeteilen \n    mit niedriger Innentemperatur",
                1,     "0.5",
                false, nullptr};
    case 10:
        return {"F", fenster, 2, "1.0", false, "Nord  "};
    case 11:
        return {"F", fenster, 2, "1.0", false, "Süd  "};
    case 12:
        return {"F", fenster, 2, "1.0", false, "West  "};
    case 13:
        return {"F", fenster, 2, "1.0", false, "Ost  "};
    default:
        return {"W", ": Außenwände", 1, nullptr, true, nullptr};
    }
}

bool zeigtFaktor(int art) {
    return art != 3 && art != 5 && art != 6;
}

} // namespace

void KopfNiedrigeInnentemperaturen(TText& t, TDC& dc) {
    Ueberschrift(t, dc, "für ein Gebäude mit niedrigen Innentemperaturen \n");
}

void JahresTransmissionswaermebedarf(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const int32_t lh = t.Einheit, x0 = Links(t), W = t.SeitenBreite;
    const double B = Nutzbreite(t);
    TRect& R = t.TextRect;
    const int32_t oben = R.bottom + 3 * lh;
    R = TRect(x0, oben, x0 + int32_t(B), oben + 6 * lh);
    {
        FontWahl fett(dc, ArialFett());
        if (Sichtbar(t)) dc.TextOut(x0, R.top - 2 * lh, "I. Jahres-Transmissionwärmebedarf");
    }
    FontWahl text(dc, Arial(14));
    const int32_t mitte = x0 + int32_t(B * 0.5);
    const char* labels[] = {"Wärmeübertragende Umfassungsfläche", "Beheiztes Bauwerksvolumen",
                            "Jahres-Transmissionswärmebedarf (insgesamt)"};
    for (int i = 0; i < 3; ++i)
        if (Sichtbar(t))
            Schreiben(dc, labels[i], TRect(x0, R.top + 2 * i * lh, mitte, R.top + 2 * (i + 1) * lh),
                      kLinks);
    TRect kasten[3];
    for (int i = 0; i < 3; ++i) {
        const int32_t k = R.top - lh / 2 + 2 * i * lh;
        kasten[i] = TRect(mitte, k, W, k + 2 * lh);
        if (Sichtbar(t)) Rahmen(dc, kasten[i]);
    }
    const auto messwert = [&](const TRect& k, std::string_view label, std::string_view exponent,
                              double wert) {
        const int32_t x = k.left + lh, y = k.top + lh / 2;
        t.LocalRectZeile1(dc, TRect(x, y, x, y), 10 * lh, label, "m", exponent, "");
        if (Sichtbar(t)) {
            FontWahl fett(dc, ArialFett());
            Schreiben(dc, Zahl(Leer(16), wert), TRect(x, y, k.left + 11 * lh, y + lh), kZeileMitte);
        }
    };
    messwert(kasten[0], "A   =                   ", "2", p->A_Bauteile + p->A_Fenster);
    messwert(kasten[1], "V   =                   ", "3", p->V);
    const int32_t x = kasten[2].left + lh, y = kasten[2].top + lh / 2;
    t.Index(dc, x, y, "Q", "T", 0);
    const TRect zeile(kasten[2].left + 2 * lh, y, W, y + lh);
    if (Sichtbar(t)) {
        Schreiben(dc, " =                                         kWh/a ", zeile, kLinks);
        FontWahl fett(dc, ArialFett());
        Schreiben(dc, Zahl(Leer(17), p->Q_T), zeile, kZeileLinks);
    }
}

void TransmissionswaermebedarfVergleich(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const int32_t lh = t.Einheit, x0 = Links(t);
    const double B = Nutzbreite(t);
    TRect& R = t.TextRect;
    const int32_t oben = R.bottom;
    R = TRect(x0, oben, x0 + int32_t(B), oben + 6 * lh);
    const int32_t x1 = x0 + int32_t(B * 0.2), x2 = x1 + int32_t(B * 0.4),
                  x3 = x2 + int32_t(B * 0.4);
    FontWahl text(dc, Arial(14));
    if (Sichtbar(t)) {
        StiftWahl stift(dc, 2);
        Rahmen(dc, R);
        Linie(dc, x1, R.top, x1, R.bottom);
        Linie(dc, x2, R.top, x2, R.bottom);
        Linie(dc, x1, R.top + 3 * lh, x3, R.top + 3 * lh);
    }
    if (Sichtbar(t)) {
        Schreiben(dc, "\n A/V", TRect(x0, R.top, x1, R.bottom), kMitte);
        Schreiben(dc, " ___________",
                  TRect(x0 + 2 * lh, R.top + 4 * lh, x0 + 7 * lh, R.top + 5 * lh), kLinks);
        if (p->V > 0) {
            FontWahl fett(dc, ArialFett());
            Schreiben(dc, Zahl(Leer(3), (p->A_Bauteile + p->A_Fenster) / p->V),
                      TRect(x0 + 2 * lh, R.top + 4 * lh, x0 + 7 * lh, R.top + 5 * lh), kZeileMitte);
        }
    }
    t.Expo(dc, x0 + 7 * lh, R.top + 4 * lh, "m", "-1");
    const auto spalte = [&](int32_t l, int32_t r, const char* wort, const char* index,
                            double wert) {
        if (Sichtbar(t)) {
            const int32_t y = R.top + lh / 2;
            {
                FontWahl fett(dc, ArialFett());
                Schreiben(dc, wort, TRect(l, y, r, y + lh), kMitte);
            }
            Schreiben(dc, "Jahres-Transmissionswärmebedarf", TRect(l, y + lh, r, y + 2 * lh),
                      kMitte);
        }
        const int32_t y = R.top + 4 * lh;
        t.Index(dc, l + lh, y, "Q'", index, 0);
        constexpr std::string_view linie = "= ________________ kWh/(";
        const TRect feld(l + 3 * lh, y, l + 3 * lh + dc.GetTextExtent(linie).cx, y + lh);
        t.LocalRectZeile2(dc, feld, linie, "m", "3", "a)");
        if (Sichtbar(t)) {
            FontWahl fett(dc, ArialFett());
            Schreiben(dc, Zahl(Leer(3), wert), feld, kZeileMitte);
        }
    };
    spalte(x1, x2, "Maximal zulässiger", "Tzul", p->Q2_T_max);
    spalte(x2, x3, "Berechneter", "T", p->Q2_T);
}

void HinweiseTransmissionswaermebedarf(TText& t, TDC& dc) {
    const int32_t lh = t.Einheit, x0 = Links(t);
    TRect& R = t.TextRect;
    const int32_t oben = R.bottom + 2 * lh;
    R = TRect(x0, oben, x0 + int32_t(Nutzbreite(t)), oben + 12 * lh);
    {
        FontWahl fett(dc, ArialFett());
        if (Sichtbar(t))
            Schreiben(dc, "Hinweise zu den Grundlagen dieses Wärmebedarfsausweises:",
                      TRect(x0, R.top, R.right, R.top + lh), kLinks);
    }
    TRect absatz(x0, R.top + 2 * lh, R.right, R.bottom);
    {
        FontWahl text(dc, Arial(14));
        const bool sichtbar = Sichtbar(t);
        Messen(dc, kHinweis, absatz, kUmbruch);
        if (sichtbar) Schreiben(dc, kHinweis, absatz, kUmbruch);
    }
    // The block is twelve lines: on paper the paragraph fits above the
    // heading. Only on a screen at one unit a pixel are the font's lines
    // taller than 14; the heading then goes below the paragraph, not over it.
    const int32_t y = std::max(R.bottom - lh, absatz.bottom);
    R.bottom = y + lh;
    FontWahl fett(dc, ArialFett());
    if (Sichtbar(t)) dc.TextOut(x0, y, "II. Weitere energiebezogene Merkmale");
}

void TabellenkopfNiedrig(TText& t, TDC& dc) {
    const int32_t lh = t.Einheit, x0 = Links(t);
    TRect& R = t.TextRect;
    const int32_t oben = R.bottom + 2 * lh;
    R = TRect(x0, oben, t.SeitenBreite, oben + 5 * lh);
    const auto b = breiten(t);
    TRect zelle[4];
    int32_t x = x0;
    for (int i = 0; i < 4; ++i) {
        zelle[i] = TRect(x, R.top, x + b[size_t(i)], R.bottom);
        x += b[size_t(i)];
    }
    FontWahl text(dc, Arial(14));
    if (Sichtbar(t)) {
        StiftWahl stift(dc, 2);
        Linie(dc, x0, R.top, x0, R.bottom);
        for (const TRect& z : zelle) {
            Linie(dc, z.left, z.top, z.right, z.top);
            Linie(dc, z.right, z.top, z.right, z.bottom);
            Linie(dc, z.left, z.bottom, z.right, z.bottom);
        }
        Schreiben(dc, "\n\n Teilfläche", zelle[0], kMitte);
    }
    const int32_t y2 = R.top + 2 * lh, y3 = R.top + 2 * lh + int32_t(1.5 * lh);
    const auto symbol = [&](int32_t xs, std::string_view wort, std::string_view basis) {
        const TSize s = dc.GetTextExtent(wort);
        if (Sichtbar(t)) Schreiben(dc, wort, TRect(xs, y2, xs + s.cx, y2 + s.cy), kLinks);
        t.Index(dc, xs + s.cx, y2, basis, "i", 0);
    };
    symbol(zelle[1].left + 2 * lh, "   Fläche ", "A");
    const int32_t xa = zelle[1].left + 3 * lh;
    t.LocalRectZeile2(dc, TRect(xa, y3, xa + 2 * dc.GetTextExtent("[").cx, y3 + lh), "[", "  m",
                      "2", "]");
    if (Sichtbar(t))
        Schreiben(dc, "\n Wärmedurchgangs- \n",
                  TRect(zelle[2].left + lh, R.top, zelle[2].right, R.bottom), kMitte);
    symbol(zelle[2].left + 2 * lh, "    koeffizient ", "k");
    const int32_t xk = zelle[2].left + 3 * lh;
    t.LocalRectZeile2(dc, TRect(xk, y3, xk + int32_t(1.1 * dc.GetTextExtent("[W/(").cx), y3 + lh),
                      "[W/(", "m", "2", "K)]");
    if (Sichtbar(t))
        Einpassen(dc,
                  "\n Faktor zur Berücksich- \n tigung bauteilspezifischer \n "
                  "Temperaturdifferenzen  ",
                  zelle[3], kMitte);
}

void TeilflaechenGitter(TText& t, TDC& dc, int zeilen, int gruppe) {
    const int32_t lh = t.Einheit, x0 = Links(t);
    TRect& R = t.TextRect;
    const int32_t oben = R.bottom;
    R = TRect(x0, oben, t.SeitenBreite, oben);
    const auto b = breiten(t);
    ZellenAuslegen(t, zeilen, b.data(), 4, x0, oben, 2 * lh);
    const bool spalte4 = angabe(gruppe).duenneLinieSpalte4;
    if (Sichtbar(t))
        for (int i = 1; i <= zeilen; ++i)
            for (int j = 1; j <= 4; ++j) {
                const TRect& z = Zelle(t, i, j);
                {
                    StiftWahl dick(dc, 2);
                    Linie(dc, z.right, z.top, z.right, z.bottom);
                }
                if (j == 2 || j == 3 || (j == 4 && spalte4)) {
                    StiftWahl duenn(dc, 1);
                    Linie(dc, z.left, z.bottom, z.right, z.bottom);
                }
            }
    R.bottom = Zelle(t, zeilen, 4).bottom;
    StiftWahl dick(dc, 2);
    Linie(dc, x0, oben, x0, R.bottom);
    Linie(dc, x0, R.bottom, x0 + b[0] + b[1] + b[2] + b[3], R.bottom);
}

void TeilflaechenGruppe(TText& t, TDC& dc, int zeilen, int gruppe) {
    if (zeilen <= 0) return;
    const int32_t lh = t.Einheit;
    const Gruppenangabe a = angabe(gruppe);
    TRect ort = Zelle(t, 1, 1);
    if (zeilen > 1) {
        const TRect& mitte = Zelle(t, zeilen / 2 + 1, 1);
        ort = TRect(Zelle(t, zeilen, 1).left, mitte.top - lh / 2, Zelle(t, zeilen, 1).right,
                    mitte.bottom);
    }
    FontWahl text(dc, Arial(14));
    t.Index(dc, ort.left + lh, ort.top, "A", a.index, 0);
    if (Sichtbar(t)) {
        const int32_t rechts = Zelle(t, 1, a.textBisSpalte).right;
        const int32_t hoehe = gruppe == 0 ? lh : 2 * lh;
        Schreiben(dc, a.text, TRect(ort.left + 3 * lh, ort.top, rechts, ort.top + hoehe),
                  gruppe == 0 ? 4u : kLinks);
    }
    FontWahl fett(dc, ArialFett());
    if (a.faktor && Sichtbar(t)) {
        const TRect& z = Zelle(t, zeilen, 4);
        Schreiben(dc, a.faktor, TRect(z.left, ort.top + lh / 2, z.right, ort.bottom), kMitte);
    }
    if (a.richtung && Sichtbar(t)) Schreiben(dc, a.richtung, Zelle(t, 1, 1), kRechts);
}

void BauteilZeileNiedrig(TText& t, TDC& dc, const TPBauteil& p, int zeile) {
    if (!Sichtbar(t)) return; // far from the view
    FontWahl text(dc, Arial(14));
    Schreiben(dc, ZahlMit(p.Nettoflaeche, "  "), Zelle(t, zeile, 2), kZeileRechts);
    if (!p.RBauteil) return;
    Schreiben(dc, ZahlMit(p.RBauteil->k_m, "  "), Zelle(t, zeile, 3), kZeileRechts);
    if (zeigtFaktor(p.RBauteil->Bauteilart))
        Schreiben(dc, ZahlMit(p.Reduktionsfaktor, "  "), Zelle(t, zeile, 4), kZeileMitte);
}

void FensterZeileNiedrig(TText& t, TDC& dc, const TPFenster& f, int zeile) {
    if (!Sichtbar(t)) return; // far from the view
    FontWahl text(dc, Arial(14));
    Schreiben(dc, ZahlMit(f.Nettoflaeche, "  "), Zelle(t, zeile, 2), kZeileRechts);
    // This certificate is that of low interior temperatures: single glazing
    // counts with the proof's value.
    if (f.RFenster)
        Schreiben(dc, ZahlMit(f.Effektiver_k_F(0, 0), "  "), Zelle(t, zeile, 3), kZeileRechts);
}

void TeilflaechenTabelleNiedrig(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    std::array<std::vector<const TPBauteil*>, 7> bauteile;
    for (const TPBauteil& b : p->PBauteile) {
        const int art = b.RBauteil ? b.RBauteil->Bauteilart : 0;
        bauteile[size_t(art >= 3 && art <= 6 ? art : 0)].push_back(&b);
    }
    std::array<std::vector<const TPFenster*>, 4> fenster;
    for (const TPFenster& f : p->PFenster) fenster[size_t(FensterGruppe(f, true))].push_back(&f);

    TabellenkopfNiedrig(t, dc);
    // 15 rows on the page the table starts on, 30 on each further page.
    TabellenSeiten seiten(t, dc, 15, 2 * t.Einheit, [&] { TabellenkopfNiedrig(t, dc); });
    seiten.NachUmbruch = [&] {
        if (t.AktuelleSeite > 1) seiten.Kappe = 30;
    };
    for (int g = 0; g < 7; ++g) {
        const auto& liste = bauteile[size_t(g)];
        seiten.Gruppe(int(liste.size()), [&](int erste, int n) {
            TeilflaechenGitter(t, dc, n, g);
            TeilflaechenGruppe(t, dc, n, g);
            for (int i = 0; i < n; ++i)
                BauteilZeileNiedrig(t, dc, *liste[size_t(erste + i)], i + 1);
        });
    }
    if (t.AktuelleSeite > 1) seiten.Kappe = 30;
    for (int o = 0; o < 4; ++o) {
        const auto& liste = fenster[size_t(o)];
        seiten.Gruppe(int(liste.size()), [&](int erste, int n) {
            TeilflaechenGitter(t, dc, n, 10 + o);
            TeilflaechenGruppe(t, dc, n, 10 + o);
            for (int i = 0; i < n; ++i)
                FensterZeileNiedrig(t, dc, *liste[size_t(erste + i)], i + 1);
        });
    }
}

} // namespace ausweis
