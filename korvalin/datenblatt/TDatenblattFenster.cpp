// The window sheet's tables: the window type against the building envelope,
// the reference window's values and one table per project window.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRFenster.h"

#include <array>

namespace {
// WSchVO Anlage 3 Tabelle 1: the largest k of a window, W/(m²K).
constexpr double kFensterKMaxAnlage3 = 1.8;

// Stored fields of the window type as the window editor fills them.
bool glasUndRahmen(const TRFenster& f) {
    return f.Merker10 != 0;
}
bool rahmenNachGruppe(const TRFenster& f) {
    return f.Merker11 != 0;
}
int rahmengruppe(const TRFenster& f) {
    return f.Merker9;
}
double kRahmen(const TRFenster& f) {
    return f.Wert6;
}
double kVerglasung(const TRFenster& f) {
    return f.Wert7;
}

const char* aus(const std::array<const char*, 5>& t, int i) {
    return i >= 0 && i < 5 ? t[size_t(i)] : " ";
}
constexpr std::array<const char*, 5> kGruppen{" 1 ", " 2.1 ", " 2.2 ", " 2.3 ", " 3 "};
constexpr std::array<const char*, 5> kOrientierung{" Nord ", " Süd ", " West ", " Ost ", " "};

std::string zahl(double w) {
    return QTX_format("%s%3.2lf%s", " ", w, " ");
}
// Cell texts and rule lines of the window tables.
struct FensterZellen {
    TDatenblattBasis& b;
    TDC& dc;
    void operator()(int von, int bis, int zeile, const std::string& t, int a, int f,
                    int spanne = 1) const {
        b.Spaltentext[size_t(von)] = t;
        b.ZelleText(dc, von, bis, zeile, spanne, a, f);
    }
    void stil(Textstil s) const { dc.SelectObject(b.Texte().Font(s)); }
    void waagerecht(int zeile, int von, int bis) const {
        dc.MoveTo(b.Spaltenkante[size_t(von)], b.Zeilenkante(zeile));
        dc.LineTo(b.Spaltenkante[size_t(bis)], b.Zeilenkante(zeile));
    }
    void senkrecht(int k, int von, int bis) const {
        dc.MoveTo(b.Spaltenkante[size_t(k)], b.Zeilenkante(von));
        dc.LineTo(b.Spaltenkante[size_t(k)], b.Zeilenkante(bis));
    }
};

// Lays out the eleven columns and rows of a reference or project window
// table; true when the table is to be painted now.
bool fensterTabelle(TDatenblattBasis& b, TDC& dc, int zeilen, int pass) {
    b.SpaltenLayout();
    b.SpaltenBreitenSetzen(1, 11);
    b.Block.InnenOben = b.Block.Oben;
    for (int r = 0; r < zeilen; ++r)
        for (int k = 0; k <= 11; ++k) b.Zelle(r, k) = TRect();
    b.TabelleZeichnen(dc, zeilen, 11, 0);
    b.Block.Unten = b.Block.InnenUnten;
    return pass == 1 && b.AufAktuellerSeite();
}
} // namespace

void TDatenblattBasis::ProjektFensterSummen(TRFenster& fenster, double& af, double& qt,
                                            double& qs) {
    TProjekt* p = Projekt();
    if (!p) return;
    for (const TTypNummer& t : fenster.PFensterListe)
        for (const TPFenster& pf : p->PFenster)
            if (pf.Nummer == uint16_t(t.Nummer)) {
                af += pf.Nettoflaeche;
                qt += pf.Q_T;
                qs += pf.Q_S_angerechnet;
                break;
            }
}

