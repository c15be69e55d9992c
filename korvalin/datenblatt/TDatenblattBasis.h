#pragma once
// The page engine of a data sheet without its window: the text blocks of the
// sheet and its pages, the table model with its drawing primitives, the page
// frame with header and footer, and the content generators that need no
// window. TDatenWindow derives from it; the block runners and page drivers
// call the members here with the pass last (0 lays out, 1 paints).
//
// All coordinates are page units (portrait 891 x 1260, landscape 1260 x 891);
// a table row is 19 units high, a character 5 units wide.
#include "hilfsmittel/layout/KopfzeileData.h"
#include "korvalin/datenblatt/TBlock.h"
#include "platform/base/Color.h"
#include "platform/base/Geometry.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDC;
class TFont;
class TGesamtProjekt;
class TProjekt;
class TEinfachBauteil;
class TRFenster;
class TPFenster;
class TFixDaten;
class TDateiFixDaten;
class TBtTextGroessen;
class TBtGrafikGroessen;
class TBtSeitenGroessen;
class TBtKopfzeileGroessen;
class TZahlenDarstellungGroessen;
class TUnterlegungsGroessen;
class TRahmenGroessen;
class TLogoGroessen;
class TAdressGroessen;
class TFirmenLogo;
class TRBauteil;
class TPBauteil;
class TEinfachBauteil;
class TBauteilGrafik;
class TRFenster;
class TPFenster;
class TFassade;
class TDimVolumen;
class TPen;
class TBauteilGlaser;
enum class Textstil;

class TDatenblattBasis {
public:
    static constexpr int Zeilenhoehe = 19;  // page units
    static constexpr int Zeichenbreite = 5; // page units
    static constexpr int MaxSpalten = 20;
    // Columns whose stored widths add to 100 fill 36/37 of the body width.
    static constexpr double Breitenfaktor = 0.1945945945945946;

    TDatenblattBasis();
    virtual ~TDatenblattBasis();
    TDatenblattBasis(const TDatenblattBasis&) = delete;
    TDatenblattBasis& operator=(const TDatenblattBasis&) = delete;

    // Settings: the nine layout objects, reloaded at the start of every build
    // from the project's file (projekt) or "datei.ini"; then the logo, the
    // shading colours, the number separators and the header data follow them.
    void EinstellungenLaden(bool projekt);

    // --- Text blocks ---
    TRect BlockRechteck() const { return Block.Rechteck(); }
    void BlockLaden(int n);
    void VorgaengerLaden(int n);
    void NachfolgerLaden(int n);
    void BlockPositionieren();
    void BlockGroesseSetzen();
    void BlockAbschliessen(int nummer, int benutzerblock, int art);
    void BlockInitialisieren(int nummer);
    void StandardBlockSetzen();
    // The fit test of the runners: room under the previous block above the footer.
    bool BlockPasstAufSeite() const;
    void NeueSeite();
    void EingabefeldBlock(TDC& dc, int pass, int satznummer, int variantennummer);
    bool AufAktuellerSeite() const { return Block.Seite == AktuelleSeite + 1; }
    // The current block's sides as placing will set them: a block new to the
    // array has no geometry yet when its content is measured.
    int BlockLinks() const { return Koerper.left + Block.Einzug; }
    int BlockRechts() const { return Koerper.right - Block.Einzug; }

