// The periodic heat transfer runs for every cross-section shown in the
// summer windows on each recalculation; it must stay far below a frame.
#include "stammwerk/modell/TEinfachBauteil.h"

#include <benchmark/benchmark.h>

namespace {

TEinfachBauteil zwoelfSchichten() {
    TEinfachBauteil e;
    for (int16_t i = 0; i < 12; ++i) {
        TSchicht s;
        s.Nummer = i;
        s.Schluessel = {1, uint16_t(i % 4 == 3 ? 9 : 4), 0, 1, 0}; // every fourth an air layer
        s.Schichtdicke = 20 + 10 * i;
        s.Lambda = 0.04 + 0.1 * i;
        s.Rohdichte = 30 + 150 * i;
        s.Waermekapazitaet = 1000;
        e.Schichten.Add(s);
    }
    return e;
}

void WaermespeicherBerechnen12(benchmark::State& state) {
    TEinfachBauteil e = zwoelfSchichten();
    for (auto _ : state) {
        e.WaermespeicherBerechnen(24.0, 0.13, 0.04);
        benchmark::DoNotOptimize(e.Y12);
    }
}
BENCHMARK(WaermespeicherBerechnen12);

void KWertUndTemperaturen12(benchmark::State& state) {
    TEinfachBauteil e = zwoelfSchichten();
    const TKlima klima;
    const TTemperatur t;
    for (auto _ : state) {
        e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 1, false);
        e.TemperaturSchichten(klima, 0.13, 0.04, 0);
        e.TemperaturVerlauf(t, 0.13, 0.04, 0);
        benchmark::DoNotOptimize(e.ThetaSi);
    }
}
BENCHMARK(KWertUndTemperaturen12);

} // namespace