void TDatenblattBasis::FensterHuelleTabelle(TDC& dc, TRFenster* fenster, TPFenster* pfenster,
                                            int pass) {
    Durchgang = pass;
    if (!fenster) return;
    const TProjekt* p = Projekt();
    const bool bestand = p && p->Baumassnahme == 2;
    SpaltenLayout();
    SpaltenBreitenSetzen(0, 9);
    Block.InnenOben = Block.Oben;
    for (int r = 0; r < 11; ++r)
        for (int k = 0; k <= 9; ++k) Zelle(r, k) = TRect();
    TabelleZeichnen(dc, 4, 9, 0);
    const bool malen = pass == 1 && AufAktuellerSeite();
    const FensterZellen zelle{*this, dc};
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    if (malen) {
        int r = 0;
        if (int16_t(fenster->Nummer) >= 0 && p) {
            zelle(0, 1, 0, " " + p->Projektangaben[0], 0, 1, 2);
            zelle(1, 3, 0, " " + p->Projektangaben[1], 0, 1, 2);
            zelle(3, 9, 0, " " + p->Projektangaben[2], 0, 1, 2);
            r = 2;
        }
        dc.SelectObject(Texte().Font(Textstil::Titel));
        zelle(0, 1, r, " " + fenster->Name, 0, 1, 2);
        dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        zelle(1, 9, r, " " + fenster->Zusatzname, 0, 1, 2);
        zelle.waagerecht(0, 0, 9);
        zelle.waagerecht(2, 0, 9);
        zelle.senkrecht(0, 0, r + 2);
        zelle.senkrecht(9, 0, r + 2);
    }

    // The comparison table right under the heading's four rows.
    Block.InnenOben = Zeilenkante(4);
    TabelleZeichnen(dc, 7, 9, 0);
    if (malen) {
        const double A = int16_t(fenster->Nummer) >= 0 && p ? p->A_Bauteile + p->A_Fenster : 0;
        const double afP = p ? p->A_Fenster : 0, qtP = p ? p->Q_T : 0, qsP = p ? p->Q_S : 0;
        double sAF = 0, sQT = 0, sQS = 0;
        TRFenster* typ = pfenster && pfenster->RFenster ? pfenster->RFenster : fenster;
        ProjektFensterSummen(*typ, sAF, sQT, sQS);
        const auto zahlText = [&](int k, double w) {
            ZahlFormatieren(k, w);
            return Spaltentext[size_t(k)];
        };
        const auto anteil = [](double w) { return QTX_format("%3.2lf%s", w, " "); };
        zelle(0, 1, 0, " ", 0, 1, 2);
        zelle(1, 5, 0, " Gebäude-Hülle  ", 0, 1, 2);
        zelle(5, 9, 0, " Summe der zugeordneten Projekt-Fenster ", 0, 1, 2);
        const auto zeile = [&](int r, const char* label, const std::array<std::string, 8>& t) {
            zelle(0, 1, r, label, 0, 1);
            for (int k = 1; k <= 8; ++k) zelle(k, k + 1, r, t[size_t(k - 1)], k % 2 ? 1 : 0, 0);
        };
        const std::string hundert = QTX_format("%s%3.2lf%s", " ", 100.0, " ");
        int l = 5;
        if (!bestand) {
            zeile(2, " Fläche A ",
                  {zahlText(1, A), " m² ", hundert, " % ", zahlText(5, sAF), " m² ",
                   anteil(A > 0 ? sAF / A * 100 : 0), " % "});
            zeile(3, " Fensterfläche AF ",
                  {zahlText(1, afP), " m² ", hundert, " % ", zahlText(5, sAF), " m² ",
                   anteil(afP > 0 ? sAF / afP * 100 : 0), " % "});
            zeile(4, " Transmission QT  ",
                  {zahlText(1, qtP), " kWh/a ", hundert, " % ", zahlText(5, sQT), " kWh/a ",
                   qtP > 0 ? anteil(sQT / qtP * 100) : " -- ", " % "});
            if (p && p->NormaleInnentemperatur)
                zeile(5, " Solare Gewinne QS  ",
                      {zahlText(1, qsP), " kWh/a ", hundert, " % ", zahlText(5, sQS), " kWh/a ",
                       qsP > 0 ? anteil(sQS / qsP * 100) : " -- ", " % "});
            else
                zeile(5, " Solare Gewinne QS  ",
                      {" -- ", " ", " -- ", " ", " -- ", " ", " -- ", " "});
        } else {
            zeile(2, " Fläche  ", {" -- ", "  ", " -- ", " ", " -- ", " ", " -- ", " "});
            zeile(3, " Fensterfläche  ",
                  {" -- ", " ", " -- ", " ", zahlText(5, sAF), " m² ", " -- ", " "});
            zeile(4, " Transmission QT  ",
                  {" -- ", "  ", " -- ", " ", zahlText(5, sQT), " kWh/a ", " -- ", " "});
            zeile(5, " Solare Gewinne QS  ",
                  {" -- ", " ", " -- ", " ", zahlText(5, sQS), " kWh/a ", " -- ", " "});
            l = 6;
            if (FensterKWert(*fenster) > kFensterKMaxAnlage3)
                dc.SetTextColor(Texte().Farbe(Textstil::Warnung));
            zelle(0, 5, 6, " Prüfung nach Bauteilverfahren gemäß WSchVO, Anlage 3, Tabelle 1: ", 0,
                  1);
            zelle(5, 7, 6, QTX_format("%s%3.2lf%s", " max. k = ", kFensterKMaxAnlage3, " W/m²K "),
                  0, 1);
            zelle(7, 9, 6, QTX_format("%s%3.2lf%s", " k = ", FensterKWert(*fenster), " W/m²K "), 0,
                  1);
            dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
            dc.SetTextColor(TColor::Black);
        }
        for (int r : {0, 2, l + 1}) zelle.waagerecht(r, 0, 9);
        if (bestand) zelle.waagerecht(l, 0, 9);
        for (int k : {0, 9}) zelle.senkrecht(k, 0, l + 1);
        for (int k : {1, 5}) zelle.senkrecht(k, 0, bestand ? l : l + 1);
    }
    Block.Unten = Block.InnenUnten = Zeilenkante(7);
    Block.InnenOben = Block.Oben;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    dc.SelectObject(alt);
}

