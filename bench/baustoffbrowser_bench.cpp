// Refilling the material catalogue window after a filter change, over a
// catalogue of 3,000 materials in 8 groups: every material is tested and
// the listed ones get their nine cells. Aim: at most 30 ms.
#include "bench/BenchQt.h"
#include "korvalin/bauteil/TBaustoffDialog.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/ApplicationState.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ListBox.h"
#include "stammwerk/modell/TBaustoffDatei.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

class EinKatalog : public KatalogZugang {
public:
    explicit EinKatalog(TBaustoffDatei& d) : d_(d) {}
    int Oeffnen(KatalogArt, int) override { return 0; }
    TBaustoffDatei* Baustoffe() override { return &d_; }

private:
    TBaustoffDatei& d_;
};

void BM_BaustoffListeNachFilter(benchmark::State& state) {
    QtStarten();
    ScopedApplicationState zustand;
    const auto ordner = std::filesystem::temp_directory_path() / "baustoffbrowser_bench";
    std::filesystem::create_directories(ordner);
    std::filesystem::remove(ordner / "bs_din.dat");
    TBaustoffDatei katalog(ordner);
    std::vector<std::unique_ptr<TBaustoff>> baustoffe;
    for (int i = 0; i < 3000; ++i) {
        auto b = std::make_unique<TBaustoff>();
        b->Name = "Baustoff " + std::to_string(i * 7919 % 3000);
        b->Texte[0] = "Hersteller " + std::to_string(i % 17);
        b->Schluessel.Gruppe = uint16_t(1 + i % 8);
        b->Schluessel.Untergruppe = 0;
        b->Schluessel.Position = uint16_t(i / 8);
        b->Schluessel.Nummer = i;
        b->Lambda = 0.03 + 0.001 * (i % 50);
        b->Mu = 5;
        b->Zusatzwert1 = 10;
        b->Rohdichte = 100 + i % 2000;
        b->Schichtdicke = 100;
        baustoffe.push_back(std::move(b));
    }
    if (!katalog.AltbestandUebernehmen(0, std::move(baustoffe), 2999)) {
        state.SkipWithError("catalogue not written");
        return;
    }
    Korpus().Kataloge = std::make_shared<EinKatalog>(katalog);
    {
        TBaustoffDialog dialog(nullptr);
        dialog.Create();
        auto* gruppen = dialog.Item<TListBox>(TBaustoffBasisDialog::IDC_GRUPPEN);
        int g = 0;
        for (auto _ : state) {
            g = g == 0 ? 5 : 0; // all 3,000, then one group
            gruppen->SetSelIndex(g);
            gruppen->NotifyParent(LBN_SELCHANGE);
        }
        state.counters["Zeilen"] = dialog.Liste()->GetCount();
        dialog.Destroy();
    }
    Korpus().Kataloge.reset();
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_BaustoffListeNachFilter)->Unit(benchmark::kMillisecond);

} // namespace
