// The component overview: every placed component and window with its
// U-values, area and loss, grouped by facade or by component and window type.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/BauteilKlassenNamen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "korvalin/datenblatt/ZeilenPuffer.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TProjekt.h"

#include <algorithm>
#include <functional>

namespace {
constexpr int kSpalten = 12;
constexpr int kDaten[kSpalten] = {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr int kMitte[kSpalten] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
} // namespace

void TDatenblattBasis::BauteilUebersichtKopf(TDC& dc, int* zeile, int spalten) {
    int& r = *zeile;
    querLinie(dc, r, 0, spalten);
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const auto gruppe = [&](int von, int bis, const char* t) {
        Spaltentext[size_t(von)] = t;
        ZelleText(dc, von, bis, r, 1, 2, 1);
    };
    gruppe(0, 3, "  Bauteil ");
    gruppe(3, 4, " Abgrenzung zu ");
    gruppe(4, 7, " k-Werte ");
    gruppe(7, 8, " ");
    gruppe(8, 10, " Bauteilfläche ");
    gruppe(10, 12, " QT ");
    ++r;
    querLinie(dc, r, 0, spalten);
    const char* kopf[kSpalten] = {
        " Bez.",     " Bauteiltyp ", " Name ", " ", " DIN 4108 ", " WSchVO ",
        " k vorh. ", " Faktor ",     " ",      " ", " ",          " "};
    for (int k = 0; k < kSpalten; ++k) Spaltentext[size_t(k)] = kopf[k];
    TabellenZeile(dc, r, kSpalten, 1, kMitte, 1);
    ++r;
    querLinie(dc, r, 0, spalten);
    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const char* einheit[kSpalten] = {" ",         " ", " ",      " ",    " [W/m²K] ", " [W/m²K] ",
                                     " [W/m²K] ", " ", " [m²] ", " [%]", " [kWh/a] ", " [%] "};
    for (int k = 0; k < kSpalten; ++k) Spaltentext[size_t(k)] = einheit[k];
    TabellenZeile(dc, r, kSpalten, 1, kMitte, 1);
    querLinie(dc, r, 0, spalten);
    querLinie(dc, r + 1, 0, spalten, 2);
    dc.SelectObject(alt);
}

// The groups of one grouping: their element keys and the sum row of each.
struct UebersichtGruppen {
    virtual ~UebersichtGruppen() = default;
    virtual int Anzahl() const = 0;
    virtual std::vector<TTypNummer> Elemente(int gruppe) const = 0;
    virtual void Summe(int gruppe, char** spalten, double grenze) const = 0;
};

namespace {
struct NachFassaden : UebersichtGruppen {
    NachFassaden(TGesamtProjekt* g, TProjekt& p) : g(g), p(p) {}
    int Anzahl() const override { return int(p.Fassaden.GetItemsInContainer()); }
    std::vector<TTypNummer> Elemente(int i) const override {
        std::vector<TTypNummer> e;
        for (const TTypNummer& t : p.Fassaden[size_t(i)].Elemente) e.push_back(t);
        return e;
    }
    void Summe(int i, char** spalten, double grenze) const override {
        const TFassade kopie = p.Fassaden[size_t(i)];
        FormatBauteilTabFassadenDaten(g, kopie, spalten, grenze);
    }
    TGesamtProjekt* g;
    TProjekt& p;
};

struct NachTypen : UebersichtGruppen {
    NachTypen(TGesamtProjekt* g, TProjekt& p, bool eingeschraenkt, int klasse)
        : g(g), p(p), eingeschraenkt(eingeschraenkt), klasse(klasse) {}
    int bauteile() const { return int(p.RBauteile.GetItemsInContainer()); }
    int Anzahl() const override { return bauteile() + int(p.RFenster.GetItemsInContainer()); }
    std::vector<TTypNummer> Elemente(int i) const override {
        std::vector<TTypNummer> e;
        if (i < bauteile()) {
            const TRBauteil& t = p.RBauteile[size_t(i)];
            if (eingeschraenkt && t.Bauteilart != klasse) return e;
            for (const TTypNummer& n : t.PBauteilListe)
                e.push_back({int16_t(n.Typ == TTypNummer::Fenster ? 0 : n.Typ), n.Nummer});
        } else {
            if (eingeschraenkt && klasse != 10) return e;
            for (const TTypNummer& n : p.RFenster[size_t(i - bauteile())].PFensterListe)
                e.push_back({TTypNummer::Fenster, n.Nummer});
        }
        return e;
    }
    void Summe(int i, char** spalten, double grenze) const override {
        if (i < bauteile()) {
            const TRBauteil kopie = p.RBauteile[size_t(i)];
            FormatBauteilTabReferenzDaten(g, kopie, spalten, grenze);
        } else {
            const TRFenster kopie = p.RFenster[size_t(i - bauteile())];
            FormatFensterTabReferenzDaten(g, kopie, spalten, grenze);
        }
    }
    TGesamtProjekt* g;
    TProjekt& p;
    bool eingeschraenkt;
    int klasse;
};
} // namespace

void TDatenblattBasis::BauteilUebersichtFassaden(TDC& dc, int ersteFassade, int endFassade,
                                                 int erstesElement, int endElement, int zeilen,
                                                 int pass) {
    TProjekt* p = Projekt();
    if (!p) return;
    uebersichtSchreiben(dc, NachFassaden(Gesamtprojekt, *p), ersteFassade, endFassade,
                        erstesElement, endElement, zeilen, pass, false);
}

void TDatenblattBasis::BauteilUebersichtTypen(TDC& dc, int ersteGruppe, int endGruppe,
                                              int erstesElement, int endElement, int zeilen,
                                              int pass) {
    TProjekt* p = Projekt();
    if (!p) return;
    uebersichtSchreiben(dc,
                        NachTypen(Gesamtprojekt, *p, UebersichtEingeschraenkt, UebersichtKlasse),
                        ersteGruppe, endGruppe, erstesElement, endElement, zeilen + 1, pass, true);
}

void TDatenblattBasis::uebersichtSchreiben(TDC& dc, const UebersichtGruppen& gruppen, int erste,
                                           int end, int erstesElement, int endElement, int zeilen,
                                           int pass, bool summeAufJederSeite) {
    Durchgang = pass;
    const TProjekt* p = Projekt();
    SpaltenLayout();
    SpaltenBreitenSetzen(1, kSpalten);
    for (int r = 0; r < std::max(50, zeilen); ++r)
        for (int k = 0; k <= kSpalten; ++k) Zelle(r, k) = TRect();
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, zeilen, kSpalten, 0);
    ZeilentabelleZuruecksetzen(zeilen);
    Block.Unten = Block.InnenUnten;
    if (pass != 1 || !AufAktuellerSeite() || !p) return;

