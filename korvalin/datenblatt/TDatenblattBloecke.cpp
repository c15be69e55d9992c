// Text blocks: loading, placing, sizing and storing the blocks of a sheet.
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TRBauteil.h"

namespace {
// A block of the array, the array grown to hold it.
TBlock& blockAn(std::vector<TBlock>& bloecke, int n) {
    if (n < 0) n = 0;
    if (size_t(n) >= bloecke.size()) bloecke.resize(size_t(n) + 1);
    return bloecke[size_t(n)];
}

// Loading replaces the working copy whole: an assignment would keep the text
// of the block loaded before when this one has none.
void laden(TBlock& ziel, const TBlock& quelle) {
    ziel.Text.reset();
    ziel = quelle;
}
} // namespace

void TDatenblattBasis::BlockLaden(int n) {
    laden(Block, blockAn(Bloecke, n));
}

void TDatenblattBasis::VorgaengerLaden(int n) {
    if (n - 1 < 0) {
        laden(Vorgaenger, TBlock());
        return;
    }
    laden(Vorgaenger, blockAn(Bloecke, n - 1));
}

void TDatenblattBasis::NachfolgerLaden(int n) {
    laden(Nachfolger, blockAn(Bloecke, n + 1));
}

void TDatenblattBasis::BlockPositionieren() {
    int t = Block.Abstand + 40;
    if (LogoAufJederSeite() || (LogoGezeigt() && Block.Nummer == 1))
        t = Block.Abstand + LogoHoehe() + 40;
    if (NeueSeiteAnstehend) {
        Block.Oben = Koerper.top + t;
        Block.Seite = Vorgaenger.Seite + 1;
        NeueSeiteAnstehend = false;
    } else {
        Block.Oben = Block.Nummer == 1 ? Koerper.top + t : Vorgaenger.Unten + Block.Abstand;
        Block.Seite = Vorgaenger.Seite;
    }
    Block.Links = Koerper.left + Block.Einzug;
    Block.InnenLinks = Block.Links;
    Block.InnenOben = Block.Oben;
}

void TDatenblattBasis::BlockGroesseSetzen() {
    Block.InnenUnten = Block.InnenOben + Block.InnenHoehe;
    Block.Unten = Block.InnenUnten;
    Block.InnenRechts = Koerper.right - Block.Einzug;
    Block.Rechts = Block.InnenRechts;
    Block.Hoehe = Block.InnenHoehe;
    Block.Breite = Block.Rechts - Block.Links;
    Block.InnenBreite = Block.Breite;
}

void TDatenblattBasis::BlockAbschliessen(int nummer, int benutzerblock, int art) {
    Block.Nummer = nummer;
    BlockPositionieren();
    BlockGroesseSetzen();
    Block.Benutzerblock = benutzerblock;
    Block.Art = art;
    Block.Abschnitt = AktuellerAbschnitt;
    blockAn(Bloecke, nummer) = Block;
}

void TDatenblattBasis::BlockInitialisieren(int nummer) {
    if (nummer == 0) Bloecke.clear();
    Block.Nummer = nummer;
    Block.Links = Koerper.left + 10;
    Block.Rechts = Koerper.right - 10;
    Block.Oben = Koerper.top;
    Block.Unten = Koerper.top + 5;
    Block.InnenLinks = Block.Links;
    Block.InnenRechts = Block.Rechts;
    Block.InnenOben = Block.Oben;
    Block.InnenUnten = Block.Unten;
    Block.Breite = Block.InnenBreite = Block.Rechts - Block.Links;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    Block.Seite = 1;
    blockAn(Bloecke, nummer) = Block;
}

void TDatenblattBasis::StandardBlockSetzen() {
    Block.Abschnitt = AktuellerAbschnitt;
    BlockInitialisieren(BlockNummer);
    BlockAbschliessen(BlockNummer, 0, 0);
}

void TDatenblattBasis::BlockSubjektSetzen() {
    Block.Bauteil = BlockBauteil;
    Block.Fenster = BlockFenster;
    Block.Variante = nullptr;
    GrafiklageSetzen();
}

// The drawing's orientation is the component's own setting, kept in its
// record (Merker5: layers reversed + 2 x turned by 90°), not the block's.
int TDatenblattBasis::Grafiklage(const TRBauteil& bauteil) {
    return bauteil.Merker5 & 3;
}

void TDatenblattBasis::GrafiklageSpeichern(TRBauteil& bauteil, int lage) {
    bauteil.Merker5 = uint16_t(lage & 3);
}

void TDatenblattBasis::GrafiklageSetzen() {
    if (Block.Abschnitt != 4 || !Block.Bauteil) return;
    const int lage = Grafiklage(*Block.Bauteil);
    Block.Anzeige[0] = (lage >> 1) & 1;
    Block.Anzeige[1] = lage & 1;
}

bool TDatenblattBasis::BlockPasstAufSeite() const {
    // 40 units stay free for the footer, 20 is the least gap under the previous block.
    return (Koerper.bottom - 40) - (Vorgaenger.Unten + 20) >= Block.Hoehe;
}

void TDatenblattBasis::NeueSeite() {
    NeueSeiteAnstehend = true;
    Block.Seite = Vorgaenger.Seite + 1;
    auto eintrag = [this](int seite) -> TBlockSeiteStruct& {
        if (size_t(seite) >= Seiten.size()) Seiten.resize(size_t(seite) + 1);
        return Seiten[size_t(seite)];
    };
    if (Vorgaenger.Seite == 1) eintrag(1) = {0, 0};
    eintrag(Vorgaenger.Seite).Letzter = Vorgaenger.Nummer;
    eintrag(Block.Seite) = {BlockNummer, BlockAnzahl};
}

void TDatenblattBasis::EingabefeldBlock(TDC& dc, int pass, int satznummer, int variantennummer) {
    if (DateiFlag() || SeitenLayout().Eingabefelder != 1) return;
    if (Ruecksetzen) {
        Block.Abschnitt = AktuellerAbschnitt;
        BlockInitialisieren(BlockNummer);
        ++Block.Zaehler;
        const bool eigen = AktuellerAbschnitt == 4 || AktuellerAbschnitt == 5;
        Block.Satznummer = eigen ? satznummer : -1;
        Block.Variantennummer = eigen ? variantennummer : -1;
        if (AktuellerAbschnitt != 0) EingabefeldZuruecksetzen(AktuellerAbschnitt);
        BlockAbschliessen(BlockNummer, 1, 0);
    } else if (pass == 1) {
        VorgaengerLaden(BlockNummer);
        BlockLaden(BlockNummer);
        SeitenRahmen(dc, pass);
        if (AufAktuellerSeite()) EingabefeldZeichnen(dc);
    } else {
        VorgaengerLaden(BlockNummer);
        BlockLaden(BlockNummer);
        if (!BlockPasstAufSeite()) NeueSeite();
        Block.Abschnitt = AktuellerAbschnitt;
        BlockSubjektSetzen();
        const bool eigene = AktuellerAbschnitt == 4 || AktuellerAbschnitt == 5;
        Block.Satznummer = eigene ? satznummer : -1;
        Block.Variantennummer = eigene ? variantennummer : -1;
        BlockAbschliessen(BlockNummer, 1, 0);
    }
    ++BlockNummer;
}

void TDatenblattBasis::EingabefeldZeichnen(TDC& dc) {
    if (!Block.Text) return;
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Kommentar));
    TRect r = Block.Rechteck();
    dc.DrawText(*Block.Text, r, DT_WORDBREAK | DT_NOPREFIX);
    dc.SelectObject(alt);
}
