#include "korvalin/projekt/TProjektGroessenDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "hilfsmittel/Formatter.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/Services.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

#include <cstdio>

namespace {

using seite::Freigeben;
using seite::Gewaehlt;
using seite::Setzen;
using seite::Text;

TDialogResource groessenResource() {
    TDialogResource r{"Wohnfläche", {300, 200}, {}};
    auto& v = r.controls;
    v.push_back(
        {TControlKind::CheckBox, 10013, "Wohnfläche nach § 44 Abs. 1 II. BV", {10, 10, 160, 20}});
    v.push_back({TControlKind::CheckBox, 10014, "Hauptnutzfläche nach DIN 277", {10, 22, 160, 32}});
    v.push_back(seite::Zahl(102, 165, 16, 50));
    v.push_back({TControlKind::CheckBox, 10015, "Lichte Raumhöhe <= 2,60 m", {10, 86, 160, 96}});
    v.push_back({TControlKind::CheckBox, 103, "Ausgabe Q''H:", {10, 100, 70, 110}});
    v.push_back({TControlKind::Static, 120, "m²", {218, 18, 235, 27}});
    v.push_back(Text("Beheiztes Bauwerksvolumen", 10, 46));
    v.push_back({TControlKind::Static, 160, "", {165, 48, 230, 57}});
    v.push_back(Text("Anrechenbares Luftvolumen V_L", 10, 58));
    v.push_back({TControlKind::Static, 611, "", {165, 60, 230, 69}});
    v.push_back(Text("Gebäudenutzfläche nach WSchVO", 10, 70));
    v.push_back({TControlKind::Static, 612, "", {165, 72, 230, 81}});
    v.push_back({TControlKind::Static,
                 104,
                 "Jahresheizwärmebedarf bezogen auf Nutzfläche",
                 {72, 102, 250, 111}});
    v.push_back(Text("Anmerkung", 10, 124));
    v.push_back(Text("Die Eingabegrößen werden für die Berechnung nicht benötigt.", 10, 136, 280));
    v.push_back(Text("Sie werden nur im Wärmebedarfsausweis und im", 10, 146, 280));
    v.push_back(Text("Projektdatenblatt wiedergegeben.", 10, 156, 280));
    return r;
}

std::string volumen(double wert) {
    if (wert <= 9999999) return QTX_format("%3.2lf", wert);
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%G", wert);
    return puffer;
}

} // namespace

TProjektGroessenDialog::TProjektGroessenDialog(TPropertyDialog* dialog, TProjektGroessenStruct* d,
                                               double ve)
    : TPropertyPage(dialog, groessenResource()), ve_(ve) {
    puffer_.Check(d->Wohnflaeche).Check(d->Hauptnutzflaeche).Text(d->Flaeche.Text, 32);
    puffer_.Check(d->Raumhoehe).Check(d->AusgabeQH);
    SetTransferBuffer(&puffer_);
    Responses().Command(10013, [this] { FlaechenartRegel(10013); });
    Responses().Command(10014, [this] { FlaechenartRegel(10014); });
    Responses().Command(10015, [this] { RaumhoehenRegel(); });
}

void TProjektGroessenDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    if (auto* e = Item<TEdit>(102)) e->SetValidator(new TDoubleValidator(0, 9999999));
    if (auto* s = GetDlgItem(160)) s->SetWindowText(volumen(ve_));
    if (auto* s = GetDlgItem(611)) s->SetWindowText(volumen(0.8 * ve_));
    FlaechenartRegel(0);
    RaumhoehenRegel();
}

void TProjektGroessenDialog::CallHelp() {
    Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1125);
}

void TProjektGroessenDialog::FlaechenartRegel(int geklickt) {
    if (geklickt && Gewaehlt(*this, geklickt))
        Setzen(*this, geklickt == 10013 ? 10014 : 10013, false);
    Freigeben(*this, {102, 120}, Gewaehlt(*this, 10013) || Gewaehlt(*this, 10014));
}

void TProjektGroessenDialog::RaumhoehenRegel() {
    const bool an = Gewaehlt(*this, 10015);
    if (auto* s = GetDlgItem(612)) s->SetWindowText(an ? QTX_format("%3.2lf", 0.32 * ve_) : "");
    if (!an) Setzen(*this, 103, false);
    Freigeben(*this, {103, 104}, an);
}