    // --- Table model ---
    void SpaltenLayout();
    // Working width k = 0.01 * percentage of set `satz`, column k-1, times the
    // body width and the width factor (k = 1..spalten); width 0 is 0.
    void SpaltenBreitenSetzen(int satz, int spalten);
    void TabelleZeichnen(TDC& dc, int zeilen, int spalten, int pass);
    void TabellenRaster(int zeilen, int spalten);
    void TabellenGitter(TDC& dc, int zeilen, int spalten);
    void ZelleText(TDC& dc, int ersteSpalte, int endSpalte, int zeile, int spanne, int ausrichtung,
                   int fuellen);
    void TabellenZeile(TDC& dc, int zeile, int spalten, int spanne, const int* ausrichtung,
                       int fuellen);
    void TabellenZeileZentriert(TDC& dc, int zeile, int spalten, int spanne, const int* modus,
                                int fuellen);
    void ZahlFormatieren(int spalte, double wert);
    void KommentarZeichnen(TDC& dc, const std::string& text, int pass);
    void TitelZeichnen(TDC& dc, const std::string& text, int pass);
    void TabellenRahmenOhneLetzteZeile(TDC& dc);
    void TabellenRahmenZeichnen(TDC& dc);
    void TabellenRahmenBisZeile(TDC& dc, int zeile);
    void EinheitMitExponentZeichnen(TDC& dc, int x, int y, const TFont& basisSchrift,
                                    const TFont& exponentSchrift, const std::string& basis,
                                    const std::string& exponent);
    // Grid routines of the list tables: cells of a row from given edges,
    // shaded heading rows and a ruled grid over the window's edges.
    void ZellenSetzen(int spalten, int zeile, const int* x, const int* y);
    void ZeileFuellen(TDC& dc, int spalten, int zeile, TColor farbe);
    void ZeileBeschriften(TDC& dc, int spalten, int zeile, const std::vector<std::string>& texte);
    void TabellenZeileZeichnen(TDC& dc, int spalten, int zeile, const int* x, const int* y,
                               TColor farbe, const std::vector<std::string>& texte);
    void GitterTabelleZeichnen(TDC& dc, int zeilen, int spalten,
                               const std::vector<std::string>& kopf1,
                               const std::vector<std::string>& kopf2);
    // Rectangle of cell (row, column); rows grow as tables need them.
    TRect& Zelle(int zeile, int spalte);
    int Zeilenkante(int i) const;

    // --- Page frame, header and footer ---
    void SeitenRahmen(TDC& dc, int pass);
    void SeitenRandZeichnen(TDC& dc, bool zeichnen);
    void KopfzeileZeichnen(TDC& dc, int pass);
    void FusszeileZeichnen(TDC& dc, int pass);
    void SeitenStatusAnzeigen();
    void KopfzeilenDatenSetzen();
    void KopfzeilenTexteSetzen(bool vorlage);
    // The header fields of the page being drawn.
    TKopfzeilenAngaben KopfzeilenAngaben() const;
    bool LogoGezeigt() const;
    // The logo band lies on this page: logo on every page, or on page index 0.
    bool LogoAufDieserSeite() const;
    bool LogoAufJederSeite() const;
    int LogoHoehe() const;

    // --- Content: project header and data section, titles ---
    void ProjektKopfTabelle(TDC& dc, int pass);
    void ProjektdatenAbschnitt(TDC& dc, int pass);
    void WaermeschutzTitelSetzen();
    void WaermeschutzUntertitelSetzen();
    void FeuchteschutzTitelSetzen();
    void AufstellerTextSetzen(TDC& dc);
    void SeitenumfangSetzen();
    void TitelTextZeichnen(TDC& dc, TFont schrift, TColor farbe, int ausrichtung, int pass);

    // --- Content: section titles, the quantities sheet ---
    void HeindlTitel(TDC& dc, int pass);
    void HeindlErlaeuterung(TDC& dc, int pass);
    void EnergieTitel(TDC& dc, int pass);
    void MassenTitel(TDC& dc, int pass);
    void MassenTabelle(TDC& dc, int anzahl, int erster, int pass);
    void MassenZeilenZeichnen(TDC& dc, int erster, int zeilen, int spalten);

