// Which certificate the project calls for, and the page sequence of each.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisPruefung.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"

namespace ausweis {

Variante VarianteWaehlen(const TProjekt* p, int methode) {
    if (!p || p->Baumassnahme != 0) return Variante::Keine;
    if (!p->NormaleInnentemperatur) return Variante::C;
    if (!p->KleinesWohngebaeude || methode == 1) return Variante::A;
    return Variante::B;
}

Variante VarianteWaehlen(const TText& t, int methode) {
    return VarianteWaehlen(Projekt(t), methode);
}

std::string VarianteTitel(Variante v) {
    switch (v) {
    case Variante::A:
        return "Wärmebedarfsausweis (A/V-Verfahren)";
    case Variante::B:
        return "Wärmebedarfsausweis (vereinfachter Nachweis, Bauteilverfahren)";
    case Variante::C:
        return "Wärmebedarfsausweis (niedrige Innentemperaturen)";
    case Variante::Keine:
        break;
    }
    return "Wärmebedarfsausweis";
}

void AusweisLayout(TText& t, TDC& dc, int methode) {
    t.AktuelleSeite = 1;
    t.TextRect = TRect();
    const Variante v = VarianteWaehlen(t, methode);
    switch (v) {
    case Variante::Keine:
        return;
    case Variante::A:
        AusweisKopfA(t, dc);
        AusweisGebaeudeDaten(t, dc);
        AusweisHeizwaermebedarf(t, dc);
        AusweisNichtErfuellt(t, dc, v);
        AusweisBezugsflaeche(t, dc);
        AusweisHinweise(t, dc);
        // A box of unmet requirements can push section II off the first page.
        if (!PlatzFuerWeitereMerkmale(t)) Umbruch(t, dc);
        AusweisWeitereMerkmale(t, dc);
        Umbruch(t, dc);
        AusweisTeilflaechenTabelle(t, dc);
        t.WRGMerker = 0;
        if (!t.GenuegendPlatzFuerBereich7()) Umbruch(t, dc);
        AusweisBeruecksichtigt(t, dc);
        AusweisFussnoten(t, dc);
        if (!t.GenuegendPlatzFuerUnterschrift()) Umbruch(t, dc);
        break;
    case Variante::B:
        VereinfachtTitel(t, dc);
        AusweisGebaeudeDaten(t, dc);
        // The verdict goes before the statement that the proof was made: the
        // table that follows can fill the page, and the first page alone must
        // not read as a proof met.
        AusweisNichtErfuellt(t, dc, v);
        VereinfachtAbschnittI(t, dc);
        VereinfachtTabelle(t, dc);
        Umbruch(t, dc);
        VereinfachtAbschnittII(t, dc);
        VereinfachtHinweis(t, dc);
        break;
    case Variante::C:
        KopfNiedrigeInnentemperaturen(t, dc);
        AusweisGebaeudeDaten(t, dc);
        JahresTransmissionswaermebedarf(t, dc);
        TransmissionswaermebedarfVergleich(t, dc);
        AusweisNichtErfuellt(t, dc, v);
        HinweiseTransmissionswaermebedarf(t, dc);
        TeilflaechenTabelleNiedrig(t, dc);
        if (!t.GenuegendPlatzFuerUnterschrift()) Umbruch(t, dc);
        break;
    }
    UnterschriftPosition(t);
    AusweisUnterschrift(t, dc);
}

} // namespace ausweis
