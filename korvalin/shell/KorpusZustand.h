#pragma once
// The program-wide state of the shell: the open project and its flags, the
// program directory and help files, the status bar and recent-files list,
// the options read from korpus.ini, and the interfaces through which the
// shell reaches code that arrives later. It hangs on the application state,
// so every test starts from a fresh one.
#include <cstdint>
#include <memory>
#include <string>

class TGesamtProjekt;
class TStatusBarZeit;
struct MruList;
class KatalogZugang;
class AusstehendeBefehle;
class ProjektOeffnung;

struct KorpusZustand {
    TGesamtProjekt* AktuellesProjekt = nullptr;
    bool ProjektOffen = false;
    bool ProjektUnbenannt = false;
    bool ProjektGeaendert = false;

    // Ends with the directory separator, so that file names can follow.
    std::string Programmverzeichnis;
    std::string HilfeDatei;     // Programmverzeichnis + "korvalin.hlp"
    std::string EnevHilfeDatei; // Programmverzeichnis + "qtx_enev.hlp"

    TStatusBarZeit* StatusBar = nullptr; // owned by the frame
    MruList* Mru = nullptr;              // owned by the MDI client

    // korpus.ini
    bool StatuszeileAnzeigen = true;
    bool SymbolleisteAnzeigen = true;
    bool AutoSpeichern = false;
    uint32_t AutoSpeichernIntervall = 1; // minutes
    bool Banding = false;

    std::shared_ptr<KatalogZugang> Kataloge;
    std::shared_ptr<AusstehendeBefehle> Ausstehend;
    std::shared_ptr<ProjektOeffnung> Oeffnung;
};

KorpusZustand& Korpus();
// The interfaces, with their defaults when nobody set one.
KatalogZugang& Kataloge();
AusstehendeBefehle& Ausstehend();
ProjektOeffnung& Oeffnung();
