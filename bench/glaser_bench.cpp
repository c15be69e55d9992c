// The whole calculation of a cross-section (U-value, temperatures, Glaser proof, surface
// condensate) runs on every edit in the component editor; it must stay far below a frame.
#include "stammwerk/modell/TEinfachBauteil.h"

#include <benchmark/benchmark.h>

namespace {

struct Lage {
    double d, lambda, mu;
};

TEinfachBauteil Querschnitt(int schichten) {
    // Plaster, insulation with a vapour check, brick and render: condenses at the render.
    const Lage drei[] = {{15, 0.7, 10}, {120, 0.04, 1}, {20, 0.8, 200}};
    const Lage zwoelf[] = {{15, 0.7, 10},  {0.2, 0.2, 5000}, {50, 0.04, 1},  {5, 0.2, 100},
                           {50, 0.04, 1},  {20, 0.04, 10},   {20, 0.04, 40}, {20, 0.5, 100},
                           {115, 0.8, 10}, {30, 0.04, 2},    {10, 0.5, 50},  {10, 0.8, 300}};
    TEinfachBauteil w;
    const Lage* lagen = schichten == 3 ? drei : zwoelf;
    for (int i = 0; i < schichten; ++i) {
        TBaustoff b;
        b.Schluessel = {0, 4, 1, 1, 1};
        b.Schichtdicke = lagen[i].d;
        b.Lambda = lagen[i].lambda;
        b.Mu = b.Zusatzwert1 = lagen[i].mu;
        w.SchichtHinzufuegen(short(i - 1), &b);
    }
    return w;
}

void BM_BerechnungenMitFeuchte(benchmark::State& state) {
    TEinfachBauteil w = Querschnitt(int(state.range(0)));
    const TKlima klima;
    const TTemperatur t;
    for (auto _ : state) {
        w.Berechnungen(klima, t, 0.13, 0.04, 1, 1, false, 1, 0, 1, 1);
        benchmark::DoNotOptimize(w.Diffusion.Verdunstungsmenge);
    }
    // The case code shows that the proof ran through condensation and evaporation.
    state.counters["Fall"] = w.Taupunkt.Fall;
    state.counters["Taupunkte"] = w.Diffusion.AnzahlTaupunkte[0];
}
BENCHMARK(BM_BerechnungenMitFeuchte)->Arg(3)->Arg(12);

} // namespace
