// The U-value table of the simplified proof: per group of outer components
// the permitted U-value of WSchVO 1995 Anlage 1 Ziffer 7 beside the present
// U-value of each component, then the windows by orientation with their
// equivalent U-values, and the windows' mean against its limit.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ausweis {

namespace {

constexpr int kZeilenProSeite = 28;
constexpr const char* kRichtung[4] = {"Nord    ", "Süd    ", "West    ", "Ost    "};

std::array<int32_t, 4> breiten(const TText& t) {
    const double Wu = Nutzbreite(t);
    return {int32_t(Wu * 0.45), int32_t(Wu * 0.25), int32_t(Wu * 0.15), int32_t(Wu * 0.15)};
}

std::array<TRect, 4> kopfzellen(const TText& t, int32_t oben, int32_t unten) {
    const auto b = breiten(t);
    std::array<TRect, 4> z;
    int32_t x = Links(t);
    for (size_t i = 0; i < 4; ++i) {
        z[i] = TRect(x, oben, x + b[i], unten);
        x += b[i];
    }
    return z;
}

// Where a header word and the symbol k with its index after it start:
// centred over the two value columns, which the line barely fills.
int32_t imKopf(TDC& dc, const std::array<TRect, 4>& z, int32_t wortbreite, std::string_view index) {
    int32_t symbol = dc.GetTextExtent("k").cx;
    {
        FontWahl klein(dc, Arial(10));
        symbol += dc.GetTextExtent(index).cx;
    }
    return std::max(z[2].left + kLuft, (z[2].left + z[3].right - wortbreite - symbol) / 2);
}

// Groups 3 and 4 hold a caption of four lines: their blocks have 3 rows at least.
int blockZeilen(int gruppe, int n) {
    return gruppe != 0 && gruppe != 10 && n > 0 && n < 3 ? 3 : n;
}

int bauteilGruppe(int art) {
    if (art == 3 || art == 5) return 3;
    if (art == 4 || art == 6) return 4;
    return 0;
}

// The head lines of both parts: thick, but only the upper 3h between the
// two value columns, thin.
void kopfLinien(TText& t, TDC& dc, const std::array<TRect, 4>& z, bool spalte1Boden) {
    const int32_t h = t.Einheit;
    if (!Sichtbar(t)) return;
    StiftWahl dick(dc, 2);
    Linie(dc, z[0].left, z[0].top, z[0].left, z[0].bottom);
    for (size_t i = 0; i < 4; ++i) {
        Linie(dc, z[i].left, z[i].top, z[i].right, z[i].top);
        if (i > 0 || spalte1Boden) Linie(dc, z[i].left, z[i].bottom, z[i].right, z[i].bottom);
        if (i != 2) Linie(dc, z[i].right, z[i].top, z[i].right, z[i].bottom);
    }
    StiftWahl duenn(dc, 1);
    Linie(dc, z[2].right, z[2].top, z[2].right, z[2].top + 3 * h);
}

void einheitWK(TText& t, TDC& dc, int32_t links, int32_t oben) {
    const TSize s = dc.GetTextExtent("[W/(");
    t.LocalRectZeile2(dc, TRect(links, oben, int32_t(links + 1.1 * s.cx), oben + s.cy), "[W/(", "m",
                      "2", "K)]");
}

void wertSpalten(TText& t, TDC& dc, const std::array<TRect, 4>& z) {
    if (!Sichtbar(t)) return;
    FontWahl fett(dc, ArialFett());
    Schreiben(dc, "\n maximal \n zulässiger ", z[2], kMitte);
    Schreiben(dc, "\n vorhandener ", z[3], kMitte);
}

} // namespace

void TabellenKopfBauteile(TText& t, TDC& dc) {
    const int32_t h = t.Einheit;
    TRect& r = t.TextRect;
    const int32_t oben = r.bottom + 2 * h;
    r = TRect(Links(t), oben, t.SeitenBreite, oben + 6 * h);
    const auto z = kopfzellen(t, r.top, r.bottom);
    kopfLinien(t, dc, z, true);
    FontWahl text(dc, Arial(14));
    if (Sichtbar(t)) {
        Einpassen(dc, "\n\n\n Teilfläche", z[0], kMitte);
        Einpassen(dc, "\n\n Benennung/ Orientierung \n der Teilflächen", z[1], kMitte);
    }
    wertSpalten(t, dc, z);
    constexpr std::string_view wort = "Wärmedurchgangskoeffizient ";
    const TSize s = dc.GetTextExtent(wort);
    const int32_t x = imKopf(dc, z, s.cx, "i");
    const int32_t y = int32_t(z[2].top + 3.2 * h);
    if (Sichtbar(t)) Schreiben(dc, wort, TRect(x, y, x + s.cx, y + s.cy), kMitte);
    t.Index(dc, x + s.cx, y, "k", "i", 0);
    einheitWK(t, dc, z[2].left + 6 * h, int32_t(y + 1.2 * h));
}

