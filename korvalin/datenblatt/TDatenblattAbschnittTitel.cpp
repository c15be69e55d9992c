// Fixed headings of the periodic-heat-transfer, energy and quantities sheets.
#include "korvalin/datenblatt/TDatenblattBasis.h"

void TDatenblattBasis::HeindlTitel(TDC& dc, int pass) {
    Durchgang = pass;
    Titeltext = "\n Heindl-Kennwerte für den periodischen Wärmedurchgang durch Außenwände \n";
    TitelZeichnen(dc, Titeltext, pass);
}

void TDatenblattBasis::HeindlErlaeuterung(TDC& dc, int pass) {
    Durchgang = pass;
    Titeltext = "Das Heindl-Verfahren berechnet die Amplitudendämpfung und die "
                "Phasenverschiebung beim periodischen Wärmedurchgang durch ein Bauteil im "
                "eingeschwungenen Zustand.\nDie Kennwerte werden für zwei Grenzfälle berechnet, "
                "um das Verhalten beim sommerlichen Wärmeschutz abzuschätzen. Die Praxis wird im "
                "allgemeinen zwischen diesen Grenzfällen liegen. ";
    KommentarZeichnen(dc, Titeltext, pass);
}

void TDatenblattBasis::EnergieTitel(TDC& dc, int pass) {
    Durchgang = pass;
    Titeltext = "\n Energiebedarf für Heizwärme und Warmwasser \n";
    TitelZeichnen(dc, Titeltext, pass);
}

void TDatenblattBasis::MassenTitel(TDC& dc, int pass) {
    Durchgang = pass;
    Titeltext = "\n Massenermittlung für die einzelnen Baustoffklassen \n";
    TitelZeichnen(dc, Titeltext, pass);
}
