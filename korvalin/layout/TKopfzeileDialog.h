#pragma once
// The page "Kopf-/Fußzeile": three texts each for the header and the footer
// line, the field tokens in them, and the formats of the page number and of
// the two dates.
#include "hilfsmittel/layout/BtKopfzeileGroessen.h"
#include "hilfsmittel/layout/KopfzeileData.h"
#include "korvalin/layout/TEinstellungenProperty.h"

#include <array>
#include <string>

class TEdit;

class TKopfzeileDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4457 };
    // daten: the header and footer of the window the sheet edits; none when
    // the sheet was opened without one.
    TKopfzeileDialog(TPropertyDialog* sheet, LayoutZiel ziel, TKopfzeileData* daten);

    void SetupWindow() override;
    void Aktualisieren() override;
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Kopfzeile; }

    TBtKopfzeileGroessen Kopfzeile;

private:
    enum Teil { Kopf, Fuss };
    void zeigen(Teil teil);
    void teilGewaehlt(Teil teil);
    void feldGeklickt(int feld);
    void textGeaendert();
    void kennungenSetzen(Teil teil);
    TEdit* edit(int i) const;

    TKopfzeileData* daten_;
    TKopfzeileData felder_;            // the five tokens
    std::array<std::string, 6> texte_; // header left, centre, right, footer the same
    int32_t seite_ = 0, datum_ = 0, dateiDatum_ = 0;
    std::array<std::array<bool, 5>, 2> vorhanden_{};
    Teil gezeigt_ = Kopf;
    int zuletzt_ = 0;    // the edit focused last: 0 left, 1 centre, 2 right
    bool zeigt_ = false; // while the page fills its edits
};
