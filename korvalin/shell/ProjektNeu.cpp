// New, close and delete project.
#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/shell/Begleitdateien.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektBefehle.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/Sicherungskopie.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include "platform/window/MDIChild.h"

#include <algorithm>
#include <system_error>

namespace {

void info(const char* text) {
    MessageBox(text, "Info", MB_OK);
}

} // namespace

void CmProjektNeu(korpusMDIClient& client) {
    if (!OffenesProjektSchliessen(client)) return;
    if (UnbenannteSicherungskopiePruefen(client) != UnbenannteKopie::Keine) return;
    NeuesProjektAnlegen(client);
}

void GerettetesProjektAnlegen(korpusMDIClient& client, std::unique_ptr<TGesamtProjekt> g) {
    auto& k = Korpus();
    ProjektSetzen(std::move(g));
    k.ProjektUnbenannt = true;
    ProjektWindowAnlegen(client);
    // Saved nowhere but in the copy that was just taken: closing asks.
    ProjektGeaendertSetzen(true);
    StatusAktualisieren();
}

void NeuesProjektAnlegen(korpusMDIClient& client) {
    auto& k = Korpus();
    auto g = std::make_unique<TGesamtProjekt>(k.Programmverzeichnis);
    auto variante = std::make_unique<TProjekt>();
    variante->StandardFassadenAnlegen();
    g->ProjektHinzufuegen(std::move(variante));
    ProjektSetzen(std::move(g));
    k.ProjektUnbenannt = true;
    k.ProjektGeaendert = false;
    ProjektWindowAnlegen(client);
    // The settings sheet of the new project, once the dialog offers it.
    if (k.ProjektDialog) k.ProjektDialog->EvCommand(CM_EINSTELLUNGEN, 0, 0);
    // Settings entered in that sheet have changed the project already.
    StatusAktualisieren();
}

void korpusMDIClient::CmProjektSchliessen() {
    auto& k = Korpus();
    if (!k.ProjektUnbenannt && k.AktuellesProjekt)
        MruDateiVorn(k.AktuellesProjekt->Pfad().string());
    if (!AnsichtenSchliessen(*this)) return;
    StatusKeinProjekt();
}

void CmProjektLoeschen(korpusMDIClient& client) {
    auto& k = Korpus();
    if (!k.AktuellesProjekt) return;
    const std::filesystem::path datei = k.AktuellesProjekt->Pfad();
    const std::string basis = k.ProjektUnbenannt ? UnbenanntBasis() : BegleitBasis(datei);
    const bool unbenannt = k.ProjektUnbenannt;
    if (MessageBox("Projekt " + datei.filename().string() +
                       " wird gelöscht!\n Alle Projektdaten gehen verloren!",
                   "Projekt löschen", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    // The views close first, the project among them without asking to save
    // what is about to be deleted; one that refuses keeps everything.
    const bool geaendert = k.ProjektGeaendert;
    k.ProjektGeaendert = false;
    if (!AnsichtenSchliessen(client)) {
        k.ProjektGeaendert = geaendert;
        return;
    }
    if (k.AktuellesProjekt) ProjektVerwerfen();
    const TGesamtProjekt dateien(datei.parent_path());
    if (!DatenblattDateienLoeschen(dateien, basis, true))
        info("Datenblatt-Dateien konnten nicht gelöscht werden");
    if (!BackupsLoeschen(dateien, basis)) info("Datenblatt-Dateien konnten nicht gelöscht werden");
    MruDateiEntfernen(datei.string());
    std::error_code ec;
    if (!unbenannt && (std::filesystem::remove(datei, ec), ec))
        MessageBox("Die Projekt-Datei " + datei.string() + " konnte nicht gelöscht werden!",
                   "Projekt löschen", MB_OK | MB_ICONEXCLAMATION);
    ProjektGeaendertSetzen(false);
    StatusKeinProjekt();
}

bool AnsichtenSchliessen(korpusMDIClient& client) {
    auto* projektWindow = Korpus().ProjektWindow;
    auto kinder = client.MDIChildren();
    // The project window goes last: it ends the project once it agrees.
    std::stable_partition(kinder.begin(), kinder.end(),
                          [&](TMDIChild* c) { return c != projektWindow; });
    for (auto* c : kinder)
        if (!c->CanClose()) return false;
    for (auto* c : kinder) {
        c->Destroy();
        client.Condemn(c);
    }
    auto& k = Korpus();
    k.ProjektWindow = nullptr;
    k.ProjektDialog = nullptr;
    return true;
}
