// Block runners: each gives one content member one text block of the sheet.
// The layout pass measures, places and breaks pages; the paint pass draws the
// page frame and calls the member only for a block on the page shown.
#include "korvalin/datenblatt/TDatenblattAufbau.h"

#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <cstdio>

bool TDatenblattAufbau::laeuferAnfang(bool abschnittStempeln, bool seiteVomVorgaenger, int pass) {
    Durchgang = pass;
    if (Ruecksetzen) {
        if (abschnittStempeln)
            Block.Abschnitt = AktuellerAbschnitt;
        else if (size_t(BlockNummer) < Bloecke.size())
            Block.Abschnitt = Bloecke[size_t(BlockNummer)].Abschnitt;
        BlockInitialisieren(BlockNummer);
        ++BlockNummer;
        return false;
    }
    VorgaengerLaden(BlockNummer);
    BlockLaden(BlockNummer);
    if (pass == 0) {
        if (seiteVomVorgaenger) Block.Seite = Vorgaenger.Seite;
        // The section is stamped before the member so that a component
        // block's drawing switches are its component's when it is measured.
        Block.Abschnitt = AktuellerAbschnitt;
        BlockSubjektSetzen();
    }
    return true;
}

void TDatenblattAufbau::laeuferEnde(int art) {
    Block.Abschnitt = AktuellerAbschnitt;
    BlockAbschliessen(BlockNummer, 0, art);
}

template <class Aufruf>
void TDatenblattAufbau::blockLaufen(TDC& dc, int pass, bool abschnittStempeln,
                                    bool seiteVomVorgaenger, Umbruch umbruch, int art,
                                    Aufruf&& aufruf) {
    if (!laeuferAnfang(abschnittStempeln, seiteVomVorgaenger, pass)) return;
    if (pass == 0) {
        aufruf();
        if (umbruch == Umbruch::Immer || (umbruch == Umbruch::WennVoll && !BlockPasstAufSeite()))
            NeueSeite();
        laeuferEnde(art);
    } else {
        SeitenRahmen(dc, 1);
        if (AufAktuellerSeite()) aufruf();
    }
    ++BlockNummer;
}

void TDatenblattAufbau::InhaltAusfuehren(TDC& dc, int art, int pass, Inhalt inhalt) {
    if (pass == 0 && !Ruecksetzen) {
        if (Seiten.size() < 2) Seiten.resize(2);
        Seiten[1] = {1, BlockNummer};
    }
    blockLaufen(dc, pass, true, true, Umbruch::WennVoll, art, [&] { (this->*inhalt)(dc, pass); });
}

void TDatenblattAufbau::ZeilenInhaltAusfuehren(TDC& dc, int erstes, int ende, int ersteZeile,
                                               int endZeile, int zeilen, int slot, int art,
                                               int pass, ZeilenInhalt inhalt) {
    blockLaufen(dc, pass, true, true, slot > 0 ? Umbruch::Immer : Umbruch::Nie, art,
                [&] { (this->*inhalt)(dc, erstes, ende, ersteZeile, endZeile, zeilen, pass); });
}

void TDatenblattAufbau::TeilInhaltAusfuehren(TDC& dc, int anzahl, int erster, int teil, int art,
                                             int pass, TeilInhalt inhalt) {
    blockLaufen(dc, pass, false, false, teil > 0 ? Umbruch::Immer : Umbruch::Nie, art,
                [&] { (this->*inhalt)(dc, anzahl, erster, pass); });
}

void TDatenblattAufbau::FlaechenInhaltAusfuehren(TDC& dc, const FlaechenWerte& werte, int slot,
                                                 int art, int pass, FlaechenInhalt inhalt) {
    // The first page starts under the project header: there it must fit.
    blockLaufen(dc, pass, true, true, slot > 0 ? Umbruch::Immer : Umbruch::WennVoll, art,
                [&] { (this->*inhalt)(dc, werte, pass); });
}

namespace {
// The status bar names the component and its area range on its page.
std::string bereichText(const TRBauteil* b, int bereich, int bereiche) {
    char text[128];
    std::snprintf(text, sizeof text, "%s  Flächenbereich %d / %d", b ? b->Name.c_str() : "",
                  bereich + 1, bereiche);
    return text;
}
} // namespace

