// Page drivers of the sheets of components, windows, facades and the
// comparisons. Each is the list of its blocks in sheet order; a FIXME marks a
// block whose generator is still to come.
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

void TDatenblattAufbau::FassadenblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    const Seitenaufteilung a = SeitenAufteilen(10, 2, 2, ListenZeilen(0));
    (void)a;
    // FIXME: for each slot s of `a` with Erstes != Ende and Zeilen > 0:
    // ZeilenInhaltAusfuehren(dc, a.Erstes[s], a.Ende[s], a.ErsteZeile[s],
    // a.EndZeile[s], a.Zeilen[s] + 10 + 2, s, 2, pass, &TDatenblattBasis::FassadenTabelle).
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::BauteilUebersichtAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    const Seitenaufteilung a =
        SeitenAufteilen(3, 1, 2, ListenZeilen(UebersichtNachFassaden ? 0 : 1));
    (void)a;
    // FIXME: per slot as in FassadenblattAusgeben (H 3, T 2) with
    // BauteilUebersichtTypen, or BauteilUebersichtFassaden when grouped by facade.
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::BauteilFensterblaetterAusgeben(TDC& dc, int pass) {
    const auto bauteile = [&](const std::vector<TRBauteil*>& liste, bool neueSeite) {
        for (TRBauteil* b : liste) {
            if (neueSeite) NeueSeiteVorAbschnitt(pass);
            AktuellerAbschnitt = 4;
            BauteilblattAusgeben(dc, b, pass);
        }
    };
    const auto fenster = [&](const std::vector<TRFenster*>& liste, bool neueSeite) {
        for (TRFenster* f : liste) {
            if (neueSeite) NeueSeiteVorAbschnitt(pass);
            AktuellerAbschnitt = 5;
            FensterblattAusgeben(dc, f, pass);
        }
    };
    switch (Quelle) {
    case QuelleProjekt:
        bauteile(GewaehlteBauteile, true);
        if (Blattart != 4) fenster(GewaehlteFenster, true);
        break;
    case QuelleBauteilListe:
        bauteile(BauteilListe, false);
        break;
    case QuelleFensterListe:
        fenster(FensterListe, false);
        break;
    case QuelleBauteil:
        if (Bauteil) TitelSetzen(" Bauteil-Daten " + Bauteil->Name);
        bauteile({Bauteil}, false);
        break;
    case QuelleFenster:
        if (Fenster) TitelSetzen(" Fenster-Daten " + Fenster->Name);
        fenster({Fenster}, false);
        break;
    default:
        break;
    }
}

void TDatenblattAufbau::BauteilblattAusgeben(TDC& dc, TRBauteil* bauteil, int pass) {
    if (!bauteil) return;
    // FIXME: per area section: the reference table (kind 1), input field,
    // the graphic block, the component data sheet with its layer table
    // (kind 2), the Glaser block and TauwasserGrenzwerte through
    // BauteilPaarInhaltAusfuehren, FeuchteHinweise through
    // BauteilInhaltAusfuehren, FlaechenheizungPruefung and
    // RolladenkastenPruefung, input fields.
    (void)dc;
}

void TDatenblattAufbau::FensterblattAusgeben(TDC& dc, TRFenster* fenster, int pass) {
    if (!fenster) return;
    // FIXME: the envelope vs assigned windows table (kind 1), the reference
    // window table (kind 2), the window boxes through FensterInhaltAusfuehren
    // (FugendurchlassPruefung, VerglasungPruefung, HeizkoerperFensterPruefung,
    // HeizkoerperAbdeckungErfuellt / NichtErfuellt), the per-facade tables.
    EingabefeldBlock(dc, pass, fenster->Nummer, -1);
}

void TDatenblattAufbau::TemperaturVergleichAusgeben(TDC& dc, int pass) {
    // FIXME: kind 0 VergleichTitel.
    if (!DateiFlag()) InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: VergleichInhaltAusfuehren with TemperaturVergleich for the pair.
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::GlaserVergleichAusgeben(TDC& dc, int pass) {
    // FIXME: kind 0 GlaserVergleichTitel.
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: VergleichInhaltAusfuehren with GlaserVergleich for the pair.
    EingabefeldBlock(dc, pass, -1, -1);
}
