// "Grenzwerte für Tauwasserausfall": the inner surface and corner
// temperatures of a cross-section, the inside humidities above which
// condensate forms there, and the formula of the corner temperature.
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/TBauteilGlaser.h"

#include <cstdio>

namespace {
std::string plain(const char* format, double wert) {
    char text[64];
    std::snprintf(text, sizeof text, format, " ", wert, "");
    return text;
}
} // namespace

void TDatenblattBasis::TauwasserGrenzwerte(TDC& dc, TRBauteil* bauteil, TEinfachBauteil* eb,
                                           int pass) {
    Durchgang = pass;
    if (!eb) return;
    const int zeichnen = pass != 0 ? 1 : 0;
    TBauteilGlaser& g = GlaserMaler();
    const int x0 = Block.Links + 10;
    int y = Block.Oben + 10;
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Titel));
    const int altModus = dc.SetBkMode(TRANSPARENT);
    const int hT = dc.GetTextExtent("Grenzwerte für Tauwasserausfall ").cy;
    dc.TextOut(x0, y, "Grenzwerte für Tauwasserausfall ");
    y += 2 * hT;
    dc.SelectObject(Texte().Font(Textstil::Formel));
    TRect absatz(x0, y, Block.Rechts - 10, y + 2 * hT);
    dc.DrawText("Grenzwerte für die relativen Luftfeuchten innen, ab denen mit Tauwasserausfall "
                "an Bauteiloberflächen bzw. in Ecken zu rechnen ist. ",
                absatz, DT_WORDBREAK);
    y += 2 * hT;

    // Pieces of a line, each where the one before ended; drawn on the paint pass.
    const auto text = [&](int x, int yy, const std::string& t) {
        return g.IndexMitReturn(dc, x, yy, t, "", 1, zeichnen);
    };
    const auto zeile = [&](const char* name, const char* index, double theta, const char* grad,
                           double phi) {
        dc.SelectObject(Texte().Font(Textstil::Formel));
        dc.TextOut(x0, y, name);
        int x = text(x0 + 100, y, " Ist-Temperatur ");
        x = g.SymIndexMitReturn(dc, x, y, "J", index, 1, zeichnen);
        x = text(x, y, " = ");
        x = text(x, y, plain("%s%3.1lf%s", theta));
        x = text(x, y, grad);
        x = text(x, y, "führt zu Grenzwerten für die relative Luftfeuchte");
        x = g.SymIndexMitReturn(dc, x, y, "j", "i", 1, zeichnen);
        x = text(x, y, " = ");
        x = text(x, y, plain("%s%3.0lf%s", 100 * phi));
        text(x, y, "% ");
    };
    const auto achtung = [&](const char* vor, double menge) {
        y += hT;
        dc.SelectObject(Texte().Font(Textstil::Formel));
        dc.TextOut(x0, y, "A C H T U N G ! ");
        const int x = text(x0 + 100, y, vor);
        text(text(x, y, plain("%s%3.1lf%s", menge)), y, " kg/m² ");
    };
    zeile("Oberfläche: ", "i, O", eb->ThetaSi, "°C ", eb->phi_krit);
    const double oberflaeche = eb->AnzahlSchichten() > 0 ? eb->Schichten[0].Tauwassermenge[0] : 0;
    if (oberflaeche > 0) achtung("Tauwassermenge  =  ", oberflaeche);
    y += hT;
    zeile("Ecke: ", "i, E", eb->ThetaSiMin, " °C ", eb->phi_krit_belastet);
    if (eb->Oberflaechentauwasser_belastet > 0)
        achtung(" Tauwassermenge  =  ", eb->Oberflaechentauwasser_belastet);

    y += 2 * hT;
    dc.SelectObject(Texte().Font(Textstil::Formel));
    int x = text(x0, y, "Formel für Ecktemperatur ");
    x = g.SymIndexMitReturn(dc, x, y, "J", "i, E", 1, zeichnen);
    x = text(x, y, " :") + 50;
    x = g.SymIndexMitReturn(dc, x, y, "J", "i, E", 1, zeichnen);
    x = text(x, y, " = ");
    x = g.SymIndexMitReturn(dc, x, y, "J", "i", 1, zeichnen);
    const bool lambda = bauteil && bauteil->Klima.OberflaecheDreifachRsi != 0;
    if (!lambda) {
        x = text(x, y, " - 0,27 * k * (");
        x = g.SymIndexMitReturn(dc, x, y, "J", "i", 1, zeichnen);
        x = text(x, y, " - ");
        x = g.SymIndexMitReturn(dc, x, y, "J", "a", 1, zeichnen);
        text(x, y, ")      in °C ");
    } else {
        x = text(x, y, " - (");
        x = g.SymIndexMitReturn(dc, x, y, "J", "i", 1, zeichnen);
        x = text(x, y, " - ");
        x = g.SymIndexMitReturn(dc, x, y, "J", "a", 1, zeichnen);
        x = text(x, y, " ) * (1  /");
        x = g.SymIndexMitReturn(dc, x, y, "L", "", 1, zeichnen);
        x = text(x, y, " + 3  /");
        x = g.SymIndexMitReturn(dc, x, y, "a", "i", 1, zeichnen);
        x = g.IndexMitReturn(dc, x, y, " )", "-1", 0, zeichnen);
        x = text(x, y, " * 3  /");
        x = g.SymIndexMitReturn(dc, x, y, "a", "i", 1, zeichnen);
        text(x, y, "      in °C ");
    }
    Block.Unten = Block.InnenUnten = y + 2 * hT;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    dc.SetBkMode(altModus);
    dc.SelectObject(alt);
}
