#include "korvalin/shell/ProjektSpeichern.h"

#include "korvalin/projekt/AutoSicherung.h"

#include "korvalin/shell/Begleitdateien.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/FileLock.h"
#include "platform/services/MessageBox.h"
#include "platform/window/MDIChild.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/WertePruefung.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitel = "Projekt speichern";

void info(const char* text) {
    MessageBox(text, "Info", MB_OK);
}

void nichtGespeichert(const TGesamtProjekt& g) {
    MessageBox("Das Projekt konnte nicht gespeichert werden!\n" + g.LetzterFehler() +
                   "\nDie Änderungen sind noch nicht gesichert.",
               kTitel, MB_OK | MB_ICONEXCLAMATION);
}

std::vector<BearbeitungsEditor*> editorenMitAenderungen() {
    std::vector<BearbeitungsEditor*> liste;
    const auto* c = Korpus().Client;
    if (!c) return liste;
    for (const auto* art : {&c->Ansichten.BauteilEditoren, &c->Ansichten.FensterEditoren})
        for (auto* w : *art)
            if (auto* e = dynamic_cast<BearbeitungsEditor*>(w); e && e->HatProjektAenderungen())
                liste.push_back(e);
    return liste;
}

} // namespace

bool UeberschreibenErlaubt(const TGesamtProjekt& g) {
    if (!g.AufPlatteGeaendert()) return true;
    return MessageBox("Die Projekt-Datei \"" + g.Pfad().string() +
                          "\" wurde seit dem Öffnen von einem anderen Programm geändert.\n"
                          "Wenn Sie sie überschreiben, gehen dessen Änderungen verloren.\n\n"
                          "Überschreiben?",
                      kTitel, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

std::string InAnderemProgrammGeoeffnet(const fs::path& datei, const FileLock::Holder& wer) {
    return "Das Projekt \"" + datei.string() +
           "\" ist bereits in einem anderen Programm geöffnet (Rechner \"" + wer.host +
           "\", Prozess " + std::to_string(wer.pid) + ").";
}

bool ErsetzteWerteSpeichernErlaubt(const TGesamtProjekt& g) {
    const std::vector<std::string> stellen = UnbestaetigteStellen(g);
    if (stellen.empty()) return true;
    return MessageBox(ErsetzteWerteSpeichernFrage(stellen), kTitel,
                      MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

int BearbeitungenUebernehmen() {
    const auto editoren = editorenMitAenderungen();
    if (editoren.empty()) return 1;
    if (MessageBox("Es befinden sich Bauteile/Fenster in Bearbeitung. Die bereits vorgenommenen "
                   "Änderungen werden mitgespeichert. Die ursprünglichen Bauteile/Fenster werden "
                   "überschrieben!",
                   kTitel, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return 0;
    for (auto* e : editoren) e->AenderungenUebernehmen();
    return 1;
}

int ProjektSpeichern() {
    auto& k = Korpus();
    auto* g = k.AktuellesProjekt;
    if (!g) return 0;
    if (k.ProjektUnbenannt) return ProjektSpeichernUnter();
    if (!SpeicherplatzPruefen(g->Pfad(), g->Speicherbedarf())) return 0;
    MruDateiVorn(g->Pfad().string());
    if (!BearbeitungenUebernehmen()) return 0;
    if (!ErsetzteWerteSpeichernErlaubt(*g)) return 0;
    if (!UeberschreibenErlaubt(*g)) return 0;
    if (!g->Speichern()) {
        // The backups keep the state of the last save that succeeded.
        nichtGespeichert(*g);
        return 0;
    }
    const std::string basis = BegleitBasis(g->Pfad());
    if (!BackupsLoeschen(*g, basis))
        info("Sicherungskopien der Datenblatt-Dateien konnten nicht gelöscht werden");
    if (!BackupsAnlegen(*g, basis))
        info("Sicherungskopien der Datenblatt-Dateien konnten nicht angelegt werden");
    ProjektGeaendertSetzen(false);
    AutoSicherungLoeschen();
    return 1;
}

int ProjektSpeichernUnter() {
    auto& k = Korpus();
    auto* g = k.AktuellesProjekt;
    if (!g) return 0;
    const std::string alteBasis = BegleitBasis(g->Pfad());
    auto daten = k.SpeichernDaten;
    daten.fileName = g->Pfad().string();
    if (!ExecuteSaveDialog(daten)) return 0;
    k.SpeichernDaten.fileName = daten.fileName;
    if (AusgabeWindowsOffen()) {
        if (MessageBox("Alle Ausgabe-Windows werden geschlossen!\nFortfahren? ", "Speichern unter",
                       MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return 0;
        AusgabeWindowsSchliessen();
    }
    const fs::path ziel = daten.fileName;
    if (!SpeicherplatzPruefen(ziel, g->Speicherbedarf())) return 0;
    if (!BearbeitungenUebernehmen()) return 0;
    if (!ErsetzteWerteSpeichernErlaubt(*g)) return 0;
    if (ziel == g->Pfad() && !UeberschreibenErlaubt(*g)) return 0;
    // The lock moves with the project to its new name; a file another
    // program has open is overwritten only when the user says so.
    const bool neuerOrt =
        !k.ProjektSperre || k.ProjektSperre->LockPath() != FileLock::LockPathOf(ziel);
    std::shared_ptr<FileLock> neueSperre;
    if (neuerOrt) {
        neueSperre = std::make_shared<FileLock>();
        const auto r = neueSperre->Take(ziel);
        if (r == FileLock::Result::HeldElsewhere &&
            MessageBox(InAnderemProgrammGeoeffnet(ziel, neueSperre->Other()) +
                           "\nWenn Sie es überschreiben, gehen die Änderungen des anderen "
                           "Programms verloren.\n\nÜberschreiben?",
                       "Speichern unter", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
            return 0;
        if (r != FileLock::Result::Taken) neueSperre.reset();
    }
    if (!g->SpeichernAls(ziel)) {
        nichtGespeichert(*g);
        return 0;
    }
    if (neuerOrt) k.ProjektSperre = std::move(neueSperre);
    // Only a file that was written becomes a recent file.
    MruDateiVorn(ziel.string());
    ProjektdateiMelden();
    if (k.ProjektWindow) k.ProjektWindow->SetCaption(g->Pfad().string());
    ProjektGeaendertSetzen(false);
    StatusProjektAnzeigen();

    const std::string neueBasis = BegleitBasis(g->Pfad());
    // Under the same name the files are already in place, and the backups
    // just made are the ones to keep.
    const bool gleicherName = GleicheBasis(alteBasis, neueBasis);
    if (!gleicherName && !DatenblattDateienKopieren(*g, alteBasis, neueBasis))
        info("Datenblatt-Dateien konnten nicht kopiert werden");
    if (!BackupsAnlegen(*g, neueBasis))
        info("Sicherungskopien der Datenblatt-Dateien konnten nicht angelegt werden");
    if (!gleicherName && !BackupsLoeschen(*g, alteBasis))
        info("Sicherungskopien der Datenblatt-Dateien des umbenannten Projekts konnten nicht "
             "gelöscht werden");
    if (k.ProjektUnbenannt && !GleicheBasis(UnbenanntBasis(), neueBasis) &&
        !DatenblattDateienLoeschen(*g, UnbenanntBasis(), true))
        info("Dateien unbenannt.* konnten nicht entfernt werden");
    k.ProjektUnbenannt = false;
    AutoSicherungLoeschen();
    return 1;
}
