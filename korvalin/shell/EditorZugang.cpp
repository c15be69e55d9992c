#include "korvalin/shell/EditorZugang.h"

#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWahlDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/bauteil/TFensterWahlDialog.h"
#include "korvalin/bauteil/TFensterWindow.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/MessageBox.h"

namespace {
void nichtVerfuegbar(const char* was) {
    MessageBox(std::string(was) + " ist in dieser Ausgabe des Programms noch nicht verfügbar.\n\n"
                                  "Er wird mit einer späteren Ausbaustufe nachgeliefert.",
               "Noch nicht verfügbar", MB_OK | MB_ICONINFORMATION);
}
} // namespace

void EditorZugang::BauteilEditor(TRBauteil& typ, TPBauteil* platziert, EditorAuftrag auftrag) {
    auto* client = Korpus().Client;
    if (!client) return;
    TBauteilDialog* editor = BauteilEditorOeffnen(*client, &typ, 0, platziert, true);
    if (!editor) return;
    if (auftrag == EditorAuftrag::TypBearbeiten) editor->BauteilTypBearbeiten();
    if (auftrag == EditorAuftrag::FlaecheEingeben) editor->FlaecheEingeben();
}

void EditorZugang::FensterEditor(TRFenster& typ, TPFenster* platziert, EditorAuftrag auftrag) {
    auto* client = Korpus().Client;
    if (!client) return;
    TFensterBearbeitenDialog* editor = FensterEditorOeffnen(*client, &typ, platziert, true);
    if (editor && auftrag == EditorAuftrag::FlaecheEingeben) editor->FlaecheEingeben();
}

bool EditorZugang::BauteileWaehlen(std::vector<TBaustoffSchluessel>& gewaehlt) {
    TBauteilWahlDialog dialog(Korpus().ProjektDialog);
    if (dialog.Execute() != IDOK) return false;
    gewaehlt = dialog.Gewaehlt();
    return true;
}

bool EditorZugang::FensterWaehlen(std::vector<TBaustoffSchluessel>& gewaehlt) {
    TFensterEinfuegenDialog dlg(Korpus().ProjektDialog);
    if (dlg.Execute() != IDOK) return false;
    gewaehlt = dlg.Gewaehlt;
    return true;
}

bool EditorZugang::FensterAuswaehlen(TBaustoffSchluessel& gewaehlt) {
    TFensterSchluessel schluessel;
    TFensterWahlDialog dlg(Korpus().ProjektDialog, schluessel);
    if (dlg.Execute() != IDOK) return false;
    gewaehlt = schluessel;
    return true;
}

EditorZugang& Editoren() {
    auto& k = Korpus();
    if (!k.Editoren) k.Editoren = std::make_shared<EditorZugang>();
    return *k.Editoren;
}
