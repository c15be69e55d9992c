#include "korvalin/projekt/TGradtagzahlenDialog.h"

#include "korvalin/projekt/ReferenzListenZellen.h"

#include <cstdlib>

namespace {

const TReferenzListenTexte kTexte{
    "Ort",
    "Ortsname eingeben ",
    "Geben Sie einen Ortsnamen ein!",
    "Einfügen nicht möglich!\nDieser Ortsname ist bereits in der Liste vorhanden!",
    "Ortsname ändern nicht möglich!\nDieser Ortsname ist bereits in der Liste vorhanden!",
    "Ort löschen",
    1160};

} // namespace

TGradtagzahlenDialog::TGradtagzahlenDialog(TWindow* parent,
                                           const std::filesystem::path& verzeichnis)
    : TReferenzListenDialog<TOrt>(parent, "Gradtagzahlen", kTexte, verzeichnis) {}

std::vector<TTreeColumn> TGradtagzahlenDialog::Spalten() const {
    return {{200, TTreeColumn::Left, "Ort"}, {-1, TTreeColumn::Left, "Gradtagzahl [hK/a]"}};
}

std::string TGradtagzahlenDialog::Zelle(const TOrt& ort, int spalte) const {
    return spalte == 0 ? ort.Name : referenzliste::Zahl("%1.0lf", ort.Gradtagzahl);
}

std::optional<TTreeEditorStyle> TGradtagzahlenDialog::Editor(const TOrt&, int spalte) const {
    if (spalte == 0) return referenzliste::TextEditor();
    if (spalte == 1) return referenzliste::ZahlEditor();
    return std::nullopt;
}

const char* TGradtagzahlenDialog::WertFehlt(int spalte) const {
    return spalte == 0 ? "Geben Sie einen Ortsnamen ein!" : "Geben Sie eine Gradtagzahl ein!";
}

bool TGradtagzahlenDialog::Uebernehmen(TOrt& ort, int spalte, const std::string& text) const {
    if (spalte == 0)
        ort.Name = text; // the editor keeps to the file's width
    else
        ort.Gradtagzahl = std::strtod(text.c_str(), nullptr);
    return true;
}
