#pragma once
// The data-sheet window: an MDI child that shows one page of a sheet at a
// time, lays the sheet out when it opens and when the project changes,
// scrolls through its pages, and prints and previews them through the
// program's print-out. Each sheet kind has a small class of its own
// (Blattfenster.h) that only keeps the flag or list that stops it opening
// twice.
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "korvalin/shell/korpusMDIChild.h"

#include "platform/window/RubberBand.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBauteilEdit;
struct TDatenblattEditfeld;
class TMenu;
class TRBauteil;
class TRFenster;
class TEinfachBauteil;

class TDatenWindow : public korpusMDIChild, public TDatenblattAufbau {
public:
    // Chosen components and windows of the project (source 0); with counts
    // of 0 the sheet shows no component or window pages.
    TDatenWindow(TMDIClient& parent, std::string_view caption, int blattart, int umfang,
                 const std::vector<TRBauteil*>& bauteile, const std::vector<TRFenster*>& fenster);
    // A component list (source 3) or a window list (source 4) of a catalogue file.
    struct BauteilListeAusDatei {
        std::vector<TRBauteil*> liste;
    };
    struct FensterListeAusDatei {
        std::vector<TRFenster*> liste;
    };
    TDatenWindow(TMDIClient& parent, std::string_view caption, int blattart, int umfang,
                 BauteilListeAusDatei liste);
    TDatenWindow(TMDIClient& parent, std::string_view caption, int blattart, int umfang,
                 FensterListeAusDatei liste);
    // One component (kind 5) and one component of a given kind (source 1).
    TDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* bauteil,
                 TEinfachBauteil* variante);
    TDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* bauteil, int blattart);
    // One window (kind 5, source 2).
    TDatenWindow(TMDIClient& parent, std::string_view caption, TRFenster* fenster, int variante);
    // Two components compared (source 5).
    TDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* erster, int wert1,
                 TRBauteil* zweiter, int wert2, int blattart);
    ~TDatenWindow() override;

    void SetupWindow() override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    bool CanClose() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) override;
    void EvVScroll(uint32_t code, int thumbPos, HWND control) override;
    void EvHScroll(uint32_t code, int thumbPos, HWND control) override;
    // Three line steps a notch, through the page logic of the keys.
    void EvMouseWheel(uint32_t modKeys, int zDelta, TPoint point) override;

    // WM_PROJEKT_AKTUALISIEREN: 0 renews the component graphics when they
    // changed, 1 also lays the sheet out again, 2 only lays it out; others
    // change nothing.
    void ProjektAktualisieren(int modus);
    // The two layout runs on the measuring device, then a repaint.
    void NeuAuslegen();
    void BauteilGrafikenErneuern();

    // Printing and preview (the commands 24337, 24338, 24340).
    void CmDrucken();
    void CmDruckerEinrichten();
    void CmDruckvorschau();

    // Page navigation: line steps, the page dialogs.
    void ZeilenHoch(int n);
    void ZeilenRunter(int n);
    void GeheZuSeite();
    void SeitenNummerierung();
    bool SeitenNummerierungMoeglich() const;
    // The page shown on screen, 0-based.
    int BildschirmSeite() const;
    void BildschirmSeiteSetzen(int seite);

    // Dirty flags of the stored records: components, windows, sheets, template.
    bool BtDatenGeaendert = false, FnDatenGeaendert = false, BlattDatenGeaendert = false,
         VorlageGeaendert = false;
    // Drawing offsets of the screen view (pixels, 0 or negative).
    int HOffset = 0, VOffset = 0;
    bool AmEnde = false;

    // --- Editing the page: page-edit mode, dragging blocks, column borders
    // and margins, texts typed in place (TDatenWindowBearbeiten.cpp), and the
    // context menu (TDatenWindowKontextmenue.cpp) ---
    void EvLButtonDown(uint32_t modKeys, TPoint point) override;
    void EvLButtonUp(uint32_t modKeys, TPoint point) override;
    void EvLButtonDblClk(uint32_t modKeys, TPoint point) override;
    void EvMouseMove(uint32_t modKeys, TPoint point) override;
    void EvRButtonDown(uint32_t modKeys, TPoint point) override;
    // A client point in page units of the page shown.
    TPoint BlattPunkt(TPoint client) const;
    TRect ClientRechteck(const TRect& blatt) const;
    // The resizable block (else the table block) under a point in page units.
    void BlockTreffen(TPoint blatt);
    void BearbeitenBeginnen(TPoint client);
    void EditorOeffnen();
    void EditorUebernehmen(int nummer);
    // Commits an open editor and removes its control.
    void EditorBeenden();
    TBauteilEdit* OffenerEditor() const { return editor_.get(); }
    void NeuLayouten();
    void BlocktexteLesen();
    void BlocktexteSchreiben();
    void SpaltenbreiteUebernehmen();
    void SeiteBearbeitenUmschalten();
    void EinstellungenBearbeiten();
    void BauteilBearbeiten();
    // Outside page-edit mode: a row of the facade, overview or area table
    // opens the editor of its component or window.
    void ZeileOeffnen(TPoint client);
    void ZeigerAusserhalbDerBearbeitung(TPoint client);
    bool BauteilBearbeitenMoeglich();
    void GrafikSchalten(int id);
    void GrafikDrehen(bool umkehren);
    TMenu& Kontextmenue();
    // The eight margin handles of the page body.
    std::vector<TRect> Randgriffe() const;

    int Trefferblock = -1, Tabellenblock = -1, Griffcode = -1;
    bool BlockGezogen = false;
    int Randgriff = -1;
    bool RandZiehen = false;
    bool Ziehen = false; // from button-down to button-up in page-edit mode
    TPoint LetzterPunkt;
    TRect Ziehrechteck;
    TRect Marke;
    int MarkeSpalte = -1, MarkeBlock = -1;
    bool SpalteZiehen = false;
    int BearbeiteterBlock = -1;
    static constexpr int EditorId = 1;
    // Most a data-sheet file can keep of one text, in Windows-1252 bytes.
    static constexpr unsigned TextGrenze = 65535;

