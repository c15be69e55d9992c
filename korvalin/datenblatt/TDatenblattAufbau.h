#pragma once
// The sheet builder of a data sheet, its page drivers and block runners, and
// the subject the sheet shows. TDatenWindow derives from it; without a window
// it lays out and paints a sheet on any device context.
//
// A page driver is a list of runner calls, one per text block; each runner
// takes one content member of TDatenblattBasis (a generator: device context,
// its own arguments, the pass last) and runs it through the block protocol:
// pass 0 measures, places and breaks pages, pass 1 draws the frame and, on
// the current page only, the content.
#include "korvalin/datenblatt/TDatenblattBasis.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TRBauteil;
class TRFenster;
class TEinfachBauteil;

class TDatenblattAufbau : public TDatenblattBasis {
public:
    // Shapes of content members, by runner.
    using Inhalt = void (TDatenblattBasis::*)(TDC&, int pass);
    using ZeilenInhalt = void (TDatenblattBasis::*)(TDC&, int erstes, int ende, int ersteZeile,
                                                    int endZeile, int zeilen, int pass);
    using TeilInhalt = void (TDatenblattBasis::*)(TDC&, int anzahl, int erster, int pass);
    using BauteilInhalt = void (TDatenblattBasis::*)(TDC&, TEinfachBauteil* variante, int pass);
    using BauteilPaarInhalt = void (TDatenblattBasis::*)(TDC&, TRBauteil*,
                                                         TEinfachBauteil* variante, int pass);
    // The seven values of an area page: first and end facade, first and end
    // entry, first and end sub-entry (-1 = the whole entry), rows used.
    using FlaechenWerte = std::array<int, 7>;
    using FlaechenInhalt = void (TDatenblattBasis::*)(TDC&, const FlaechenWerte&, int pass);
    using FensterInhalt = void (TDatenblattBasis::*)(TDC&, TRFenster*, int variante, int pass);
    using VergleichInhalt = void (TDatenblattBasis::*)(TDC&, TRBauteil* erster, TRBauteil* zweiter,
                                                       int wert1, int wert2, int pass);

    // Where the subject comes from.
    enum Quellen {
        QuelleProjekt = 0,      // chosen components and windows of the project
        QuelleBauteil = 1,      // one component
        QuelleFenster = 2,      // one window
        QuelleBauteilListe = 3, // component list from a catalogue file
        QuelleFensterListe = 4, // window list from a catalogue file
        QuelleVergleich = 5,
    };

    // --- Subject of the sheet (pointers into the building model, not owned) ---
    TRBauteil* Bauteil = nullptr;
    TEinfachBauteil* BauteilVariante = nullptr;
    TRFenster* Fenster = nullptr;
    int FensterVariante = 0;
    TRBauteil* Vergleich1 = nullptr;
    TRBauteil* Vergleich2 = nullptr;
    int Vergleichswert1 = 0, Vergleichswert2 = 0;
    std::vector<TRBauteil*> BauteilListe; // from a catalogue file, in the caller's order
    std::vector<TRFenster*> FensterListe;
    int Umfang = 0; // the opener's scope flag; kept, not read
    std::vector<TRBauteil*> GewaehlteBauteile;
    std::vector<TRFenster*> GewaehlteFenster;
    // Data-file flags, from the source and the subject: a sheet of catalogue data.
    void DateiFlagsSetzen();

    // Page orientation: portrait 891 x 1260, landscape 1260 x 891 page units;
    // the body follows from the margins.
    void SeitenAusrichtung(bool quer);
    int SeitenBreite = 891, SeitenHoehe = 1260;
    int ZeilenProSeite = 90;
    // Landscape for sheet kinds 6 and 7.
    static bool Querformat(int blattart) { return blattart == 6 || blattart == 7; }

    // The whole sheet, pass 0 lays out and pass 1 paints the current page.
    TBlock& DatenblattAufbauen(TDC& dc, int pass);
    // Both layout runs: with every block reset, then the real one.
    void Auslegen(TDC& dc);

    // --- Block runners: one block each ---
    void InhaltAusfuehren(TDC& dc, int art, int pass, Inhalt inhalt);
    void ZeilenInhaltAusfuehren(TDC& dc, int erstes, int ende, int ersteZeile, int endZeile,
                                int zeilen, int slot, int art, int pass, ZeilenInhalt inhalt);
    void TeilInhaltAusfuehren(TDC& dc, int anzahl, int erster, int teil, int art, int pass,
                              TeilInhalt inhalt);
    void BauteilInhaltAusfuehren(TDC& dc, TRBauteil* bauteil, TEinfachBauteil* variante,
                                 int bereich, int bereiche, int art, int pass,
                                 BauteilInhalt inhalt);
    void BauteilPaarInhaltAusfuehren(TDC& dc, TRBauteil* bauteil, TEinfachBauteil* variante,
                                     int bereich, int bereiche, int art, int pass,
                                     BauteilPaarInhalt inhalt);
    void FlaechenInhaltAusfuehren(TDC& dc, const FlaechenWerte& werte, int slot, int art, int pass,
                                  FlaechenInhalt inhalt);
    void FensterInhaltAusfuehren(TDC& dc, TRFenster* fenster, int variante, int art, int pass,
                                 FensterInhalt inhalt);
    void VergleichInhaltAusfuehren(TDC& dc, TRBauteil* erster, TRBauteil* zweiter, int wert1,
                                   int wert2, int bereich, int bereiche, int art, int pass,
                                   VergleichInhalt inhalt);

