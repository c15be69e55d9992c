// Opening a user catalogue of 20,000 entries (materials, windows): the file
// is in key order, the names (a tenth with umlauts) in no order, so that both the list and the
// name index are sorted as they read. Aim: under 50 ms each.
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TFensterDatei.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
constexpr int kEintraege = 20000;

// The catalogues of one run, removed when the program ends.
struct Ordner {
    fs::path pfad = fs::temp_directory_path() / ("katalog_bench_" + std::to_string(::getpid()));
    Ordner() { fs::create_directories(pfad); }
    ~Ordner() {
        std::error_code ec;
        fs::remove_all(pfad, ec);
    }
};

const fs::path& ordner() {
    static const Ordner dir;
    return dir.pfad;
}

template <class T>
void schreiben(const fs::path& datei, int16_t typ) {
    ByteWriter w;
    TDateiKopf(typ).Schreiben(w);
    w.WriteI32(kEintraege - 1);
    std::mt19937 zufall(7);
    for (int i = 0; i < kEintraege; ++i) {
        T t;
        // Every tenth name with an umlaut, as German catalogues have them.
        t.Name = (i % 10 ? "Eintrag " : "Mörtel ") + std::to_string(zufall() % 1000000);
        t.Schluessel.Katalog = 2;
        t.Schluessel.Gruppe = uint16_t(1 + i / 1000);
        t.Schluessel.Position = uint16_t(i % 1000);
        t.Schluessel.Nummer = i;
        t.Speichern(w);
    }
    if (!WriteFileAtomically(datei, w.Bytes())) std::abort();
}

void BM_BaustoffkatalogOeffnen(benchmark::State& state) {
    schreiben<TBaustoff>(ordner() / "bs_anw.dat", DateiTypBaustoffeAnwender);
    for (auto _ : state) {
        TBaustoffDatei d(ordner());
        if (d.Oeffnen(2) != 0 || d.Baustoffe().GetItemsInContainer() != kEintraege) std::abort();
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_BaustoffkatalogOeffnen)->Unit(benchmark::kMillisecond);

void BM_FensterkatalogOeffnen(benchmark::State& state) {
    schreiben<TRFenster>(ordner() / "fnst_anw.dat", DateiTypFensterAnwender);
    for (auto _ : state) {
        TFensterDatei d(ordner());
        if (d.Oeffnen(2) != 0 || d.Liste().GetItemsInContainer() != kEintraege) std::abort();
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_FensterkatalogOeffnen)->Unit(benchmark::kMillisecond);

} // namespace
