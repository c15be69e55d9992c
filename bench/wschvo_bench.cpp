// The proof, the consumption and the take-off run after every edit of a
// project; for 200 component types, 1000 placed components and 500 windows
// they must stay well below 5 ms.
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

namespace {

TProjekt& GrossesProjekt() {
    static TProjekt* p = [] {
        auto* neu = new TProjekt;
        modelltest::BeispielVariante(*neu, 200, 1000, 500);
        neu->V = 5000; // m³
        neu->UmfassungsflaecheBerechnen();
        return neu;
    }();
    return *p;
}

void WSchVOVerbrauchMassen(benchmark::State& state) {
    TProjekt& p = GrossesProjekt();
    for (auto _ : state) {
        p.WSchVO(); // ends with the annual consumption
        p.Massenermittlung();
        benchmark::DoNotOptimize(p.Q_H);
    }
}
BENCHMARK(WSchVOVerbrauchMassen)->Unit(benchmark::kMillisecond);

// The same with the facade sums the project recomputes before the proof.
void FassadenWSchVOVerbrauchMassen(benchmark::State& state) {
    TProjekt& p = GrossesProjekt();
    for (auto _ : state) {
        for (TFassade& f : p.Fassaden)
            f.GroessenBerechnen(&p.PBauteile, &p.PFenster, p.Baumassnahme, p.NormaleInnentemperatur,
                                p.WestAnsatz, p.Zusatzpruefung, p.Fugenkoeffizient_max);
        p.UmfassungsflaecheBerechnen();
        p.WSchVO();
        p.Massenermittlung();
        benchmark::DoNotOptimize(p.Q_H);
    }
}
BENCHMARK(FassadenWSchVOVerbrauchMassen)->Unit(benchmark::kMillisecond);

} // namespace
