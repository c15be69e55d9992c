// The component sheet's body: layout of the header block and the layer
// table, its frame, the header block and the two heat-transfer rows; and the
// cross-section drawing in its block.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "korvalin/datenblatt/TDatenblattSchichtHilfen.h"
#include "platform/gdi/DC.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/modell/TRBauteil.h"

#include <algorithm>

namespace {
constexpr int kSpalten = 11;

void linie(TDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

const char* const kNummern[kSpalten] = {"Sp", "1",      "2", "3", "4", "5(2:4)",
                                        "6",  "7(2*6)", "8", "9", "10"};
const char* const kKoepfe[kSpalten] = {"Nr", "Schicht", "s", "Fl.masse", "l", "1/a, 1/L",
                                       "m",  "s_d",     "T", "p_s",      "p"};
const char* const kEinheiten[kSpalten] = {"-", "-",   "[mm]", "[kg/m²]", "[W/(m*K)]", "[m²*K/W]",
                                          "-", "[m]", "[°C]", "[Pa]",    "[Pa]"};
} // namespace

void TDatenblattBasis::BauteilGrafikZeichnen(TDC& dc, TBauteilGrafik* grafik, int materialFlag,
                                             const TRect& bereich, int pass) {
    if (!grafik) return;
    grafik->SetPosition(Block.Links + 10, Block.Oben + Zeilenschritt);
    if (pass != 1) return;
    Grafik().SetBeschriftungFont(Texte().Schrift(Textstil::Beschriftung));
    Grafik().SetBeschriftungFarbe(Texte().Farbe(Textstil::Beschriftung));
    grafik->PrepareDraw(dc, bereich, Block.Anzeige[0] != 0, Block.Anzeige[1] != 0, Drucken,
                        &Grafik(), &SeitenLayout(), materialFlag != 0);
}

void TDatenblattBasis::BauteilLayoutBerechnen(int n) {
    n = std::max(n, 0);
    constexpr int h = Bauteilzeilenhoehe;
    Tabellenzeilen = n + 6;
    Tabellenspalten = kSpalten;
    SpaltenLayout();
    SpaltenBreitenSetzen(1, kSpalten);
    Spaltenkante.fill(0);
    Spaltenkante[0] = BlockLinks();
    // The edges are needed in every case; only the handles belong to a table block.
    for (int k = 1; k <= kSpalten; ++k)
        Spaltenkante[size_t(k)] =
            int(Spaltenkante[size_t(k - 1)] + Spaltenbreite[size_t(k)] * Zeichenbreite);

    Kopfkanten.assign(8, Block.Oben);
    for (size_t k = 1; k < 8; ++k)
        Kopfkanten[k] = Kopfkanten[k - 1] + (k >= 2 && k <= 4 ? int(0.5 * h) : h);
    Schichtkanten.assign(size_t(n) + 7, Kopfkanten[7]);
    Schichtkanten[1] = Schichtkanten[0] + int(1.5 * h);
    for (int k = 2; k <= n + 1; ++k) Schichtkanten[size_t(k)] = Schichtkanten[size_t(k - 1)] + h;
    Schichtkanten[size_t(n) + 2] = Schichtkanten[size_t(n) + 1] + int(1.5 * h);
    for (int k = n + 3; k <= n + 6; ++k)
        Schichtkanten[size_t(k)] = Schichtkanten[size_t(k - 1)] + h;
    Grenzkanten.assign(size_t(n) + 4, Kopfkanten[7]);
    for (int k = 1; k <= n + 3; ++k) Grenzkanten[size_t(k)] = Grenzkanten[size_t(k - 1)] + h;

    Block.Unten = Block.InnenUnten = Schichtkanten.back();
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    Block.Rechts = Block.InnenRechts = Spaltenkante[kSpalten];
    Block.Breite = Block.Rechts - Block.Links;
    if (Block.Art == 2) {
        auto& griffe = Spaltengriffe[1];
        griffe.fill(TRect());
        for (int k = 1; k <= kSpalten; ++k)
            griffe[size_t(k)] = TRect(Spaltenkante[size_t(k)] - 3, Block.Oben,
                                      Spaltenkante[size_t(k)] + 3, Block.Unten);
    }
    for (int r = 0; r < n + 6; ++r)
        for (int k = 0; k < kSpalten; ++k)
            Zelle(100 + r, k) = TRect(Spaltenkante[size_t(k)], Schichtkanten[size_t(r)],
                                      Spaltenkante[size_t(k + 1)], Schichtkanten[size_t(r + 1)]);
}

void TDatenblattBasis::BauteilRahmenZeichnen(TDC& dc, int n, int /*pass*/) {
    const auto& x = Spaltenkante;
    const auto& e = Schichtkanten;
    const auto& f = Grenzkanten;
    // The table's own bottom: the footnotes below it stand outside the frame.
    const TRect r(Spaltenkante[0], Block.Oben, Spaltenkante[kSpalten], e.back());
    dc.FillRect(r, TBrush(TColor::White));
    const TPen alt = dc.SelectObject(TPen(TColor::Black));
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.left, r.bottom);
    dc.LineTo(r.right, r.bottom);
    dc.LineTo(r.right, r.top);
    for (int k = 1; k <= n + 1; ++k) linie(dc, x[0], e[size_t(k)], x[8], e[size_t(k)]);
    linie(dc, x[0], e[size_t(n) + 2], x[11], e[size_t(n) + 2]);
    for (int k = 1; k <= 10; ++k)
        linie(dc, x[size_t(k)], e[0], x[size_t(k)], e[size_t(k == 6 ? n + 5 : n + 3)]);
    for (int k = 1; k <= n + 2; ++k) linie(dc, x[8], f[size_t(k)], x[11], f[size_t(k)]);
    linie(dc, x[0], e[size_t(n) + 3], x[11], e[size_t(n) + 3]);
    linie(dc, x[6], e[size_t(n) + 4], x[11], e[size_t(n) + 4]);
    linie(dc, x[0], e[size_t(n) + 5], x[11], e[size_t(n) + 5]);
    dc.SelectObject(alt);
}

