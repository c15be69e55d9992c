// The cross-section drawing is painted at every repaint of a data sheet that
// shows it: PrepareDraw of a twelve-layer wall with all its annotations and
// the vapour diagram, into the recording DC (layout and call overhead only)
// and into an image (the painter's real work, screen path through the
// off-screen bitmap and print path drawn directly at twice the scale).
#include "bench/BenchQt.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/RecordingDC.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/grafik/TZufallsgenerator.h"
#include "stammwerk/tests/GrafikWand.h"

#include <benchmark/benchmark.h>

namespace {

struct Umgebung {
    TFesterZufallsgenerator zufall{3};
    TBtGrafikGroessen gg;
    TBtSeitenGroessen sg;
    TEinfachBauteil wand;
    Umgebung() {
        TZufallsgenerator::Setzen(&zufall);
        wand = ZwoelfschichtWand();
        wand.SetBauteilGrafikNeu(nullptr); // a copied drawing is empty until rebuilt
    }
    void Zeichnen(TDC& dc, bool upright, bool direct) {
        wand.Grafik->SetPosition(10, 10);
        wand.Grafik->PrepareDraw(dc, TRect(0, 0, 760, 560), upright, false, direct, &gg, &sg,
                                 false);
    }
};

void BM_PrepareDrawAufzeichnung(benchmark::State& state) {
    QtStarten();
    Umgebung u;
    const bool upright = state.range(0) != 0;
    for (auto _ : state) {
        TRecordingDC dc;
        u.Zeichnen(dc, upright, true);
        benchmark::DoNotOptimize(dc.Calls().size());
    }
}
BENCHMARK(BM_PrepareDrawAufzeichnung)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PrepareDrawBildschirm(benchmark::State& state) {
    QtStarten();
    Umgebung u;
    TImageDC dc(760, 560);
    for (auto _ : state) u.Zeichnen(dc, state.range(0) != 0, false);
}
BENCHMARK(BM_PrepareDrawBildschirm)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PrepareDrawDruck(benchmark::State& state) {
    QtStarten();
    Umgebung u;
    TImageDC dc(1520, 1120);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt({760, 560});
    dc.SetViewportExt({1520, 1120});
    for (auto _ : state) u.Zeichnen(dc, state.range(0) != 0, true);
}
BENCHMARK(BM_PrepareDrawDruck)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
