#pragma once
// The page "Seite einrichten": the four margins in centimetres and which
// parts the data sheets print.
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "korvalin/layout/TEinstellungenProperty.h"

#include <array>

class TDoubleSpinEdit;

class TSeiteEinrichtenDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4443 };
    TSeiteEinrichtenDialog(TPropertyDialog* sheet, LayoutZiel ziel);

    void SetupWindow() override;
    void Aktualisieren() override;
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Seiten; }

    TBtSeitenGroessen Seiten;

private:
    struct Rand;
    static const Rand kRaender[4];
    void schichtgrafikGeklickt();
    void glasergrafikGeklickt();
    void feuchteGeklickt();
    // Copies a check mark into its page copy.
    void kopieren(int id, int32_t& kopie);
    void setzen(std::initializer_list<int> ids, bool an, bool frei);

    std::array<TDoubleSpinEdit*, 4> raender_{};
    // The margins as loaded and as shown, so that an untouched field keeps
    // its stored value exactly.
    std::array<int32_t, 4> geladen_{};
    std::array<double, 4> gezeigt_{};
    int32_t seitenumrandung_ = 0, kopfzeile_ = 0, fusszeile_ = 0, schichtgrafik_ = 0,
            glasergrafik_ = 0, temperaturgrafik_ = 0, eingabefelder_ = 0, glaserformeln_ = 0,
            feuchteDaten_ = 0;
};
