// One autosave of a large project (200 component types, 1,000 placed
// components, 500 placed windows; about 1.8 MB) with four data-sheet files
// beside it: the time the user interface is blocked by the timer tick.
#include "korvalin/projekt/AutoSicherung.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/base/ApplicationState.h"
#include "platform/base/Directories.h"
#include "platform/base/FileIO.h"
#include "platform/window/Window.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

void BM_AutoSicherung(benchmark::State& state) {
    std::string muster = (fs::temp_directory_path() / "autosavebench.XXXXXX").string();
    if (!::mkdtemp(muster.data())) std::abort();
    const fs::path ordner = muster;
    ScopedApplicationState zustand;
    const Directories vorher = CurrentDirectories();
    SetDirectories({ordner / "daten", ordner / "ini", ordner / "tmp", {}});
    {
        TGesamtProjekt g(ordner);
        auto p = std::make_unique<TProjekt>();
        modelltest::BeispielVariante(*p, 200, 1000, 500);
        g.ProjektHinzufuegen(std::move(p));
        g.PfadSetzen(ordner / "gross.pro");
        // Data sheets of a few pages each.
        const std::string blatt(64 * 1024, 'x');
        for (const char* endung : {".pb0", ".eb0", ".fb0", ".ini"})
            WriteFileAtomically(ordner / ("gross" + std::string(endung)), blatt);
        auto& k = Korpus();
        k.AktuellesProjekt = &g;
        k.AutoSpeichern = true;
        k.AutoSpeichernIntervall = 0; // every tick is due
        TWindow dialog(nullptr);
        AutoSicherung sicherung(dialog);
        for (auto _ : state) sicherung.EvTimer();
        state.counters["Dateigroesse"] = double(fs::file_size(sicherung.Datei()));
        sicherung.Loeschen();
        k.AktuellesProjekt = nullptr;
    }
    SetDirectories(vorher);
    fs::remove_all(ordner);
}
BENCHMARK(BM_AutoSicherung)->Unit(benchmark::kMillisecond);

} // namespace