    // A new page before the next block, on the layout pass only.
    void NeueSeiteVorAbschnitt(int pass);

    // --- Pagination of list sections ---
    struct Seitenaufteilung {
        std::vector<int> Erstes, Ende, ErsteZeile, EndZeile, Zeilen;
        int Anzahl() const { return int(Erstes.size()); }
    };
    // Rows per item of a list (mode 0: the facades, 1: components then windows).
    std::vector<int> ListenZeilen(int modus) const;
    // Slots of pages for items of `zeilen` rows: H header rows before the list,
    // G heading rows per item, T trailing rows.
    Seitenaufteilung SeitenAufteilen(int h, int g, int t, const std::vector<int>& zeilen) const;
    // Pages of the volume sheet: the first volume of each page; a page runs
    // to the next page's first volume, the last one to the end of the list.
    std::vector<int> VolumenSeiten() const;
    // Material classes per chunk of the quantities sheet.
    int MassenProSeite() const;
    // Logo rows for the pagination: logo height / 19 + 1 when it is on every page.
    int LogoZeilenJedeSeite() const;

    // --- Page drivers, one per section ---
    void Titelseite(TDC& dc, int pass);
    void TitelBlockAusgeben(TDC& dc, TFont schrift, TColor farbe, int ausrichtung, int pass);
    void ProjektTitelBlockAusgeben(TDC& dc, int pass);
    void WaermeschutzNachweisAusgeben(TDC& dc, int pass);
    void KleineWohngebaeudeAusgeben(TDC& dc, int pass);
    void Anlage3NachweisAusgeben(TDC& dc, int pass);
    void EnergieblattAusgeben(TDC& dc, int pass);
    void HeindlblattAusgeben(TDC& dc, int pass);
    void MassenblattAusgeben(TDC& dc, int pass);
    void VolumenblattAusgeben(TDC& dc, int pass);
    void FlaechenblattAusgeben(TDC& dc, int pass);
    void FassadenblattAusgeben(TDC& dc, int pass);
    void BauteilUebersichtAusgeben(TDC& dc, int pass);
    void BauteilFensterblaetterAusgeben(TDC& dc, int pass);
    void BauteilblattAusgeben(TDC& dc, TRBauteil* bauteil, int pass);
    void FensterblattAusgeben(TDC& dc, TRFenster* fenster, int pass);
    void TemperaturVergleichAusgeben(TDC& dc, int pass);
    void GlaserVergleichAusgeben(TDC& dc, int pass);

    // Overview switches of the context menu: grouped by facade, type filter.
    bool UebersichtNachFassaden = false;
    int UebersichtTypFilter = -1; // component class shown, -1 for all

    // --- Runner of the component, window and comparison blocks ---
    // One block whose content is any call; umbruch 0 breaks the page when the
    // block does not fit, 1 always, 2 never. The page comes from the block before.
    void BlockAusfuehren(TDC& dc, int pass, int umbruch, int art,
                         const std::function<void()>& inhalt);
    // A block of fixed height whose paint is the call (the graphic block).
    void FesterBlockAusfuehren(TDC& dc, int pass, int hoehe, int art,
                               const std::function<void()>& inhalt);
    // The same on a page of its own (the Glaser diagram of a component).
    void FesterBlockAufNeuerSeite(TDC& dc, int pass, int hoehe, int art,
                                  const std::function<void()>& inhalt);
    // The Glaser diagram block of one area range of a component sheet.
    void GlaserBlockAusgeben(TDC& dc, TRBauteil* bauteil, TEinfachBauteil& eb, int pass);
    // The area pages: facade, element and sub-area ranges per page.
    std::vector<FlaechenWerte> FlaechenSeitenAufteilen() const;
    void HuellflaechenSeite(TDC& dc, const FlaechenWerte& werte, int pass);

protected:
    // Reloads the settings before each build; the window reads its files.
    virtual void EinstellungenNeuLaden() {}
    // The caption of a sheet of one component or window follows its subject.
    virtual void TitelSetzen(const std::string& /*titel*/) {}
    // The page display of the builder's start.
    virtual void BlattStatusAnzeigen();

private:
    TBlock& aufbauen(TDC& dc, int pass);
    void aufbauVorbereiten(TDC& dc, int pass);
    // The border of the page the current block opens, on the paint pass.
    void randRegel(TDC& dc, int pass);
    void abschnitt(int id, bool zaehlerZuruecksetzen = true);
    // Steps 1 and 2 of the runner protocol shared by every runner; false
    // when the layout reset took the block.
    bool laeuferAnfang(bool abschnittStempeln, bool seiteVomVorgaenger, int pass);
    void laeuferEnde(int art);
    // On the paint pass the status bar names the component of a block on the page shown.
    void bereichAnzeigen(const TRBauteil* bauteil, int bereich, int bereiche, int pass);
    // After its member on the layout pass a block starts a new page when it
    // does not fit, always, or never.
    enum class Umbruch { WennVoll, Immer, Nie };
    void festerBlock(TDC& dc, int pass, int hoehe, int art, Umbruch umbruch,
                     const std::function<void()>& inhalt);
    template <class Aufruf>
    void blockLaufen(TDC& dc, int pass, bool abschnittStempeln, bool seiteVomVorgaenger,
                     Umbruch umbruch, int art, Aufruf&& aufruf);
};
