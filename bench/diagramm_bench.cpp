// The Glaser diagram is painted at every repaint of its window and of the
// data sheets that show it: a twelve-layer wall with the case line and the
// formulas, into the image DC of the screen (aim: 2 ms) and into the
// recording DC (layout and call overhead only).
#include "bench/BenchQt.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/gdi/ReferenceScreen.h"
#include "stammwerk/tests/GrafikWand.h"
#include "tauplot/diagramm/TBauteilGlaser.h"

#include <benchmark/benchmark.h>

namespace {

struct Umgebung {
    TBtGrafikGroessen gg;
    TBtTextGroessen tg;
    TUnterlegungsGroessen ug;
    TRBauteil bauteil;
    TBauteilGlaser glaser{&gg, &tg, &ug};
    Umgebung() {
        ug.Unterlegungsfarbe.fill(TColor(225, 225, 225));
        bauteil.Name = "Außenwand";
        bauteil.Nummer = 1;
        TEinfachBauteil w = ZwoelfschichtWand();
        w.Nummer = 0;
        bauteil.Flaechenanteile.Add(w);
    }
    void Zeichnen(TDC& dc) {
        TRect r(20, 15, 972, 768);
        glaser.PaintGlaser(dc, r, &bauteil, 0, "Musterhaus", &gg, &tg, &ug, 0, 1);
    }
};

void BM_GlaserBild(benchmark::State& state) {
    QtStarten();
    Umgebung u;
    TImageDC dc(kReferenceScreenSize.cx, kReferenceScreenSize.cy);
    for (auto _ : state) u.Zeichnen(dc);
}
BENCHMARK(BM_GlaserBild)->Unit(benchmark::kMicrosecond);

void BM_GlaserAufzeichnung(benchmark::State& state) {
    QtStarten();
    Umgebung u;
    for (auto _ : state) {
        TRecordingDC dc(TMetricMode::Real, ReferenceScreenCaps());
        u.Zeichnen(dc);
        benchmark::DoNotOptimize(dc.Calls().size());
    }
}
BENCHMARK(BM_GlaserAufzeichnung)->Unit(benchmark::kMicrosecond);

} // namespace
