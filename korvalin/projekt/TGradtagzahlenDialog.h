#pragma once
// "Gradtagzahlen": the locations with their degree-day numbers, for the
// heating system page.
#include "korvalin/projekt/TReferenzListenDialog.h"

class TGradtagzahlenDialog : public TReferenzListenDialog<TOrt> {
public:
    enum : int { IDD = 1101 };
    // verzeichnis: where "orte_qtx.dat" and "orte_anw.dat" are.
    TGradtagzahlenDialog(TWindow* parent, const std::filesystem::path& verzeichnis);

protected:
    std::vector<TTreeColumn> Spalten() const override;
    std::string Zelle(const TOrt& ort, int spalte) const override;
    std::optional<TTreeEditorStyle> Editor(const TOrt& ort, int spalte) const override;
    const char* WertFehlt(int spalte) const override;
    bool Uebernehmen(TOrt& ort, int spalte, const std::string& text) const override;
};
