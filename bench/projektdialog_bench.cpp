// Building both trees of the project dialog for a large project: 200
// component types, 1,000 placed components and 500 placed windows (inserted
// into walls) on four facades. The trees are filled without a screen.
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/ApplicationState.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ProjektBaeumeAufbauen(benchmark::State& state) {
    ScopedApplicationState zustand;
    TGesamtProjekt g("");
    auto p = std::make_unique<TProjekt>();
    modelltest::BeispielVariante(*p, 200, 1000, 500);
    for (TFassade& f : p->Fassaden) f.Merker7 = 1;
    g.ProjektHinzufuegen(std::move(p));
    Korpus().AktuellesProjekt = &g;
    Korpus().ProjektOffen = true;
    {
        TProjektDialog dialog;
        for (auto _ : state) {
            dialog.BauteilBaumAufbauen();
            dialog.FassadenBaumAufbauen();
            benchmark::DoNotOptimize(dialog.HuellBaum()->GetCount());
        }
        state.counters["Zeilen"] =
            double(dialog.HuellBaum()->GetCount() + dialog.BauteilBaum()->GetCount());
    }
    Korpus().AktuellesProjekt = nullptr;
}
BENCHMARK(BM_ProjektBaeumeAufbauen)->Unit(benchmark::kMillisecond);

} // namespace
