// The area sheet: per facade its elements with their partial areas, the
// variables and formula lines of each, the element's net area and the
// facade's total; the whole envelope on the last page. And the volume sheet.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"

#include <algorithm>

namespace {
// The placed element of a facade key, with what the area table reads of it.
struct Element {
    const std::string* name = nullptr;
    int32_t nummer = 0;
    double netto = 0;
    size_t einbauten = 0;
    TDimVolumenListe* teilflaechen = nullptr;
};

Element element(TProjekt& p, int16_t typ, int16_t id) {
    Element e;
    const auto nr = uint16_t(id);
    if (typ == TTypNummer::Fenster) {
        if (TPFenster* f = p.PFenster.FirstThat([&](const TPFenster& x) { return x.Nummer == nr; }))
            e = {&f->Name, f->CADNummer, f->Nettoflaeche, f->Einbauten.GetItemsInContainer(),
                 &f->Flaechenliste};
    } else if (TPBauteil* b =
                   p.PBauteile.FirstThat([&](const TPBauteil& x) { return x.Nummer == nr; })) {
        e = {&b->Name, b->CADNummer, b->Nettoflaeche, b->Einbauten.GetItemsInContainer(),
             &b->Flaechenliste};
    }
    return e;
}

int teilflaechenZeilen(const TDimVolumen& d) {
    if (!d.Formelmodus) return 1;
    const int variablen = int(d.Textliste1.GetItemsInContainer());
    const int formeln = int(d.Formelliste.GetItemsInContainer());
    return formeln > 0 ? variablen + formeln : variablen + 1;
}

constexpr int kDaten6[6] = {0, 0, 0, 0, 1, 1};
constexpr int kMitte6[6] = {2, 2, 2, 2, 2, 2};
constexpr int kDaten4[4] = {0, 0, 0, 1};
constexpr int kMitte4[4] = {2, 2, 2, 2};
} // namespace

int TDatenblattBasis::FlaechenZeilenZaehlen(int schluessel) {
    TProjekt* p = Projekt();
    if (!p) return 1;
    const auto typ = int16_t(schluessel & 0xFFFF);
    const auto id = int16_t((schluessel >> 16) & 0xFFFF);
    const Element e = element(*p, typ, id);
    int zeilen = 0;
    if (e.teilflaechen)
        for (const TDimVolumen& d : *e.teilflaechen) zeilen += teilflaechenZeilen(d);
    return zeilen + 1;
}

