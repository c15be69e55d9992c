// The tables of the proof by components: small residential buildings
// (WSchVO 1995 Anlage 1 Ziffer 7 Tabelle 2) and components installed or
// replaced in existing buildings (Anlage 3 Tabelle 1). Each list is cut by
// the driver into parts of at most 40 rows; every part repeats its headings.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "korvalin/projekt/ProjektZeilen.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TProjekt.h"

namespace {
constexpr int kSpalten = 5;
// Anlage 3 Tabelle 1: replaced windows, W/(m²K); Anlage 1 Ziffer 7
// Tabelle 2: the windows' mean equivalent U-value.
constexpr double kFensterBestand = 1.8;
constexpr double kFensterKlein = 0.7;

const std::vector<std::string> kKopf1{"Typ", "Name", "k-Wert", "max k-Wert", "Anf.erfüllt"};
const std::vector<std::string> kKopf2{"-", "-", "[W/m²K]", "[W/m²K]", "-"};
const std::vector<std::string> kKopfKeq1{"Typ", "Name", "k_eq-Wert", "max. k_eq-Wert",
                                         "Anf. erfüllt"};
const int kZeilenAusrichtung[kSpalten] = {0, 0, 2, 2, 2};

std::string klasse(const TRBauteil& t) {
    return std::string(" ") + (t.Bauteilart < 10 ? BauteilTypNamen[t.Bauteilart] : "");
}

void titel(TDatenblattBasis& b, TDC& dc, const char* text, int pass) {
    b.Durchgang = pass;
    if (b.Block.Abschnitt == 0) b.Block.Abschnitt = b.AktuellerAbschnitt;
    b.SpaltenLayout();
    b.SpaltenBreitenSetzen(0, 3);
    b.Block.InnenOben = b.Block.Oben;
    b.TabelleZeichnen(dc, 2, 3, 0);
    if (pass != 1 || !b.AufAktuellerSeite()) return;
    const TFont alt = dc.SelectObject(b.Texte().Font(Textstil::TabellenKopf));
    b.Spaltentext[0] = text;
    b.ZelleText(dc, 0, 3, 0, 1, 0, 1);
    b.Spaltentext[0] = " Liste der Bauteile ";
    b.ZelleText(dc, 0, 3, 1, 1, 0, 1);
    b.TabellenRahmenZeichnen(dc);
    dc.SelectObject(alt);
}

// Header part and data part of one list table in one block.
template <class Zeilen>
void liste(TDatenblattBasis& b, TDC& dc, int anzahl, int erster, int pass, Zeilen zeilen) {
    b.Durchgang = pass;
    if (b.Block.Abschnitt == 0) b.Block.Abschnitt = b.AktuellerAbschnitt;
    b.SpaltenLayout();
    b.SpaltenBreitenSetzen(1, kSpalten);
    b.Block.InnenOben = b.Block.Oben;
    b.TabelleZeichnen(dc, 2 + anzahl, kSpalten, pass);
    if (pass != 1 || !b.AufAktuellerSeite()) return;
    for (int r = 0; r < 2 + anzahl; ++r)
        for (int k = 0; k <= kSpalten; ++k) b.Zelle(r, k) = TRect();
    b.GitterTabelleZeichnen(dc, 2, kSpalten, kKopf1, kKopf2);
    zeilen(erster, anzahl);
}

// The rows of elements erster..erster+anzahl-1 of a list, below the two header
// rows of their part. fuellen fills the cell texts of an element and returns
// false when the element gets no row.
template <class Liste, class Fuellen>
void listenZeilen(TDatenblattBasis& b, TDC& dc, const Liste& liste, int erster, int anzahl,
                  int spalten, Fuellen fuellen) {
    const TFont alt = dc.SelectObject(b.Texte().Font(Textstil::Tabelle));
    int i = 0, zeile = 0;
    for (const auto& e : liste) {
        if (i >= erster + anzahl) break;
        if (i++ < erster || !fuellen(e)) continue;
        b.TabellenZeile(dc, 2 + zeile++, spalten, 1, kZeilenAusrichtung, 0);
    }
    dc.SelectObject(alt);
}
} // namespace

void TDatenblattBasis::BauteilverfahrenTitelKleineWohngebaeude(TDC& dc, int pass) {
    titel(*this, dc,
          " Bauteilverfahren für kleine Wohngebäude (nach WSchVO, Anlage 1, Ziffer 7. Tabelle 2) ",
          pass);
}

void TDatenblattBasis::BauteilverfahrenTitelBestand(TDC& dc, int pass) {
    titel(*this, dc, " Bauteilverfahren (nach WSchVO, Anlage 3, Tabelle 1)", pass);
}

