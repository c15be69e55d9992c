#include "korvalin/projekt/TProjektVorgabenDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

namespace {

using seite::Freigeben;
using seite::Gewaehlt;
using seite::Setzen;
using seite::Text;
using seite::Zahl;

constexpr int kTypen[] = {119, 120, 126, 128, 129, 130, 131, 132, 133, 134, 125};
constexpr const char* kTypText[] = {"Wohngebäude",
                                    "Büro- und Verwaltungsgebäude",
                                    "Schule, Bibliothek",
                                    "Krankenhaus, Altenheim etc.",
                                    "Aufenthaltsgebäude in Kasernen etc.",
                                    "Gebäude des Gaststättengewerbes",
                                    "Waren- oder sonstiges Geschäftshaus",
                                    "Betriebsgebäude ",
                                    "Gebäude für Sport- / Versammlungszwecke",
                                    "Sonstiges Gebäude mit ähnlicher Nutzung",
                                    "Gebäude mit niedrigen Innentemperaturen"};

TControlResource radio(int id, const char* text, int x, int y, bool gruppe = false, int w = 165) {
    return {TControlKind::RadioButton, id, text, {x, y, x + w, y + 10}, gruppe};
}
TControlResource check(int id, const char* text, int x, int y, int w = 165) {
    return {TControlKind::CheckBox, id, text, {x, y, x + w, y + 10}};
}

TDialogResource vorgabenResource() {
    TDialogResource r{"Gebäude-Typ", {340, 200}, {}};
    auto& v = r.controls;
    v.push_back(radio(117, "Zu errichtendes Gebäude", 5, 4, true, 110));
    v.push_back(radio(118, "Bauliche Erweiterung eines Gebäudes", 120, 4, false, 150));
    for (int i = 0; i < 11; ++i)
        v.push_back(radio(kTypen[i], kTypText[i], 5, 26 + 9 * i, i == 0, 166));
    v.push_back(radio(116, "Einbau oder Ersatz von Außenbauteilen", 5, 14, true, 150));
    v.push_back(check(10002, "Kleines Wohngebäude", 172, 26));
    v.push_back(check(10003, "Gebäude mit zwei Trennwänden", 172, 35));
    v.push_back(check(10004, "Fertighaus", 172, 44));
    v.push_back(check(10001, "Gebäude mit mehr als 2 Vollgeschossen", 172, 53));
    v.push_back(radio(121, "Keine", 172, 74, true, 36));
    v.push_back(radio(122, "Ohne Wärmerückgewinnung", 212, 74, false, 125));
    v.push_back(radio(138, "Wärmerückgewinnung ohne Wärmepumpe", 172, 83));
    v.push_back(radio(139, "Wärmerückgewinnung mit Wärmepumpe", 172, 92));
    v.push_back(Zahl(124, 278, 101, 25));
    v.push_back(radio(141, "Keine Kühlung", 167, 124, true));
    v.push_back(radio(123, "Kühlung unter Einsatz erneuerbarer Energien", 167, 133, false, 171));
    v.push_back(radio(140, "Kühlung ohne Einsatz erneuerbarer Energien", 167, 142, false, 171));
    v.push_back(radio(127, "max. zulässig", 5, 138, true, 68));
    v.push_back(radio(136, "Eigene Eingabe (bis max)", 75, 138, false, 100));
    v.push_back(Zahl(135, 100, 150, 40));
    v.push_back(radio(137, "Optimal", 5, 176, true, 40));
    v.push_back(radio(142, "Erhöhte interne Wärmegewinne", 47, 176, false, 120));
    v.push_back(radio(143, "Reduzierung des Lüftungswärmebedarfs", 170, 176, false, 168));
    v.push_back({TControlKind::Static, 9005, "Wärmerückgewinnungsgrad", {172, 103, 276, 112}});
    v.push_back({TControlKind::Static, 9006, "%", {306, 103, 318, 112}});
    v.push_back({TControlKind::Static, 160, "Interne Wärmegewinne:", {5, 152, 98, 161}});
    v.push_back({TControlKind::Static, 161, "kwh/a", {142, 152, 170, 161}});
    v.push_back(Text("Lüftungsanlage", 172, 64));
    v.push_back(Text("Kühlung", 167, 114));
    v.push_back(Text("Büro- und Verwaltungsgebäude mit Lüftungsanlage:", 5, 166, 200));
    return r;
}

} // namespace

void TProjektVorgabenStruct::TypWaehlen(size_t typ) {
    if (typ >= Typ.size()) return;
    Typ.fill(0);
    Typ[typ] = 1;
    if (typ == Typ.size() - 1) { // low inside temperatures
        Klein = Trennwaende = Fertighaus = Geschosse = Maximal = Eigene = 0;
    } else if (!Maximal && !Eigene) {
        Maximal = 1;
    }
    if (typ != 1) Option.fill(0); // the options belong to office buildings
}

