// The project dialog's ways into the component editor: "Ändern" of a
// component type or a placed component, and a double click on a type.
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TPBauteil.h"

void TProjektDialog::editorBefehleEintragen() {
    auto& r = Responses();
    const auto typAendern = [this] {
        auto* client = Client ? Client : Korpus().Client;
        if (AuswahlGruppe >= 0) {
            MessageBox("Wählen Sie ein Bauteil bzw. ein Fenster aus!", "Bauteil ändern",
                       MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        if (AuswahlRBauteil && client)
            BauteilEditorOeffnen(*client, AuswahlRBauteil, 0, nullptr, true);
    };
    r.Command(12202, typAendern);
    r.Notify(IDC_BAUTEILBAUM, TN_CELLDBLCLICK, typAendern);
    r.Command(12100, [this] {
        auto* client = Client ? Client : Korpus().Client;
        if (AuswahlPBauteil && AuswahlPBauteil->RBauteil && client)
            BauteilEditorOeffnen(*client, AuswahlPBauteil->RBauteil, 0, AuswahlPBauteil, true);
    });
}

TBauteilDialog* NeuesBauteilBearbeiten(korpusMDIClient& client, TRBauteil* bauteil) {
    auto* editor = BauteilEditorOeffnen(client, bauteil, 0, nullptr, true);
    if (editor) editor->BauteilTypBearbeiten();
    return editor;
}
