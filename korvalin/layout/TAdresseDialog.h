#pragma once
// The page "Adresse": the five lines of the address block.
#include "hilfsmittel/layout/AdressGroessen.h"
#include "korvalin/layout/TEinstellungenProperty.h"

#include <array>
#include <string>

class TAdresseDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4455 };
    TAdresseDialog(TPropertyDialog* sheet, LayoutZiel ziel);

    void SetupWindow() override;
    void Aktualisieren() override;
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Adresse; }

    TAdressGroessen Adresse;

private:
    std::array<std::string, 5> zeilen_;
};
