#include "korvalin/layout/TAdresseDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/Services.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"

using namespace layoutseite;

namespace {

TDialogResource adresseResource() {
    TDialogResource r{"Adresse", kGroesse, {}};
    auto& v = r.controls;
    v.push_back(Gruppe("Adresse", 6, 4, 290, 118));
    for (int i = 0; i < 5; ++i) v.push_back(Feld(101 + i, 16, 20 + 18 * i, 264));
    return r;
}

} // namespace

TAdresseDialog::TAdresseDialog(TPropertyDialog* sheet, LayoutZiel ziel)
    : TEinstellungenProperty(sheet, adresseResource(), ziel) {
    EinstellungenLaden(false);
    for (int i = 0; i < 5; ++i) {
        const int id = 101 + i;
        new TEdit(this, id, TAdressGroessen::ZeilenPuffer);
        // The edit's limit keeps a line within the 79 characters the file holds.
        Responses().Notify(id, EN_CHANGE,
                           [this, i, id] { zeilen_[size_t(i)] = Item<TEdit>(id)->GetText(); });
    }
    // Help requests that reach the page (not its Help button, which the
    // sheet answers).
    Responses().Command(9, [] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1109); });
}

void TAdresseDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    Aktualisieren();
}

void TAdresseDialog::Aktualisieren() {
    zeilen_ = {Adresse.Zeile1, Adresse.Zeile2, Adresse.Zeile3, Adresse.Zeile4, Adresse.Zeile5};
    if (!IsCreated()) return;
    for (int i = 0; i < 5; ++i) Item<TEdit>(101 + i)->SetText(zeilen_[size_t(i)]);
}

bool TAdresseDialog::SaveData() {
    Adresse.Zeile1 = zeilen_[0];
    Adresse.Zeile2 = zeilen_[1];
    Adresse.Zeile3 = zeilen_[2];
    Adresse.Zeile4 = zeilen_[3];
    Adresse.Zeile5 = zeilen_[4];
    return EinstellungenSpeichern(Adresse);
}
