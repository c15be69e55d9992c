#pragma once
// The page "Zahlenformat": decimal and thousands separators with a preview,
// and the exponent from which the data sheets write numbers in exponent
// notation.
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/layout/TEinstellungenProperty.h"

#include <string>

class TSpinEdit;

class TZahlenFormatDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4451 };
    TZahlenFormatDialog(TPropertyDialog* sheet, LayoutZiel ziel);

    void SetupWindow() override;
    void Aktualisieren() override;
    void NachStandardeinstellungen() override;
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Zahlen; }

    // The separators the page holds, for the number formatter after OK.
    char Tausender() const { return tausender_.empty() ? '\0' : tausender_[0]; }
    char Dezimal() const { return dezimal_.empty() ? '\0' : dezimal_[0]; }

    TZahlenDarstellungGroessen Zahlen;

private:
    void dezimalGeaendert();
    void tausenderGeaendert();
    void vorschauZeigen();

    TSpinEdit* exponent_;
    std::string dezimal_, tausender_, vorschau_;
};

// 10 to the power of the exponent, and back; a limit that is not positive
// counts as 100000.
int32_t ExponentGrenze(int32_t exponent);
int32_t ExponentVonGrenze(int32_t grenze);
