// Storing a component or window type of the project in the user's catalogue.
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/Speicherplatz.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

constexpr uint16_t kAnwenderDatei = 2;
constexpr const char* kTitel = "Bauteil/Fenster in Datei speichern";
constexpr uint32_t kHinweis = MB_OK | MB_ICONEXCLAMATION;

// A catalogue entry belongs to no project: no facade, no placements.
template <class T>
void alsKatalogeintrag(T& t, uint16_t gruppe) {
    t.Schluessel.Katalog = kAnwenderDatei;
    t.Schluessel.Gruppe = gruppe;
    t.Schluessel.Untergruppe = 0;
    t.Schluessel.Position = 0;
    t.Nummer = 0xFFFF;
}

template <class T, class Datei>
void speichern(std::unique_ptr<T> kopie, Datei* datei, const char* art) {
    const std::string wort = art;
    if (!datei || !datei->Einfuegen(kopie)) {
        const std::string grund = datei ? datei->LetzterFehler() : "Keine Anwender-Datei geöffnet.";
        MessageBox(wort + " wurde nicht gespeichert!\n" + grund, wort + " in Datei speichern",
                   kHinweis);
        return;
    }
    MessageBox(wort + " wurde in die Anwender-Datei gespeichert!", wort + " in Datei speichern",
               kHinweis);
}

} // namespace

void TProjektDialog::InDateiSpeichern() {
    if (HuellBaumAktiv) {
        if (AuswahlPBauteil && AuswahlPBauteil->RBauteil)
            BauteilInDateiSpeichern(*AuswahlPBauteil->RBauteil);
        else if (AuswahlPFenster && AuswahlPFenster->RFenster)
            FensterInDateiSpeichern(*AuswahlPFenster->RFenster);
        else if (AuswahlFassade)
            MessageBox(
                "Speichern nicht möglich.\nSie haben eine Fassade ausgewählt. Wählen Sie ein "
                "Bauteil oder ein Fenster aus!",
                kTitel, kHinweis);
        else
            MessageBox("Keine Projekt-Bauteile / Fenster vorhanden!", kTitel, kHinweis);
        return;
    }
    if (AuswahlRBauteil)
        BauteilInDateiSpeichern(*AuswahlRBauteil);
    else if (AuswahlRFenster)
        FensterInDateiSpeichern(*AuswahlRFenster);
    else if (AuswahlGruppe >= 0)
        MessageBox("Speichern nicht möglich.\nSie haben einen Oberbegriff ausgewählt. Wählen Sie "
                   "ein Bauteil oder ein Fenster aus!",
                   kTitel, kHinweis);
    else
        MessageBox("Keine Referenz-Bauteile / Fenster vorhanden!", kTitel, kHinweis);
}

void TProjektDialog::BauteilInDateiSpeichern(const TRBauteil& typ) {
    auto kopie = std::make_unique<TRBauteil>(typ);
    const auto name = Input().InputBox("Bauteil in Bauteil-Datei speichern", "Bauteilname",
                                       kopie->Name, kNamenLaenge);
    if (!name) return;
    kopie->Name = Gekuerzt(*name, kNamenLaenge);
    if (!PruefeSpeicherplatz(kopie->Speicherbedarf() + 512, "Bauteil einfügen")) return;
    // Kinds 0 and 1 are group 1, 2..6 their own, 7..9 group 7.
    const int gruppe = TBauteilDatei::GruppeDerBauteilart(kopie->Bauteilart);
    alsKatalogeintrag(*kopie, uint16_t(gruppe < 0 ? 7 : gruppe));
    kopie->PBauteilListe.Flush();
    speichern(std::move(kopie), Kataloge().Bauteile(), "Bauteil");
}

void TProjektDialog::FensterInDateiSpeichern(const TRFenster& typ) {
    auto kopie = std::make_unique<TRFenster>(typ);
    const auto name = Input().InputBox("Fenster in Fenster-Datei speichern", "Fenstername",
                                       kopie->Name, kNamenLaenge);
    if (!name) return;
    kopie->Name = Gekuerzt(*name, kNamenLaenge);
    if (!PruefeSpeicherplatz(kopie->Speicherbedarf() + 512, "Fenster einfügen")) return;
    alsKatalogeintrag(*kopie, 0);
    kopie->PFensterListe.Flush();
    speichern(std::move(kopie), Kataloge().Fenster(), "Fenster");
}
