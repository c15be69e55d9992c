#include "korvalin/shell/ProjektStatus.h"

#include "korvalin/projekt/AutoSicherung.h"

#include "hilfsmittel/layout/CurrentProjectFile.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/MruList.h"
#include "korvalin/shell/TStatusBarZeit.h"
#include "platform/base/ApplicationState.h"
#include "platform/window/Application.h"
#include "platform/window/CommandIds.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/TextGadget.h"
#include "stammwerk/modell/TGesamtProjekt.h"

namespace {

void feld(TTextGadget* TStatusBarZeit::*welches, std::string_view text) {
    if (auto* bar = Korpus().StatusBar) (bar->*welches)->SetText(text);
}

} // namespace

void MruMenueAufbauen() {
    auto* app = TApplication::Current();
    auto* frame = app ? app->GetMainWindow() : nullptr;
    if (Korpus().Mru && frame) Korpus().Mru->MenueAufbauen(frame->GetMenu(), CM_EXIT);
}

void MruDateiVorn(std::string_view name) {
    if (!Korpus().Mru) return;
    Korpus().Mru->DateiHinzufuegen(name);
    MruMenueAufbauen();
}

void MruDateiEntfernen(std::string_view name) {
    auto* mru = Korpus().Mru;
    if (!mru) return;
    for (int i = 0; i < int(mru->Fuellstand); ++i)
        if (mru->Eintraege[size_t(i)] == name) {
            mru->EintragEntfernen(i, false);
            break;
        }
    MruMenueAufbauen();
}

void ProjektSetzen(std::unique_ptr<TGesamtProjekt> projekt) {
    auto& k = Korpus();
    delete k.AktuellesProjekt;
    k.ProjektSperre.reset();
    k.AktuellesProjekt = projekt.release();
    k.ProjektOffen = k.AktuellesProjekt != nullptr;
    ProjektdateiMelden();
}

void ProjektVerwerfen() {
    auto& k = Korpus();
    // The autosave copy goes with the project it saved.
    AutoSicherungLoeschen();
    delete k.AktuellesProjekt;
    k.AktuellesProjekt = nullptr;
    k.ProjektSperre.reset();
    k.ProjektOffen = false;
    ProjektdateiMelden();
}

void ProjektdateiMelden() {
    const auto* p = Korpus().AktuellesProjekt;
    ApplicationState::Current().Get<CurrentProjectFile>().path =
        p ? p->Pfad() : std::filesystem::path();
}

void ProjektGeaendertSetzen(bool geaendert) {
    Korpus().ProjektGeaendert = geaendert;
    StatusZustand(geaendert);
}

void StatusProjektAnzeigen() {
    const auto* p = Korpus().AktuellesProjekt;
    if (!p) return StatusKeinProjekt();
    StatusProjektfeld("Projekt: " + p->GetFileName(true));
    StatusVariantenfeld(p->AktuellesProjekt ? p->AktuellesProjekt->Name : std::string());
}

void StatusKeinProjekt() {
    StatusProjektfeld("Kein Projekt offen");
    StatusVariantenfeld("");
}

void StatusProjektfeld(std::string_view text) {
    feld(&TStatusBarZeit::Projektfeld, text);
}
void StatusVariantenfeld(std::string_view text) {
    feld(&TStatusBarZeit::Variantenfeld, text);
}
void StatusZustand(bool geaendert) {
    feld(&TStatusBarZeit::Zustandsfeld, geaendert ? "Geändert" : "Nicht geändert");
}

void StatusAktualisieren() {
    const auto& k = Korpus();
    if (k.ProjektOffen && k.AktuellesProjekt) {
        StatusProjektAnzeigen();
        StatusZustand(k.ProjektGeaendert);
    } else {
        StatusKeinProjekt();
        StatusZustand(false);
    }
}
