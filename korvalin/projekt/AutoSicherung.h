#pragma once
// The autosave of the open project, held by the project dialog: timer 2 of
// the dialog ticks once a minute, and when the interval of the options is
// due the whole project and its companion files are written to a copy
// "QZ4..." in the temporary folder. The project file and its changed state
// are never touched. Saving and closing the project remove the copy.
#include "platform/base/FileLock.h"

#include <cstdint>
#include <filesystem>
#include <string>

class TWindow;

class AutoSicherung {
public:
    static constexpr uint32_t kTimer = 2;
    static constexpr uint32_t kTakt = 60000; // ms, one tick a minute

    // Takes the dialog's WM_TIMER and enters itself as the open project's
    // autosave (Korpus().Sicherung).
    explicit AutoSicherung(TWindow& dialog);
    // Removes the copy: the dialog goes only with its project.
    ~AutoSicherung();
    AutoSicherung(const AutoSicherung&) = delete;
    AutoSicherung& operator=(const AutoSicherung&) = delete;

    // Starts the timer when autosave is switched on; shows the message and
    // answers false when no timer is available.
    bool TimerStarten();
    void TimerStoppen();
    // One tick of timer 2.
    void EvTimer();
    // AutoSicherungLoeschen: removes the copy and its companion files.
    void Loeschen();

    // The copy's name while one exists (empty otherwise).
    const std::filesystem::path& Datei() const { return datei_; }
    uint32_t Takte() const { return takte_; }
    bool TimerLaeuft() const { return timer_; }

private:
    bool nameHolen();
    bool schreiben();
    void fehlerMelden(const std::string& text);

    TWindow& dialog_;
    uint32_t takte_ = 0;
    std::filesystem::path datei_; // made by mkstemps; kept until removed
    bool gemeldet_ = false;       // a failure was shown since the last good copy
    bool timer_ = false;
    // Held on the copy of an unnamed project: every program's new project has
    // the same name, and the lock tells a running program's copy from a lost one.
    FileLock sperre_;
};

// For the save commands: removes the open project's copy, if any.
void AutoSicherungLoeschen();
// For the options command: starts or stops the open project's timer.
bool AutoSicherungTimerStarten();
void AutoSicherungTimerStoppen();
