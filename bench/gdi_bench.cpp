// Data sheets draw thousands of text runs and lines per page, on every
// repaint and again for printing: recording and painting must stay cheap.
#include "bench/BenchQt.h"
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/RecordingDC.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// 10,000 text runs and 10,000 lines on a mapped page, as a long data sheet draws them.
void DrawSheet(TDC& dc) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({891, 1260});
    dc.SetViewportExt({1782, 2520});
    dc.SelectObject(TFont("Arial", -10));
    for (int i = 0; i < 10000; ++i) {
        const int x = 20 + (i % 8) * 100, y = 20 + (i / 8) % 120 * 10;
        dc.TextOut(x, y, "Wärmedurchlass 0,123");
        dc.MoveTo(x, y + 9);
        dc.LineTo(x + 95, y + 9);
    }
}

// Argument 0: fake metrics, 1: real font metrics.
void BM_Record(benchmark::State& state) {
    QtStarten();
    const TMetricMode mode = state.range(0) ? TMetricMode::Real : TMetricMode::Fake;
    for (auto _ : state) {
        TRecordingDC dc(mode);
        DrawSheet(dc);
        benchmark::DoNotOptimize(dc.Calls().size());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 20000);
}
BENCHMARK(BM_Record)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PaintToImage(benchmark::State& state) {
    QtStarten();
    for (auto _ : state) {
        TImageDC dc(1782, 2520, 192);
        DrawSheet(dc);
        benchmark::DoNotOptimize(dc.GetPixels().GetPixel(100, 100));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 20000);
}
BENCHMARK(BM_PaintToImage)->Unit(benchmark::kMillisecond);

} // namespace
