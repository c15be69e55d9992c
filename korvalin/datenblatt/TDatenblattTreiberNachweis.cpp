// Page drivers of the heat-protection proofs, the energy sheet and the
// periodic heat transfer. Each is the list of its blocks in sheet order; a
// FIXME marks a block whose generator is still to come.
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "stammwerk/modell/TProjekt.h"

void TDatenblattAufbau::WaermeschutzNachweisAusgeben(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    if (!p || p->Baumassnahme == 2) return;
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektdatenAbschnitt);
    // FIXME: kind 2 heat-demand table, chart block of height 450, kind 0
    // AVVerfahrenErgebnis.
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: kind 0 KleineWohngebaeude requirement (small residential flag);
    // with any additional-requirement flag ZusatzanforderungenUeberschrift and,
    // each under its flag, FlaechenheizungPruefung,
    // SommerlicherWaermeschutzAnforderung, TrennwaendeAnforderung,
    // RolladenkastenPruefung, HeizkoerperVorFensterAnforderung,
    // FugendurchlassAnforderung, DoppelverglasungAnforderung (flag value 2);
    // WaermeschutzGesamtergebnis; NiedrigenergiehausAnforderung and
    // PassivhausAnforderung under their flags.
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::KleineWohngebaeudeAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: kind 1 BauteilverfahrenTitelKleineWohngebaeude; component chunks
    // of 40 through TeilInhaltAusfuehren (BauteilListeKleineWohngebaeude);
    // kind 2 FensterZeileKleineWohngebaeude.
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: kind 0 BauteilverfahrenKleineWohngebaeude.
}

void TDatenblattAufbau::Anlage3NachweisAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: kind 1 BauteilverfahrenTitelBestand; component chunks of 40
    // (BauteilListeBestand) and window chunks of 40 (FensterListeBestand)
    // through TeilInhaltAusfuehren.
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: kind 0 BauteilverfahrenBestand.
}

void TDatenblattAufbau::EnergieblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::EnergieTitel);
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    // FIXME: kind 3 HeizsystemTabelle.
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: kind 4 HeizwaermebedarfTabelle.
    EingabefeldBlock(dc, pass, -1, -1);
    // FIXME: kind 5 EnergieverbrauchTabelle.
}

void TDatenblattAufbau::HeindlblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::HeindlTitel);
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::HeindlErlaeuterung);
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    PeriodenBauteil = Bauteil;
    InhaltAusfuehren(dc, 3, pass, &TDatenblattBasis::HeindlFall1);
    EingabefeldBlock(dc, pass, -1, -1);
    InhaltAusfuehren(dc, 3, pass, &TDatenblattBasis::HeindlFall2);
}
