#pragma once
// The page "Beschreibung" of the project settings: nine description texts
// and the notes of the project. It reads the project when it is set up;
// its texts reach the project only in the sheet's write-back after OK, so
// that a refused or cancelled sheet changes nothing.
#include "tauplot/property/TPropertyPage.h"

#include <array>
#include <string>

class TProjekt;

class TProjektBeschreibungDialog : public TPropertyPage {
public:
    enum : int { IDD = 1001, IDC_NOTIZEN = 608 };
    static constexpr size_t kNotizStueck = 127; // Windows-1252 bytes per stored note record

    TProjektBeschreibungDialog(TPropertyDialog* dialog, const TProjekt& projekt);
    void SetupWindow() override;
    bool SaveData() override;
    void CallHelp() override;
    // Writes what SaveData took into the project.
    void Zurueckschreiben(TProjekt& projekt) const;

private:
    const TProjekt& projekt_;
    std::array<std::string, 9> texte_;
    std::string notizen_;
    bool gelesen_ = false;
};
