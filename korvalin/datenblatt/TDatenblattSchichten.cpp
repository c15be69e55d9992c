// The layer table of the component sheet: one row per layer, the boundary
// values of the Glaser method half a row offset beside them, the sums, the k
// values with their limits, the condensate amounts, verdicts and footnotes.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "korvalin/datenblatt/TDatenblattSchichtHilfen.h"
#include "platform/gdi/DC.h"
#include "stammwerk/feuchte/Saettigungsdruck.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"

#include <algorithm>

namespace {
// Condensate and evaporation amounts below these were not computed.
constexpr double kTauwasserNichtBerechnet = -1999.0;  // kg/m²
constexpr double kVerdunstungNichtBerechnet = -999.0; // kg/m²

struct Grenzwerte {
    double theta, ps, p;
};

Grenzwerte luft(double theta, double phi) {
    const double ps = double(Saettigungsdruck(theta));
    return {theta, ps, phi * ps};
}

Grenzwerte gespeichert(const TSchicht& s) {
    return {s.Temperatur[0], s.Saettigungsdampfdruck[0], s.Dampfdruck[0]};
}
} // namespace

bool SchichtAnforderungenAnzeigen(const TRBauteil& bauteil, const TProjekt* p) {
    return int16_t(bauteil.Nummer) < 0 || (p && p->NormaleInnentemperatur != 0);
}

int SchichtFussnotenZeilen(const TRBauteil& bauteil, const TEinfachBauteil& eb, const TProjekt* p,
                           bool feuchte) {
    if (!SchichtAnforderungenAnzeigen(bauteil, p)) return 0;
    const bool verdunstung = eb.TauwasserInVerdunstungsperiode != 0;
    int zeilen = 1;
    if (verdunstung && feuchte) zeilen = 2;
    if (bauteil.Umkehrdach) zeilen = std::max(zeilen, verdunstung ? 3 : 2);
    return zeilen;
}

