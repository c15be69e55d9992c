#include "korvalin/bauteil/BauteilDiagramme.h"

#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/korpusApp.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/window/Application.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TRBauteil.h"

#include <algorithm>

namespace {

TPrinter* programmDrucker() {
    auto* app = dynamic_cast<korpusApp*>(TApplication::Current());
    return app ? &app->GetPrinter() : nullptr;
}

bool zeigt(const TRBauteil* bauteil, int bereich, const void* objekt) {
    if (!bauteil || !objekt) return false;
    if (objekt == bauteil) return true;
    for (const TEinfachBauteil& e : bauteil->Flaechenanteile)
        if (&e == objekt && e.Nummer == bereich) return true;
    return false;
}

void austragen(TWindow* w, std::vector<TWindow*> korpusMDIClient::Ansichten::*liste) {
    if (auto* c = Korpus().Client) std::erase(c->Ansichten.*liste, w);
}

} // namespace

DiagrammEinstellungen::DiagrammEinstellungen(bool projekt) {
    TIniEinstellungenGroessen::LadenMitMeldung({&Grafik, &Text, &Unterlegung}, false, projekt);
}

BauteilGlaserAnsicht::BauteilGlaserAnsicht(korpusMDIClient& client, std::string_view title,
                                           const char* projekt, TRBauteil* bauteil, int bereich)
    : DiagrammEinstellungen(bauteil->Nummer != TRBauteil::KeineNummer),
      TBauteilGlaserWindow(client, title, programmDrucker(), projekt, bauteil, bereich,
                           &bauteil->Klima, &client.Ansichten.GlaserDiagramme, &Grafik, &Text,
                           &Unterlegung) {
    Responses().Message(WM_PROJEKT_AKTUALISIEREN, [this](WPARAM, LPARAM) {
        if (IsCreated()) Invalidate();
        return 0;
    });
}

BauteilGlaserAnsicht::~BauteilGlaserAnsicht() {
    austragen(this, &korpusMDIClient::Ansichten::GlaserDiagramme);
}

bool BauteilGlaserAnsicht::ZeigtKatalogeintrag() const {
    return Bauteil() && Bauteil()->Nummer == TRBauteil::KeineNummer;
}

bool BauteilGlaserAnsicht::Zeigt(const void* objekt) const {
    return zeigt(Bauteil(), Bereich(), objekt);
}

BauteilTempAnsicht::BauteilTempAnsicht(korpusMDIClient& client, std::string_view title,
                                       const char* projekt, TRBauteil* bauteil, int bereich)
    : DiagrammEinstellungen(bauteil->Nummer != TRBauteil::KeineNummer),
      TBauteilTempWindow(client, title, programmDrucker(), nullptr, projekt, bauteil, bereich,
                         &bauteil->Klima, &bauteil->Temperatur, &client.Ansichten.TempDiagramme,
                         &Grafik, &Text) {
    Responses().Message(WM_PROJEKT_AKTUALISIEREN, [this](WPARAM, LPARAM) {
        if (IsCreated()) Invalidate();
        return 0;
    });
}

BauteilTempAnsicht::~BauteilTempAnsicht() {
    austragen(this, &korpusMDIClient::Ansichten::TempDiagramme);
}

bool BauteilTempAnsicht::ZeigtKatalogeintrag() const {
    return Bauteil() && Bauteil()->Nummer == TRBauteil::KeineNummer;
}

bool BauteilTempAnsicht::Zeigt(const void* objekt) const {
    return zeigt(Bauteil(), Bereich(), objekt);
}

TDiagrammWindow* DiagrammSuchen(const std::vector<TWindow*>& liste, const TRBauteil& bauteil,
                                int bereich) {
    for (TWindow* w : liste)
        if (auto* d = dynamic_cast<TDiagrammWindow*>(w);
            d && d->Bauteil() && *d->Bauteil() == bauteil && d->Bereich() == bereich)
            return d;
    return nullptr;
}

void BereichsDiagrammeSchliessen(const TRBauteil& bauteil, int bereich) {
    auto* c = Korpus().Client;
    if (!c) return;
    for (auto* liste : {&c->Ansichten.GlaserDiagramme, &c->Ansichten.TempDiagramme})
        if (TWindow* w = DiagrammSuchen(*liste, bauteil, bereich)) {
            std::erase(*liste, w);
            AnsichtSchliessen(w);
        }
}
