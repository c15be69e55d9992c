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

class TSftTree;

class THeizsystemDialog : public TPropertyPage {
public:
    enum : int { IDD = 1012, IDC_BRENNSTOFF = 103 };
    THeizsystemDialog(TPropertyDialog* dialog, TOrt ort, THeizsystem heizsystem,
                      TWarmwasserbedarf warmwasser);
    void SetupWindow() override;
    bool SaveData() override;
    bool CanClosePage() override;
    void CallHelp() override;

    void FaktorZeigen();
    void WarmwasserRegel();
    void SpaltentitelSetzen();
    // The fuel table's in-place editor; EditBeenden is false when it refused
    // an empty text and stays open.
    void EditBeginnen();
    void EditAbbrechen();
    bool EditBeenden();
    TSftTree* Brennstofftabelle() const { return tabelle_; }
    // "Auswählen" of the location and of the fuel: the lists' chosen entry
    // replaces the page's record.
    void OrtWaehlen();
    void BrennstoffWaehlen();

    TOrt Ort;
    THeizsystem Heizsystem;
    TWarmwasserbedarf Warmwasser;

private:
    std::string Zelle(int spalte) const;
    // The fuel's numbers as shown, so that an untouched cell reads back exactly.
    void brennstoffMerken();
    void brennstoffZeigen();

    struct Felder {
        std::string Ort, System;
        ZahlText Gradtagzahl, Wirkungsgrad, Heizwert, Brennwert, Preis, CO2;
        uint16_t Hu = 0, Ho = 0, Warmwasser = 0;
        ZahlText Warm, Kalt, Verbrauch;
    } felder_;
    TTransferBuffer puffer_;
    TSftTree* tabelle_;
};
