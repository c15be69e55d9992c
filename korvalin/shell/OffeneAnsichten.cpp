#include "korvalin/shell/OffeneAnsichten.h"

#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/window/MDIChild.h"
#include "stammwerk/modell/TGesamtProjekt.h"

namespace {

// The period of the periodic heat transfer: one day.
constexpr double kPeriodeStunden = 24.0;

void melden(TWindow* w, uintptr_t art, intptr_t extra) {
    // A view that cannot take the notice redraws on its next one.
    if (w) w->PostMessage(WM_PROJEKT_AKTUALISIEREN, art, extra);
}

void allenMelden(const std::vector<TWindow*>& liste, uintptr_t art, intptr_t extra) {
    for (auto* w : liste) melden(w, art, extra);
}

} // namespace

bool AnsichtZeigen(TMDIChild* w, bool maximiert) {
    if (!w) return false;
    if (!w->IsCreated() && !w->Create()) {
        delete w;
        return false;
    }
    w->ShowWindow(maximiert ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    w->BringWindowToTop();
    return true;
}

void AnsichtSchliessen(TWindow*& w) {
    if (!w) return;
    TWindow* weg = w;
    w = nullptr;
    weg->Destroy();
    auto* client = dynamic_cast<TMDIClient*>(weg->GetParent());
    auto* kind = dynamic_cast<TMDIChild*>(weg);
    if (client && kind)
        client->Condemn(kind);
    else
        delete weg;
}

namespace {

void projektAnsichtenSchliessen(std::vector<TWindow*>& liste) {
    std::vector<TWindow*> bleiben;
    for (auto* w : std::vector<TWindow*>(liste)) {
        auto* typ = dynamic_cast<TypAnsicht*>(w);
        if (typ && typ->ZeigtKatalogeintrag()) {
            bleiben.push_back(w);
            continue;
        }
        AnsichtSchliessen(w);
    }
    liste = std::move(bleiben);
}

} // namespace

void ProjektNeuBerechnen(uintptr_t art, intptr_t extra) {
    auto& k = Korpus();
    auto& e = k.Ansichten;
    auto* c = k.Client;
    melden(e.WBAusweis, art, extra);
    melden(e.BtAusDatei, art, extra);
    melden(e.FnstAusDatei, art, extra);
    if (c) {
        allenMelden(c->Ansichten.BauteilDaten, art, extra);
        for (auto* w : c->Ansichten.PeriodenDaten) {
            if (auto* p = dynamic_cast<PeriodenAnsicht*>(w))
                for (auto* b : p->PeriodenBauteile())
                    b->WaermespeicherBerechnen(kPeriodeStunden, p->PeriodenRsi(), p->PeriodenRse());
            melden(w, art, extra);
        }
        allenMelden(c->Ansichten.VergleichDaten, art, extra);
        allenMelden(c->Ansichten.FensterDaten, art, extra);
        allenMelden(c->Ansichten.GlaserDiagramme, art, extra);
        allenMelden(c->Ansichten.TempDiagramme, art, extra);
    }
    melden(e.ProjektDaten, art, extra);
    melden(e.EnergieDaten, art, extra);
    if (auto* p = AktuelleVariante(); e.MassenDaten && p) p->Massenermittlung();
    melden(e.MassenDaten, art, extra);
    melden(e.FassadenDaten, art, extra);
    melden(e.BauteilView, art, extra);
    melden(e.FlaechenDaten, art, extra);
    melden(e.Waermeschutz, art, extra);
    melden(e.Feuchteschutz, art, extra);
    melden(e.Vergleich1, art, extra);
    melden(e.Vergleich2, art, extra);
    if (k.ProjektOffen) melden(k.ProjektWindow, art, extra);
    if (c) {
        allenMelden(c->Ansichten.FensterEditoren, art, extra);
        allenMelden(c->Ansichten.BauteilEditoren, art, extra);
    }
}

bool AusgabeWindowsOffen() {
    const auto& e = Korpus().Ansichten;
    if (const auto* c = Korpus().Client) {
        const auto& a = c->Ansichten;
        if (!a.BauteilDaten.empty() || !a.FensterDaten.empty() || !a.GlaserDiagramme.empty() ||
            !a.TempDiagramme.empty())
            return true;
    }
    for (auto* w : {e.WBAusweis, e.ProjektDaten, e.EnergieDaten, e.MassenDaten, e.FassadenDaten,
                    e.BauteilView, e.FlaechenDaten, e.Waermeschutz, e.Feuchteschutz})
        if (w) return true;
    return false;
}

void AnsichtenSchliessen(const void* objekt) {
    auto* c = Korpus().Client;
    if (!c || !objekt) return;
    auto& a = c->Ansichten;
    for (auto* liste :
         {&a.BauteilDaten, &a.FensterDaten, &a.PeriodenDaten, &a.VergleichDaten, &a.GlaserDiagramme,
          &a.TempDiagramme, &a.BauteilEditoren, &a.FensterEditoren}) {
        std::vector<TWindow*> bleiben;
        for (auto* w : std::vector<TWindow*>(*liste)) {
            auto* ansicht = dynamic_cast<ObjektAnsicht*>(w);
            if (!ansicht || !ansicht->Zeigt(objekt) || ansicht->Umlenken(objekt)) {
                bleiben.push_back(w);
                continue;
            }
            AnsichtSchliessen(w);
        }
        *liste = std::move(bleiben);
    }
}

void NachweisAnsichtenSchliessen() {
    auto& e = Korpus().Ansichten;
    AnsichtSchliessen(e.Waermeschutz);
    AnsichtSchliessen(e.Feuchteschutz);
}

void AusgabeWindowsSchliessen() {
    auto& e = Korpus().Ansichten;
    if (auto* c = Korpus().Client) {
        auto& a = c->Ansichten;
        for (auto* liste : {&a.BauteilDaten, &a.FensterDaten, &a.PeriodenDaten, &a.VergleichDaten,
                            &a.GlaserDiagramme, &a.TempDiagramme})
            projektAnsichtenSchliessen(*liste);
    }
    for (auto* w : {&e.ProjektDaten, &e.EnergieDaten, &e.MassenDaten, &e.FassadenDaten,
                    &e.BauteilView, &e.FlaechenDaten, &e.Waermeschutz, &e.Feuchteschutz,
                    &e.Vergleich1, &e.Vergleich2, &e.WBAusweis})
        AnsichtSchliessen(*w);
}