void TabellenKopfFenster(TText& t, TDC& dc) {
    const int32_t h = t.Einheit;
    TRect& r = t.TextRect;
    const int32_t oben = r.bottom;
    r = TRect(Links(t), oben, t.SeitenBreite, oben + 7 * h);
    const auto z = kopfzellen(t, r.top, r.bottom);
    kopfLinien(t, dc, z, false);
    const auto xS = int32_t(z[1].left + 0.7 * z[1].Width());
    t.FensterNameZelle = TRect(z[1].left, z[1].top, xS, z[1].bottom);
    t.FensterFlaecheZelle = TRect(xS, z[1].top, z[1].right, z[1].bottom);
    if (Sichtbar(t)) {
        StiftWahl duenn(dc, 1);
        Linie(dc, xS, z[1].top, xS, z[1].bottom);
    }
    FontWahl text(dc, Arial(14));
    if (Sichtbar(t)) {
        Schreiben(dc, "\n Benennung/ \n Orientierung \n der Teilflächen", t.FensterNameZelle,
                  kMitte);
        Schreiben(dc, "\n\n Fläche", t.FensterFlaecheZelle, kMitte);
    }
    const auto xa = int32_t(xS + 0.4 * h);
    t.LocalRectZeile2(
        dc, TRect(xa, z[1].top + 4 * h, xa + 2 * dc.GetTextExtent("[").cx, z[1].top + 5 * h), "[",
        "  m", "2", "]");
    wertSpalten(t, dc, z);
    constexpr std::string_view aequi = "äquivalenter ";
    const TSize sa = dc.GetTextExtent(aequi);
    const int32_t xq = z[2].left + 5 * h;
    if (Sichtbar(t))
        Schreiben(dc, aequi, TRect(xq, oben + 3 * h, xq + sa.cx, oben + 3 * h + sa.cy), kMitte);
    // Without its trailing blank: the line only just fits between the rules.
    constexpr std::string_view wort = "Wärmedurchgangskoeffizient";
    const TSize s = dc.GetTextExtent(wort);
    const int32_t x = imKopf(dc, z, s.cx + h / 3, "Feq");
    const int32_t y = oben + 4 * h;
    if (Sichtbar(t)) Schreiben(dc, wort, TRect(x, y, x + s.cx, y + s.cy), kMitte);
    t.Index(dc, x + s.cx + h / 3, y, "k", "Feq", 0);
    einheitWK(t, dc, z[2].left + 6 * h, int32_t(y + 1.1 * h));
}

void TabellenBlockRaster(TText& t, TDC& dc, int zeilen, int gruppe) {
    const int32_t h = t.Einheit, xL = Links(t);
    TRect& r = t.TextRect;
    const int32_t oben = r.bottom;
    r = TRect(xL, oben, t.SeitenBreite, oben);
    const int n = blockZeilen(gruppe, zeilen);
    const auto b = breiten(t);
    ZellenAuslegen(t, n, b.data(), 4, xL, oben, 2 * h);
    if (Sichtbar(t))
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= 4; ++j) {
                const TRect& z = Zelle(t, i, j);
                {
                    StiftWahl dick(dc, 2);
                    Linie(dc, z.right, z.top, z.right, z.bottom);
                }
                if (j == 2 || j == 4) {
                    StiftWahl duenn(dc, 1);
                    Linie(dc, z.left, z.bottom, z.right, z.bottom);
                }
            }
    r.bottom = Zelle(t, n, 4).bottom;
    StiftWahl dick(dc, 2);
    Linie(dc, xL, oben, xL, r.bottom);
    if (gruppe == 10) {
        StiftWahl duenn(dc, 1);
        const int32_t xS = t.FensterFlaecheZelle.left;
        Linie(dc, xS, t.FensterFlaecheZelle.top, xS, r.bottom);
    } else {
        Linie(dc, xL, r.bottom, xL + b[0] + b[1] + b[2] + b[3], r.bottom);
    }
}

namespace {

TRect anker(const TText& t, int n) {
    const int32_t h = t.Einheit;
    if (n == 1) return Zelle(t, 1, 1);
    return TRect(Zelle(t, n, 1).left, Zelle(t, n / 2, 1).top + h / 2, Zelle(t, n, 1).right,
                 Zelle(t, n / 2 + 1, 1).bottom);
}

} // namespace