void TDatenblattAufbau::bereichAnzeigen(const TRBauteil* bauteil, int bereich, int bereiche,
                                        int pass) {
    if (pass == 1 && !Ruecksetzen && size_t(BlockNummer) < Bloecke.size() &&
        Bloecke[size_t(BlockNummer)].Seite == AktuelleSeite + 1)
        StatusSeiteSetzen(bereichText(bauteil, bereich, bereiche));
}

void TDatenblattAufbau::BauteilInhaltAusfuehren(TDC& dc, TRBauteil* bauteil,
                                                TEinfachBauteil* variante, int bereich,
                                                int bereiche, int art, int pass,
                                                BauteilInhalt inhalt) {
    bereichAnzeigen(bauteil, bereich, bereiche, pass);
    blockLaufen(dc, pass, true, false, Umbruch::WennVoll, art, [&] {
        Block.Bauteil = bauteil;
        Block.Variante = variante;
        (this->*inhalt)(dc, variante, pass);
    });
}

void TDatenblattAufbau::BauteilPaarInhaltAusfuehren(TDC& dc, TRBauteil* bauteil,
                                                    TEinfachBauteil* variante, int bereich,
                                                    int bereiche, int art, int pass,
                                                    BauteilPaarInhalt inhalt) {
    bereichAnzeigen(bauteil, bereich, bereiche, pass);
    blockLaufen(dc, pass, true, false, Umbruch::WennVoll, art, [&] {
        Block.Bauteil = bauteil;
        Block.Variante = variante;
        (this->*inhalt)(dc, bauteil, variante, pass);
    });
}

void TDatenblattAufbau::FensterInhaltAusfuehren(TDC& dc, TRFenster* fenster, int variante, int art,
                                                int pass, FensterInhalt inhalt) {
    // Window boxes are requirements of the project: none on a catalogue sheet.
    if (DateiFlag()) return;
    // The fit test of the other blocks: a box never runs over the footer.
    blockLaufen(dc, pass, false, false, Umbruch::WennVoll, art, [&] {
        Block.Fenster = fenster;
        Block.Satznummer = fenster ? fenster->Nummer : -1;
        (this->*inhalt)(dc, fenster, variante, pass);
    });
}

void TDatenblattAufbau::VergleichInhaltAusfuehren(TDC& dc, TRBauteil* erster, TRBauteil* zweiter,
                                                  int wert1, int wert2, int bereich, int bereiche,
                                                  int art, int pass, VergleichInhalt inhalt) {
    if (pass == 0 && !Ruecksetzen) {
        if (Seiten.size() < 2) Seiten.resize(2);
        Seiten[1] = {1, BlockNummer};
    }
    bereichAnzeigen(erster, bereich, bereiche, pass);
    blockLaufen(dc, pass, true, false, Umbruch::WennVoll, art, [&] {
        Block.Bauteil = erster;
        (this->*inhalt)(dc, erster, zweiter, wert1, wert2, pass);
    });
}

void TDatenblattAufbau::BlockAusfuehren(TDC& dc, int pass, int umbruch, int art,
                                        const std::function<void()>& inhalt) {
    const Umbruch u = umbruch == 1   ? Umbruch::Immer
                      : umbruch == 2 ? Umbruch::Nie
                                     : Umbruch::WennVoll;
    blockLaufen(dc, pass, true, true, u, art, inhalt);
}

void TDatenblattAufbau::FesterBlockAusfuehren(TDC& dc, int pass, int hoehe, int art,
                                              const std::function<void()>& inhalt) {
    festerBlock(dc, pass, hoehe, art, Umbruch::WennVoll, inhalt);
}

void TDatenblattAufbau::FesterBlockAufNeuerSeite(TDC& dc, int pass, int hoehe, int art,
                                                 const std::function<void()>& inhalt) {
    festerBlock(dc, pass, hoehe, art, Umbruch::Immer, inhalt);
}

void TDatenblattAufbau::festerBlock(TDC& dc, int pass, int hoehe, int art, Umbruch umbruch,
                                    const std::function<void()>& inhalt) {
    blockLaufen(dc, pass, true, true, umbruch, art, [&] {
        if (pass == 0) {
            Block.InnenOben = Block.Oben;
            Block.Unten = Block.InnenUnten = Block.Oben + hoehe;
            Block.Hoehe = Block.InnenHoehe = hoehe;
        } else {
            inhalt();
        }
    });
}
