#include "korvalin/shell/EditorZugang.h"

#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/MessageBox.h"

namespace {
void nichtVerfuegbar(const char* was) {
    MessageBox(std::string(was) + " ist in dieser Ausgabe des Programms noch nicht verfügbar.\n\n"
                                  "Er wird mit einer späteren Ausbaustufe nachgeliefert.",
               "Noch nicht verfügbar", MB_OK | MB_ICONINFORMATION);
}
} // namespace

void EditorZugang::BauteilEditor(TRBauteil&, TPBauteil*, EditorAuftrag) {
    nichtVerfuegbar("Der Bauteil-Editor");
}

void EditorZugang::FensterEditor(TRFenster&, TPFenster*, EditorAuftrag) {
    nichtVerfuegbar("Der Fenster-Editor");
}

bool EditorZugang::BauteileWaehlen(std::vector<TBaustoffSchluessel>&) {
    nichtVerfuegbar("Der Bauteil-Katalog");
    return false;
}

bool EditorZugang::FensterWaehlen(std::vector<TBaustoffSchluessel>&) {
    nichtVerfuegbar("Der Fenster-Katalog");
    return false;
}

EditorZugang& Editoren() {
    auto& k = Korpus();
    if (!k.Editoren) k.Editoren = std::make_shared<EditorZugang>();
    return *k.Editoren;
}
