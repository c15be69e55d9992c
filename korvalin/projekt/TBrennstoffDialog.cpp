#include "korvalin/projekt/TBrennstoffDialog.h"

#include "korvalin/projekt/ReferenzListenZellen.h"

#include <cstdlib>

namespace {

const TReferenzListenTexte kTexte{
    "Brennstoff",
    "Name des Brennstoffs eingeben ",
    "Geben Sie einen Namen des Brennstoffs ein!",
    "Einfügen nicht möglich!\nDieser Brennstoffsname ist bereits in der Liste vorhanden!",
    "Brennstoffname ändern nicht möglich!\nDieser Brennstoffname ist bereits in der Liste "
    "vorhanden!",
    "Brennstoff löschen",
    1161};

constexpr const char* kEinheiten[] = {"m³", "kg", "Liter", "[ - ]"};

bool ohneEinheit(const TBrennstoff& b) {
    return b.Einheit.compare(0, TBrennstoff::kEinheitWidth, "[ - ]") == 0;
}

} // namespace

TBrennstoffDialog::TBrennstoffDialog(TWindow* parent, const std::filesystem::path& verzeichnis)
    : TReferenzListenDialog<TBrennstoff>(parent, "Brennstoffe", kTexte, verzeichnis, 404) {}

std::vector<TTreeColumn> TBrennstoffDialog::Spalten() const {
    // The names run wider than the column the maker's list was laid out for.
    return {{172, TTreeColumn::Left, "Brennstoff"},
            {60, TTreeColumn::Center, "Einheit"},
            {110, TTreeColumn::Center, "Heizwert in kWh/[ ]"},
            {110, TTreeColumn::Center, "Brennwert in kWh/[ ]"},
            {90, TTreeColumn::Center, "Preis DM/[ ]"},
            {-1, TTreeColumn::Center, "CO2 kg/kWh"}};
}

std::string TBrennstoffDialog::Zelle(const TBrennstoff& b, int spalte) const {
    switch (spalte) {
    case 0:
        return b.Name;
    case 1:
        return b.Einheit;
    case 2:
        return referenzliste::Zahl("%3.2lf", b.Heizwert);
    case 3:
        return referenzliste::Zahl("%3.2lf", b.Brennwert);
    case 4:
        return referenzliste::Zahl("%3.2lf", b.Preis);
    default:
        return referenzliste::Zahl("%3.2lf", b.CO2);
    }
}

std::optional<TTreeEditorStyle> TBrennstoffDialog::Editor(const TBrennstoff& b, int spalte) const {
    if (spalte == 0) return referenzliste::TextEditor();
    if (spalte == 1) {
        // The stored unit is preselected when the list offers it.
        TTreeEditorStyle stil;
        stil.kind = TTreeEditorStyle::DropDown;
        stil.choices.assign(std::begin(kEinheiten), std::end(kEinheiten));
        return stil;
    }
    // A fuel without unit has heating values of 1.
    if ((spalte == 2 || spalte == 3) && ohneEinheit(b)) return std::nullopt;
    if (spalte >= 2 && spalte <= 5) return referenzliste::ZahlEditor();
    return std::nullopt;
}

const char* TBrennstoffDialog::WertFehlt(int spalte) const {
    switch (spalte) {
    case 0:
        return "Geben Sie einen Brennstoffnamen ein!";
    case 2:
        return "Geben Sie den unteren Heizwert ein!";
    case 3:
        return "Geben Sie den Brennwert ein!";
    case 4:
        return "Geben Sie den Preis pro Einheit ein!";
    case 5:
        return "Geben Sie die CO2-Emission pro kWh ein!";
    default:
        return nullptr; // the unit: nothing chosen keeps it
    }
}

bool TBrennstoffDialog::Uebernehmen(TBrennstoff& b, int spalte, const std::string& text) const {
    const double zahl = std::strtod(text.c_str(), nullptr);
    switch (spalte) {
    case 0:
        b.Name = text; // the editor keeps to the file's width
        return true;
    case 1:
        if (text.empty()) return false;
        b.Einheit = text;
        if (ohneEinheit(b)) b.Heizwert = b.Brennwert = 1.0;
        return true;
    case 2:
        b.Heizwert = zahl;
        return true;
    case 3:
        b.Brennwert = zahl;
        return true;
    case 4:
        b.Preis = zahl;
        return true;
    case 5:
        b.CO2 = zahl;
        return true;
    default:
        return false;
    }
}