void TDatenblattBasis::BauteilKopfZeichnen(TDC& dc, TRBauteil* bauteil) {
    const auto& x = Spaltenkante;
    const auto& y = Kopfkanten;
    const bool feuchte = SeitenLayout().FeuchteDaten == 1;
    const auto zelle = [&](int x1, int r, int x2, const std::string& t, int a, int fuellen) {
        zelleZeichnen(dc, TRect(x[size_t(x1)], y[size_t(r)], x[size_t(x2)], y[size_t(r + 1)]), t, a,
                      fuellen);
    };
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    zelle(0, 0, 4, " Bauteil ", 2, 1);
    zelle(4, 0, 6, " Wärmeschutz ", 2, 1);
    zelle(6, 0, 11, feuchte ? " Tauwasserschutz " : "", 2, 1);

    if (feuchte && bauteil) {
        const TKlima& k = bauteil->Klima;
        dc.SelectObject(Texte().Font(Textstil::Fussnote));
        zelle(3, 1, 5, " Tauperiode  = ", 0, 0);
        zelle(5, 1, 6, QTX_format("%1.0lf%s", k.Tauperiode, " h "), 0, 0);
        zelle(6, 1, 8,
              QTX_format("%s%1.0lf%s%1.0lf%s", " Ta / Ti = ", k.ThetaE, " °C / ", k.ThetaI, " °C "),
              0, 0);
        zelle(8, 1, 11,
              QTX_format("%s%1.0lf%s%1.0lf%s", " Phi,a / Phi,i = ", k.PhiE * 100, " % / ",
                         k.PhiI * 100, " % "),
              0, 0);
        zelle(3, 2, 5, " Verdunstungsperiode  = ", 0, 0);
        zelle(5, 2, 6, QTX_format("%1.0lf%s", k.Verdunstungsperiode, " h "), 0, 0);
        zelle(6, 2, 8,
              QTX_format("%s%1.0lf%s%1.0lf%s", " Ta / Ti = ", k.ThetaE_V, " °C / ", k.ThetaI_V,
                         " °C "),
              0, 0);
        zelle(8, 2, 11,
              QTX_format("%s%1.0lf%s%1.0lf%s", " Phi,a / Phi,i = ", k.PhiE_V * 100, " % / ",
                         k.PhiI_V * 100, " % "),
              0, 0);
        zelle(0, 3, 3, " " + k.Titel, 0, 0);
        if (k.AussenluftVerdunstung == 0) {
            zelle(3, 3, 6, " Temperatur der Oberfläche außen  = ", 0, 0);
            zelle(6, 3, 7, QTX_format("%1.0lf%s", k.ThetaOberflaeche_V, " °C "), 1, 0);
        }
    }

    std::vector<std::string> nummern(kNummern, kNummern + kSpalten);
    if (!feuchte) nummern[8] = "6";
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    TabellenZeileZeichnen(dc, kSpalten, 4, x.data(), y.data(), Zellfarbe, nummern);
    ZellenSetzen(kSpalten, 5, x.data(), y.data());
    ZeileFuellen(dc, kSpalten, 5, Zellfarbe);
    for (int k = 0; k < kSpalten; ++k) {
        dc.SelectObject(Texte().Font(k >= 4 && k <= 6 ? Textstil::Symbol : Textstil::TabellenKopf));
        zelle(k, 5, k + 1, kKoepfe[k], 2, 0);
    }
    dc.SelectObject(Texte().Font(Textstil::Einheiten));
    TabellenZeileZeichnen(dc, kSpalten, 6, x.data(), y.data(), Zellfarbe,
                          std::vector<std::string>(kEinheiten, kEinheiten + kSpalten));

    if (AufAktuellerSeite()) {
        const TPen altStift = dc.SelectObject(TPen(TColor::Black));
        for (int r : {0, 1, 4, 5, 6, 7}) linie(dc, x[0], y[size_t(r)], x[11], y[size_t(r)]);
        if (feuchte) linie(dc, x[3], y[2], x[11], y[2]);
        for (int k : {0, 4, 11}) linie(dc, x[size_t(k)], y[0], x[size_t(k)], y[1]);
        if (feuchte) linie(dc, x[6], y[0], x[6], y[1]);
        for (int k = 0; k <= kSpalten; ++k) linie(dc, x[size_t(k)], y[4], x[size_t(k)], y[7]);
        dc.SelectObject(altStift);
    }
    if (Spaltenmarken()) {
        const TPen altStift = dc.SelectObject(TPen(TColor::Black));
        const TBrush altPinsel = dc.SelectObject(TBrush(TColor::Black));
        for (int k = 0; k <= kSpalten; ++k) {
            const int xk = x[size_t(k)];
            const TPoint dreieck[3] = {{xk - 3, y[0] - 6}, {xk + 3, y[0] - 6}, {xk, y[0]}};
            dc.Polygon(dreieck, 3);
        }
        dc.SelectObject(altPinsel);
        dc.SelectObject(altStift);
    }
    dc.SelectObject(alt);
}

