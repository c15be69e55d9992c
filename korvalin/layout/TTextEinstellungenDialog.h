#pragma once
// The page "Text": font and colour of twelve text styles of the data
// sheets, with a sample of the chosen style. The styles "Symbol",
// "FormelIndex" and "FormelSymbol" follow from "TabellenKopf" and "Formel".
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/layout/TEinstellungenProperty.h"

#include <array>

class TTextODButton;

class TTextEinstellungenDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4446 };
    static constexpr int AnzahlEintraege = 12;
    TTextEinstellungenDialog(TPropertyDialog* sheet, LayoutZiel ziel);

    void SetupWindow() override;
    void Aktualisieren() override;
    void NachStandardeinstellungen() override { stilGewaehlt(); }
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Texte; }

    TBtTextGroessen Texte;

private:
    void stilGewaehlt();
    void schriftart();

    TTextODButton* muster_;
    std::array<LOGFONT, AnzahlTextstile> schrift_{};
    std::array<TColor, AnzahlTextstile> farbe_{};
    int gewaehlt_ = 0;
};

// The style that an entry of the page's list edits.
Textstil TextstilDesEintrags(int eintrag);
