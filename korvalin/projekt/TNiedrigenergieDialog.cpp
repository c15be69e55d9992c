#include "korvalin/projekt/TNiedrigenergieDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/Services.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

namespace {

TControlResource label(int id, const char* text, int x, int y, int w = 230) {
    return {TControlKind::Static, id, text, {x, y, x + w, y + 9}};
}

TDialogResource niedrigenergieResource() {
    TDialogResource r{"Niedrigenergiehaus", {300, 200}, {}};
    auto& v = r.controls;
    v.push_back(
        {TControlKind::CheckBox, 101, "Erweiterte Prüfung: Niedrigenergiehaus", {10, 10, 200, 20}});
    v.push_back(seite::Zahl(102, 220, 38, 40));
    v.push_back({TControlKind::CheckBox, 103, "Erweiterte Prüfung: Passivhaus", {10, 70, 200, 80}});
    v.push_back(seite::Zahl(106, 220, 98, 40));
    v.push_back(label(110, "Geben Sie ein, um wieviel Prozent die Anforderungen", 20, 28));
    v.push_back(label(111, "der WSchVO unterschritten werden sollen:", 20, 40, 190));
    v.push_back(label(112, "%", 264, 40, 15));
    v.push_back(label(104, "Geben Sie den maximalen Jahresheizwärmebedarf", 20, 88));
    v.push_back(label(105, "pro m² Wohnfläche an:", 20, 100, 190));
    v.push_back(label(107, "kWh", 264, 100, 20));
    return r;
}

} // namespace

TNiedrigenergieDialog::TNiedrigenergieDialog(TPropertyDialog* dialog, TNiedrigenergieStruct* d)
    : TPropertyPage(dialog, niedrigenergieResource()) {
    puffer_.Check(d->Niedrigenergie).Text(d->Prozent.Text, 32);
    puffer_.Check(d->Passivhaus).Text(d->Maximum.Text, 32);
    SetTransferBuffer(&puffer_);
    Responses().Command(101, [this] { NiedrigenergieRegel(); });
    Responses().Command(103, [this] { PassivhausRegel(); });
}

void TNiedrigenergieDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    if (auto* e = Item<TEdit>(102)) e->SetValidator(new TDoubleValidator(0, 100));
    if (auto* e = Item<TEdit>(106)) e->SetValidator(new TDoubleValidator(0, 999));
    NiedrigenergieRegel();
    PassivhausRegel();
}

void TNiedrigenergieDialog::CallHelp() {
    Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1156);
}

void TNiedrigenergieDialog::NiedrigenergieRegel() {
    seite::Freigeben(*this, {110, 111, 112, 102}, seite::Gewaehlt(*this, 101));
}

void TNiedrigenergieDialog::PassivhausRegel() {
    seite::Freigeben(*this, {104, 105, 107, 106}, seite::Gewaehlt(*this, 103));
}