void BauteilGruppeBeschriften(TText& t, TDC& dc, int zeilen, int gruppe) {
    if (zeilen <= 0) return;
    const int32_t h = t.Einheit;
    const int n = blockZeilen(gruppe, zeilen);
    const TRect a = anker(t, n);
    const char* text = " Außenwände";
    const char* grenze = "0.50"; // W/(m²K), WSchVO 1995 Anlage 1 Ziffer 7 Tabelle 2
    if (gruppe == 3) {
        text = "Decken unter nicht ausgebauten Dachräumen \n und Decken (einschließlich "
               "Dachschrägen), \n die Räume nach oben und unten \n gegen Außenluft abgrenzen";
        grenze = "0.22";
    } else if (gruppe == 4) {
        text = "Kellerdecken, Wände und Decken \n gegen unbeheizte Räume \n sowie Decken und "
               "Wände, \n die an das Erdreich grenzen";
        grenze = "0.35";
    }
    const bool wand = gruppe == 0;
    FontWahl normal(dc, Arial(14));
    // The caption moves left where its longest line would reach the rule.
    TRect feld(a.left + 3 * h, a.top, Zelle(t, 1, 1).right, a.top + (wand ? h : 4 * h));
    TRect mass = feld;
    Messen(dc, text, mass, kLinks);
    feld.left = std::max(a.left + kLuft, std::min(feld.left, feld.right - kLuft - mass.Width()));
    if (Sichtbar(t))
        Schreiben(dc, text, feld,
                  // The four lines of groups 3 and 4 stand whole, however tall the font's lines.
                  (wand ? 4u : kLinks) | DT_NOCLIP);
    FontWahl fett(dc, ArialFett());
    const TRect& z3 = Zelle(t, n, 3);
    if (Sichtbar(t))
        Schreiben(dc, grenze, TRect(z3.left, a.top + (wand ? h / 2 : 2 * h), z3.right, a.bottom),
                  kMitte);
}

void FensterGruppeBeschriften(TText& t, TDC& dc, int zeilen, int) {
    if (zeilen <= 0) return;
    const int32_t h = t.Einheit;
    const TRect a = anker(t, zeilen);
    FontWahl normal(dc, Arial(14));
    t.Index(dc, a.left + h, a.top, "A", "F", 0);
    if (Sichtbar(t))
        Schreiben(dc, ": Außenliegende Fenster \n    Fenstertüren \n    sowie Dachfenster",
                  TRect(a.left + 3 * h, a.top, Zelle(t, zeilen, 2).right, a.top + 2 * h),
                  uint32_t(kLinks) | DT_NOCLIP);
}

void BauteilZeile(TText& t, TDC& dc, const TPBauteil& p, int zeile) {
    if (!Sichtbar(t)) return; // far from the view
    FontWahl normal(dc, Arial(14));
    Schreiben(dc, "  " + p.Name, Zelle(t, zeile, 2), kZeileLinks);
    if (p.RBauteil) Schreiben(dc, ZahlMit(p.RBauteil->k_m, "  "), Zelle(t, zeile, 4), kZeileRechts);
}

void FensterZeile(TText& t, TDC& dc, const TPFenster& f, int zeile) {
    const int gruppe = FensterGruppe(f, true);
    if (t.OrientierungGedruckt[size_t(gruppe)] == 0) {
        t.OrientierungGedruckt[size_t(gruppe)] = 1;
        if (Sichtbar(t)) {
            FontWahl fett(dc, ArialFett());
            Schreiben(dc, kRichtung[gruppe], Zelle(t, zeile, 1), kZeileRechts);
        }
    }
    if (!Sichtbar(t)) return; // far from the view
    FontWahl normal(dc, Arial(14));
    Schreiben(dc, ZahlMit(f.Nettoflaeche, "  "), Zelle(t, zeile, 2), kZeileRechts);
    Schreiben(dc, "  " + f.Name, Zelle(t, zeile, 2), kZeileLinks);
    Schreiben(dc, ZahlMit(f.k_eq_F, "  "), Zelle(t, zeile, 4), kZeileRechts);
}

void TabellenZeileKmFeq(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    const int32_t h = t.Einheit;
    TRect& r = t.TextRect;
    const int32_t oben = r.bottom;
    r = TRect(Links(t), oben, t.SeitenBreite, oben + int32_t(4.5 * h));
    const auto z = kopfzellen(t, r.top, r.bottom);
    {
        StiftWahl dick(dc, 2);
        Linie(dc, z[0].left, z[0].top, z[0].left, z[0].bottom);
        if (Sichtbar(t))
            for (size_t i = 0; i < 4; ++i) {
                Linie(dc, z[i].right, z[i].top, z[i].right, z[i].bottom);
                Linie(dc, z[i].left, z[i].bottom, z[i].right, z[i].bottom);
                if (i > 0) Linie(dc, z[i].left, z[i].top, z[i].right, z[i].top);
            }
    }
    FontWahl normal(dc, Arial(14));
    if (Sichtbar(t))
        Einpassen(dc, " \n mittlerer äquivalenter \n Wärmedurchgangskoeffizient", z[1], kMitte);
    t.Index(dc, z[1].left + 4 * h, r.top + 3 * h, "k", "m,Feq", 0);
    if (!Sichtbar(t)) return;
    {
        // W/(m²K), WSchVO 1995 Anlage 1 Ziffer 7 Tabelle 2
        FontWahl fett(dc, ArialFett());
        Schreiben(dc, "\n\n 0,7", z[2], kMitte);
    }
    Schreiben(dc, Zahl("\n\n", p ? p->k_eq_F_m : 0), z[3], kMitte);
}

