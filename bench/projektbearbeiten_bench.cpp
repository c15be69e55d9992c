// Editing the structure of a large project in the project dialog: move,
// copy, re-assign and delete of a placed item on the benchmark project (200
// types, 1,000 placed components, 500 windows), each with the recalculation
// and both tree refreshes that follow it. Questions are answered with OK.
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/ApplicationState.h"
#include "platform/services/Services.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

namespace {

struct ImmerOk : MessageService {
    int MessageBox(std::string_view, std::string_view, uint32_t) override { return 1; }
};

// The project open, the dialog made, both trees built.
struct Umgebung {
    ScopedApplicationState zustand;
    TGesamtProjekt g{""};
    TProjekt* p;
    std::unique_ptr<TProjektDialog> dialog;
    Umgebung() {
        CurrentServices().messages = std::make_shared<ImmerOk>();
        auto v = std::make_unique<TProjekt>();
        modelltest::BeispielVariante(*v, 200, 1000, 500);
        for (TFassade& f : v->Fassaden) f.Merker7 = 1;
        p = v.get();
        g.ProjektHinzufuegen(std::move(v));
        Korpus().AktuellesProjekt = &g;
        Korpus().ProjektOffen = true;
        dialog = std::make_unique<TProjektDialog>();
        auffrischen();
    }
    ~Umgebung() {
        dialog.reset();
        Korpus().AktuellesProjekt = nullptr;
    }
    // What the project window does on the change notice.
    void auffrischen() {
        dialog->BauteilBaumAufbauen();
        dialog->FassadenBaumAufbauen();
    }
    // A wall without inserted windows.
    TPBauteil* wand() {
        for (TPBauteil& b : p->PBauteile)
            if (b.Einbauten.IsEmpty() && b.Traeger.Nummer == -1) return &b;
        return nullptr;
    }
};

void BM_Verschieben(benchmark::State& state) {
    Umgebung u;
    TPBauteil* w = u.wand();
    int i = 0;
    for (auto _ : state) {
        u.dialog->AufHuellflaecheVerschieben(w, nullptr, u.p->FassadeNr(1 + (++i % 4)));
        u.auffrischen();
    }
}
BENCHMARK(BM_Verschieben)->Unit(benchmark::kMillisecond);

void BM_KopierenUndLoeschen(benchmark::State& state) {
    Umgebung u;
    TPBauteil* w = u.wand();
    for (auto _ : state) {
        u.dialog->AufHuellflaecheKopieren(w, nullptr, u.p->FassadeNr(2));
        u.auffrischen();
        // The copy is the newest placement; deleting it takes the same way as the user's.
        const int nummer = u.p->NaechsteBauteilNummer - 1;
        u.dialog->HuellAuswahlLesen(u.dialog->HuellZeileSuchen(nummer, TProjektDialog::Bauteil));
        u.dialog->HuellLoeschen();
        u.auffrischen();
    }
}
BENCHMARK(BM_KopierenUndLoeschen)->Unit(benchmark::kMillisecond);

void BM_NeuZuordnen(benchmark::State& state) {
    Umgebung u;
    TPBauteil* w = u.wand();
    // Types of two kinds: every step changes the item's kind.
    auto ersterDerArt = [&](uint16_t art) {
        return u.p->RBauteile.FirstThat([art](const TRBauteil& t) { return t.Bauteilart == art; });
    };
    TRBauteil* typen[] = {ersterDerArt(0), ersterDerArt(2)};
    int i = 0;
    for (auto _ : state) {
        u.dialog->NeuZuordnen(typen[++i % 2], nullptr, w, nullptr);
        u.auffrischen();
    }
}
BENCHMARK(BM_NeuZuordnen)->Unit(benchmark::kMillisecond);

} // namespace