double TDatenblattBasis::FensterKWert(const TRFenster& typ) const {
    const TProjekt* p = Projekt();
    return p ? typ.Rechen_k_F(p->Baumassnahme, p->NormaleInnentemperatur) : typ.k_F;
}

void TDatenblattBasis::ReferenzFensterTabelle(TDC& dc, TRFenster* fenster, TPFenster*, int pass) {
    Durchgang = pass;
    if (!fenster) return;
    if (!fensterTabelle(*this, dc, 7, pass)) return;
    const FensterZellen zelle{*this, dc};
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const bool gr = glasUndRahmen(*fenster);
    zelle(0, 11, 0, QTX_format("%s%s%s", " ", " Referenz-Fenster  ", fenster->Name.c_str()), 0, 1);
    zelle.stil(Textstil::Tabelle);
    zelle(0, 7, 1, "   ", 0, 1);
    zelle.stil(Textstil::TabellenKopf);
    zelle(7, 9, 1, "  k_V ", 2, 1);
    zelle(9, 11, 1, "  k_F ", 2, 1);
    zelle.stil(Textstil::Tabelle);
    zelle(0, 1, 2, "   ", 0, 0);
    zelle(2, 4, 2, "  Gesamtenergiedurchlaßgrad g ", 0, 1);
    zelle(4, 6, 2, zahl(fenster->g), 0, 0);
    zelle(6, 7, 2, "  -- ", 0, 0);
    zelle(7, 9, 2, "  [ W/m²K ] ", 2, 1);
    zelle(9, 11, 2, "  [ W/m²K ] ", 2, 1);
    zelle(0, 2, 3, "   ", 0, 0);
    zelle(2, 4, 3, "  Fugendurchlaßkoeffizient a ", 0, 1);
    zelle(4, 6, 3, zahl(fenster->a), 0, 0);
    zelle.stil(Textstil::Einheiten);
    zelle(6, 7, 3, "  F_Einh. ", 0, 0);
    zelle(7, 11, 3, "   ", 0, 0);
    zelle.stil(Textstil::Tabelle);
    zelle(0, 2, 4, "   ", 0, 0);
    zelle(2, 4, 4, "  Rahmenanteil ", 0, 1);
    zelle(4, 6, 4, zahl(fenster->Rahmenanteil), 0, 0);
    zelle.stil(Textstil::Einheiten);
    zelle(6, 7, 4, "  % ", 0, 0);
    zelle.stil(Textstil::Tabelle);
    zelle(7, 9, 4, gr ? zahl(kVerglasung(*fenster)) : " -- ", 2, 0);
    zelle(9, 11, 4, zahl(FensterKWert(*fenster)), 2, 0);
    zelle(0, 2, 5, "   ", 0, 0);
    if (!rahmenNachGruppe(*fenster)) {
        zelle(2, 4, 5, "  k_R - Wert ", 0, 1);
        zelle(4, 6, 5, gr ? zahl(kRahmen(*fenster)) : " -- ", 0, 0);
        zelle.stil(Textstil::Einheiten);
        zelle(6, 7, 5, "  W/m²K ", 0, 0);
        zelle(7, 11, 5, "   ", 0, 0);
    } else {
        zelle(2, 4, 5, "  Rahmenmaterialgruppe ", 0, 1);
        zelle(4, 6, 5, aus(kGruppen, rahmengruppe(*fenster)), 0, 0);
        zelle(6, 7, 5, "  ", 0, 0);
        zelle(7, 11, 5, "   ", 0, 0);
    }
    const int altModus = dc.SetBkMode(TRANSPARENT);
    dc.TextOut(Spaltenkante[6], Zeilenkante(6), " F_Einh. = m³/(h*m*[daPa]**(2/3)) ");
    dc.SetBkMode(altModus);
    Block.Unten = Block.InnenUnten = Zeilenkante(6);
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    for (int k : {0, 11}) zelle.senkrecht(k, 0, 6);
    for (int k : {2, 4, 6, 7, 9}) zelle.senkrecht(k, 2, 6);
    for (int r : {0, 2, 6}) zelle.waagerecht(r, 0, 11);
    zelle.waagerecht(3, 7, 11);
    dc.SelectObject(alt);
}

