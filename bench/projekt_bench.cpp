// Opening and saving a large project: 200 component types, 1,000 placed
// components and 500 placed windows on four facades.
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

struct GrossesProjekt {
    std::filesystem::path ordner;
    std::filesystem::path datei;
    GrossesProjekt() {
        std::string muster =
            (std::filesystem::temp_directory_path() / "projektbench.XXXXXX").string();
        if (!::mkdtemp(muster.data())) std::abort();
        ordner = muster;
        datei = ordner / "gross.pro";
        TGesamtProjekt g(ordner);
        auto p = std::make_unique<TProjekt>();
        modelltest::BeispielVariante(*p, 200, 1000, 500);
        g.ProjektHinzufuegen(std::move(p));
        if (!g.SpeichernAls(datei)) std::abort();
    }
    ~GrossesProjekt() { std::filesystem::remove_all(ordner); }
};

const GrossesProjekt& projekt() {
    static GrossesProjekt p;
    return p;
}

void BM_ProjektOeffnen(benchmark::State& state) {
    const auto& p = projekt();
    for (auto _ : state) {
        TGesamtProjekt g(p.ordner);
        if (g.Oeffnen(p.datei) != 0) state.SkipWithError("nicht gelesen");
        benchmark::DoNotOptimize(g.Projekte.GetItemsInContainer());
    }
    state.counters["Dateigroesse"] = double(std::filesystem::file_size(p.datei));
}
BENCHMARK(BM_ProjektOeffnen)->Unit(benchmark::kMillisecond);

// Saving writes a temporary file, syncs it to disk and renames it.
void BM_ProjektSpeichern(benchmark::State& state) {
    const auto& p = projekt();
    TGesamtProjekt g(p.ordner);
    if (g.Oeffnen(p.datei) != 0) state.SkipWithError("nicht gelesen");
    for (auto _ : state)
        if (!g.Speichern(p.ordner / "kopie.pro")) state.SkipWithError("nicht gespeichert");
}
BENCHMARK(BM_ProjektSpeichern)->Unit(benchmark::kMillisecond);

// The same without the disk: building the bytes only.
void BM_ProjektDateibild(benchmark::State& state) {
    const auto& p = projekt();
    TGesamtProjekt g(p.ordner);
    if (g.Oeffnen(p.datei) != 0) state.SkipWithError("nicht gelesen");
    for (auto _ : state) benchmark::DoNotOptimize(g.Dateibild().size());
}
BENCHMARK(BM_ProjektDateibild)->Unit(benchmark::kMillisecond);

} // namespace
