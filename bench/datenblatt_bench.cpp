// The quantities sheet on a large project (200 component types, 1,000 placed
// components, 500 windows): repainting the page shown, and laying out the
// whole sheet as a project update does (aims: 10 ms and 200 ms).
#include "bench/BenchQt.h"
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/base/ApplicationState.h"
#include "platform/gdi/ImageDC.h"
#include "platform/window/MDIClient.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

namespace {

// With `mehr` material classes beyond the project's own, for a sheet of
// many pages.
struct Grossprojekt {
    explicit Grossprojekt(int mehr) : g("/tmp") {
        QtStarten();
        auto p = std::make_unique<TProjekt>();
        modelltest::BeispielVariante(*p, 200, 1000, 500);
        p->Massenermittlung();
        for (int i = 0; i < mehr; ++i) {
            auto s = std::make_unique<TBaustoffSumme>();
            s->Name = "Baustoff " + std::to_string(i);
            s->Flaeche = s->Volumen = s->Masse = 1000.0 + i;
            p->Massenliste.Add(std::move(s));
        }
        g.ProjektHinzufuegen(std::move(p));
        Korpus().AktuellesProjekt = &g;
        Korpus().ProjektOffen = true;
        client.Create();
        blatt = std::make_unique<TMassenDatenWindow>(client, " Massenermittlung ", 3);
        blatt->Create();
    }
    ~Grossprojekt() {
        blatt.reset();
        Korpus().AktuellesProjekt = nullptr;
    }
    ScopedApplicationState zustand;
    TGesamtProjekt g;
    TMDIClient client;
    std::unique_ptr<TMassenDatenWindow> blatt;
};

void BM_SeiteNeuZeichnen(benchmark::State& state) {
    Grossprojekt p(int(state.range(0)));
    TImageDC dc(891, 1260);
    TRect r(0, 0, 891, 1260);
    for (auto _ : state) p.blatt->Paint(dc, true, r);
    state.counters["Seiten"] = p.blatt->Seitenzahl;
    state.counters["Baustoffe"] = double(p.g.AktuellesProjekt->Massenliste.GetItemsInContainer());
}
BENCHMARK(BM_SeiteNeuZeichnen)->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_MassenblattAuslegen(benchmark::State& state) {
    Grossprojekt p(int(state.range(0)));
    for (auto _ : state) p.blatt->NeuAuslegen();
    state.counters["Seiten"] = p.blatt->Seitenzahl;
}
BENCHMARK(BM_MassenblattAuslegen)->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace
