// A layer change in the component editor on a large project (200 component
// types, 1,000 placed components, 500 windows): the type, its placed
// components and the proof are recomputed and the editor refreshed, as one
// in-place edit of a thickness does it.
#include "bench/BenchQt.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/ApplicationState.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SchichtAendern(benchmark::State& state) {
    QtStarten();
    ScopedApplicationState zustand;
    TGesamtProjekt g("");
    auto p = std::make_unique<TProjekt>();
    modelltest::BeispielVariante(*p, 200, 1000, 500);
    TProjekt& projekt = *p;
    g.ProjektHinzufuegen(std::move(p));
    Korpus().AktuellesProjekt = &g;
    Korpus().ProjektOffen = true;
    TRBauteil* typ = nullptr;
    for (TRBauteil& t : projekt.RBauteile)
        if (!t.Flaechenanteile.IsEmpty() && t.Flaechenanteile[0].AnzahlSchichten() > 0 &&
            !t.PBauteilListe.IsEmpty())
            typ = &t;
    if (!typ) {
        state.SkipWithError("no type with layers and placements");
        return;
    }
    {
        TBauteilDialog dialog(nullptr, typ, 0, nullptr);
        dialog.Projektmodus = true;
        dialog.Create();
        double dicke = 100;
        for (auto _ : state) {
            dialog.ZelleBearbeiten(1, 1);
            dialog.SchichtTabelle()->SetEditorText(std::to_string(int(dicke)));
            dialog.ZelleUebernehmen();
            dicke = dicke == 100 ? 120 : 100;
        }
        state.counters["Platzierungen"] = double(typ->PBauteilListe.GetItemsInContainer());
        dialog.Geaendert = false;
        dialog.Destroy();
    }
    Korpus().AktuellesProjekt = nullptr;
}
BENCHMARK(BM_SchichtAendern)->Unit(benchmark::kMillisecond);

} // namespace