    // --- Content: heat-protection proof, energy sheet, project title sheet ---
    // (each in its own source file: Waermebedarf, Diagramme, Anforderungen,
    // Bauteilverfahren, Energie, Projektdaten)
    // The number rule of the tables: the fixed format below ExponentLimit,
    // "%5.4G" at or above it; `vor` is written before the number when given.
    std::string GrenzZahl(const char* fest, double wert, const char* nach,
                          const char* vor = nullptr) const;
    // A gain, printed as a deduction (-wert) by the same rule; a gain that
    // rounds to nothing prints without a minus.
    std::string AbzugZahl(const char* fest, double wert, const char* nach) const;
    void WaermebedarfsTabelle(TDC& dc, int pass);
    void TransmissionsKreisdiagramm(TDC& dc, int breite, int hoehe, int tiefe,
                                    const double* anteile, int anzahl, int pass);
    void KreisdiagrammBeschriften(TDC& dc, int breite, int hoehe, const double* anteile, int anzahl,
                                  int pass);
    void BilanzBalkendiagramm(TDC& dc, int breite, int hoehe, int tiefe, const double* werte,
                              int anzahl, int pass);
    void DiagrammRahmenZeichnen(TDC& dc, TPoint& ursprung, int breite, int hoehe, int dx, int dy);
    void AchsenBeschriften(TDC& dc, TPoint& ursprung, int dx, int dy, int hoehe);
    void BalkenZeichnen(TDC& dc, TRect* balken, int k, int dx, int dy);
    void BalkenBeschriften(TDC& dc, TRect& balken, int dx, double wert);
    std::array<TRect, 10> Diagrammbeschriftungen{}; // chart labels, hit-tested by the mouse
    int DiagrammSeite = 0;                          // the page they lie on, from 1
    // The chart block of the proof: fixed height 450, the pie and the bars.
    void DiagrammBlock(TDC& dc, int pass);

    void AVVerfahrenErgebnis(TDC& dc, int pass);
    void ZusatzanforderungenUeberschrift(TDC& dc, int pass);
    void FlaechenheizungAnforderung(TDC& dc, int pass);
    void SommerlicherWaermeschutzAnforderung(TDC& dc, int pass);
    void TrennwaendeAnforderung(TDC& dc, int pass);
    void RolladenkastenAnforderung(TDC& dc, int pass);
    void HeizkoerperVorFensterAnforderung(TDC& dc, int pass);
    void FugendurchlassAnforderung(TDC& dc, int pass);
    void DoppelverglasungAnforderung(TDC& dc, int pass);
    void WaermeschutzGesamtergebnis(TDC& dc, int pass);
    void NiedrigenergiehausAnforderung(TDC& dc, int pass);
    void PassivhausAnforderung(TDC& dc, int pass);
    void BauteilverfahrenKleineWohngebaeude(TDC& dc, int pass);
    void BauteilverfahrenBestand(TDC& dc, int pass);
    void FlaechenheizungPruefung(TDC& dc, TEinfachBauteil* querschnitt, int pass);
    void RolladenkastenPruefung(TDC& dc, TEinfachBauteil* querschnitt, int pass);
    void HeizkoerperFensterPruefung(TDC& dc, const TRFenster* typ, const TPFenster* fenster,
                                    int pass);
    void HeizkoerperAbdeckungErfuellt(TDC& dc, const TRFenster* typ, const TPFenster* fenster,
                                      int pass);
    void HeizkoerperAbdeckungNichtErfuellt(TDC& dc, const TRFenster* typ, const TPFenster* fenster,
                                           int pass);
    void VerglasungPruefung(TDC& dc, const TRFenster* typ, const TPFenster* fenster, int pass);
    void FugendurchlassPruefung(TDC& dc, const TRFenster* typ, const TPFenster* fenster, int pass);

    void BauteilverfahrenTitelKleineWohngebaeude(TDC& dc, int pass);
    void BauteilverfahrenTitelBestand(TDC& dc, int pass);
    void BauteilListeKleineWohngebaeude(TDC& dc, int anzahl, int erster, int pass);
    void BauteilListeBestand(TDC& dc, int anzahl, int erster, int pass);
    void FensterListeBestand(TDC& dc, int anzahl, int erster, int pass);
    void BauteilZeilenKleineWohngebaeude(TDC& dc, int erster, int anzahl, int spalten);
    void BauteilZeilenBestand(TDC& dc, int erster, int anzahl, int spalten);
    void FensterZeilenBestand(TDC& dc, int erster, int anzahl, int spalten);
    void FensterZeileKleineWohngebaeude(TDC& dc, int pass);

