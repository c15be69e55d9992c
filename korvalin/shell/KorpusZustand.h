#pragma once
// The program-wide state of the shell: the open project and its flags, the
// program directory and help files, the status bar and recent-files list,
// the options read from korpus.ini, and the interfaces through which the
// shell reaches code that arrives later. It hangs on the application state,
// so every test starts from a fresh one.
#include "platform/services/FileDialogs.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class FileLock;
class TGesamtProjekt;
class TProjekt;
class TStatusBarZeit;
struct MruList;
class KatalogZugang;
class EditorZugang;
class AusstehendeBefehle;
class AutoSicherung;
class ProjektOeffnung;
class TMDIChild;
class TWindow;
class korpusMDIClient;
struct ProjektFenster;

// The project-wide views that exist once at most; a set pointer means open.
// Each view enters itself when it is made and leaves when it is destroyed.
struct Einzelansichten {
    TWindow* WBAusweis = nullptr;
    TWindow* BtAusDatei = nullptr;
    TWindow* FnstAusDatei = nullptr;
    TWindow* ProjektDaten = nullptr;
    TWindow* EnergieDaten = nullptr;
    TWindow* MassenDaten = nullptr;
    TWindow* FassadenDaten = nullptr;
    TWindow* BauteilView = nullptr;
    TWindow* FlaechenDaten = nullptr;
    TWindow* Waermeschutz = nullptr;
    TWindow* Feuchteschutz = nullptr;
    TWindow* Vergleich1 = nullptr;
    TWindow* Vergleich2 = nullptr;
};

struct KorpusZustand {
    // The open project belongs to the state (ProjektSetzen hands it over,
    // ProjektVerwerfen deletes it); what is still open at the end goes with it.
    ~KorpusZustand();
    TGesamtProjekt* AktuellesProjekt = nullptr;
    // The lock beside the open project's file, while this program holds it.
    std::shared_ptr<FileLock> ProjektSperre;
    bool ProjektOffen = false;
    bool ProjektUnbenannt = false;
    bool ProjektGeaendert = false;
    // Set when an editor discarded its changes to a component type.
    bool BauteilDatenGeaendert = false;

    // Ends with the directory separator, so that file names can follow.
    std::string Programmverzeichnis;
    std::string HilfeDatei;     // Programmverzeichnis + "korvalin.hlp"
    std::string EnevHilfeDatei; // Programmverzeichnis + "qtx_enev.hlp"

    // While a project is open: the project window and its dialog.
    TMDIChild* ProjektWindow = nullptr;
    TWindow* ProjektDialog = nullptr;
    korpusMDIClient* Client = nullptr; // set while the client exists
    Einzelansichten Ansichten;
    // The save-as dialog data of the open project.
    TOpenSaveDialog::TData SpeichernDaten;

    TStatusBarZeit* StatusBar = nullptr; // owned by the frame
    MruList* Mru = nullptr;              // owned by the MDI client

    // korpus.ini
    bool StatuszeileAnzeigen = true;
    bool SymbolleisteAnzeigen = true;
    bool AutoSpeichern = false;
    uint32_t AutoSpeichernIntervall = 1; // minutes
    bool Banding = false;
    // The open project dialog's autosave, while it exists.
    AutoSicherung* Sicherung = nullptr;

    std::shared_ptr<KatalogZugang> Kataloge;
    std::shared_ptr<AusstehendeBefehle> Ausstehend;
    std::shared_ptr<ProjektOeffnung> Oeffnung;
    std::shared_ptr<EditorZugang> Editoren;
    // Makes the project window and dialog; tests put a stand-in here.
    std::function<ProjektFenster(korpusMDIClient&)> ProjektWindowFabrik;
};

KorpusZustand& Korpus();
// The current variant of the open project, or nullptr.
TProjekt* AktuelleVariante();
// The interfaces, with their defaults when nobody set one.
KatalogZugang& Kataloge();
AusstehendeBefehle& Ausstehend();
ProjektOeffnung& Oeffnung();
