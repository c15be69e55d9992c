// Title-page texts and the section titles of the sheets.
#include "hilfsmittel/layout/AdressGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TProjekt.h"

#include <cstdio>

namespace {
const char* const S1 = "\n für ein Gebäude mit normalen Innentemperaturen \n  bei Nachweis nach "
                       "Anlage 1 Ziffer 1 und 6 Wärmeschutzverordnung ";
const char* const S2 =
    "\n für ein Gebäude mit normalen Innentemperaturen \n  bei Nachweis nach Anlage 1 Ziffer 1 "
    "und 6 Wärmeschutzverordnung \n sowie \n  für ein Gebäude mit normalen Innentemperaturen \n  "
    "bei vereinfachtem Nachweis nach Anlage 1 Ziffer 7 Wärmeschutzverordnung ";
const char* const S3 = "\n für ein Gebäude mit normalen Innentemperaturen \n  bei vereinfachtem "
                       "Nachweis nach Anlage 1 Ziffer 7 Wärmeschutzverordnung ";
const char* const S4 = "\n für ein Gebäude mit normalen Innentemperaturen \n  bei erstmaligem "
                       "Einbau, Ersatz und Erneuerung von Außenbauteilen \n bei Nachweis nach "
                       "Anlage 3 Wärmeschutzverordnung ";
const char* const S5 = "\n für ein Gebäude mit niedrigen Innentemperaturen \n ";
} // namespace

void TDatenblattBasis::WaermeschutzTitelSetzen() {
    Titeltext = "\n\n Wärmeschutznachweis nach Wärmeschutzverordnung 1995 ";
}

void TDatenblattBasis::FeuchteschutzTitelSetzen() {
    Titeltext = "\n\n Klimabedingter Feuchteschutz nach DIN 4108 Teil 3 \n\n";
}

void TDatenblattBasis::WaermeschutzUntertitelSetzen() {
    Titeltext.clear();
    const TProjekt* p = Projekt();
    if (!p) return;
    const bool normal = p->NormaleInnentemperatur != 0;
    const bool klein = p->KleinesWohngebaeude != 0;
    // Each later step overwrites an earlier one.
    if (p->Baumassnahme != 2 && normal && !klein) Titeltext = S1;
    if (p->Baumassnahme != 2 && normal && klein) {
        if (EnergiebilanzGewaehlt && KleineWohngebaeudeGewaehlt)
            Titeltext = p->V > 0 ? S2 : S3;
        else if (EnergiebilanzGewaehlt)
            Titeltext = S1;
        else if (KleineWohngebaeudeGewaehlt)
            Titeltext = S3;
    }
    if (p->Baumassnahme == 2) Titeltext = S4;
    if (!normal) Titeltext = S5;
}

void TDatenblattBasis::AufstellerTextSetzen(TDC& dc) {
    const std::string kopf = " \n aufgestellt von \n\n ";
    Titeltext = kopf;
    const TAdressGroessen& a = Adresse();
    for (const std::string* zeile : {&a.Zeile1, &a.Zeile2, &a.Zeile3, &a.Zeile4, &a.Zeile5})
        if (dc.GetTextExtent(*zeile).cx > 0) Titeltext += "\n" + *zeile;
    if (Titeltext == kopf)
        Titeltext = "\n\n\n\n\n\n\n\n\n\n";
    else
        Titeltext += "\n\n\n\n\n";
}

void TDatenblattBasis::SeitenumfangSetzen() {
    char text[128];
    std::snprintf(text, sizeof text, "%s%i%s%i%s", " Dieser Nachweis umfaßt die Seiten ",
                  ErsteSeite, " - ", ErsteSeite + Seitenzahl - 1, " ");
    Titeltext = text;
}

void TDatenblattBasis::TitelTextZeichnen(TDC& dc, TFont schrift, TColor farbe, int ausrichtung,
                                         int pass) {
    const TFont alt = dc.SelectObject(schrift);
    TRect r(BlockLinks(), Block.Oben, BlockRechts(), Block.Oben);
    dc.DrawText(Titeltext, r, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
    r.right = BlockRechts();
    r.bottom += Zeilenschritt;
    Block.Unten = Block.InnenUnten = r.bottom;
    Block.InnenHoehe = Block.Hoehe = r.bottom - Block.Oben;
    if (pass == 1) {
        dc.SetTextColor(farbe);
        const int altModus = dc.SetBkMode(TRANSPARENT);
        uint32_t format = DT_VCENTER;
        if (ausrichtung == 2) format = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
        if (ausrichtung == 1) format = DT_RIGHT | DT_VCENTER;
        dc.DrawText(Titeltext, r, format | DT_NOPREFIX);
        dc.SetBkMode(altModus);
        dc.SetTextColor(TColor::Black);
    }
    dc.SelectObject(alt);
}