protected:
    void EingabefeldZuruecksetzen(int abschnitt) override;
    void EingabefeldZeichnen(TDC& dc) override;
    void SeitenEditRahmen(TDC& dc);
    void editBefehleEintragen();

    // Leaves the flag or list that marks the sheet open; when the window is
    // destroyed and again when it is deleted.
    virtual void Austragen() {}
    void CleanupWindow() override;
    void EinstellungenNeuLaden() override;
    void TitelSetzen(const std::string& titel) override;
    void StatusSeiteSetzen(const std::string& text) override;
    void BlattStatusAnzeigen() override;

private:
    TDatenWindow(TMDIClient& parent, std::string_view caption, int blattart, int quelle);
    void initialisieren();
    // The shared records of the project sheets, read from their side files.
    void projektDatenOeffnen();
    void befehleEintragen();
    void textLayoutSetzen();
    // After a layout run: the page layout, the scroll range and a repaint.
    void layoutZeigen();
    // The layer graphics, when a change asked for them and the sheet shows them.
    void geaenderteGrafikenErneuern();
    // Pixel sizes of the view: client height and width, line steps.
    int sichtbareZeilen() const;
    int zeilenSchritt() const;
    int spaltenSchritt() const;
    int scrollPos() const;
    void scrollPosSetzen(int p);
    void seitenZaehlerSetzen(int seite);
    void seiteUnten(int seite);

    // Page editing.
    TDatenblattEditfeld* editfeld(const TBlock& block, bool anlegen);
    void editorPlatzieren(int hoehe);
    void zeilenzahlPruefen();
    // A layout pass that keeps the blocks' geometry, then a repaint.
    void layoutLauf();
    // The component of a component sheet's page shown; none on other pages.
    const TRBauteil* bauteilDerSeite() const;
    // The row of the list table under a point that may open an editor; -1 for none.
    int zeileUnter(TPoint blatt, bool doppelklick);
    bool aufDiagrammbeschriftung(TPoint blatt) const;
    void randSchritt(TPoint client);
    void spaltenSchritt(TPoint client);
    std::unique_ptr<TBauteilEdit> editor_;
    // The edited block's height when the edit began: typing never makes it smaller.
    int editorMindesthoehe_ = 0;
    std::unique_ptr<TMenu> kontextmenue_;
    TRubberBand band_{*this};
    TRect altKoerper_;
};
