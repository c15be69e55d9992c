// Opening the large project through the program: 200 component types, 1,000
// placed components and 500 placed windows on four facades, read, made the
// open project with its window and dialog, and both trees built. Closing
// again is outside the timing.
#include "bench/BenchQt.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektBefehle.h"
#include "korvalin/shell/korpusApp.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/ApplicationState.h"
#include "platform/base/Directories.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/tree/TreeControl.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A message box would wait for a user: each one ends the measurement.
class KeineMeldungen : public MessageService {
public:
    int MessageBox(std::string_view text, std::string_view, uint32_t) override {
        std::fprintf(stderr, "Meldung: %.*s\n", int(text.size()), text.data());
        std::abort();
    }
};

struct Ordner {
    fs::path pfad;
    Ordner() {
        std::string muster = (fs::temp_directory_path() / "oeffnenbench.XXXXXX").string();
        if (!::mkdtemp(muster.data())) std::abort();
        pfad = muster;
    }
    ~Ordner() { fs::remove_all(pfad); }
};

void BM_ProjektOeffnenMitBaeumen(benchmark::State& state) {
    QtStarten();
    Ordner ordner;
    ScopedApplicationState zustand;
    SetDirectories(
        {ordner.pfad / "daten", ordner.pfad / "einstellungen", ordner.pfad / "temp", {}});
    PrepareDirectories(CurrentDirectories());
    CurrentServices().messages = std::make_shared<KeineMeldungen>();
    const fs::path datei = ordner.pfad / "gross.pro";
    {
        TGesamtProjekt g(ordner.pfad);
        auto p = std::make_unique<TProjekt>();
        modelltest::BeispielVariante(*p, 200, 1000, 500);
        g.ProjektHinzufuegen(std::move(p));
        if (!g.SpeichernAls(datei)) std::abort();
    }
    korpusApp app;
    if (!app.Start()) std::abort();
    TApplication::PumpWaitingMessages();
    auto& client = *app.Client();
    for (auto _ : state) {
        client.Dateidaten.fileName = datei.string();
        ProjektOeffnenName(client);
        if (!Korpus().ProjektOffen) state.SkipWithError("nicht geöffnet");
        state.PauseTiming();
        auto* dialog = Korpus().ProjektDialog;
        for (int id : {120, 121}) {
            auto* baum = dialog ? dynamic_cast<TTreeControl*>(dialog->ChildWithId(id)) : nullptr;
            state.counters[id == 120 ? "Huellzeilen" : "Referenzzeilen"] =
                baum ? baum->GetCount() : -1;
        }
        AnsichtenSchliessen(client);
        TApplication::PumpWaitingMessages();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProjektOeffnenMitBaeumen)->Unit(benchmark::kMillisecond);

} // namespace
