#include "korvalin/datenblatt/NachweisBefehl.h"

#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/TLayoutDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TProjekt.h"

#include <cstdio>

NachweisFenster& Nachweisfenster() {
    static NachweisFenster fenster;
    return fenster;
}

namespace {

const char* const kWaermeschutz = "Wärmeschutznachweis anzeigen";

std::string werteFehlen(const TProjekt& p, const char* schluss) {
    char text[400];
    std::snprintf(text, sizeof text, "%s%10.2lf%s%s%10.2lf%s", "Werte fehlen! \n Volumen = ", p.V,
                  " m³", "\n Außenfläche = ", p.A_Bauteile + p.A_Fenster, schluss);
    return text;
}

const char* const kKeineBauteile =
    "Keine Projekt-Bauteile angelegt! \n\n Berechnung konnte nicht durchgeführt werden!";

// The chosen rows as numbers: components first in the list, then windows.
NachweisAuftrag auftrag(const TProjekt& p, const std::vector<int>& auswahl, bool projekt) {
    NachweisAuftrag a;
    const int n =
        int(projekt ? p.PBauteile.GetItemsInContainer() : p.RBauteile.GetItemsInContainer());
    const int m =
        int(projekt ? p.PFenster.GetItemsInContainer() : p.RFenster.GetItemsInContainer());
    auto& q = const_cast<TProjekt&>(p);
    for (int i : auswahl) {
        if (i >= 0 && i < n) {
            TRBauteil* t = projekt ? q.PBauteile[size_t(i)].RBauteil : &q.RBauteile[size_t(i)];
            if (t) a.Bauteile.push_back(t);
        } else if (i >= n && i < n + m) {
            TRFenster* f =
                projekt ? q.PFenster[size_t(i - n)].RFenster : &q.RFenster[size_t(i - n)];
            if (f) a.Fenster.push_back(f);
        }
    }
    return a;
}

// The project checks of the heat-protection proof; false: refused or cancelled.
bool waermeschutzMoeglich(const TProjekt& p) {
    if (!p.CanStartWSchVO()) {
        if (p.PBauteile.IsEmpty())
            MessageBox(kKeineBauteile, kWaermeschutz, MB_OK | MB_ICONEXCLAMATION);
        else
            MessageBox(werteFehlen(p, " m²\n Berechnung konnte nicht durchgeführt werden!"),
                       kWaermeschutz, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (p.Baumassnahme != 2 && p.KleinesWohngebaeude && p.V < 0.01 && p.NormaleInnentemperatur)
        return MessageBox(werteFehlen(p, " m²\n Nur Berechnung nach dem Bauteilverfahren "
                                         "möglich!\n "),
                          kWaermeschutz, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
    return true;
}

template <class Fenster>
void oeffnen(const char* titel, int art, const NachweisAuftrag& a) {
    korpusMDIClient* client = Korpus().Client;
    if (!client) return;
    AnsichtZeigen(new Fenster(*client, titel, art, a.Umfang, a.Bauteile, a.Fenster));
}

} // namespace

void NachweiseAnzeigen(TWindow* eltern, TLayoutDialogStruct& auswahl) {
    TProjekt* p = AktuelleVariante();
    if (!p) return;
    std::vector<int> zeilen;
    {
        TLayoutDialog dialog(eltern, &auswahl);
        if (dialog.Execute() != IDOK) return;
        // Every chosen row; the dialog's list has as many as the variant.
        zeilen = dialog.Auswahl;
    }
    const bool projekt = Datenblaetter().NachweisProjektbauteile;

    bool waermeschutz = false, feuchte = false;
    if (auswahl.Waermeschutz) waermeschutz = waermeschutzMoeglich(*p);
    if (auswahl.Feuchte) {
        if (p->PBauteile.IsEmpty())
            MessageBox(kKeineBauteile, "Feuchteschutznachweis für alle Bauteile",
                       MB_OK | MB_ICONEXCLAMATION);
        else
            feuchte = true;
    }
    if (!waermeschutz && !feuchte) return;

    NachweisFenster& f = Nachweisfenster();
    if (f.Schliessen) {
        f.Schliessen();
    } else {
        AnsichtSchliessen(Korpus().Ansichten.Waermeschutz);
        AnsichtSchliessen(Korpus().Ansichten.Feuchteschutz);
    }
    NachweisAuftrag a = auftrag(*p, zeilen, projekt);
    if (waermeschutz) {
        if (f.WaermeschutzOeffnen)
            f.WaermeschutzOeffnen(a);
        else
            oeffnen<TWaermeschutzWindow>(" Wärmeschutznachweis ", 0, a);
    }
    if (feuchte) {
        // The moisture results as the components stand now.
        for (TRBauteil& t : p->RBauteile) t.FeuchteBerechnen(1);
        a.Umfang = auswahl.FeuchteBedenkliche ? 1 : 0;
        if (f.FeuchteschutzOeffnen)
            f.FeuchteschutzOeffnen(a);
        else
            oeffnen<TFeuchteschutzWindow>(" Klimabedingter Feuchteschutz ", 4, a);
    }
}
