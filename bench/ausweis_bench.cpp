// One paint of the heat demand certificate with 400 placed components and
// 100 placed windows: the layout of all its pages, drawn on the image DC.
// Aim: 20 ms.
#include "bench/BenchQt.h"
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"
#include "tauplot/diagramm/TText.h"

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TGesamtProjekt> grossesProjekt() {
    auto p = std::make_unique<TProjekt>();
    p->V = 5000;
    TRBauteil* typen[5];
    const int arten[5] = {0, 3, 4, 5, 6};
    for (int i = 0; i < 5; ++i) {
        auto t = std::make_unique<TRBauteil>();
        t->Bauteilart = uint16_t(arten[i]);
        t->k_m = 0.2 + 0.05 * i;
        typen[i] = &p->BauteilNeu(std::move(t));
    }
    for (int i = 0; i < 400; ++i) {
        auto b = std::make_unique<TPBauteil>();
        b->RBauteil = typen[i % 5];
        b->Nummer = uint16_t(i);
        b->Name = "Bauteil " + std::to_string(i);
        b->Nettoflaeche = 10 + i;
        p->PBauteile.Add(std::move(b));
    }
    TRFenster& typ = p->FensterNeu(std::make_unique<TRFenster>());
    for (int i = 0; i < 100; ++i) {
        auto f = std::make_unique<TPFenster>();
        f->RFenster = &typ;
        f->Nummer = uint16_t(i);
        f->Name = "Fenster " + std::to_string(i);
        f->Orientierung = uint16_t(i % 5);
        f->Nettoflaeche = 1.5;
        p->PFenster.Add(std::move(f));
    }
    p->UmfassungsflaecheBerechnen();
    auto g = std::make_unique<TGesamtProjekt>("/tmp");
    g->ProjektHinzufuegen(std::move(p));
    return g;
}

// On screen: every page laid out, the pages near the view drawn.
void BM_AusweisBildschirm(benchmark::State& state) {
    QtStarten();
    auto g = grossesProjekt();
    g->AktuellesProjekt->NormaleInnentemperatur = state.range(0) != 2;
    g->AktuellesProjekt->KleinesWohngebaeude = state.range(0) == 1;
    TText t(g.get());
    ausweis::LayoutWerteSetzen(t);
    TImageDC dc(825, 1260);
    for (auto _ : state) {
        ausweis::AusweisLayout(t, dc, 0);
        benchmark::DoNotOptimize(t.AktuelleSeite);
    }
    state.counters["Seiten"] = t.AktuelleSeite;
}
BENCHMARK(BM_AusweisBildschirm)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Printing: every page drawn.
void BM_AusweisAlleSeiten(benchmark::State& state) {
    QtStarten();
    auto g = grossesProjekt();
    TText t(g.get());
    ausweis::LayoutWerteSetzen(t);
    t.Drucken = true;
    TImageDC dc(825, 1260);
    for (auto _ : state) {
        ausweis::AusweisLayout(t, dc, 0);
        benchmark::DoNotOptimize(t.AktuelleSeite);
    }
    state.counters["Seiten"] = t.AktuelleSeite;
}
BENCHMARK(BM_AusweisAlleSeiten)->Unit(benchmark::kMillisecond);

} // namespace