    void HeizsystemTabelle(TDC& dc, int pass);
    void HeizwaermebedarfTabelle(TDC& dc, int pass);
    void EnergieverbrauchTabelle(TDC& dc, int pass);
    void ProjektdatenTabelle(TDC& dc, int pass);

    // --- Content: the component sheet and the window sheets ---
    // Component sheet: graphic block, reference table, layer table body.
    void BauteilGrafikZeichnen(TDC& dc, TBauteilGrafik* grafik, int materialFlag,
                               const TRect& bereich, int pass);
    void ReferenzBauteilTabelle(TDC& dc, int bereich, int bereiche, TRBauteil* bauteil,
                                TPBauteil* platzierung, TEinfachBauteil* eb, int pass);
    int AnforderungsZeilen(TDC& dc, TRBauteil* bauteil, int& zeile, int schreiben);
    void BauteilFlaechenSumme(TRBauteil* bauteil, TPBauteil* platzierung, double& flaeche,
                              double& qt);
    void PlatzierungsZeilen(TDC& dc, TRBauteil* bauteil, TPBauteil* platzierung, int& zeile);
    void PlatzierungsZeile(TDC& dc, TPBauteil* platzierung, int& zeile);
    void KeinSchichtaufbauText(TDC& dc, TEinfachBauteil* eb, int pass);
    void SchichtTabelleZeichnen(TDC& dc, TRBauteil* bauteil, TEinfachBauteil* eb, int n, int pass);
    void BauteilLayoutBerechnen(int n);
    void BauteilRahmenZeichnen(TDC& dc, int n, int pass);
    void BauteilKopfZeichnen(TDC& dc, TRBauteil* bauteil);
    void UebergangInnenZeile(TDC& dc, TRBauteil* bauteil, int position, int pass);
    void UebergangAussenZeile(TDC& dc, TRBauteil* bauteil, int position, int pass);
    void SchichtZeilenZeichnen(TDC& dc, int n, TRBauteil* bauteil, TEinfachBauteil* eb, int pass);
    // Window sheets.
    void FensterHuelleTabelle(TDC& dc, TRFenster* fenster, TPFenster* pfenster, int pass);
    void ReferenzFensterTabelle(TDC& dc, TRFenster* fenster, TPFenster* pfenster, int pass);
    void ProjektFensterTabelle(TDC& dc, TRFenster* fenster, TPFenster* pfenster, int pass);
    void ProjektFensterSummen(TRFenster& fenster, double& af, double& qt, double& qs);
    // Moisture remarks of a cross-section.
    void FeuchteHinweise(TDC& dc, TEinfachBauteil* eb, int pass);
    // Facade sheet.
    void FassadenTabelle(TDC& dc, int ersteFassade, int endFassade, int ersteZeile, int endZeile,
                         int zeilen, int pass);
    void FassadenSommerZeile(TDC& dc, const TFassade& fassade, int& zeile);
    void FassadenSummenZeile(TDC& dc, int& zeile, const int* ausrichtung);
    void FassadenFussnoten(TDC& dc, int zeile);
    // Area and volume sheets.
    int FlaechenZeilenZaehlen(int schluessel);
    void HuellflaechenTabelle(TDC& dc, int ersteFassade, int endFassade, int erstesElement,
                              int endElement, int ersteTeilflaeche, int endTeilflaeche,
                              int letzteZeile, int pass);
    // Table rows of the volumes [erstes, ende) with heading and sum rows; a
    // volume takes the rows it prints (VolumenZeilen).
    int VolumenZeilenZaehlen(int erstes = 0, int ende = 1 << 30) const;
    static int VolumenZeilen(const TDimVolumen& v);
    void VolumenTabelle(TDC& dc, int erstesVolumen, int endVolumen, int, int, int, int pass);
    // Component overview, grouped by facade or by type.
    void BauteilUebersichtKopf(TDC& dc, int* zeile, int spalten);
    void BauteilUebersichtFassaden(TDC& dc, int ersteFassade, int endFassade, int erstesElement,
                                   int endElement, int zeilen, int pass);
    void BauteilUebersichtTypen(TDC& dc, int ersteGruppe, int endGruppe, int erstesElement,
                                int endElement, int zeilen, int pass);
    // Restriction of the overview by type to one class (0-9 components, 10 windows).
    bool UebersichtEingeschraenkt = false;
    int UebersichtKlasse = 0;
    // The row table of the list tables: every row a marker, as many as the
    // table has (at least 50).
    void ZeilentabelleZuruecksetzen(int zeilen);
    void ZeilenschluesselSetzen(int zeile, int16_t nummer, int16_t code);
    // The sheet's last page (0-based index of the page being painted is AktuelleSeite).
    bool AufLetzterSeite() const { return Block.Seite >= Seitenzahl; }