void TDatenblattBasis::ProjektFensterTabelle(TDC& dc, TRFenster* fenster, TPFenster* pf, int pass) {
    Durchgang = pass;
    if (!fenster || !pf) return;
    const TProjekt* p = Projekt();
    if (!fensterTabelle(*this, dc, 9, pass)) return;
    const FensterZellen zelle{*this, dc};
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));

    // A facade number beyond the list leaves the facade blank.
    std::string fassade;
    bool istFassade = true;
    if (p && pf->FassadenNummer < p->Fassaden.GetItemsInContainer()) {
        const TFassade& f = const_cast<TProjekt*>(p)->Fassaden[pf->FassadenNummer];
        fassade = f.Name;
        istFassade = f.IstFassade != 0;
    }
    const bool normal = p && p->NormaleInnentemperatur;
    const double z = pf->z_fest * pf->z_bew;
    const double gF = fenster->g * z;

    zelle(0, 4, 0, QTX_format("%s%s%s", " ", " Projekt-Fenster  ", pf->Name.c_str()), 0, 1);
    zelle(4, 11, 0,
          QTX_format("%s%s%s", " ",
                     istFassade ? " Fassade:    " : " Hüllfläche:    ", fassade.c_str()),
          0, 1);
    zelle(0, 2, 1, "  ", 0, 1);
    zelle(2, 4, 1, QTX_format("%s%s%12.2lf%s", " ", " AF: ", pf->Nettoflaeche, "  m² "), 0, 1);
    zelle(4, 7, 1, QTX_format("%s%s%12.2lf%s", " ", " QT: ", pf->Q_T, " kWh/a "), 0, 1);
    zelle(7, 11, 1,
          normal ? QTX_format("%s%s%12.2lf%s", " ", " QS: ", pf->Q_S_angerechnet, " kWh/a ") : " ",
          0, 1);
    zelle.stil(Textstil::Titel);
    zelle(0, 2, 2, " " + pf->Zusatztext, 0, 0, 7);
    zelle.stil(Textstil::Tabelle);
    zelle(2, 4, 2, "  Orientierung ", 0, 1);
    zelle(4, 6, 2, aus(kOrientierung, pf->Orientierung), 0, 0);
    zelle(6, 7, 2, "  -- ", 0, 0);
    zelle(7, 11, 2, "   ", 0, 1);
    zelle(0, 2, 3, "   ", 0, 0);
    zelle(2, 4, 3, "  Neigung ", 0, 1);
    zelle(4, 6, 3, zahl(pf->Neigung), 0, 0);
    zelle.stil(Textstil::Einheiten);
    zelle(6, 7, 3, "  Grad ", 0, 0);
    zelle.stil(Textstil::TabellenKopf);
    zelle(7, 11, 3, "  k_eq,F ", 2, 1);
    zelle.stil(Textstil::Tabelle);
    zelle(0, 1, 4, "   ", 0, 0);
    zelle(2, 4, 4, "  Solar-Strahlungswert ", 0, 1);
    if (normal) {
        zelle(4, 6, 4, QTX_format("%s%3.0lf%s", " ", pf->Solarwerte(p->WestAnsatz).I, "  "), 0, 0);
        zelle.stil(Textstil::Einheiten);
        zelle(6, 7, 4, "  kWh/m²*a ", 0, 0);
    } else {
        zelle(4, 6, 4, " -- ", 0, 0);
        zelle.stil(Textstil::Einheiten);
        zelle(6, 7, 4, " -- ", 0, 0);
    }
    zelle(7, 11, 4, "  [ W/m²K ] ", 2, 1);
    zelle.stil(Textstil::Tabelle);
    zelle(0, 2, 5, "   ", 0, 0);
    zelle(2, 4, 5, "  Verschattung ", 0, 1);
    zelle(4, 6, 5, QTX_format("%s%2.1lf%s", " ", pf->Verschattung * 100, " "), 0, 0);
    zelle(6, 7, 5, "  % ", 0, 0);
    zelle(7, 11, 5, "  ", 2, 0);
    zelle(0, 2, 6, "   ", 0, 0);
    zelle(2, 4, 6, "   ", 0, 1);
    zelle.stil(Textstil::TabellenKopf);
    zelle(4, 5, 6, "  z_fest ", 0, 1);
    zelle(5, 6, 6, "  z_bew. ", 0, 1);
    zelle(6, 7, 6, "  -- ", 0, 0);
    zelle(7, 11, 6, normal ? zahl(pf->k_eq_F) : QTX_format("%s%s%s", " ", " -- ", " "), 2, 0);
    zelle.stil(Textstil::Tabelle);
    zelle(0, 2, 7, "   ", 0, 0);
    zelle(2, 4, 7, "  Abminderungsfaktoren ", 0, 1);
    zelle(4, 5, 7, zahl(pf->z_fest), 2, 0);
    zelle(5, 6, 7, zahl(pf->z_bew), 2, 0);
    zelle(6, 7, 7, "  -- ", 0, 0);
    zelle(7, 9, 7, "  ", 2, 0);
    zelle(9, 11, 7, "  ", 2, 0);
    zelle(0, 1, 8, "   ", 0, 0);
    zelle(2, 4, 8, "  g_F = g * z = g * z_fest * z_bew. ", 0, 1);
    zelle(4, 6, 8, zahl(gF), 0, 0);
    zelle(6, 7, 8, "  -- ", 0, 0);
    zelle(7, 11, 8, " ", 2, 0);
    zelle.stil(Textstil::Tabelle);
    Block.Unten = Block.InnenUnten = Zeilenkante(9);
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;

    for (int k : {0, 11}) zelle.senkrecht(k, 0, 9);
    for (int k : {2, 4, 6, 7}) zelle.senkrecht(k, 2, 9);
    for (int r : {0, 2, 9}) zelle.waagerecht(r, 0, 11);
    zelle.waagerecht(5, 7, 11);
    zelle.waagerecht(6, 4, 6);
    zelle.waagerecht(7, 4, 6);
    dc.SelectObject(alt);
}
