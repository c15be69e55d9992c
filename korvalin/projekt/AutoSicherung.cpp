#include "korvalin/projekt/AutoSicherung.h"

#include "korvalin/shell/Begleitdateien.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TStatusBarZeit.h"
#include "platform/base/Directories.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Cursor.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kEndung = ".tmp";

} // namespace

AutoSicherung::AutoSicherung(TWindow& dialog) : dialog_(dialog) {
    dialog_.Responses().Message(WM_TIMER, [this](WPARAM id, LPARAM) {
        if (id == kTimer) EvTimer();
        return TResult(0);
    });
    Korpus().Sicherung = this;
}

AutoSicherung::~AutoSicherung() {
    dialog_.Responses().Message(WM_TIMER, [](WPARAM, LPARAM) { return TResult(0); });
    dialog_.KillTimer(kTimer);
    Loeschen();
    if (Korpus().Sicherung == this) Korpus().Sicherung = nullptr;
}

bool AutoSicherung::TimerStarten() {
    if (!Korpus().AutoSpeichern) return true;
    takte_ = 0;
    timer_ = dialog_.SetTimer(kTimer, kTakt);
    if (timer_) return true;
    MessageBox("Kein Windows Zeitgeber verfügbar, automatisches Speichern ist nicht aktiv!", "",
               MB_OK);
    return false;
}

void AutoSicherung::TimerStoppen() {
    dialog_.KillTimer(kTimer);
    timer_ = false;
}

void AutoSicherung::fehlerMelden(const std::string& text) {
    // Once until the next good copy: the timer would repeat it every minute.
    if (gemeldet_) return;
    gemeldet_ = true;
    MessageBox(text, "", MB_OK | MB_ICONEXCLAMATION);
}

bool AutoSicherung::nameHolen() {
    if (!datei_.empty()) {
        std::error_code ec;
        if (fs::is_regular_file(datei_, ec)) return true;
        datei_.clear(); // removed behind our back: a new name follows
        sperre_.Release();
    }
    const fs::path ordner = CurrentDirectories().temp;
    std::error_code ec;
    fs::create_directories(ordner, ec);
    std::string muster = (ordner / ("QZ4XXXXXX" + std::string(kEndung))).string();
    const int fd = ::mkstemps(muster.data(), int(std::string_view(kEndung).size()));
    if (fd < 0) return false;
    ::close(fd);
    datei_ = muster;
    if (Korpus().ProjektUnbenannt) sperre_.Take(datei_);
    return true;
}

bool AutoSicherung::schreiben() {
    TGesamtProjekt& g = *Korpus().AktuellesProjekt;
    // Speichern writes beside and renames: a failed write keeps the last copy.
    if (!g.Speichern(datei_)) {
        fehlerMelden("Die Sicherungskopie konnte nicht geschrieben werden!\n" + g.LetzterFehler() +
                     "\nDie letzte Sicherungskopie bleibt erhalten.");
        return false;
    }
    // The sheets of variants that are gone must not come back with a recovery.
    const std::string basis = BegleitBasis(datei_);
    if (!DatenblattDateienLoeschen(g, basis, true) ||
        !DatenblattDateienKopieren(g, BegleitBasis(g.Pfad()), basis)) {
        fehlerMelden("Die Datenblatt-Dateien konnten nicht in die Sicherungskopie übernommen "
                     "werden.");
        return false;
    }
    return true;
}

void AutoSicherung::EvTimer() {
    auto& k = Korpus();
    ++takte_;
    if (k.AutoSpeichernIntervall > takte_) return;
    if (!k.AktuellesProjekt) return;
    if (!nameHolen()) {
        fehlerMelden("Temporäre Datei konnte nicht angelegt werden");
        takte_ = 0;
        return;
    }
    std::string status;
    if (k.StatusBar) {
        status = k.StatusBar->GetText();
        k.StatusBar->SetText("Automatisches Speichern");
    }
    const TCursor warten(TCursor::Wait), pfeil(TCursor::Arrow);
    dialog_.SetCursor(&warten);
    if (schreiben()) gemeldet_ = false;
    dialog_.SetCursor(&pfeil);
    if (k.StatusBar) k.StatusBar->SetText(status);
    takte_ = 0;
}

void AutoSicherung::Loeschen() {
    if (datei_.empty()) return;
    std::error_code ec;
    fs::remove(datei_, ec);
    // Deletion failures are left: the copy is the user's to recover or remove.
    TGesamtProjekt ohne(datei_.parent_path());
    DatenblattDateienLoeschen(ohne, BegleitBasis(datei_), true);
    datei_.clear();
    sperre_.Release();
}

void AutoSicherungLoeschen() {
    if (auto* s = Korpus().Sicherung) s->Loeschen();
}

bool AutoSicherungTimerStarten() {
    auto* s = Korpus().Sicherung;
    return !s || s->TimerStarten();
}

void AutoSicherungTimerStoppen() {
    if (auto* s = Korpus().Sicherung) s->TimerStoppen();
}
