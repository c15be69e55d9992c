// Recovery of the autosave copy of a project made by "Neu" and never saved:
// no project file is ever opened for it, so it is offered at start and on
// "Neu" instead.
#include "korvalin/projekt/TSicherungskopieDialog.h"
#include "korvalin/shell/Begleitdateien.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektBefehle.h"
#include "korvalin/shell/ProjektOeffnung.h"
#include "korvalin/shell/Sicherungskopie.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/Directories.h"
#include "platform/base/FileLock.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <chrono>

namespace fs = std::filesystem;

UnbenannteKopie UnbenannteSicherungskopiePruefen(korpusMDIClient& client) {
    auto& k = Korpus();
    const fs::path ordner = CurrentDirectories().temp;
    LeereKopienEntfernen(ordner, fs::file_time_type::clock::now() - std::chrono::minutes(10));
    auto g = std::make_unique<TGesamtProjekt>(k.Programmverzeichnis);
    auto kopien = SicherungskopienSuchen(ordner, g->Pfad());
    // Every program's new project has this name: a running one's copy is locked.
    std::erase_if(kopien, [](const Sicherungskopie& s) {
        FileLock probe;
        return probe.Take(s.datei) == FileLock::Result::HeldElsewhere;
    });
    if (kopien.empty()) return UnbenannteKopie::Keine;
    // Each copy is the work of another session: one at a time, the others stay.
    const Sicherungskopie& kopie = kopien.front();

    uint16_t wahl[3] = {0, 0, 0};
    TSicherungskopieDialog dialog(&client, wahl, TSicherungskopieDialog::Fall::Unbenannt);
    if (dialog.Execute() != IDOK) return UnbenannteKopie::Abgebrochen;
    if (wahl[0]) {
        if (g->Oeffnen(kopie.bytes, g->Pfad()) != 0) return UnbenannteKopie::Abgebrochen;
        // The sheets left by the crashed session give way to the copy's.
        DatenblattDateienLoeschen(*g, UnbenanntBasis(), true);
        if (!SicherungskopieUebernehmen(kopie, {}, UnbenanntBasis()))
            return UnbenannteKopie::Abgebrochen;
        GerettetesProjektAnlegen(client, std::move(g));
        return UnbenannteKopie::Geoeffnet;
    }
    if (wahl[1]) {
        const std::string ziel = SicherungskopieZielWaehlen(client);
        if (ziel.empty() || !SicherungskopieUebernehmen(kopie, ziel, BegleitBasis(ziel)))
            return UnbenannteKopie::Abgebrochen;
        client.Dateidaten.fileName = ziel;
        Oeffnung().Oeffnen(ziel);
        return UnbenannteKopie::Geoeffnet;
    }
    if (wahl[2]) SicherungskopieEntfernen(kopie.datei);
    return UnbenannteKopie::Keine;
}
