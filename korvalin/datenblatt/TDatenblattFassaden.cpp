// The facade sheet: per facade its components and windows with the energy
// balance's quantities, the facade's sum row and summer check, and on the
// last page the whole envelope and two footnotes.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/BauteilKlassenNamen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "korvalin/datenblatt/ZeilenPuffer.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"

#include <algorithm>

namespace {
constexpr int kSpalten = 18;
// Summer heat protection, WSchVO Anlage 1 Ziffer 5: g_F * f at most 0.25; the
// movable sun protection z_bew at most 0.5.
constexpr double kSommerGrenze = 0.25;
constexpr double kBeweglichGrenze = 0.5;
// Transmission factors of the heading, kWh/(a*K) * 1000 per degree-day
// (84 normal, 30 low inside temperatures), and the solar factor 0.46.
constexpr double kFaktorNormal = 84.0;
constexpr double kFaktorNiedrig = 30.0;
constexpr double kSolarFaktor = 0.46;

constexpr int kDaten[kSpalten] = {0, 0, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr int kMitte[kSpalten] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
} // namespace

void TDatenblattBasis::FassadenTabelle(TDC& dc, int ersteFassade, int endFassade, int ersteZeile,
                                       int endZeile, int zeilen, int pass) {
    Durchgang = pass;
    TProjekt* p = Projekt();
    SpaltenLayout();
    SpaltenBreitenSetzen(1, kSpalten);
    for (int r = 0; r < std::max(50, zeilen); ++r)
        for (int k = 0; k < kSpalten; ++k) Zelle(r, k) = TRect();
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, zeilen, kSpalten, 0);
    ZeilentabelleZuruecksetzen(zeilen);
    Block.Unten = Block.InnenUnten;
    if (pass != 1 || !AufAktuellerSeite() || !p) return;

    const bool normal = p->NormaleInnentemperatur != 0;
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const auto stil = [&](Textstil s) { dc.SelectObject(Texte().Font(s)); };
    const auto texte = [&](std::initializer_list<const char*> t) {
        size_t i = 0;
        for (const char* s : t) Spaltentext[i++] = s;
    };
    const auto zelle = [&](int von, int bis, int zeile, const std::string& t, int a, int f,
                           int spanne = 1) {
        Spaltentext[size_t(von)] = t;
        ZelleText(dc, von, bis, zeile, spanne, a, f);
    };

    // Heading.
    zelle(0, 3, 0, "  Gebäudehüllflächen ", 0, 0);
    zelle(3, 9, 0, " Transmissionswärmebedarf ", 0, 0);
    zelle(9, 18, 0, " nutzbare solare Wärmegewinne ", 0, 0);
    querLinie(dc, 0, 0, kSpalten);
    stil(Textstil::Tabelle);
    for (int k = 0; k < kSpalten; ++k) Spaltentext[size_t(k)] = QTX_format(" %i ", k + 1);
    TabellenZeile(dc, 1, kSpalten, 1, kMitte, 1);
    querLinie(dc, 1, 0, kSpalten);
    stil(Textstil::TabellenKopf);
    zelle(0, 3, 2, " ", 0, 1, 2);
    zelle(3, 5, 2, " Bauteil ", 2, 1, 2);
    zelle(5, 7, 2, " ", 0, 1, 2);
    zelle(7, 9, 2, " QT ", 2, 1, 2);
    zelle(9, 11, 2, " Fenster ", 2, 1, 2);
    zelle(11, 16, 2, " ", 0, 1, 2);
    zelle(16, 18, 2, " QS ", 2, 1, 2);
    querLinie(dc, 2, 0, kSpalten);
    querLinie(dc, 4, 0, kSpalten);
    stil(Textstil::TabellenKopfVertikal);
    texte({" Bauteiltyp ", " Name ", " Orientierung ", " Fläche ", " Anteil ", " k-Wert ",
           " Faktor ", "", " Anteil", " Fläche ", " Anteil f ", " ber.Fensterfläche ",
           " Solar-Strahlungswert ", " Energiedurchlaßgrad g ", " z - Faktor ", " g_F = (14*15) ",
           "", " Anteil "});
    Spaltentext[7] =
        QTX_format("%3.2lf%s", normal ? kFaktorNormal : kFaktorNiedrig, " ") + " * (4*6*7) ";
    Spaltentext[16] =
        normal ? QTX_format("%3.2lf%s", kSolarFaktor, " ") + " *(7*12*13*14) " : std::string(" ");
    TabellenZeileZentriert(dc, 4, kSpalten, 5, kMitte, 1);
    stil(Textstil::Tabelle);
    texte({" ", " ", " ", " [m²] ", " [%] ", " [W/m²K] ", " ", " [kWh/a] ", " [%]", " [m²] ",
           " [%] ", " [m²] ", " [kWh/m²*a] ", " ", " ", " ", " [kWh/a] ", " [%] "});
    TabellenZeile(dc, 9, kSpalten, 1, kMitte, 1);
    querLinie(dc, 9, 0, kSpalten);
    querLinie(dc, 10, 0, kSpalten, 2);