void TDatenblattBasis::BauteilListeKleineWohngebaeude(TDC& dc, int anzahl, int erster, int pass) {
    liste(*this, dc, anzahl, erster, pass,
          [&](int e, int n) { BauteilZeilenKleineWohngebaeude(dc, e, n, kSpalten); });
}

void TDatenblattBasis::BauteilListeBestand(TDC& dc, int anzahl, int erster, int pass) {
    liste(*this, dc, anzahl, erster, pass,
          [&](int e, int n) { BauteilZeilenBestand(dc, e, n, kSpalten); });
}

void TDatenblattBasis::FensterListeBestand(TDC& dc, int anzahl, int erster, int pass) {
    liste(*this, dc, anzahl, erster, pass,
          [&](int e, int n) { FensterZeilenBestand(dc, e, n, kSpalten); });
}

void TDatenblattBasis::BauteilZeilenKleineWohngebaeude(TDC& dc, int erster, int anzahl,
                                                       int spalten) {
    if (const TProjekt* p = Projekt())
        listenZeilen(*this, dc, p->PBauteile, erster, anzahl, spalten, [&](const TPBauteil& b) {
            if (!b.RBauteil) return false;
            const TRBauteil& t = *b.RBauteil;
            Spaltentext[0] = klasse(t);
            Spaltentext[1] = " " + t.Name;
            Spaltentext[2] = QTX_format("%3.2lf", t.k_m);
            Spaltentext[3] = QTX_format("%3.2lf", t.k_max_Anl1Z7);
            Spaltentext[4] = t.BauteilverfahrenErfuellt ? "ja" : "nein";
            return true;
        });
}

void TDatenblattBasis::BauteilZeilenBestand(TDC& dc, int erster, int anzahl, int spalten) {
    if (const TProjekt* p = Projekt())
        listenZeilen(*this, dc, p->PBauteile, erster, anzahl, spalten, [&](const TPBauteil& b) {
            // A component the table has no limit for gets no row, but counts.
            if (!b.RBauteil || b.RBauteil->k_max_Anl3 < 0) return false;
            const TRBauteil& t = *b.RBauteil;
            Spaltentext[0] = klasse(t);
            Spaltentext[1] = " " + t.Name;
            Spaltentext[2] = QTX_format("%3.2lf", t.k_m);
            Spaltentext[3] =
                t.Haertefall ? std::string(" Härtefall: §14 ") : QTX_format("%3.2lf", t.k_max_Anl3);
            Spaltentext[4] = t.BauteilverfahrenErfuellt ? "ja" : "nein";
            return true;
        });
}

void TDatenblattBasis::FensterZeilenBestand(TDC& dc, int erster, int anzahl, int spalten) {
    if (const TProjekt* p = Projekt())
        listenZeilen(*this, dc, p->PFenster, erster, anzahl, spalten, [&](const TPFenster& f) {
            if (!f.RFenster) return false;
            const TRFenster& t = *f.RFenster;
            Spaltentext[0] = " Fenster";
            Spaltentext[1] = " " + t.Name;
            Spaltentext[2] = QTX_format("%3.2lf", t.k_F);
            Spaltentext[3] = QTX_format("%s%2.1lf%s", " ", kFensterBestand, " ");
            Spaltentext[4] = t.k_F <= kFensterBestand ? "ja" : "nein";
            return true;
        });
}

void TDatenblattBasis::FensterZeileKleineWohngebaeude(TDC& dc, int pass) {
    Durchgang = pass;
    if (Block.Abschnitt == 0) Block.Abschnitt = AktuellerAbschnitt;
    SpaltenLayout();
    SpaltenBreitenSetzen(1, kSpalten);
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, 3, kSpalten, 0);
    const TProjekt* p = Projekt();
    if (pass != 1 || !AufAktuellerSeite() || !p) return;
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k <= kSpalten; ++k) Zelle(r, k) = TRect();
    GitterTabelleZeichnen(dc, 2, kSpalten, kKopfKeq1, kKopf2);
    TabellenGitter(dc, 3, kSpalten);
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Tabelle));
    Spaltentext[0] = " Fenster";
    Spaltentext[1] = " Alle Fenster";
    Spaltentext[2] = QTX_format("%3.2lf", p->k_eq_F_m);
    Spaltentext[3] = QTX_format("%s%2.1lf%s", " ", kFensterKlein, " ");
    Spaltentext[4] = p->k_eq_F_m <= kFensterKlein ? "ja" : "nein";
    TabellenZeile(dc, 2, kSpalten, 1, kZeilenAusrichtung, 0);
    dc.SelectObject(alt);
}
