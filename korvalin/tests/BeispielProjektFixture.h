#pragma once
// A started program with a copy of the example project open.
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/tests/ShellFixture.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <filesystem>
#include <memory>

namespace shelltest {

struct BeispielProjekt : Programm {
    TProjekt& Projekt() { return *Korpus().AktuellesProjekt->AktuellesProjekt; }
    void ProjektOeffnen() {
        namespace fs = std::filesystem;
        Starten();
        Pump();
        const fs::path datei = dirs.Dirs().programData / "haus.pro";
        fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / "beispiel.pro", datei);
        auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
        ASSERT_EQ(g->Oeffnen(datei), 0) << g->LetzterFehler();
        ProjektSetzen(std::move(g));
    }
};

} // namespace shelltest