void TDatenblattBasis::UebergangInnenZeile(TDC& dc, TRBauteil* bauteil, int position, int) {
    uebergangZeile(dc, position, "Wärmeübergang innen", bauteil ? bauteil->Rsi : 0);
}

void TDatenblattBasis::UebergangAussenZeile(TDC& dc, TRBauteil* bauteil, int position, int) {
    uebergangZeile(dc, position, "Wärmeübergang außen", bauteil ? bauteil->Rse : 0);
}

void TDatenblattBasis::uebergangZeile(TDC& dc, int position, const char* name, double r) {
    Tabellenspalten = kSpalten;
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const int zeile = position + 1;
    for (int k = 0; k < 8; ++k) {
        std::string t = "-";
        if (k == 1) t = name;
        if (k == 5) t = QTX_format("%3.2lf", r);
        zelleZeichnen(dc,
                      TRect(Spaltenkante[size_t(k)], Schichtkanten[size_t(zeile)],
                            Spaltenkante[size_t(k + 1)], Schichtkanten[size_t(zeile + 1)]),
                      t, 2, 0);
    }
    dc.SelectObject(alt);
}

void TDatenblattBasis::SchichtTabelleZeichnen(TDC& dc, TRBauteil* bauteil, TEinfachBauteil* eb,
                                              int n, int pass) {
    Durchgang = pass;
    BauteilLayoutBerechnen(n);
    // The footnotes belong to the block, so that the next block starts below them.
    if (bauteil && eb) {
        const int zeilen =
            SchichtFussnotenZeilen(*bauteil, *eb, Projekt(), SeitenLayout().FeuchteDaten == 1);
        if (zeilen > 0) {
            const TFont alt = dc.SelectObject(Texte().Font(Textstil::Fussnote));
            Block.Unten += zeilen * dc.GetTextExtent(" Test").cy;
            dc.SelectObject(alt);
            Block.InnenUnten = Block.Unten;
            Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
        }
    }
    if (pass != 1 || !AufAktuellerSeite()) return;
    BauteilRahmenZeichnen(dc, n, pass);
    BauteilKopfZeichnen(dc, bauteil);
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Tabelle));
    if (Block.Anzeige[1] == 0) {
        UebergangInnenZeile(dc, bauteil, -1, pass);
        SchichtZeilenZeichnen(dc, n, bauteil, eb, pass);
        UebergangAussenZeile(dc, bauteil, n, pass);
    } else {
        UebergangAussenZeile(dc, bauteil, -1, pass);
        SchichtZeilenZeichnen(dc, n, bauteil, eb, pass);
        UebergangInnenZeile(dc, bauteil, n, pass);
    }
    dc.SelectObject(alt);
}