void TDatenblattBasis::SchichtZeilenZeichnen(TDC& dc, int n, TRBauteil* bauteil,
                                             TEinfachBauteil* eb, int /*pass*/) {
    if (!bauteil || !eb) return;
    const TProjekt* p = Projekt();
    const auto& x = Spaltenkante;
    const auto& e = Schichtkanten;
    const auto& f = Grenzkanten;
    const bool feuchte = SeitenLayout().FeuchteDaten == 1;
    const double grenze = double(Zahlen().ExponentLimit);
    const bool umgekehrt = Block.Anzeige[1] != 0;
    n = std::min(n, eb->AnzahlSchichten());
    const auto zahl = [&](const char* format, double wert) {
        return wert < grenze ? QTX_format(format, wert) : QTX_format("%5.4G", wert);
    };
    const auto zelle = [&](int x1, int y1, int x2, int y2, const std::string& t, int a,
                           int fuellen = 0) {
        zelleZeichnen(dc, TRect(x[size_t(x1)], y1, x[size_t(x2)], y2), t, a, fuellen);
    };
    // Left and top edge of a shaded cell of the lower rows.
    const auto kante = [&](int x1, int y1, int y2) {
        dc.MoveTo(x[size_t(x1)], y2);
        dc.LineTo(x[size_t(x1)], y1);
        dc.LineTo(x[size_t(std::min(x1 + 1, MaxSpalten))], y1);
    };

    Tabellenspalten = 11;
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const auto schicht = [&](int i) -> TSchicht& {
        const int index = umgekehrt ? n - i : i - 1;
        return eb->Schichten[size_t(index)];
    };
    for (int i = 1; i <= n; ++i) {
        const TSchicht& s = schicht(i);
        const int y1 = e[size_t(i)], y2 = e[size_t(i + 1)];
        const double R = s.Lambda > 0.000001 ? 0.001 * s.Schichtdicke / s.Lambda
                                             : 1000000 * 0.001 * s.Schichtdicke;
        zelle(0, y1, 1, y2, QTX_format("%i", i), 2);
        zelle(1, y1, 2, y2, QTX_format("%s%s", " ", s.Name.c_str()), 0);
        zelle(2, y1, 3, y2,
              s.Schichtdicke < 10 ? QTX_format("%5.2lf", s.Schichtdicke)
                                  : zahl("%5.1lf", s.Schichtdicke),
              2);
        zelle(3, y1, 4, y2, s.Flaechenmasse < 0 ? " -- " : zahl("%4.1lf", s.Flaechenmasse), 2);
        zelle(4, y1, 5, y2, zahl("%4.3lf", s.Lambda), 2);
        zelle(5, y1, 6, y2, zahl("%3.2lf", R), 2);
        zelle(6, y1, 7, y2, zahl("%1.0lf", s.mu), 2);
        zelle(7, y1, 8, y2, zahl("%3.2lf", s.sdWert), 2);
    }

    // Boundary values, each at the boundary it belongs to.
    const TKlima& k = bauteil->Klima;
    const auto grenzzeile = [&](int zeile, const Grenzwerte& g) {
        const int y1 = f[size_t(zeile)], y2 = f[size_t(zeile + 1)];
        zelle(8, y1, 9, y2, QTX_format("%2.1lf", g.theta), 2);
        zelle(9, y1, 10, y2, QTX_format("%1.0lf", g.ps), 2);
        zelle(10, y1, 11, y2, g.p == 0.0 ? " - " : QTX_format("%1.0lf", g.p), 2);
    };
    const Grenzwerte innen = luft(k.ThetaI, k.PhiI), aussen = luft(k.ThetaE, k.PhiE);
    const Grenzwerte oberflaeche = gespeichert(eb->Aussenoberflaeche);
    if (!umgekehrt) {
        grenzzeile(0, innen);
        for (int i = 1; i <= n; ++i) grenzzeile(i, gespeichert(schicht(i)));
        grenzzeile(n + 1, oberflaeche);
        grenzzeile(n + 2, aussen);
    } else {
        grenzzeile(0, aussen);
        if (feuchte) grenzzeile(1, oberflaeche);
        for (int i = 1; i <= n - 1; ++i) grenzzeile(i + 1, gespeichert(schicht(i)));
        if (n > 0) grenzzeile(n + 1, gespeichert(schicht(n)));
        grenzzeile(n + 2, innen);
    }

    // Sums.
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    {
        const int y1 = e[size_t(n) + 2], y2 = e[size_t(n) + 3];
        zelle(0, y1, 1, y2, " - ", 2);
        zelle(1, y1, 2, y2, " Summe Bauteil ", 0);
        zelle(2, y1, 3, y2, zahl("%5.2lf", eb->Gesamtdicke), 2);
        zelle(3, y1, 4, y2, zahl("%5.1lf", eb->Flaechenmasse), 2);
        zelle(4, y1, 5, y2, " - ", 2);
        zelle(5, y1, 6, y2, eb->k_Wert > 0 ? QTX_format("%3.2lf", 1 / eb->k_Wert) : " -- ", 2);
        zelle(6, y1, 7, y2, " - ", 2);
        zelle(7, y1, 8, y2, zahl("%3.2lf", eb->sd_Summe), 2);
    }

    // k rows.
    const int r3 = e[size_t(n) + 3], r4 = e[size_t(n) + 4], r5 = e[size_t(n) + 5];
    const std::string kText = QTX_format("%s%4.3lf%s", " k  = ", eb->k_Wert, " W/m²K ");
    if (eb->k_reduziert == eb->k_Wert || eb->k_reduziert == 0) {
        zelle(0, r3, 3, r5, kText, 2, 1);
        kante(0, r3, r5);
    } else {
        zelle(0, r3, 3, r4, kText, 2, 1);
        zelle(
            0, r4, 3, r5,
            QTX_format("%s%4.3lf%s", " Nach DIN 4108 Tab. 2:   k  = ", eb->k_reduziert, " W/m²K "),
            0, 1);
        kante(0, r3, r4);
        kante(0, r4, r5);
    }

    // Limits.
    const bool anzeigen = SchichtAnforderungenAnzeigen(*bauteil, p);
    const bool einAufbau = bauteil->Flaechenanteile.GetItemsInContainer() == 1;
    const bool nummeriert = int16_t(bauteil->Nummer) >= 0;
    const uint16_t massnahme = p ? p->Baumassnahme : 0;
    const bool bestand = nummeriert && massnahme == 2;
    const bool klein =
        nummeriert && massnahme != 2 && p && p->NormaleInnentemperatur && p->KleinesWohngebaeude;
    const double X = bauteil->k_max_DIN_Stelle;
    const double Y = eb->k_max_Tab2;
    const bool tab2 = eb->Tabelle2Markierung != 0;
    const double erster = anzeigen ? (tab2 ? Y : X) : 0;
    std::string grenzText = " -- ";
    if (erster > 0) {
        const bool wschvo = einAufbau && (bestand || klein);
        const double w = bestand ? bauteil->k_max_Anl3 : bauteil->k_max_Anl1Z7;
        if (!tab2) {
            if (wschvo)
                grenzText =
                    QTX_format("%s%4.3lf%s%4.3lf%s", "max k = ", X, "* / --- / ", w, " W/m²K ");
            else if (einAufbau)
                grenzText = QTX_format("%s%4.3lf%s", "max k = ", X, "* / --- / --- W/m²K ");
            else
                grenzText = QTX_format("%s%4.3lf%s", "max k = ", X, "* / --- W/m²K ");
        } else {
            if (wschvo)
                grenzText = QTX_format("%s%4.3lf%s%4.3lf%s%4.3lf%s", "max k = ", X, "* / ", Y,
                                       " / ", w, " W/m²K ");
            else if (einAufbau)
                grenzText =
                    QTX_format("%s%4.3lf%s%4.3lf%s", "max k = ", X, "* / ", Y, " / --- W/m²K ");
            else
                grenzText = QTX_format("%s%4.3lf%s%4.3lf%s", "max k = ", X, "* / ", Y, " W/m²K ");
        }
    }
    dc.SelectObject(Texte().Font(Textstil::Fussnote));
    const int grenzEnde = feuchte ? 6 : 11;
    zelle(3, r3, grenzEnde, r4,
          einAufbau ? "DIN 4108-2 Tab1 / Tab2 / WSCHVO:" : "DIN 4108-2 Tab1 / Tab2:", 2, 1);
    zelle(3, r4, grenzEnde, r5, grenzText, 2, 1);
    kante(3, r3, r4);
    kante(3, r4, r5);

    // Amounts.
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const double wT = eb->Diffusion.Tauwassermenge, wV = eb->Diffusion.Verdunstungsmenge;
    if (feuchte) {
        zelle(6, r3, 9, r4, "   Tauwassermenge:  ", 0);
        zelle(9, r3, 11, r4,
              wT >= kTauwasserNichtBerechnet ? QTX_format("%s%4.3lf%s", " ", wT, " kg/m² ") : " - ",
              0);
        zelle(6, r4, 9, r5, "   Verdunstungsmenge: ", 0);
        zelle(9, r4, 11, r5,
              wV >= kVerdunstungNichtBerechnet ? QTX_format("%s%4.3lf%s", " ", wV, " kg/m² ")
                                               : " - ",
              0);
    }

    // Verdicts.
    const int r6 = e[size_t(n) + 6];
    if (anzeigen) {
        const TColor warnung = Texte().Farbe(Textstil::Warnung);
        if (eb->Tabelle2Erfuellt == 0) {
            dc.SetTextColor(warnung);
            zelle(0, r5, 5, r6, " Anforderungen nach DIN 4108-2 Tab. 1 / 2 sind nicht erfüllt. ",
                  0);
        } else {
            zelle(0, r5, 5, r6, " Anforderungen nach DIN 4108-2 Tab. 1 / 2 sind erfüllt. ", 0);
        }
        dc.SetTextColor(TColor::Black);
        if (feuchte) {
            std::string t;
            bool rot = false;
            if (wT >= kTauwasserNichtBerechnet) {
                rot = eb->FeuchteErfuellt == 0;
                t = rot ? "                  Anforderungen nach DIN 4108 Teil 3 sind nicht "
                          "erfüllt. "
                        : "                              Anforderungen nach DIN 4108 Teil 3 sind "
                          "erfüllt. ";
            } else {
                t = bauteil->Merker4 == 1
                        ? "                  Anforderungen nach DIN 4108 Teil 3 sind erfüllt. "
                        : "                  Anforderungen nach DIN 4108 Teil 3 sind nicht "
                          "geprüft. ";
            }
            if (rot) dc.SetTextColor(warnung);
            zelle(4, r5, 11, r6, t, 0);
            dc.SetTextColor(TColor::Black);
        }

        // Footnotes below the table.
        dc.SelectObject(Texte().Font(Textstil::Fussnote));
        const int lh = dc.GetTextExtent(" Test").cy;
        const bool verdunstung = eb->TauwasserInVerdunstungsperiode != 0;
        dc.TextOut(x[0], r6, "* Anforderung nach DIN 4108-2 Tab1 'an der ungünstigsten Stelle' ");
        if (bauteil->Umkehrdach)
            dc.TextOut(x[0], r6 + (verdunstung ? 2 : 1) * lh,
                       QTX_format("%s%3.2lf%s",
                                  " Umkehrdach: Der k-Wert ist entsprechend der Zulassung um ",
                                  eb->Delta_k, "W/m²K erhöht! "));
        if (verdunstung && feuchte)
            dc.TextOut(x[0], r6 + lh,
                       bauteil->Feuchteoption == 0
                           ? " Tauwasserausfall in Verdunstungsperiode: Rechnerisch nicht "
                             "berücksichtigt !  (nach DIN 4108 Teil5, 11.2.3) "
                           : " Tauwasserausfall in Verdunstungsperiode: Rechnerisch "
                             "berücksichtigt !  (In Widerspruch zur DIN 4108 Teil5, 11.2.3) ");
    }
    dc.SelectObject(alt);
}