void TDatenblattBasis::HuellflaechenTabelle(TDC& dc, int ersteFassade, int endFassade,
                                            int erstesElement, int endElement, int ersteTeilflaeche,
                                            int endTeilflaeche, int letzteZeile, int pass) {
    Durchgang = pass;
    constexpr int spalten = 6;
    TProjekt* p = Projekt();
    SpaltenLayout();
    SpaltenBreitenSetzen(1, spalten);
    const int zeilen = std::max(letzteZeile + 1, 1);
    for (int r = 0; r < std::max(50, zeilen); ++r)
        for (int k = 0; k <= spalten; ++k) Zelle(r, k) = TRect();
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, zeilen, spalten, 0);
    ZeilentabelleZuruecksetzen(zeilen);
    Block.Unten = Block.InnenUnten;
    if (pass != 1 || !AufAktuellerSeite() || !p) return;

    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const auto zelle = [&](int von, int bis, int zeile, const std::string& t, int a, int f,
                           int spanne = 1) {
        Spaltentext[size_t(von)] = t;
        ZelleText(dc, von, bis, zeile, spanne, a, f);
    };
    const auto zeile = [&](int r, std::array<std::string, 6> t, int fuellen) {
        for (size_t i = 0; i < t.size(); ++i) Spaltentext[i] = t[i];
        TabellenZeile(dc, r, spalten, 1, kDaten6, fuellen);
    };
    const auto wert = [&](double w) { return zahlText("  ", w, "  "); };

    zelle(0, 2, 0, "  Gebäudehüllflächen ", 0, 0, 2);
    zelle(2, 5, 0, " Flächenberechnung ", 0, 0, 2);
    zelle(0, 1, 2, " Nr ", 0, 1);
    zelle(1, 2, 2, "  Bauteilname ", 0, 1);
    zelle(2, 3, 2, " Teilflächen ", 0, 1);
    zelle(3, 4, 2, " Variablen + Formel ", 2, 1);
    zelle(4, 5, 2, " Fläche ", 2, 1);
    zelle(5, 6, 2, " Fläche ", 2, 1);
    for (int k = 0; k < 4; ++k) Spaltentext[size_t(k)] = " ";
    Spaltentext[4] = Spaltentext[5] = " [m²] ";
    TabellenZeile(dc, 3, spalten, 1, kMitte6, 1);
    querLinie(dc, 0, 0, spalten);
    querLinie(dc, 2, 0, spalten);
    querLinie(dc, 3, 0, spalten);
    querLinie(dc, 4, 0, spalten, 2);

    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    int r = 3;
    const int letzte = std::min(endFassade, int(p->Fassaden.GetItemsInContainer()));
    bool erstes = true;
    for (int fi = std::max(ersteFassade, 0); fi < letzte; ++fi) {
        TFassade& fassade = p->Fassaden[size_t(fi)];
        const int n = int(fassade.Elemente.GetItemsInContainer());
        if (n == 0) continue;
        const int s = fi == ersteFassade ? std::clamp(erstesElement, 0, n) : 0;
        const int e = fi == endFassade - 1 ? std::clamp(endElement, 0, n) : n;
        for (int k = s; k < e; ++k) {
            const TTypNummer t = fassade.Elemente[size_t(k)];
            const Element el = element(*p, t.Typ, t.Nummer);
            const bool letztesElement = fi == letzte - 1 && k == e - 1;
            if (el.teilflaechen) {
                const int m = int(el.teilflaechen->GetItemsInContainer());
                const int von = erstes ? std::clamp(ersteTeilflaeche, 0, m) : 0;
                const int bis =
                    letztesElement && endTeilflaeche > -1 ? std::clamp(endTeilflaeche, 0, m) : m;
                for (int j = von; j < bis; ++j) {
                    const TDimVolumen& d = (*el.teilflaechen)[size_t(j)];
                    const std::string nr =
                        el.nummer != 0 ? QTX_format("%s%li%s%i", " ", el.nummer, " - ", j + 1)
                                       : std::string(" ");
                    const auto neu = [&](std::array<std::string, 6> texte) {
                        ++r;
                        ZeilenschluesselSetzen(r, t.Nummer, t.Typ);
                        zeile(r, texte, 0);
                        querLinie(dc, r, 0, spalten);
                    };
                    if (d.Formelmodus) {
                        for (const TTextString& v : d.Textliste1)
                            neu({" ", " ", " ", " " + v.Text + "  ", "  ", "  "});
                        const int fz = int(d.Formelliste.GetItemsInContainer());
                        int i = 0;
                        for (const TTextString& f : d.Formelliste) {
                            neu({i == 0 ? nr : " ", " ", i == 0 ? "  " + d.Name + "  " : "  ",
                                 "  " + f.Text + "  ", i == fz - 1 ? wert(d.Wert) : "  ", "  "});
                            ++i;
                        }
                    } else {
                        neu({nr, " ", "  " + d.Name + "  ", wert(d.Wert), wert(d.Wert), "  "});
                    }
                }
            }
            erstes = false;
            ++r;
            ZeilenschluesselSetzen(r, t.Nummer, t.Typ);
            const bool rot = el.netto < 0.0;
            if (rot) dc.SetTextColor(Texte().Farbe(Textstil::Warnung));
            zeile(r,
                  {" ", "  " + (el.name ? *el.name : std::string()), " ",
                   el.einbauten > 0 ? " abzüglich aller untergeordneten Bauteile " : " ", "  ",
                   flaechenZahl(el.netto)},
                  1);
            if (rot) dc.SetTextColor(TColor::Black);
            querLinie(dc, r, 0, spalten);
        }
        ++r;
        dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        zeile(r,
              {"  ", "  " + fassade.Name, " ", " ", " ",
               flaechenZahl(fassade.A_gesamt - fassade.A_Fenster)},
              1);
        querLinie(dc, r, 0, spalten);
        querLinie(dc, r + 1, 0, spalten, 2);
        dc.SelectObject(Texte().Font(Textstil::Tabelle));
    }
    ++r;
    if (AufLetzterSeite()) {
        dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        ZeilenschluesselSetzen(r, -5, -5);
        ZeilenschluesselSetzen(r + 1, -5, -5);
        for (int k = 0; k < spalten; ++k) Spaltentext[size_t(k)] = " ";
        Spaltentext[0] = "  ";
        Spaltentext[1] = std::string("  ") + "Summe ";
        Spaltentext[5] = flaechenZahl(p->A_Bauteile + p->A_Fenster);
        TabellenZeile(dc, r, spalten, 2, kDaten6, 1);
        querLinie(dc, r, 0, spalten, 2);
        querLinie(dc, r + 2, 0, spalten);
        Block.Unten = Block.InnenUnten = Zeilenkante(r + 2);
    } else {
        Block.Unten = Block.InnenUnten = Zeilenkante(r);
    }
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    const int unten = Block.Unten;
    const auto senkrecht = [&](int k, int oben) {
        dc.MoveTo(Spaltenkante[size_t(k)], Zeilenkante(oben));
        dc.LineTo(Spaltenkante[size_t(k)], unten);
    };
    for (int k : {1, 3, 4, 5}) senkrecht(k, 2);
    for (int k : {0, 2, 6}) senkrecht(k, 0);
    dc.SelectObject(alt);
}

