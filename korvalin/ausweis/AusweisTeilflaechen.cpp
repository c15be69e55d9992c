// The partial-area table of the certificate for normal internal
// temperatures: every placed component and window as one numbered row,
// grouped by area kind and window orientation, over as many pages as needed.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "korvalin/ausweis/TabellenSeiten.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"
#include "tauplot/diagramm/TText.h"

#include <array>
#include <vector>

namespace ausweis {

namespace {

constexpr double kAnteile[7] = {0.05, 0.35, 0.2, 0.1, 0.1, 0.1, 0.1};

std::array<int32_t, 7> breiten(const TText& t) {
    std::array<int32_t, 7> b{};
    for (size_t i = 0; i < b.size(); ++i) b[i] = int32_t(Nutzbreite(t) * kAnteile[i]);
    return b;
}

int32_t tabellenRechts(const TText& t) {
    int32_t x = Links(t);
    for (int32_t b : breiten(t)) x += b;
    return x;
}

bool glasvorbau(int art) {
    return art >= 7 && art <= 9;
}

bool eigenerFaktor(int art) {
    return art <= 2 || glasvorbau(art) || art > 9;
}

struct Gruppenangabe {
    const char* index;
    const char* text;
    const char* faktor; // fixed factor of the group, or null
    const char* richtung;
};

Gruppenangabe angabe(int gruppe) {
    switch (gruppe) {
    case 3:
        return {"D", ": Dach - und \n   Dachdeckenflächen", "0.8", nullptr};
    case 4:
        return {"G", ": unterer Gebäudeabschluß \n   einschließlich erdberührter Flächen", "0.5",
                nullptr};
    case 5:
        return {"DL", ": Decken nach unten \n   gegen Außenluft", "1.0", nullptr};
    case 6:
        return {"AB", ": abgr. Flächen zu Gebäudeteilen \n   mit niedriger Innentemperatur", "0.5",
                nullptr};
    case 10:
        return {"F", ": Fenster \n   Fenstertüren und Außentüren", nullptr, "Nord  "};
    case 11:
        return {"F", ": Fenster \n    Fenstertüren und Außentüren", nullptr, "Süd  "};
    case 12:
        return {"F", ": Fenster \n    Fenstertüren und Außentüren", nullptr, "West  "};
    case 13:
        return {"F", ": Fenster \n    Fenstertüren und Außentüren", nullptr, "Ost  "};
    default:
        return {"W", ": Außenwände", nullptr, nullptr};
    }
}

} // namespace

void AusweisTeilflaechenKopf(TText& t, TDC& dc) {
    const int32_t H = t.Einheit, L = Links(t);
    const int32_t oben = t.TextRect.bottom + 2 * H, unten = oben + 10 * H;
    t.TextRect = TRect(L, oben, t.SeitenBreite, unten);
    FontWahl text(dc, Arial(14));
    StiftWahl stift(dc, 2);
    Linie(dc, L, oben, L, unten);
    const auto b = breiten(t);
    int32_t x = L;
    std::array<TRect, 7> zelle;
    for (size_t i = 0; i < b.size(); ++i) {
        zelle[i] = TRect(x, oben, x + b[i], unten);
        x += b[i];
    }
    if (Sichtbar(t))
        for (const TRect& z : zelle) {
            Linie(dc, z.left, z.top, z.right, z.top);
            Linie(dc, z.right, z.top, z.right, z.bottom);
            Linie(dc, z.left, z.bottom, z.right, z.bottom);
        }
    const auto mitte = [&](size_t i, std::string_view s, int32_t hoehe) {
        if (Sichtbar(t))
            Einpassen(dc, s, TRect(zelle[i].left, oben, zelle[i].right, oben + hoehe), kMitte);
    };
    mitte(0, "\n\n\n\n Lfd. \n Nr.", 10 * H);
    mitte(1, "\n\n\n\n Teilfläche", 10 * H);
    mitte(2, "\n\n\n Benennung/ Orientierung \n der Teilflächen", 10 * H);
    mitte(6,
          "\n\n Faktor zur \n Berück- \n sichtigung \n bauteilspe- \n zif. Tempe- \n "
          "raturdiffe- \n renzen 1)",
          10 * H);
    // A word, then the letter with its index right after it.
    const auto symbol = [&](size_t i, int32_t y, std::string_view wort, std::string_view basis) {
        const int32_t breite = dc.GetTextExtent(wort).cx;
        if (Sichtbar(t))
            Schreiben(dc, wort, TRect(zelle[i].left, y, zelle[i].left + breite, y + H), kLinks);
        t.Index(dc, zelle[i].left + breite, y, basis, "i", 0);
    };
    symbol(3, oben + 4 * H, "   Fläche ", "A");
    // A word and the letter with its index centred in the narrow value
    // columns; where both do not fit on one line, the letter goes below.
    const auto symbolMitte = [&](size_t i, int32_t y, std::string_view wort,
                                 std::string_view basis) {
        const int32_t raum = zelle[i].Width() - 2 * kLuft;
        int32_t breite = dc.GetTextExtent(basis).cx;
        {
            FontWahl klein(dc, Arial(10));
            breite += dc.GetTextExtent("i").cx;
        }
        const int32_t wortBreite = dc.GetTextExtent(wort).cx;
        const int32_t mitte = zelle[i].left + zelle[i].Width() / 2;
        if (wortBreite + breite <= raum) {
            const int32_t x = mitte - (wortBreite + breite) / 2;
            if (Sichtbar(t)) Schreiben(dc, wort, TRect(x, y, x + wortBreite, y + H), kLinks);
            t.Index(dc, x + wortBreite, y, basis, "i", 0);
            return;
        }
        if (Sichtbar(t))
            Schreiben(dc, wort, TRect(zelle[i].left, y, zelle[i].right, y + H), kMitte);
        t.Index(dc, mitte - breite / 2, y + H, basis, "i", 0);
    };
    const int32_t klammer = dc.GetTextExtent("[").cx;
    const int32_t x4 = zelle[3].left + H;
    t.LocalRectZeile2(dc, TRect(x4, oben + 8 * H, x4 + 2 * klammer, oben + 9 * H), "[", "  m", "2",
                      "]");
    mitte(4, "\n\n Wärme- \n durch- \n gangsko- \n", 5 * H);
    symbolMitte(4, oben + 5 * H, "effizient ", "k");
    // The unit on the line of the other units, clear of the index.
    const int32_t y5 = oben + 8 * H;
    const int32_t x5 = zelle[4].left + H / 2;
    t.LocalRectZeile2(dc, TRect(x5, y5, x5 + int32_t(1.1 * dc.GetTextExtent("[W/(").cx), y5 + H),
                      "[W/(", "m", "2", "K)]");
    mitte(5, "\n\n Gesamt- \n energie- \n durchlaß- \n", 5 * H);
    symbolMitte(5, oben + 5 * H, "grad ", "g");
    if (Sichtbar(t))
        Schreiben(dc, "[-]", TRect(zelle[5].left, oben + 8 * H, zelle[5].right, oben + 9 * H),
                  kMitte);
}

void AusweisTeilflaechenRaster(TText& t, TDC& dc, int zeilen, int gruppe) {
    const int32_t H = t.Einheit, L = Links(t);
    const int32_t oben = t.TextRect.bottom;
    t.TextRect = TRect(L, oben, t.SeitenBreite, oben);
    const auto b = breiten(t);
    ZellenAuslegen(t, zeilen, b.data(), int(b.size()), L, oben, 2 * H);
    const auto ohneBoden = [gruppe](int spalte) {
        if (spalte == 2) return true;
        if (gruppe == 0) return spalte == 6;
        if (gruppe >= 3 && gruppe <= 6) return spalte == 6 || spalte == 7;
        return false;
    };
    if (Sichtbar(t)) {
        for (int i = 1; i <= zeilen; ++i)
            for (int j = 1; j <= 7; ++j) {
                const TRect& z = Zelle(t, i, j);
                {
                    StiftWahl dick(dc, 2);
                    Linie(dc, z.right, z.top, z.right, z.bottom);
                }
                if (!ohneBoden(j)) {
                    StiftWahl duenn(dc, 1);
                    Linie(dc, z.left, z.bottom, z.right, z.bottom);
                }
            }
    }
    t.TextRect.bottom = Zelle(t, zeilen, 1).bottom;
    StiftWahl dick(dc, 2);
    Linie(dc, L, oben, L, t.TextRect.bottom);
    Linie(dc, L, t.TextRect.bottom, tabellenRechts(t), t.TextRect.bottom);
}

void AusweisTeilflaechenGruppe(TText& t, TDC& dc, int zeilen, int gruppe) {
    if (zeilen < 1) return;
    const int32_t H = t.Einheit;
    const Gruppenangabe a = angabe(gruppe);
    TRect ort = Zelle(t, zeilen == 1 ? 1 : zeilen / 2 + 1, 2);
    if (zeilen > 1) {
        ort.top -= H / 2;
        ort.bottom -= H / 2;
    }
    FontWahl text(dc, Arial(14));
    t.Index(dc, ort.left + H, ort.top, "A", a.index, 0);
    if (Sichtbar(t))
        Einpassen(dc, a.text, TRect(ort.left + 3 * H, ort.top, ort.right, ort.top + 2 * H), kLinks);
    FontWahl fett(dc, ArialFett());
    if (a.faktor && Sichtbar(t)) {
        TRect z = Zelle(t, zeilen == 1 ? 1 : zeilen / 2 + 1, 7);
        z.top = ort.top + H / 2;
        z.bottom = ort.bottom + H / 2;
        Schreiben(dc, a.faktor, z, kMitte);
    }
    if (a.richtung && Sichtbar(t)) Schreiben(dc, a.richtung, Zelle(t, 1, 2), kRechts);
}

void AusweisBauteilZeile(TText& t, TDC& dc, const TPBauteil& p, int zeile) {
    ++t.LfdNr;
    const int art = p.RBauteil ? p.RBauteil->Bauteilart : 0;
    if (glasvorbau(art)) {
        // Every number is kept: the box of considered items lists them all.
        t.Glasvorbauten.push_back(t.LfdNr);
        t.GlasvorbauMerker = 1;
    }
    // Rows far from the view would fall outside it: they are not drawn.
    if (!Sichtbar(t)) return;
    FontWahl text(dc, Arial(14));
    Schreiben(dc, std::to_string(t.LfdNr) + " ", Zelle(t, zeile, 1), kZeileRechts);
    Schreiben(dc, "  " + p.Name, Zelle(t, zeile, 3), kZeileLinks);
    Schreiben(dc, ZahlMit(p.Nettoflaeche, "  "), Zelle(t, zeile, 4), kZeileRechts);
    Schreiben(dc, p.RBauteil ? ZahlMit(p.RBauteil->k_m, "  ") : std::string(" -- "),
              Zelle(t, zeile, 5), kZeileRechts);
    if (eigenerFaktor(art))
        Schreiben(dc, ZahlMit(p.Reduktionsfaktor, "  "), Zelle(t, zeile, 7), kZeileMitte);
}

void AusweisFensterZeile(TText& t, TDC& dc, const TPFenster& f, int zeile) {
    ++t.LfdNr;
    if (!Sichtbar(t)) return;
    FontWahl text(dc, Arial(14));
    Schreiben(dc, std::to_string(t.LfdNr) + " ", Zelle(t, zeile, 1), kZeileRechts);
    Schreiben(dc, "  " + f.Name, Zelle(t, zeile, 3), kZeileLinks);
    Schreiben(dc, ZahlMit(f.Nettoflaeche, "  "), Zelle(t, zeile, 4), kZeileRechts);
    if (f.RFenster) {
        Schreiben(dc, ZahlMit(f.RFenster->k_F, "  "), Zelle(t, zeile, 5), kZeileRechts);
        Schreiben(dc, ZahlMit(f.RFenster->g, "  "), Zelle(t, zeile, 6), kZeileRechts);
    }
    Schreiben(dc, ZahlMit(f.Glasvorbaufaktor, "  "), Zelle(t, zeile, 7), kZeileMitte);
}

void AusweisTeilflaechenTabelle(TText& t, TDC& dc) {
    t.LfdNr = 0;
    t.Glasvorbauten.clear();
    t.GlasvorbauMerker = 0;
    const TProjekt* p = Projekt(t);
    if (!p) return;
    std::array<std::vector<const TPBauteil*>, 7> bauteile;
    for (const TPBauteil& b : p->PBauteile) {
        const int art = b.RBauteil ? b.RBauteil->Bauteilart : 0;
        bauteile[size_t(art >= 3 && art <= 6 ? art : 0)].push_back(&b);
    }
    std::array<std::vector<const TPFenster*>, 4> fenster;
    for (const TPFenster& f : p->PFenster) fenster[size_t(FensterGruppe(f, false))].push_back(&f);

    AusweisTeilflaechenKopf(t, dc);
    // Blocks of at most 30 rows of 2H; a longer table goes on page by page.
    TabellenSeiten seiten(t, dc, 30, 2 * t.Einheit, [&] { AusweisTeilflaechenKopf(t, dc); });
    for (int g = 0; g < 7; ++g) {
        const auto& liste = bauteile[size_t(g)];
        seiten.Gruppe(int(liste.size()), [&](int erste, int n) {
            AusweisTeilflaechenRaster(t, dc, n, g);
            AusweisTeilflaechenGruppe(t, dc, n, g);
            for (int i = 0; i < n; ++i)
                AusweisBauteilZeile(t, dc, *liste[size_t(erste + i)], i + 1);
        });
    }
    for (int o = 0; o < 4; ++o) {
        const auto& liste = fenster[size_t(o)];
        seiten.Gruppe(int(liste.size()), [&](int erste, int n) {
            AusweisTeilflaechenRaster(t, dc, n, 10 + o);
            AusweisTeilflaechenGruppe(t, dc, n, 10 + o);
            for (int i = 0; i < n; ++i)
                AusweisFensterZeile(t, dc, *liste[size_t(erste + i)], i + 1);
        });
    }
}

} // namespace ausweis