    const double grenze = double(Zahlen().ExponentLimit);
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    int r = 0;
    BauteilUebersichtKopf(dc, &r, kSpalten);
    const int letzte = std::min(end, gruppen.Anzahl());
    for (int gi = std::max(erste, 0); gi < letzte; ++gi) {
        const std::vector<TTypNummer> elemente = gruppen.Elemente(gi);
        const int n = int(elemente.size());
        const int s = gi == erste ? std::clamp(erstesElement, 0, n) : 0;
        const int e = gi == end - 1 ? (n == 0 ? 0 : std::clamp(endElement, 0, n)) : n;
        dc.SelectObject(Texte().Font(Textstil::Tabelle));
        for (int k = s; k < e; ++k) {
            ++r;
            ZeilenschluesselSetzen(r, elemente[size_t(k)].Nummer, elemente[size_t(k)].Typ);
            ZeilenPuffer puffer;
            FormatBauteilDaten(Gesamtprojekt, elemente[size_t(k)], BauteilKlassenNamen,
                               puffer.Zeiger(), grenze);
            puffer.Uebertragen(Spaltentext, kSpalten);
            TabellenZeile(dc, r, kSpalten, 1, kDaten, 0);
            querLinie(dc, r, 0, kSpalten);
        }
        if (n == 0) continue;
        ++r;
        dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        ZeilenPuffer puffer;
        gruppen.Summe(gi, puffer.Zeiger(), grenze);
        puffer.Uebertragen(Spaltentext, kSpalten);
        TabellenZeile(dc, r, kSpalten, 1, kDaten, 1);
        querLinie(dc, r, 0, kSpalten);
        querLinie(dc, r + 1, 0, kSpalten, 2);
    }
    if (summeAufJederSeite || AufLetzterSeite()) {
        ++r;
        ZeilenschluesselSetzen(r, -5, -5);
        ZeilenschluesselSetzen(r + 1, -5, -5);
        dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        const auto zahl = [&](double w, const char* format) {
            return w < grenze ? QTX_format(format, w, "  ") : QTX_format("%5.4G%s", w, "  ");
        };
        for (int k = 0; k < kSpalten; ++k) Spaltentext[size_t(k)] = " ";
        Spaltentext[0] = "  ";
        Spaltentext[1] = std::string("  ") + "Summe ";
        Spaltentext[8] = zahl(p->A_Bauteile + p->A_Fenster, "%3.2lf%s");
        Spaltentext[9] = " 100 ";
        Spaltentext[10] = zahl(p->Q_T, "%3.0lf%s");
        Spaltentext[11] = " 100 ";
        TabellenZeile(dc, r, kSpalten, 2, kDaten, 1);
        querLinie(dc, r, 0, kSpalten, 2);
        querLinie(dc, r + 2, 0, kSpalten);
        Block.Unten = Block.InnenUnten = Zeilenkante(r + 2);
    } else {
        Block.Unten = Block.InnenUnten = Zeilenkante(r + 1);
    }
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    dc.SelectObject(alt);
}