    int r = 9;
    const double grenze = double(Zahlen().ExponentLimit);
    const int letzte = std::min(endFassade, int(p->Fassaden.GetItemsInContainer()));
    for (int fi = std::max(ersteFassade, 0); fi < letzte; ++fi) {
        TFassade fassade = p->Fassaden[size_t(fi)];
        const int n = int(fassade.Elemente.GetItemsInContainer());
        const int s = fi == ersteFassade ? std::clamp(ersteZeile, 0, n) : 0;
        const int e = fi == endFassade - 1 ? (n == 0 ? 0 : std::clamp(endZeile, 0, n)) : n;
        stil(Textstil::Tabelle);
        for (int k = s; k < e; ++k) {
            ++r;
            const TTypNummer t = fassade.Elemente[size_t(k)];
            ZeilenschluesselSetzen(r, t.Nummer, t.Typ);
            ZeilenPuffer puffer;
            FormatFassadenBauteilDaten(Gesamtprojekt, t, grenze, BauteilKlassenNamen,
                                       puffer.Zeiger());
            puffer.Uebertragen(Spaltentext, kSpalten);
            TabellenZeile(dc, r, kSpalten, 1, kDaten, 0);
            for (int k2 = 0; k2 <= kSpalten; ++k2) laengsLinie(dc, k2, r, r + 1);
            querLinie(dc, r, 0, kSpalten);
        }
        if (n > 0) {
            ++r;
            stil(Textstil::TabellenKopf);
            ZeilenPuffer puffer;
            FormatFassadenDaten(Gesamtprojekt, fassade, puffer.Zeiger(), grenze);
            puffer.Uebertragen(Spaltentext, kSpalten);
            TabellenZeile(dc, r, kSpalten, 1, kDaten, 1);
            for (int k2 = 0; k2 <= kSpalten; ++k2) laengsLinie(dc, k2, r, r + 1);
            querLinie(dc, r, 0, kSpalten);
            stil(Textstil::Kommentar);
            FassadenSommerZeile(dc, fassade, r);
            ZeilenschluesselSetzen(r, -5, -5);
            querLinie(dc, r + 1, 0, kSpalten, 2);
        }
    }

    if (AufLetzterSeite()) {
        ZeilenschluesselSetzen(r + 1, -5, -5);
        ZeilenschluesselSetzen(r + 2, -5, -5);
        FassadenSummenZeile(dc, r, kDaten);
        FassadenFussnoten(dc, r);
    }

    Block.Unten = Block.InnenUnten = Zeilenkante(r + 1);
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    querLinie(dc, r + 1, 0, kSpalten);
    for (int k = 0; k <= kSpalten; ++k) {
        if (k == 0 || k == kSpalten)
            laengsLinie(dc, k, 0, r + 1);
        else if (k == 3 || k == 9)
            laengsLinie(dc, k, 0, 10);
        else if (k == 4 || k == 8 || k == 10 || k == 17)
            laengsLinie(dc, k, 4, 10);
        else
            laengsLinie(dc, k, 1, 10);
    }
    querLinie(dc, 4, 3, 5);
    querLinie(dc, 4, 7, 9);
    querLinie(dc, 4, 9, 11);
    querLinie(dc, 4, 16, 18);
    dc.SelectObject(alt);
}