int TDatenblattBasis::VolumenZeilen(const TDimVolumen& v) {
    // A formula volume prints its variable and formula lines, any other one row.
    return v.Formelmodus
               ? int(v.Textliste1.GetItemsInContainer() + v.Formelliste.GetItemsInContainer())
               : 1;
}

int TDatenblattBasis::VolumenZeilenZaehlen(int erstes, int ende) const {
    // Heading (2), column heads (2) and the sum row (2).
    int zeilen = 6;
    if (const TProjekt* p = Projekt()) {
        const int anzahl = int(p->Volumina.GetItemsInContainer());
        for (int i = std::max(erstes, 0); i < std::min(ende, anzahl); ++i)
            zeilen += VolumenZeilen(p->Volumina[size_t(i)]);
    }
    return zeilen;
}

void TDatenblattBasis::VolumenTabelle(TDC& dc, int erstesVolumen, int endVolumen, int, int, int,
                                      int pass) {
    Durchgang = pass;
    constexpr int spalten = 4;
    TProjekt* p = Projekt();
    SpaltenLayout();
    SpaltenBreitenSetzen(1, spalten);
    // Laid out for this page's volumes only, so that the block ends where the
    // page's sum row does.
    const int zeilen = VolumenZeilenZaehlen(erstesVolumen, endVolumen);
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, zeilen, spalten, 0);
    Block.Unten = Block.InnenUnten;
    if (pass != 1 || !AufAktuellerSeite() || !p) return;

    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const auto zeile = [&](int r, std::array<std::string, 4> t, const int* a, int fuellen,
                           int spanne = 1) {
        for (size_t i = 0; i < t.size(); ++i) Spaltentext[i] = t[i];
        TabellenZeile(dc, r, spalten, spanne, a, fuellen);
    };
    const auto wert = [&](double w) { return QTX_format("%s%3.2lf%s", "  ", w, "  "); };
    Spaltentext[0] = " Volumenberechnung ";
    ZelleText(dc, 0, 3, 0, 2, 0, 0);
    const int kopf[4] = {0, 0, 2, 2};
    zeile(2, {" Nr ", " Teilvolumen ", " Variablen + Formel ", " Volumen "}, kopf, 1);
    zeile(3, {" ", " ", " ", " [m³] "}, kMitte4, 1);
    int r = 4;
    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const int anzahl = int(p->Volumina.GetItemsInContainer());
    for (int i = std::max(erstesVolumen, 0); i < std::min(endVolumen, anzahl); ++i) {
        const TDimVolumen& d = p->Volumina[size_t(i)];
        const auto nummer = int32_t(d.Wert3);
        const std::string nr = nummer != 0 ? QTX_format("%s%li", " ", nummer) : std::string(" ");
        const std::string name = "  " + d.Name + "  ";
        if (d.Formelmodus) {
            for (const TTextString& v : d.Textliste1)
                zeile(r++, {" ", " ", " " + v.Text + "  ", "  "}, kDaten4, 0);
            const int fz = int(d.Formelliste.GetItemsInContainer());
            int j = 0;
            for (const TTextString& f : d.Formelliste) {
                zeile(r++,
                      {j == 0 ? nr : " ", j == 0 ? name : "  ", "  " + f.Text + "  ",
                       j == fz - 1 ? wert(d.Wert) : "  "},
                      kDaten4, 0);
                ++j;
            }
        } else {
            zeile(r++, {nr, name, wert(d.Wert), wert(d.Wert)}, kDaten4, 0);
        }
    }
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    zeile(r, {" ", " Summe ", "  ", QTX_format("%s%3.2lf%s", " ", p->V, " ")}, kDaten4, 1, 2);
    const int unten = Zeilenkante(r + 2);
    for (int k = 0; k <= spalten; ++k) {
        dc.MoveTo(Spaltenkante[size_t(k)], Zeilenkante(k == 0 || k == spalten ? 0 : 2));
        dc.LineTo(Spaltenkante[size_t(k)], unten);
    }
    for (int i = 0; i <= r + 2; ++i) {
        if (i == 1 || i == r + 1) continue;
        dc.MoveTo(Spaltenkante[0], Zeilenkante(i));
        dc.LineTo(Spaltenkante[spalten], Zeilenkante(i));
    }
    Block.Unten = Block.InnenUnten = unten;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    dc.SelectObject(alt);
}