TProjektVorgabenDialog::TProjektVorgabenDialog(TPropertyDialog* dialog, TProjektVorgabenStruct* d)
    : TPropertyPage(dialog, vorgabenResource()) {
    for (auto& w : d->Massnahme) puffer_.Check(w);
    for (auto& w : d->Typ) puffer_.Check(w);
    puffer_.Check(d->Massnahme2).Check(d->Klein).Check(d->Trennwaende).Check(d->Fertighaus);
    puffer_.Check(d->Geschosse);
    for (auto& w : d->Lueftung) puffer_.Check(w);
    puffer_.Text(d->Rueckgewinnung.Text, 32);
    for (auto& w : d->Kuehlung) puffer_.Check(w);
    puffer_.Check(d->Maximal).Check(d->Eigene).Text(d->InterneGewinne.Text, 32);
    for (auto& w : d->Option) puffer_.Check(w);
    SetTransferBuffer(&puffer_);

    auto& r = Responses();
    r.Command(10004, [this] { FertighausBestaetigen(); });
    // "Einbau oder Ersatz" is created after the type radios, so it forms a
    // group of its own: the measure radios uncheck one another here.
    for (int id : {117, 118, 116})
        r.Command(id, [this, id] {
            for (int andere : {117, 118, 116})
                if (andere != id) Setzen(*this, andere, false);
            GebaeudetypRegel();
        });
    for (int id : kTypen) r.Command(id, [this] { GebaeudetypRegel(); });
    for (int id : {121, 122, 138, 139}) r.Command(id, [this] { LueftungsRegel(); });
    for (int id : {141, 123, 140}) r.Command(id, [this] { GewinneOptionRegel(); });
    for (int id : {127, 136}) r.Command(id, [this] { GewinneEingabeRegel(); });
    for (int id : {137, 142, 143}) r.Command(id, [] {});
}

void TProjektVorgabenDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    if (auto* e = Item<TEdit>(124)) e->SetValidator(new TDoubleValidator(0, 100));
    if (auto* e = Item<TEdit>(135)) e->SetValidator(new TDoubleValidator(0, 1000000));
    LueftungsRegel();
    GebaeudetypRegel();
    GewinneEingabeRegel();
}

void TProjektVorgabenDialog::CallHelp() {
    Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1100);
}

void TProjektVorgabenDialog::GebaeudetypRegel() {
    if (!Gewaehlt(*this, 125)) {
        Freigeben(*this, {10002, 10003, 10004, 10001, 127, 136}, true);
        if (!Gewaehlt(*this, 127) && !Gewaehlt(*this, 136)) Setzen(*this, 127, true);
        GewinneEingabeRegel();
        Freigeben(*this, {160, 161}, true);
    } else {
        for (int id : {10002, 10003, 10004, 10001, 127, 136}) Setzen(*this, id, false);
        Freigeben(*this, {10002, 10003, 10004, 10001, 127, 136, 135, 160, 161}, false);
    }
    GewinneOptionRegel();
}

void TProjektVorgabenDialog::LueftungsRegel() {
    if (!Gewaehlt(*this, 121)) {
        Freigeben(*this, {123, 140}, true);
    } else {
        Setzen(*this, 141, true);
        Setzen(*this, 123, false);
        Setzen(*this, 140, false);
        Freigeben(*this, {123, 140}, false);
    }
    const bool rueckgewinnung = Gewaehlt(*this, 138) || Gewaehlt(*this, 139);
    if (!rueckgewinnung)
        if (auto* e = Item<TEdit>(124)) e->SetText("0");
    Freigeben(*this, {124, 9005, 9006}, rueckgewinnung);
    GewinneOptionRegel();
}

void TProjektVorgabenDialog::GewinneEingabeRegel() {
    Freigeben(*this, {135}, !Gewaehlt(*this, 127));
}

void TProjektVorgabenDialog::GewinneOptionRegel() {
    const bool moeglich = Gewaehlt(*this, 117) && Gewaehlt(*this, 120) && !Gewaehlt(*this, 121) &&
                          !Gewaehlt(*this, 140);
    if (moeglich) {
        auto* optimal = GetDlgItem(137);
        if (optimal && !optimal->IsWindowEnabled()) {
            Freigeben(*this, {137, 142, 143}, true);
            Setzen(*this, 137, true);
        }
        return;
    }
    for (int id : {137, 142, 143}) Setzen(*this, id, false);
    Freigeben(*this, {137, 142, 143}, false);
}

void TProjektVorgabenDialog::FertighausBestaetigen() {
    if (!Gewaehlt(*this, 10004)) return;
    if (MessageBox("Bei allen Fassaden und Fenstern wird Orientierung = WEST gesetzt. Die "
                   "eingestellten Orientierungen werden geändert!",
                   "Fertighaus", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        Setzen(*this, 10004, false);
}