    // Comparison sheets: temperature profiles and Glaser diagrams side by side.
    // They draw on whatever DC they get, in both passes, and size their block.
    void VergleichTitel(TDC& dc, int pass);
    void GlaserVergleichTitel(TDC& dc, int pass);
    void TemperaturVergleich(TDC& dc, TRBauteil* a, TEinfachBauteil* ebA, TRBauteil* b,
                             TEinfachBauteil* ebB);
    void TemperaturVergleichHaelften(TDC& dc, TRect& rahmen, TRBauteil* a, TEinfachBauteil* ebA,
                                     TRBauteil* b, TEinfachBauteil* ebB);
    void TemperaturVerlaufZeichnen(TDC& dc, int fall, int m, TRBauteil* bauteil,
                                   TEinfachBauteil* eb, TRect plot, TPen fallStift,
                                   TPen rahmenStift);
    // Ticks of the thickness axis (step 10, 20, 30 or 40 times a power of ten);
    // none for a length that is not positive.
    static void AchsenTeilung(double laenge, int& striche, double& schritt);
    void GlaserVergleich(TDC& dc, TRBauteil* a, TEinfachBauteil* ebA, TRBauteil* b,
                         TEinfachBauteil* ebB);
    void GlaserVergleichSeiten(TDC& dc, TRect& r, TRBauteil* a, TEinfachBauteil* ebA, TRBauteil* b,
                               TEinfachBauteil* ebB);
    void GlaserVergleichSeite(TDC& dc, TRBauteil* bauteil, TEinfachBauteil* eb, const TRect& r);
    void GlaserDiagrammZeichnen(TDC& dc, int schichten, TRBauteil* bauteil, TEinfachBauteil* eb,
                                TRect d, TPen duenn);
    // Step of the s_d axis; none for a total that is not positive.
    static void SdAchsenTeilung(double v, int& anzahl, double& schritt);
    void AchsenStricheX(TDC& dc, int anzahl, double schritt, double faktor, TRect d, const int& x0,
                        int* xs);
    // The Glaser painter whose formula writers the sheets use.
    TBauteilGlaser& GlaserMaler();
    // The screen height that the comparison sheets scale their header bands
    // by, fixed in page units so that screen and paper agree.
    static constexpr int Bildschirmhoehe = 768;
    // Limit humidities for surface and corner condensation of a cross-section.
    void TauwasserGrenzwerte(TDC& dc, TRBauteil* bauteil, TEinfachBauteil* eb, int pass);
    // Periodic heat transfer after Heindl, cases I and II, for the sheet's component.
    void HeindlFall1(TDC& dc, int pass);
    void HeindlFall2(TDC& dc, int pass);
    void HeindlKennwerte(TDC& dc, int fall, int pass);
    TRBauteil* PeriodenBauteil = nullptr;

    // Row height of the component sheet: text height plus 10, fixed in page
    // units so that screen and print lay out alike.
    static constexpr int Bauteilzeilenhoehe = 14 + 10;
    // Edges of the component sheet: header rows, layer-table rows and the
    // interface grid of the boundary values (offset by half a row).
    std::vector<int> Kopfkanten, Schichtkanten, Grenzkanten;
    bool Spaltenmarken() const { return SeitenEditModus; }