void VereinfachtTabelle(TText& t, TDC& dc) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const int32_t h = t.Einheit, zeile = 2 * h;
    std::array<std::vector<const TPBauteil*>, 7> bauteile;
    for (const TPBauteil& b : p->PBauteile)
        bauteile[size_t(bauteilGruppe(b.RBauteil ? b.RBauteil->Bauteilart : 0))].push_back(&b);
    std::array<std::vector<const TPFenster*>, 4> gruppen;
    for (const TPFenster& f : p->PFenster) gruppen[size_t(FensterGruppe(f, true))].push_back(&f);
    std::vector<const TPFenster*> fenster;
    for (const auto& g : gruppen) fenster.insert(fenster.end(), g.rbegin(), g.rend());

    const auto passend = [&](int32_t davor) {
        const int32_t fuss = t.AktuelleSeite * t.SeitenHoehe - int32_t(0.1 * t.SeitenHoehe);
        return std::max(0, (fuss - t.TextRect.bottom - davor) / zeile);
    };
    const auto neueSeite = [&] {
        Umbruch(t, dc);
        TabellenKopfBauteile(t, dc);
    };
    TabellenKopfBauteile(t, dc);
    int rp = 0;
    for (int g = 0; g < 7; ++g) {
        const auto& liste = bauteile[size_t(g)];
        const int n = int(liste.size());
        const auto block = [&](int erste, int k) {
            TabellenBlockRaster(t, dc, k, g);
            BauteilGruppeBeschriften(t, dc, k, g);
            for (int i = 0; i < k; ++i) BauteilZeile(t, dc, *liste[size_t(erste + i)], i + 1);
        };
        if (n == 0) continue;
        if (n < kZeilenProSeite) {
            if (rp + n < kZeilenProSeite && passend(0) >= blockZeilen(g, n)) {
                rp += n;
            } else {
                neueSeite();
                rp = n;
            }
            block(0, n);
            continue;
        }
        int erste = std::min({kZeilenProSeite - rp, passend(0), n});
        if (erste > 0) block(0, erste);
        rp = kZeilenProSeite;
        while (erste < n) {
            neueSeite();
            const int k = std::max(1, std::min({n - erste, kZeilenProSeite, passend(0)}));
            block(erste, k);
            erste += k;
            rp = k;
        }
    }

    t.OrientierungGedruckt = {};
    const int nw = int(fenster.size());
    const auto block = [&](int erste, int k) {
        TabellenBlockRaster(t, dc, k, 10);
        FensterGruppeBeschriften(t, dc, k, 10);
        for (int i = 0; i < k; ++i) FensterZeile(t, dc, *fenster[size_t(erste + i)], i + 1);
    };
    const int32_t kopf = 7 * h;
    if (nw > 0 && nw < kZeilenProSeite) {
        rp += nw;
        if (rp >= kZeilenProSeite || passend(kopf) < nw) {
            neueSeite();
            rp = nw;
        }
        TabellenKopfFenster(t, dc);
        block(0, nw);
    } else if (nw > 0) {
        int k = std::min(kZeilenProSeite - rp, passend(kopf));
        if (k <= 0) {
            neueSeite();
            k = std::min(kZeilenProSeite, passend(kopf));
        }
        k = std::max(1, std::min(k, nw));
        TabellenKopfFenster(t, dc);
        block(0, k);
        int erste = k;
        while (erste < nw) {
            {
                StiftWahl dick(dc, 2);
                Linie(dc, Links(t), t.TextRect.bottom, t.SeitenBreite, t.TextRect.bottom);
            }
            neueSeite();
            TabellenKopfFenster(t, dc);
            k = std::max(1, std::min({nw - erste, kZeilenProSeite, passend(0)}));
            block(erste, k);
            erste += k;
        }
    }
    // The mean row stays with the table: on a full page it starts the next one.
    if (!Passt(t, int32_t(4.5 * h))) neueSeite();
    TabellenZeileKmFeq(t, dc);
}

} // namespace ausweis