void TDatenblattBasis::FassadenSommerZeile(TDC& dc, const TFassade& fassade, int& zeile) {
    if (!fassade.IstFassade) return;
    ++zeile;
    std::string text = "  ";
    const double f = fassade.A_gesamt > 0 ? fassade.A_Fenster / fassade.A_gesamt * 100 : 0;
    const double gff = fassade.g_F_Sommer * f * 0.01;
    bool weiter = false;
    switch (fassade.SommerStatus) {
    case 0:
        text += " Sommerlicher Wärmeschutz muß nicht geprüft werden ";
        break;
    case 1:
        text +=
            QTX_format("%s%3.2lf%s%3.2lf%s", " Sommerlicher Wärmeschutz ist erfüllt: g_F*f = ", gff,
                       " <= ", kSommerGrenze, " ");
        weiter = true;
        break;
    default:
        text += QTX_format("%s%3.2lf%s%3.2lf%s",
                           " Sommerlicher Wärmeschutz ist nicht erfüllt: g_F*f = ", gff, " > ",
                           kSommerGrenze, " ");
        break;
    }
    if (weiter) {
        const double zb = fassade.z_bew_Sommer;
        switch (fassade.SonnenschutzStatus) {
        case 0:
            text += " Anf. an den beweglichen Anteil des Sonnenschutzes muß nicht geprüft werden ";
            break;
        case 1:
            text += QTX_format("%s%3.2lf%s%2.1lf%s",
                               " Anf. an den beweglichen Anteil des Sonnenschutzes ist erfüllt: "
                               "z_bew = ",
                               zb, " <= ", kBeweglichGrenze, " ");
            break;
        default:
            text += QTX_format("%s%3.2lf%s%2.1lf%s",
                               " Anf. an den beweglichen Anteil des Sonnenschutzes ist nicht "
                               "erfüllt: z_bew = ",
                               zb, " > ", kBeweglichGrenze, " ");
            break;
        }
    }
    for (auto& t : Spaltentext) t = "  ";
    Spaltentext[0] = text;
    ZelleText(dc, 0, kSpalten, zeile, 1, 0, 1);
    dc.MoveTo(Spaltenkante[0], Zeilenkante(zeile));
    dc.LineTo(Spaltenkante[kSpalten], Zeilenkante(zeile));
}

void TDatenblattBasis::FassadenSummenZeile(TDC& dc, int& zeile, const int* ausrichtung) {
    const TProjekt* p = Projekt();
    if (!p) return;
    const double grenze = double(Zahlen().ExponentLimit);
    const auto zahl = [&](double w, const char* format) {
        return w >= grenze ? QTX_format("%5.4G%s", w, " ") : QTX_format(format, w, " ");
    };
    const double A = p->A_Bauteile + p->A_Fenster;
    const bool normal = p->NormaleInnentemperatur != 0;
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    zeile += 2;
    const std::string hundert = QTX_format("%3.0lf", 100.0);
    Spaltentext[0] = " Gesamte Hüllfläche ";
    Spaltentext[1] = Spaltentext[2] = " -- ";
    Spaltentext[3] = zahl(A, "%3.2lf%s");
    Spaltentext[4] = A > 0 ? hundert : " -- ";
    Spaltentext[5] = Spaltentext[6] = " --  ";
    Spaltentext[7] = zahl(p->Q_T, "%3.0lf%s");
    Spaltentext[8] = p->Q_T > 0 ? hundert : " -- ";
    Spaltentext[9] = zahl(p->A_Fenster, "%3.2lf%s");
    Spaltentext[10] = A > 0 ? zahl(p->A_Fenster / A * 100, "%3.1lf%s") : " -- ";
    Spaltentext[11] = " -- ";
    Spaltentext[12] = " --  ";
    Spaltentext[13] = Spaltentext[14] = Spaltentext[15] = " -- ";
    Spaltentext[16] = normal ? zahl(p->Q_S, "%3.0lf%s") : " -- ";
    Spaltentext[17] = normal && p->Q_S > 0 ? hundert : " -- ";
    TabellenZeile(dc, zeile - 1, kSpalten, 2, ausrichtung, 1);
    querLinie(dc, zeile - 1, 0, kSpalten, 2);
    for (int k = 0; k < kSpalten; ++k) laengsLinie(dc, k, zeile - 1, zeile + 1);
    dc.SelectObject(alt);
}

void TDatenblattBasis::FassadenFussnoten(TDC& dc, int zeile) {
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Fussnote));
    dc.SetTextColor(Texte().Farbe(Textstil::Fussnote));
    const int y = Zeilenkante(zeile + 1);
    const int altModus = dc.SetBkMode(TRANSPARENT);
    dc.TextOut(Block.Links, y,
               " * Fenster ist überwiegend verschattet (WSchVO Anlage 1 Ziffer 1.6.4.1) ");
    dc.TextOut((Block.Rechts - Block.Links) / 2, y,
               " ** Fensterfläche wird bei Anf. an 'Sommerlichen Wärmeschutz' berücksichtigt "
               "(WSchVO Anlage 1 Ziffer 5) ");
    dc.SetBkMode(altModus);
    dc.SetTextColor(TColor::Black);
    dc.SelectObject(alt);
}
