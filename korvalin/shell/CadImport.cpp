// The CAD import: the transfer file that a CAD program leaves beside the
// project adds or updates the components and windows it names.
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/window/MDIChild.h"
#include "stammwerk/modell/TCADBauteilDaten.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <string_view>

namespace {

constexpr const char* kTitel = "CAD-Daten importieren";
constexpr uint32_t kWarnung = MB_OK | MB_ICONEXCLAMATION;
// The transfer file is text of a few lines per element.
constexpr size_t kGrenze = size_t(16) * 1024 * 1024;

std::vector<uint8_t> bild(const TProjekt& p) {
    ByteWriter out;
    p.Speichern(out);
    return out.Take();
}

std::string zeilen(const std::vector<TCADMeldung>& meldungen) {
    std::string text;
    for (const auto& m : meldungen) text += "\nZeile " + std::to_string(m.Zeile) + ": " + m.Text;
    return text;
}

// The reader leaves its facade even when the file brought nothing to it;
// a facade that holds windows only is kept with them.
void leereFassadeEntfernen(TProjekt& p, size_t fassadenVorher) {
    const size_t n = p.Fassaden.GetItemsInContainer();
    if (n <= fassadenVorher) return;
    const TFassade* letzte = &p.Fassaden[n - 1];
    if (letzte->Elemente.GetItemsInContainer() != 0) return;
    p.Fassaden.Detach([letzte](const TFassade& f) { return &f == letzte; });
}

void nachrechnen(TProjekt& p) {
    auto& e = Korpus().Ansichten;
    AnsichtSchliessen(e.FlaechenDaten);
    AnsichtSchliessen(e.Waermeschutz);
    for (TFassade& f : p.Fassaden)
        f.GroessenBerechnen(&p.PBauteile, &p.PFenster, p.Baumassnahme, p.NormaleInnentemperatur,
                            p.WestAnsatz, p.Zusatzpruefung, p.Fugenkoeffizient_max);
    p.WSchVO();
    ProjektGeaendertSetzen(true);
    // The project window rebuilds its trees and results before the message.
    if (auto* w = Korpus().ProjektWindow) w->SendMessage(WM_PROJEKT_AKTUALISIEREN, 2, 0);
    ProjektNeuBerechnen(2, 0);
}

} // namespace

void korpusMDIClient::CMProjektImport() {
    auto& k = Korpus();
    TProjekt* p = AktuelleVariante();
    if (!p || !k.AktuellesProjekt) return;
    if (MessageBox(
            "In das Projekt werden Bauteile aus CAD-Programm importiert! Bereits importierte "
            "Bauteile können dadurch geändert werden.\nFortfahren?",
            kTitel, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const auto datei = ReadWholeFile(k.AktuellesProjekt->GetProjektPfad() + "divarod.txt", kGrenze);
    if (!datei.ok) {
        MessageBox("CAD-TransferDatei konnte nicht geöffnet werden", kTitel, kWarnung);
        return;
    }
    const std::vector<uint8_t> vorher = bild(*p);
    const size_t fassaden = p->Fassaden.GetItemsInContainer();
    std::vector<TCADMeldung> meldungen;
    const int ergebnis = p->CADTransferDateiLesen(
        std::string_view(reinterpret_cast<const char*>(datei.bytes.data()), datei.bytes.size()),
        &meldungen);
    // What was read before a faulty line stays, as after a clean read.
    leereFassadeEntfernen(*p, fassaden);
    if (bild(*p) != vorher) nachrechnen(*p);
    if (ergebnis == 0)
        MessageBox("CAD-Bauteile wurden erfolgreich importiert.", kTitel, kWarnung);
    else if (ergebnis == 2)
        MessageBox("CAD-Bauteile wurden importiert. Nicht übernommen:" + zeilen(meldungen), kTitel,
                   kWarnung);
    else
        MessageBox("Fehler in der CAD-TransferDatei, das Lesen wurde abgebrochen:" +
                       zeilen(meldungen) + "\nDie Zeilen davor wurden übernommen.",
                   kTitel, kWarnung);
}
