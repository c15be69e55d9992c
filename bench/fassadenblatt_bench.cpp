// The facade sheet of a large project (200 component types, 1,000 placed
// components and 500 windows on four facades): the layout of all its table
// parts, one part per page as the page driver cuts them, aim at most 150 ms;
// and the painting of every page.
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/RecordingDC.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

TGesamtProjekt& GrossesProjekt() {
    static TGesamtProjekt* g = [] {
        auto* neu = new TGesamtProjekt("/tmp");
        auto p = std::make_unique<TProjekt>();
        modelltest::BeispielVariante(*p, 200, 1000, 500);
        p->V = 5000; // m³
        for (TFassade& f : p->Fassaden)
            f.GroessenBerechnen(&p->PBauteile, &p->PFenster, p->Baumassnahme,
                                p->NormaleInnentemperatur, p->WestAnsatz, p->Zusatzpruefung,
                                p->Fugenkoeffizient_max);
        p->UmfassungsflaecheBerechnen();
        p->WSchVO();
        neu->ProjektHinzufuegen(std::move(p));
        return neu;
    }();
    return *g;
}

struct Teil {
    int fassade, erste, ende;
};

// One part per page: a facade longer than a page's rows is cut.
std::vector<Teil> teile(const TProjekt& p, int proSeite) {
    std::vector<Teil> t;
    int i = 0;
    for (const TFassade& f : p.Fassaden) {
        const int n = int(f.Elemente.GetItemsInContainer());
        for (int s = 0; s < std::max(n, 1); s += proSeite)
            t.push_back({i, s, std::min(n, s + proSeite)});
        ++i;
    }
    return t;
}

void blatt(TDatenblattBasis& b, TDC& dc, const std::vector<Teil>& t, int pass) {
    b.Seitenzahl = int(t.size());
    for (size_t k = 0; k < t.size(); ++k) {
        b.Block.Seite = int(k) + 1;
        b.Block.Oben = b.Block.InnenOben = b.Koerper.top;
        const Teil& x = t[k];
        b.FassadenTabelle(dc, x.fassade, x.fassade + 1, x.erste, x.ende, x.ende - x.erste + 12,
                          pass);
    }
}

TDatenblattBasis& seite() {
    static TDatenblattBasis b;
    b.Gesamtprojekt = &GrossesProjekt();
    b.Koerper = TRect(30, 30, 1230, 861); // landscape
    b.Block.Abschnitt = b.AktuellerAbschnitt = 6;
    b.Block.Links = b.Block.InnenLinks = b.Koerper.left + 10;
    b.Block.Rechts = b.Block.InnenRechts = b.Koerper.right - 10;
    return b;
}

void FassadenblattLayout(benchmark::State& state) {
    TDatenblattBasis& b = seite();
    const auto t = teile(*GrossesProjekt().AktuellesProjekt, b.Koerper.Height() / 19 - 14);
    for (auto _ : state) {
        TRecordingDC dc;
        blatt(b, dc, t, 0);
        benchmark::DoNotOptimize(b.Block.Hoehe);
    }
    state.counters["Seiten"] = double(t.size());
}
BENCHMARK(FassadenblattLayout)->Unit(benchmark::kMillisecond);

void FassadenblattAlleSeitenMalen(benchmark::State& state) {
    TDatenblattBasis& b = seite();
    const auto t = teile(*GrossesProjekt().AktuellesProjekt, b.Koerper.Height() / 19 - 14);
    for (auto _ : state) {
        for (size_t k = 0; k < t.size(); ++k) {
            b.AktuelleSeite = int(k);
            TRecordingDC dc;
            b.Block.Seite = int(k) + 1;
            b.Block.Oben = b.Block.InnenOben = b.Koerper.top;
            const Teil& x = t[k];
            b.Seitenzahl = int(t.size());
            b.FassadenTabelle(dc, x.fassade, x.fassade + 1, x.erste, x.ende, x.ende - x.erste + 12,
                              1);
            benchmark::DoNotOptimize(dc.Calls().size());
        }
    }
}
BENCHMARK(FassadenblattAlleSeitenMalen)->Unit(benchmark::kMillisecond);

} // namespace
