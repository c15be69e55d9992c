// Page drivers of the heat-protection proofs, the energy sheet and the
// periodic heat transfer. Each is the list of its blocks in sheet order; a
// FIXME marks a block whose generator is still to come.
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"

#include <algorithm>
#include <utility>

void TDatenblattAufbau::WaermeschutzNachweisAusgeben(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    if (!p || p->Baumassnahme == 2) return;
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektdatenAbschnitt);
    InhaltAusfuehren(dc, 2, pass, &TDatenblattBasis::WaermebedarfsTabelle);
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::DiagrammBlock);
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::AVVerfahrenErgebnis);
    EingabefeldBlock(dc, pass, -1, -1);
    if (p->KleinesWohngebaeude)
        InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::BauteilverfahrenKleineWohngebaeude);
    // The model's double-glazing mark is 1 while every window has it; only
    // a failed one asks for its paragraph.
    const bool doppelverglasung = p->NachweisEinfachverglasung == 0;
    const bool zusatz = p->NachweisFlaechenheizung || p->NachweisSommer || p->NachweisTrennwaende ||
                        p->NachweisRolladenkasten || p->NachweisHeizkoerper || p->NachweisFugen ||
                        doppelverglasung || p->UnterschreitungStatus || p->ZielwertStatus;
    if (zusatz) {
        InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::ZusatzanforderungenUeberschrift);
        const std::pair<bool, Inhalt> absaetze[] = {
            {p->NachweisFlaechenheizung != 0, &TDatenblattBasis::FlaechenheizungAnforderung},
            {p->NachweisSommer != 0, &TDatenblattBasis::SommerlicherWaermeschutzAnforderung},
            {p->NachweisTrennwaende != 0, &TDatenblattBasis::TrennwaendeAnforderung},
            {p->NachweisRolladenkasten != 0, &TDatenblattBasis::RolladenkastenAnforderung},
            {p->NachweisHeizkoerper != 0, &TDatenblattBasis::HeizkoerperVorFensterAnforderung},
            {p->NachweisFugen != 0, &TDatenblattBasis::FugendurchlassAnforderung},
            {doppelverglasung, &TDatenblattBasis::DoppelverglasungAnforderung},
        };
        for (const auto& [gilt, absatz] : absaetze)
            if (gilt) InhaltAusfuehren(dc, 0, pass, absatz);
    }
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::WaermeschutzGesamtergebnis);
    if (zusatz && p->UnterschreitungStatus)
        InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::NiedrigenergiehausAnforderung);
    if (zusatz && p->ZielwertStatus)
        InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::PassivhausAnforderung);
    EingabefeldBlock(dc, pass, -1, -1);
}

namespace {
// The component-method lists go to their member in parts of 40 rows.
constexpr int kTeil = 40;
} // namespace

void TDatenblattAufbau::KleineWohngebaeudeAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::BauteilverfahrenTitelKleineWohngebaeude);
    const TProjekt* p = Projekt();
    const int n = p ? int(p->PBauteile.GetItemsInContainer()) : 0;
    for (int k = 0; k * kTeil < n; ++k)
        TeilInhaltAusfuehren(dc, std::min(kTeil, n - k * kTeil), k * kTeil, k, 2, pass,
                             &TDatenblattBasis::BauteilListeKleineWohngebaeude);
    InhaltAusfuehren(dc, 2, pass, &TDatenblattBasis::FensterZeileKleineWohngebaeude);
    EingabefeldBlock(dc, pass, -1, -1);
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::BauteilverfahrenKleineWohngebaeude);
}

void TDatenblattAufbau::Anlage3NachweisAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::BauteilverfahrenTitelBestand);
    const TProjekt* p = Projekt();
    const int n = p ? int(p->PBauteile.GetItemsInContainer()) : 0;
    for (int k = 0; k * kTeil < n; ++k)
        TeilInhaltAusfuehren(dc, std::min(kTeil, n - k * kTeil), k * kTeil, k, 2, pass,
                             &TDatenblattBasis::BauteilListeBestand);
    const int m = p ? int(p->PFenster.GetItemsInContainer()) : 0;
    for (int k = 0; k * kTeil < m; ++k)
        TeilInhaltAusfuehren(dc, std::min(kTeil, m - k * kTeil), k * kTeil, k, 2, pass,
                             &TDatenblattBasis::FensterListeBestand);
    EingabefeldBlock(dc, pass, -1, -1);
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::BauteilverfahrenBestand);
}

void TDatenblattAufbau::EnergieblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::EnergieTitel);
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    InhaltAusfuehren(dc, 3, pass, &TDatenblattBasis::HeizsystemTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    InhaltAusfuehren(dc, 4, pass, &TDatenblattBasis::HeizwaermebedarfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    InhaltAusfuehren(dc, 5, pass, &TDatenblattBasis::EnergieverbrauchTabelle);
}

void TDatenblattAufbau::HeindlblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::HeindlTitel);
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::HeindlErlaeuterung);
    // A component of the catalogue belongs to no project: no project header.
    if (!(Bauteil && Bauteil->Nummer == TRBauteil::KeineNummer))
        InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    PeriodenBauteil = Bauteil;
    // The blocks of the two cases show the component ("Bauteil bearbeiten").
    BlockBauteil = Bauteil;
    InhaltAusfuehren(dc, 3, pass, &TDatenblattBasis::HeindlFall1);
    EingabefeldBlock(dc, pass, -1, -1);
    InhaltAusfuehren(dc, 3, pass, &TDatenblattBasis::HeindlFall2);
    BlockBauteil = nullptr;
}
