// The moisture remarks under a cross-section's Glaser data.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/feuchte/GlaserKonstanten.h"
#include "stammwerk/modell/TEinfachBauteil.h"

#include <cstdio>

void TDatenblattBasis::FeuchteHinweise(TDC& dc, TEinfachBauteil* eb, int pass) {
    Durchgang = pass;
    if (!eb) return;
    const auto& fehler = eb->Diffusion.Nachweisfehler;
    const bool verdunstung = fehler[0] != 0;
    const bool tauwasser = fehler[1] != 0;
    const bool oberflaeche = fehler[4] != 0;
    const bool abgebrochen = fehler[2] != 0;
    if (!verdunstung && !tauwasser && !oberflaeche && !abgebrochen) return;

    std::string text = "\n";
    if (verdunstung)
        text += "Verdunstungsmenge ist kleiner als Tauwassermenge! \n"
                "Das Bauteil ist nicht unbedenklich in Bezug auf Feuchte! \n";
    const double wT = eb->Diffusion.Tauwassermenge;
    if (tauwasser) {
        // The assessment the user entered in the component editor.
        switch (eb->TauwassergrenzeAusgenommen) {
        case 1:
            text += QTX_format("%s%4.3lf%s%s%s", "Die Tauwassermenge = ", wT, " kg/m² ",
                               "wird als unbedenklich eingestuft! \n", eb->Beschreibung.c_str());
            break;
        case 2:
            text += QTX_format("%s%4.3lf%s%s%s", "Die Tauwassermenge = ", wT, " kg/m² ",
                               "wird als bedenklich eingestuft! \n", eb->Beschreibung.c_str());
            break;
        default:
            text += QTX_format("%s%4.3lf%s%s", "Erhebliche Tauwassermenge = ", wT, " kg/m²! \n",
                               "Bitte prüfen Sie, ob Tauwassermenge unbedenklich ist!");
            break;
        }
    }
    if (oberflaeche) {
        const double menge = eb->AnzahlSchichten() > 0 ? eb->Schichten[0].Tauwassermenge[0] : 0.0;
        char zeile[128];
        std::snprintf(zeile, sizeof zeile, "%s%3.1f%s", "   --->     Tauwassermenge = ", menge,
                      " kg/m² \n");
        text += "Tauwasserausfall an der Innenoberfläche des Bauteils! ";
        text += zeile;
    }
    if (abgebrochen) text += std::string(glaser::kVerdunstungAbgebrochen) + " \n";
    dc.SetTextColor(Texte().Farbe(Textstil::Warnung));
    KommentarZeichnen(dc, text, pass);
    dc.SetTextColor(TColor::Black);
}
