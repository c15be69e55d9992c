#pragma once
// "Brennstoffe": the fuels with their heating values, unit, price and CO2
// emission, for the heating system page.
#include "korvalin/projekt/TReferenzListenDialog.h"

class TBrennstoffDialog : public TReferenzListenDialog<TBrennstoff> {
public:
    enum : int { IDD = 1102 };
    // verzeichnis: where "bren_qtx.dat" and "bren_anw.dat" are.
    TBrennstoffDialog(TWindow* parent, const std::filesystem::path& verzeichnis);

protected:
    std::vector<TTreeColumn> Spalten() const override;
    std::string Zelle(const TBrennstoff& b, int spalte) const override;
    std::optional<TTreeEditorStyle> Editor(const TBrennstoff& b, int spalte) const override;
    const char* WertFehlt(int spalte) const override;
    bool Uebernehmen(TBrennstoff& b, int spalte, const std::string& text) const override;
};
