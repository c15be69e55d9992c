#pragma once
// The temperature page "Temperatur": the winter and summer temperatures
// inside and outside and the summer surface temperatures of light and dark
// surfaces. "Standardwerte" fills in the usual values; "Für alle Bauteile
// übernehmen" gives them to every component at once.
#include "platform/window/TransferBuffer.h"
#include "stammwerk/modell/TISListImp.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/ZahlText.h"

#include <functional>
#include <string>

class TRBauteil;

struct TTemperaturStruct {
    // Controls 105 106 114 115 109 110.
    ZahlText WinterInnen, WinterAussen, SommerInnen, SommerAussen, Hell, Dunkel;
};

struct TTemperatur;
// The fields from a temperature record ("%1.0lf") and back; untouched
// fields give back the stored values exactly.
void TemperaturZeigen(TTemperaturStruct& d, const TTemperatur& t);
void TemperaturLesen(const TTemperaturStruct& d, TTemperatur& t);

class TTemperaturDialog : public TPropertyPage {
public:
    enum : int { IDD = 1223, IDC_STANDARD = 111, IDC_UEBERNEHMEN = 101 };
    TTemperaturDialog(TPropertyDialog* dialog, std::string hilfeDatei, TTemperaturStruct& daten,
                      bool uebernehmenErlaubt, TISListImp<TRBauteil>* bauteile);
    void SetupWindow() override;
    void CallHelp() override;

    void HandleStandardButton();
    void HandleUebernehmenButton();
    // Runs after apply-to-all changed the components.
    std::function<void()> AenderungGemeldet;

private:
    std::string hilfeDatei_;
    TTemperaturStruct& daten_;
    bool uebernehmenErlaubt_;
    TISListImp<TRBauteil>* bauteile_;
    TTransferBuffer puffer_;
};
