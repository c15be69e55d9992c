#pragma once
// "Gebäudehüllfläche" (resource 1003): the name of an envelope area, whether
// it counts as a facade, and the defaults for the windows placed on it,
// which a button also gives to the windows already there.
#include "platform/window/Dialog.h"

class TFassade;
class TProjekt;

struct TFassadenWerteStruct {
    std::string Name;
    uint16_t Fassade = 0;
    TComboBoxData Orientierung; // "Nord", "Süd", "West", "Ost", "Horizontal"
    std::string Verschattung;   // %
    std::string Neigung;        // degrees
    std::string zFest, zBeweglich;
};

class TFassadenWerteDialog : public TDialog {
public:
    TFassadenWerteDialog(TWindow* parent, TFassadenWerteStruct& daten, TFassade& fassade,
                         TProjekt& projekt);
    void SetupWindow() override;

    // The button changed windows of the facade: they keep their values,
    // whatever the dialog ends with.
    bool FensterGeaendert() const { return fensterGeaendert_; }

private:
    void hoeheAnpassen();
    void fensterUebernehmen();

    TTransferBuffer puffer_;
    TFassade& fassade_;
    TProjekt& projekt_;
    int volleHoehe_ = 0, kurzeHoehe_ = 0; // pixels
    bool fensterGeaendert_ = false;
};
