#pragma once
// The page "Heizsystem" of the project settings: the location with its
// degree-day number, the heating system with its efficiency and fuel, and
// the hot-water demand, for the consumption estimate. The page keeps its
// own copies of the three records; the sheet reads them back after OK.
#include "platform/window/TransferBuffer.h"
#include "stammwerk/modell/THeizsystem.h"
#include "stammwerk/modell/TOrt.h"
#include "stammwerk/modell/TWarmwasserbedarf.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/ZahlText.h"

class THeizsystemDialog : public TPropertyPage {
public:
    enum : int { IDD = 1012, IDC_EINHEIT = 132 };
    THeizsystemDialog(TPropertyDialog* dialog, TOrt ort, THeizsystem heizsystem,
                      TWarmwasserbedarf warmwasser);
    void SetupWindow() override;
    bool SaveData() override;
    bool CanClosePage() override;
    void CallHelp() override;

    void FaktorZeigen();
    void WarmwasserRegel();
    void SpaltentitelSetzen();
    // "Auswählen" of the location and of the fuel: the lists' chosen entry
    // replaces the page's record.
    void OrtWaehlen();
    void BrennstoffWaehlen();

    TOrt Ort;
    THeizsystem Heizsystem;
    TWarmwasserbedarf Warmwasser;

private:
    struct Felder {
        std::string Ort, System, Brennstoff;
        ZahlText Gradtagzahl, Wirkungsgrad, Heizwert, Brennwert, Preis, CO2;
        uint16_t Hu = 0, Ho = 0, Warmwasser = 0;
        ZahlText Warm, Kalt, Verbrauch;
        TComboBoxData Einheit;
    } felder_;
    TTransferBuffer puffer_;
};
