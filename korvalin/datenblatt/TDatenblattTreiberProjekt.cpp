// Page drivers of the project-wide sheets: the title page of the proofs, the
// quantities sheet, the volume and envelope-area calculations.
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "hilfsmittel/layout/RahmenGroessen.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Region.h"
#include "stammwerk/modell/TProjekt.h"

#include <algorithm>

void TDatenblattAufbau::Titelseite(TDC& dc, int pass) {
    Block.Seite = 1;
    if (pass == 1 && !Ruecksetzen && AktuelleSeite == 0) {
        SeitenRandZeichnen(dc, true);
        TRect r(Koerper.left + 2, Koerper.top + 2, Koerper.right - 2, Koerper.bottom - 2);
        if (Logo().LogoInclude == 1) r.top += LogoGezeigt() ? LogoHoehe() + 2 : 0;
        const TColor farbe = Unterlegung().Unterlegungsfarbe[0];
        const int art = Rahmen().Rahmenart;
        if (art == 2 || art == 3) {
            const TBrush alt = dc.SelectObject(TBrush(farbe));
            const TPen stift = dc.SelectObject(TPen::Stock(NULL_PEN));
            dc.RoundRect(r, TPoint(25, 25));
            dc.SelectObject(stift);
            dc.SelectObject(alt);
        } else {
            dc.FillRect(r, TBrush(farbe));
        }
    }
    Block.Unten = Koerper.top;
    VorgaengerLaden(BlockNummer);
    Block.Oben = Vorgaenger.Oben;
    const TBtTextGroessen& t = Texte();
    if (Blattart == 0) {
        WaermeschutzTitelSetzen();
        TitelBlockAusgeben(dc, t.Font(Textstil::Titel), t.Farbe(Textstil::Titel), 2, pass);
        WaermeschutzUntertitelSetzen();
        TitelBlockAusgeben(dc, t.Font(Textstil::TabellenKopf), t.Farbe(Textstil::TabellenKopf), 2,
                           pass);
    } else {
        FeuchteschutzTitelSetzen();
        TitelBlockAusgeben(dc, t.Font(Textstil::Titel), t.Farbe(Textstil::Titel), 2, pass);
    }
    ProjektTitelBlockAusgeben(dc, pass);
    // The space down to the address block.
    Durchgang = pass;
    if (Ruecksetzen) {
        Block.Abschnitt = AktuellerAbschnitt;
        BlockInitialisieren(BlockNummer);
    } else if (pass == 0) {
        VorgaengerLaden(BlockNummer);
        BlockLaden(BlockNummer);
        Block.Seite = Vorgaenger.Seite;
        Block.InnenHoehe = Block.Hoehe = std::max(0, Koerper.bottom - 330 - Vorgaenger.Unten);
        if (!BlockPasstAufSeite()) NeueSeite();
        Block.Abschnitt = AktuellerAbschnitt;
        BlockAbschliessen(BlockNummer, 1, 0);
    } else {
        VorgaengerLaden(BlockNummer);
        BlockLaden(BlockNummer);
        SeitenRahmen(dc, pass);
    }
    ++BlockNummer;
    AufstellerTextSetzen(dc);
    TitelBlockAusgeben(dc, t.Font(Textstil::Kommentar), TColor::Black, 2, pass);
    SeitenumfangSetzen();
    TitelBlockAusgeben(dc, t.Font(Textstil::Fussnote), TColor::Black, 0, pass);
}

void TDatenblattAufbau::TitelBlockAusgeben(TDC& dc, TFont schrift, TColor farbe, int ausrichtung,
                                           int pass) {
    if (!laeuferAnfang(true, true, pass)) return;
    if (pass == 0) {
        TitelTextZeichnen(dc, schrift, farbe, ausrichtung, 0);
        if (!BlockPasstAufSeite()) NeueSeite();
        Block.Abschnitt = AktuellerAbschnitt;
        BlockAbschliessen(BlockNummer, 1, 0);
    } else {
        SeitenRahmen(dc, 1);
        if (AufAktuellerSeite()) TitelTextZeichnen(dc, schrift, farbe, ausrichtung, 1);
    }
    ++BlockNummer;
}

void TDatenblattAufbau::ProjektTitelBlockAusgeben(TDC& dc, int pass) {
    if (!laeuferAnfang(true, true, pass)) return;
    if (pass == 0) {
        ProjektdatenTabelle(dc, 0);
        if (!BlockPasstAufSeite()) NeueSeite();
        Block.Abschnitt = AktuellerAbschnitt;
        BlockAbschliessen(BlockNummer, 1, 2);
    } else {
        SeitenRahmen(dc, 1);
        if (AufAktuellerSeite()) ProjektdatenTabelle(dc, 1);
    }
    ++BlockNummer;
}

void TDatenblattAufbau::MassenblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::MassenTitel);
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    const TProjekt* p = Projekt();
    const int anzahl = p ? int(p->Massenliste.GetItemsInContainer()) : 0;
    const int n = MassenProSeite();
    for (int k = 0; k * n < anzahl; ++k)
        TeilInhaltAusfuehren(dc, std::min(n, anzahl - k * n), k * n, k, 2, pass,
                             &TDatenblattBasis::MassenTabelle);
}

void TDatenblattAufbau::VolumenblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    const TProjekt* p = Projekt();
    if (!p) return;
    const std::vector<int> seiten = VolumenSeiten();
    const int anzahl = int(p->Volumina.GetItemsInContainer());
    for (size_t s = 0; s < seiten.size(); ++s)
        ZeilenInhaltAusfuehren(dc, seiten[s], s + 1 < seiten.size() ? seiten[s + 1] : anzahl, 0, 0,
                               0, int(s), 2, pass, &TDatenblattBasis::VolumenTabelle);
    // The sheet's own text under the table (the first text of its record).
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::FlaechenblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    const std::vector<FlaechenWerte> seiten = FlaechenSeitenAufteilen();
    for (size_t s = 0; s < seiten.size(); ++s)
        FlaechenInhaltAusfuehren(
            dc, seiten[s], int(s), 2, pass,
            static_cast<FlaechenInhalt>(&TDatenblattAufbau::HuellflaechenSeite));
}
