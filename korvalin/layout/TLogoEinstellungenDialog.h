#pragma once
// The page "Logo": whether the company logo is printed, on which pages and
// where, and its bitmap file. Its controls report to the sheet's logo
// record, which the opening command reads after OK.
#include "hilfsmittel/layout/LogoGroessen.h"
#include "korvalin/layout/TEinstellungenProperty.h"
#include "platform/window/TransferBuffer.h"

#include <cstdint>
#include <string>

// The logo page's controls in their order: 107, 109, 105, 106, 102, 103, 104.
struct TLogoTransferStruct {
    std::string Dateiname;   // 107, at most 259 characters
    uint16_t Einbinden = 0;  // 109 "Logo (Bitmap) einbinden"
    uint16_t ErsteSeite = 0; // 105 "nur auf der ersten Seite"
    uint16_t AlleSeiten = 0; // 106 "auf allen Seiten"
    uint16_t Links = 0;      // 102
    uint16_t Zentriert = 0;  // 103
    uint16_t Rechts = 0;     // 104

    // The record as the opening command fills it from the window's settings.
    static TLogoTransferStruct Aus(const TLogoGroessen& logo);
};

class TLogoEinstellungenDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4453 };
    TLogoEinstellungenDialog(TPropertyDialog* sheet, LayoutZiel ziel, TLogoTransferStruct& record);

    void SetupWindow() override;
    void Aktualisieren() override;
    // A checked box with a file that does not exist refuses, before any
    // page has written anything.
    bool CanClosePage() override;
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Logo; }

    TLogoGroessen Logo;

private:
    void einbindenGeklickt();
    void durchsuchen();

    TTransferBuffer puffer_;
    int32_t einbinden_ = 0, plazierung_ = 1, orientierung_ = 0;
};
