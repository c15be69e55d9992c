// Opening a project file, with the hand-over of older versions to the
// old-file conversion.
#include "altwandler/ProjektKonvertierung.h"
#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/shell/Begleitdateien.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/MruList.h"
#include "korvalin/shell/ProjektBefehle.h"
#include "korvalin/shell/ProjektOeffnung.h"
#include "korvalin/shell/ProjektSpeichern.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/Sicherungskopie.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/FileLock.h"
#include "platform/services/MessageBox.h"
#include "platform/window/MDIChild.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/WertePruefung.h"

#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitel = "Projekt-Datei öffnen";

void nichtGeoeffnet() {
    MessageBox("Projekt-Datei kann nicht geöffnet werden!", kTitel, MB_OK | MB_ICONEXCLAMATION);
}

enum class Durchgang { Erster, NachKonvertierung };

// Only a name that does not exist may become a new project; a path that
// cannot be looked at (a loop of links, no permission) is an error.
enum class Pfadzustand { Fehlt, Vorhanden, Unzugaenglich };

Pfadzustand pfadzustand(const fs::path& datei, std::error_code& ec) {
    const auto status = fs::status(datei, ec);
    if (status.type() == fs::file_type::not_found) return Pfadzustand::Fehlt;
    return ec ? Pfadzustand::Unzugaenglich : Pfadzustand::Vorhanden;
}

void unzugaenglich(const fs::path& datei, const std::error_code& ec) {
    MessageBox("Projekt-Datei kann nicht geöffnet werden!\n\"" + datei.string() +
                   "\": " + std::strerror(ec.value()),
               kTitel, MB_OK | MB_ICONEXCLAMATION);
}