    // The current variant; null for sheets of no project.
    TProjekt* Projekt() const;
    // The window type's k_F as the current variant's proof counts it.
    double FensterKWert(const TRFenster& typ) const;

    // --- State of the page engine (the window and the drivers set it) ---
    TGesamtProjekt* Gesamtprojekt = nullptr;
    int Blattart = 0; // sheet kind 0-14
    int Quelle = 0;   // sheet source 0-4
    int AktuellerAbschnitt = 0;
    bool Ruecksetzen = false; // layout reset in progress
    bool NeueSeiteAnstehend = false;
    // Data-file flags: one component or one window from a catalogue file, a
    // component or window list from a file. Any of them makes a catalogue
    // sheet: no project figures, no project records, no input fields.
    bool BtDatei = false;
    bool FnDatei = false;
    bool BtDateiListe = false;
    bool FnDateiListe = false;
    bool DateiFlag() const { return BtDatei || FnDatei || BtDateiListe || FnDateiListe; }
    bool EinzelDatei() const { return BtDatei || FnDatei; }
    bool DateiListe() const { return BtDateiListe || FnDateiListe; }
    bool SeitenEditModus = false;
    bool Projektblatt = true; // false: catalogue sheet, header fields in template mode
    int Durchgang = 0;        // pass being run; the cell primitives draw on 1 only
    TRect Koerper;            // body of the page
    int AktuelleSeite = 0;    // page index shown or printed, 0-based
    int Seitenzahl = 1;
    int ErsteSeite = 1;     // number of the first page (page numbering dialog)
    bool Drucken = false;   // a print-out or preview is drawing
    int Zeilenschritt = 14; // line step of the page text

    // The subject of the blocks being laid out: each block of the layout pass
    // takes it, so that no block keeps the component of another sheet.
    TRBauteil* BlockBauteil = nullptr;
    TRFenster* BlockFenster = nullptr;
    void BlockSubjektSetzen();
    // A component block's display switches follow the component's stored
    // drawing: bit 1 turned by 90°, bit 0 layers reversed.
    void GrafiklageSetzen();
    static int Grafiklage(const TRBauteil& bauteil);
    static void GrafiklageSpeichern(TRBauteil& bauteil, int lage);

    int BlockNummer = 0;
    int BlockAnzahl = 0; // blocks of the last complete build
    TBlock Block, Vorgaenger, Nachfolger;
    std::vector<TBlock> Bloecke;
    std::vector<TBlockSeiteStruct> Seiten; // index = page number

    // Table model of the table being written.
    std::array<double, MaxSpalten + 1> Spaltenbreite{};        // in character widths, from index 1
    std::vector<std::array<double, MaxSpalten>> Breitensaetze; // working width sets
    std::array<int, MaxSpalten + 1> Spaltenkante{};
    std::vector<int> Zeilenkanten;
    std::vector<std::array<TRect, MaxSpalten + 1>> Zellen;
    std::array<std::string, MaxSpalten> Spaltentext;
    int Tabellenzeilen = 0, Tabellenspalten = 0;
    std::array<std::array<TRect, MaxSpalten + 1>, 5> Spaltengriffe{}; // block kinds 1-5
    // Row table of the facade, overview and area tables: per table row its
    // top edge and which placed component (code other than 10) or window
    // (code 10) it shows; below -4 in either value: no such row. As long as
    // the table has rows.
    struct TZeilenEintrag {
        int Oben = 0;
        int16_t Nummer = -5;
        int16_t Code = -5;
    };
    std::vector<TZeilenEintrag> Zeilentabelle;
    TColor Zellfarbe{225, 225, 225};
    TColor Boxfarbe{225, 225, 225};

