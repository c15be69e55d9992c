// The heat-protection proof sheet of a large project laid out as its window
// does when it opens: 1000 chosen components, each with its sheet (aim: at
// most 1 s); and one page of the proof painted.
#include "bench/BenchQt.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/gdi/RecordingDC.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

namespace {

TGesamtProjekt& GrossesProjekt() {
    static TGesamtProjekt* g = [] {
        auto* neu = new TGesamtProjekt("/tmp");
        TProjekt& p = neu->ProjektHinzufuegen(std::make_unique<TProjekt>());
        modelltest::BeispielVariante(p, 200, 1000, 500);
        p.V = 5000; // m³
        p.UmfassungsflaecheBerechnen();
        p.WSchVO();
        return neu;
    }();
    return *g;
}

// The proof sheet of the chosen placed components, as the proofs command
// hands them over (each by its type).
void blatt(TDatenblattAufbau& b) {
    QtStarten();
    TGesamtProjekt& g = GrossesProjekt();
    b.Gesamtprojekt = &g;
    b.SeitenAusrichtung(false);
    b.Blattart = 0;
    b.Quelle = TDatenblattAufbau::QuelleProjekt;
    b.SeitenLayout().Eingabefelder = 1;
    for (TPBauteil& p : g.AktuellesProjekt->PBauteile)
        if (p.RBauteil) b.GewaehlteBauteile.push_back(p.RBauteil);
}

void NachweisAuslegen(benchmark::State& state) {
    TDatenblattAufbau b;
    blatt(b);
    for (auto _ : state) {
        TMeasuringDC dc;
        b.Auslegen(dc);
        benchmark::DoNotOptimize(b.Seitenzahl);
    }
    state.counters["Bauteile"] = double(b.GewaehlteBauteile.size());
    state.counters["Seiten"] = double(b.Seitenzahl);
}
BENCHMARK(NachweisAuslegen)->Unit(benchmark::kMillisecond);

// Repainting the proof's table page.
void NachweisSeiteZeichnen(benchmark::State& state) {
    TDatenblattAufbau b;
    blatt(b);
    TMeasuringDC mass;
    b.Auslegen(mass);
    b.AktuelleSeite = 1;
    for (auto _ : state) {
        TRecordingDC dc(TMetricMode::Real);
        b.DatenblattAufbauen(dc, 1);
        benchmark::DoNotOptimize(dc.Calls().size());
    }
}
BENCHMARK(NachweisSeiteZeichnen)->Unit(benchmark::kMillisecond);

} // namespace