void oeffnen(korpusMDIClient& client, Durchgang durchgang, std::shared_ptr<FileLock> sperre = {}) {
    auto& k = Korpus();
    std::error_code ec;
    if (durchgang == Durchgang::Erster && fs::exists(client.Dateidaten.fileName, ec)) {
        const fs::path name = client.Dateidaten.fileName;
        sperre = std::make_shared<FileLock>();
        const auto r = sperre->Take(name);
        bool anderesProgramm = false;
        if (r == FileLock::Result::HeldElsewhere) {
            const FileLock::Holder h = sperre->Other();
            sperre.reset();
            if (MessageBox(InAnderemProgrammGeoeffnet(name, h) +
                               "\nSpeichern beide Programme, gehen die Änderungen des einen "
                               "verloren.\n\nTrotzdem öffnen?",
                           kTitel, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
                return;
            anderesProgramm = true;
        } else if (r == FileLock::Result::Failed) {
            sperre.reset(); // a folder without write access: opened without a lock
        }
        // An autosave copy left by a program that did not end normally; the
        // other program's copy is its own.
        std::string neuerName = name.string();
        if (!anderesProgramm && SicherungskopiePruefen(client, neuerName) != 0) return;
        if (neuerName != name.string()) {
            sperre.reset();
            sperre = std::make_shared<FileLock>();
            if (sperre->Take(neuerName) != FileLock::Result::Taken) sperre.reset();
        }
        client.Dateidaten.fileName = neuerName;
    }
    const fs::path datei = client.Dateidaten.fileName;
    const Pfadzustand zustand = pfadzustand(datei, ec);
    if (zustand == Pfadzustand::Unzugaenglich) return unzugaenglich(datei, ec);
    if (zustand == Pfadzustand::Fehlt) {
        NeuesProjektAnlegen(client);
        auto* g = k.AktuellesProjekt;
        if (!g) return;
        // The new project takes the chosen name without being written; its
        // variant stays the one the project dialog was made for.
        g->PfadSetzen(datei);
        ProjektdateiMelden();
        k.ProjektUnbenannt = false;
        ProjektGeaendertSetzen(true);
        StatusProjektAnzeigen();
        if (k.ProjektWindow) k.ProjektWindow->SetCaption(g->Pfad().string());
        return;
    }
    auto g = std::make_unique<TGesamtProjekt>(k.Programmverzeichnis);
    const int ergebnis = g->Oeffnen(datei);
    if (ergebnis == 0) {
        const std::vector<ErsetzterWert> ersetzt = g->ErsetzteWerte();
        ProjektSetzen(std::move(g));
        k.ProjektSperre = std::move(sperre);
        k.ProjektUnbenannt = false;
        // Replaced values are a change the file does not hold yet: closing asks.
        k.ProjektGeaendert = !ersetzt.empty();
        ProjektWindowAnlegen(client);
        StatusProjektAnzeigen();
        StatusZustand(k.ProjektGeaendert);
        if (!ersetzt.empty())
            MessageBox(ErsetzteWerteMeldung(ersetzt), kTitel, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (ergebnis == 1 && g->NeuereVersion())
        return (void)MessageBox(g->LetzterFehler(), kTitel, MB_OK | MB_ICONEXCLAMATION);
    const std::string grund = g->LetzterFehler();
    g.reset();
    if (ergebnis == 1) {
        // The reader knows what it met; the old words alone leave the user guessing.
        std::string text =
            "Fehler bei Projekt öffnen:\n - Zu viele Dateien offen oder\n - Falsches Datei-Format!";
        if (!grund.empty()) text += "\n\n" + grund;
        MessageBox(text, kTitel, MB_OK | MB_ICONEXCLAMATION);
        return nichtGeoeffnet();
    }
    // A file that still reads as an old version after its conversion is not
    // converted again: that would never end.
    if (ergebnis >= 2 && ergebnis <= 6 && durchgang == Durchgang::Erster) {
        // The conversion asks, makes the backup, converts, saves only what it
        // converted and shows its own messages when it fails.
        switch (ProjektKonvertieren(datei, k.Programmverzeichnis)) {
        case Konvertierung::Konvertiert:
            return oeffnen(client, Durchgang::NachKonvertierung, std::move(sperre));
        case Konvertierung::KeineAlteVersion:
            return nichtGeoeffnet();
        default:
            return;
        }
    }
    nichtGeoeffnet();
}

} // namespace

void ProjektOeffnung::Oeffnen(std::string_view datei) {
    auto* client = Korpus().Client;
    if (!client) return;
    client->Dateidaten.fileName = std::string(datei);
    ProjektOeffnenName(*client);
}

void ProjektOeffnen(korpusMDIClient& client) {
    oeffnen(client, Durchgang::Erster);
}

void ProjektOeffnenName(korpusMDIClient& client) {
    ProjektOeffnen(client);
    const auto* g = Korpus().AktuellesProjekt;
    if (!g) return;
    if (!BackupsAnlegen(*g, BegleitBasis(g->Pfad())))
        MessageBox("Sicherungskopien der Datenblatt-Dateien konnten nicht angelegt werden", "Info",
                   MB_OK);
}

bool OffenesProjektSchliessen(korpusMDIClient& client) {
    auto& k = Korpus();
    if (k.ProjektOffen && k.AktuellesProjekt &&
        MessageBox("Projekt " + k.AktuellesProjekt->GetFileName(true) + " schließen?",
                   "Projekt schließen", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    if (!AnsichtenSchliessen(client)) return false;
    if (k.AktuellesProjekt) ProjektVerwerfen();
    return true;
}

void CmProjektOeffnen(korpusMDIClient& client) {
    if (!OffenesProjektSchliessen(client)) return;
    if (!ExecuteOpenDialog(client.Dateidaten)) return;
    Oeffnung().Oeffnen(client.Dateidaten.fileName);
}

void MruProjektOeffnen(korpusMDIClient& client, int index) {
    std::string name;
    if (!Korpus().Mru || !Korpus().Mru->EintragHolen(index, false, name)) return;
    client.Dateidaten.fileName = name;
    std::error_code ec;
    if (pfadzustand(name, ec) == Pfadzustand::Fehlt) {
        if (MessageBox("Projekt existiert nicht. Ein neues Projekt anlegen?", "Projekt öffnen",
                       MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
            CmProjektNeu(client);
        return;
    }
    if (!OffenesProjektSchliessen(client)) return;
    Oeffnung().Oeffnen(name);
}

void SpeichernDatenEinrichten() {
    auto& d = Korpus().SpeichernDaten;
    d = {};
    d.flags = OFN_EXPLORER | OFN_CREATEPROMPT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY |
              OFN_OVERWRITEPROMPT;
    d.filter = "Projekt Dateien *.pro |*.pro| Alle Dateien *.* |*.*";
    d.initialDir = Korpus().Programmverzeichnis;
    d.defExt = "pro";
}

void ProjektWindowAnlegen(korpusMDIClient& client) {
    auto& k = Korpus();
    SpeichernDatenEinrichten();
    const ProjektFenster f =
        k.ProjektWindowFabrik ? k.ProjektWindowFabrik(client) : ProjektWindowErzeugen(client);
    k.ProjektWindow = f.Window;
    k.ProjektDialog = f.Dialog;
}