    // Title text buffer (also scratch text of other generators).
    std::string Titeltext;
    // The proof choices of the component choice dialog: the energy balance
    // (Anlage 1 Ziffer 1 und 6) and the simplified proof (Anlage 1 Ziffer 7).
    // The builder runs their sections and the subtitle names them.
    bool EnergiebilanzGewaehlt = true;
    bool KleineWohngebaeudeGewaehlt = false;

    // Header and footer.
    TKopfzeileData Kopfzeilendaten;
    std::array<std::string, 6> KopfzeilenTexte; // expanded
    int KopfSeite = 1;                          // page number being drawn
    std::string Projektpfad, Dateiname, Projektname;
    std::string Statustext; // last page display of the status bar

    // Stored records; the window shares them between its project sheets.
    TFixDaten* FixDaten = nullptr;
    TDateiFixDaten* DateiFixDaten = nullptr;

    TBtTextGroessen& Texte() const { return *texte_; }
    TBtGrafikGroessen& Grafik() const { return *grafik_; }
    TBtSeitenGroessen& SeitenLayout() const { return *seiten_; }
    TBtKopfzeileGroessen& Kopfzeile() const { return *kopfzeile_; }
    TZahlenDarstellungGroessen& Zahlen() const { return *zahlen_; }
    TUnterlegungsGroessen& Unterlegung() const { return *unterlegung_; }
    TRahmenGroessen& Rahmen() const { return *rahmen_; }
    TLogoGroessen& Logo() const { return *logo_; }
    TAdressGroessen& Adresse() const { return *adresse_; }
    TFirmenLogo* FirmenLogo() const { return firmenLogo_.get(); }
    void SetFirmenLogo(std::unique_ptr<TFirmenLogo> logo);

protected:
    // The status bar's page field; the window shows it when it is active.
    virtual void StatusSeiteSetzen(const std::string& text) { Statustext = text; }
    // In-place editing of input fields belongs to the window.
    virtual void EingabefeldZuruecksetzen(int /*abschnitt*/) {}
    virtual void EingabefeldZeichnen(TDC& dc);

private:
    // Fills (f = 1) and writes column text `text` in a cell, single line.
    void zelleZeichnen(TDC& dc, const TRect& r, const std::string& text, int ausrichtung,
                       int fuellen);
    void rahmenBis(TDC& dc, int unten);
    void kopfFussZeichnen(TDC& dc, const TRect& r, Textstil stil, int erster, int abstand);
    void boxZeichnen(TDC& dc, const std::string& text, Textstil stil, bool titel, int pass);
    std::string zahlText(const char* vor, double wert, const char* nach) const;
    // Component and window sheets.
    void uebergangZeile(TDC& dc, int position, const char* name, double r);
    std::string flaechenZahl(double wert) const;
    // Rules of the list tables: across columns von..bis at the top of a row,
    // and down a column edge between the tops of two rows; width 1 thin, 2 thick.
    void querLinie(TDC& dc, int zeile, int von, int bis, int breite = 1);
    void laengsLinie(TDC& dc, int spalte, int vonZeile, int bisZeile, int breite = 1);
    void uebersichtSchreiben(TDC& dc, const struct UebersichtGruppen& gruppen, int erste, int end,
                             int erstesElement, int endElement, int zeilen, int pass,
                             bool summeAufJederSeite);

    std::unique_ptr<TBtTextGroessen> texte_;
    std::unique_ptr<TBtGrafikGroessen> grafik_;
    std::unique_ptr<TBtSeitenGroessen> seiten_;
    std::unique_ptr<TBtKopfzeileGroessen> kopfzeile_;
    std::unique_ptr<TZahlenDarstellungGroessen> zahlen_;
    std::unique_ptr<TUnterlegungsGroessen> unterlegung_;
    std::unique_ptr<TRahmenGroessen> rahmen_;
    std::unique_ptr<TLogoGroessen> logo_;
    std::unique_ptr<TAdressGroessen> adresse_;
    std::unique_ptr<TFirmenLogo> firmenLogo_;
    std::unique_ptr<TBauteilGlaser> glaser_;
};
