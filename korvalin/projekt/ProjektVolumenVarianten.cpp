// The project dialog's volume command and its variants manager.
#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/projekt/TVariantenManagerDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TGesamtProjekt.h"

void TProjektDialog::VolumenEingeben() {
    TProjekt* p = AktuelleVariante();
    if (!p) return;
    // The calculator works on copies: Cancel leaves the variant as it was.
    TDimVolumenListe kopien;
    const bool angelegt = p->Volumina.IsEmpty();
    if (angelegt) {
        auto erstes = std::make_unique<TDimVolumen>();
        erstes->Name = "Volumen 1";
        erstes->Nummer = 0;
        p->Volumina.Add(std::move(erstes));
    }
    DimVolumenKopieren(kopien, p->Volumina);
    TFlaechenVolumenDialog rechner(this, kopien, 0, p->Name, TFlaechenVolumenDialog::Volumen);
    if (rechner.Execute() != IDOK) {
        if (angelegt) p->Volumina.Flush();
        return;
    }
    p->Volumina = std::move(kopien);
    p->V = 0.0;
    for (const TDimVolumen& d : p->Volumina) p->V += d.Wert;
    ProjektGeaendertSetzen(true);
    p->WSchVO();
    ErgebnisseAnzeigen();
    ProjektNeuBerechnen(2, 0);
}

void TProjektDialog::VariantenManagerOeffnen() {
    // Views of the variant go before it can change under them.
    if (!ProjektFensterSchliessen()) return;
    TVariantenManagerDialog(this).Execute();
    ErgebnisseAnzeigen();
    HuellZeile = 0;
    FassadenBaumAufbauen();
    BauteilZeile = 0;
    BauteilBaumAufbauen();
    if (Korpus().ProjektGeaendert) StatusZustand(true);
    if (const TProjekt* p = AktuelleVariante()) StatusVariantenfeld(p->Name);
    SchaltflaechenAktualisieren();
}
