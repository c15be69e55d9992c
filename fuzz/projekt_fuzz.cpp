// The project reader takes any bytes: a file it accepts saves and reads back
// to a file of the same size, and its records can be computed and edited.
// (Same size, not the same bytes: layers of equal number swap places on
// every reading, as the list rule of the layers has it.)
#include "stammwerk/modell/TGesamtProjekt.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TGesamtProjekt g("/nicht/da");
    const int r = g.Oeffnen(std::span(data, size), "fuzz.pro");
    if (r != 0) {
        if (!g.Projekte.IsEmpty() || g.AktuellesProjekt) std::abort();
        return 0;
    }
    const auto bild = g.Dateibild();
    TGesamtProjekt h("/nicht/da");
    if (h.Oeffnen(bild, "fuzz.pro") != 0) std::abort();
    if (h.Dateibild().size() != bild.size()) std::abort();

    for (TProjekt& p : h.Projekte) {
        (void)p.Speicherbedarf();
        for (TPFenster& f : p.PFenster)
            f.Berechnen(p.Baumassnahme, p.NormaleInnentemperatur, p.WestAnsatz, p.Zusatzpruefung,
                        p.Fugenkoeffizient_max);
        for (TPBauteil& b : p.PBauteile) b.WSchVO(p.NormaleInnentemperatur);
        for (TFassade& f : p.Fassaden)
            f.GroessenBerechnen(&p.PBauteile, &p.PFenster, p.Baumassnahme, p.NormaleInnentemperatur,
                                p.WestAnsatz, p.Zusatzpruefung, p.Fugenkoeffizient_max);
        if (!p.Fassaden.IsEmpty()) p.FassadeKopieren(&p.Fassaden[0]);
        if (!p.PBauteile.IsEmpty()) p.FlaecheBerechnen(&p.PBauteile[0]);
        if (!p.PBauteile.IsEmpty()) p.PBauteilLoeschen(int16_t(p.PBauteile[0].Nummer), 1);
        if (!p.RFenster.IsEmpty()) p.RFensterLoeschen(p.RFenster[0].Nummer);
        if (!p.Fassaden.IsEmpty()) p.FassadeLoeschen(&p.Fassaden[0]);
    }
    if (h.Projekte.GetItemsInContainer() > 0) {
        h.ProjektKopieren(0);
        h.ProjektLoeschen(h.Projekte[0].Nummer);
    }
    (void)h.Dateibild();
    return 0;
}
