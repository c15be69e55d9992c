// Every printed number of the data sheets goes through QTX_sprintf; it should
// cost no more than twice the C library's own conversion.
#include "hilfsmittel/Formatter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kValues = 1000000;

const std::vector<double>& values() {
    static const std::vector<double> v = [] {
        std::vector<double> r(kValues);
        for (int i = 0; i < kValues; ++i) r[i] = (i - kValues / 2) * 12.3456789 + i * 1e-3;
        return r;
    }();
    return v;
}

void BM_QtxSprintf(benchmark::State& state) {
    char text[64];
    for (auto _ : state)
        for (double v : values()) {
            QTX_sprintf(text, "%3.2lf", v);
            benchmark::DoNotOptimize(text);
        }
    state.SetItemsProcessed(int64_t(state.iterations()) * kValues);
}
BENCHMARK(BM_QtxSprintf)->Unit(benchmark::kMillisecond);

void BM_Snprintf(benchmark::State& state) {
    char text[64];
    for (auto _ : state)
        for (double v : values()) {
            std::snprintf(text, sizeof text, "%3.2lf", v);
            benchmark::DoNotOptimize(text);
        }
    state.SetItemsProcessed(int64_t(state.iterations()) * kValues);
}
BENCHMARK(BM_Snprintf)->Unit(benchmark::kMillisecond);

} // namespace
