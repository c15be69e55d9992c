#pragma once
// The component editor (dialog resource 5001), the client of a
// TBauteilWindow: the layer table of the current area range between the two
// surface-resistance rows, the result panel, the placed components of the
// open project that use the type, and the commands that change the type in
// place. A backup copy taken at opening undoes everything on "Nein".
#include "korvalin/bauteil/TLambdaDialog.h"
#include "platform/window/Dialog.h"

#include <memory>
#include <vector>

class TBauteilWindow;
class TBaustoff;
class TEinfachBauteil;
class TMenu;
class TPBauteil;
class TProjekt;
class TRBauteil;
class TSftTree;

class TBauteilDialog : public TDialog {
public:
    enum : int {
        IDD_BAUTEIL = 5001,
        IDC_SCHICHTEN = 22,
        IDC_PROJEKTBAUTEILE = 27,
        IDC_BEREICH = 25,
        IDC_HEIZSCHICHT = 509,
        IDC_FLAECHENHEIZUNG = 10011,
        IDC_SCHICHTAUFBAU = 506,
        IDC_DIREKT = 507,
        IDC_NEU = 21,
        IDC_EINFUEGEN = 515,
        IDC_AENDERN = 516,
        IDC_LOESCHEN = 518,
        IDC_KWERT = 517,
        IDC_TYP = 511,
        IDC_BEREICHE = 512,
        IDC_KLIMA = 513,
        IDC_TAUWASSER = 23,
        IDC_EDIT_INPLACE = 500,
    };
    // Menu and command ids of the layer table's and assigned table's menus.
    enum : int {
        CM_SCHICHT_NEU = 101,
        CM_SCHICHT_EINFUEGEN = 12300,
        CM_SCHICHT_AENDERN = 12302,
        CM_SCHICHT_LOESCHEN = 12303,
        CM_DATENBLATT = 12304,
        CM_TEMPERATURFENSTER = 12305,
        CM_GLASERFENSTER = 12306,
        CM_BAUTEIL_IN_DATEI = 12310,
        CM_BAUTEIL_IN_DATEI_HAUPT = 3030,
        CM_BAUSTOFF_IN_DATEI = 12311,
        CM_OPTIMIEREN = 11846,
        CM_TEMPERATURVERLAUF = 11845,
        CM_PERIODISCH = 11844,
        CM_FLAECHE = 12101,
        CM_TEMPERATURDIAGRAMM = 2000,
        CM_GLASERDIAGRAMM = 2010,
        CM_BAUTEILDATEN = 2490,
        CM_PERIODENDATEN = 2498,
        CM_TEMPERATURDATEN = 2481,
    };

    // bereich: the area range shown first (0 when out of range); pBauteil:
    // the placed component selected in the assigned table, or null.
    TBauteilDialog(TWindow* parent, TRBauteil* bauteil, int bereich, TPBauteil* pBauteil);
    ~TBauteilDialog() override;

    void SetupWindow() override;
    bool CanClose() override;
    void CmOk() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) override;
    void EvHScroll(uint32_t code, int thumbPos, HWND control) override;
    void EvVScroll(uint32_t code, int thumbPos, HWND control) override;

    // Results, tables and the assigned table.
    void ErgebnisseAnzeigen(int rechnen, int feuchte, int huelle, int umfang);
    void SchichtTabelleFuellen();
    void ProjektbauteileAktualisieren();
    void ProjektbauteileZeigen();
    void ProjektbauteileVerbergen();
    void ProjektbauteileAuflisten();
    void ProjektbauteilWaehlen();

    // Recalculation and the close checks.
    void BauteilBerechnen(int feuchte, int huelle, int umfang);
    int AnforderungenPruefen();

    // Surface heating, area range and input mode.
    bool FlaechenheizungPruefen();
    void FlaechenheizungUmschalten();
    void FlaechenheizungSchichtWaehlen();
    void BereichWaehlen();
    void SchichtaufbauEingabe();
    void DirekteKWertEingabe();

    // Layer commands.
    void SchaltflaechenAktualisieren();
    void SchichtNeu();
    void SchichtEinfuegen();
    void BaustoffeEinfuegen(const std::vector<const TBaustoff*>& liste);
    void BaustoffErsetzen(const std::vector<const TBaustoff*>& liste);
    void SchichtAendernDialog();
    void SchichtLoeschenDialog();
    // source row and drop row; copy: a copying drop.
    void SchichtVerschieben(int quelle, int ziel, bool kopie);
    // Opens the in-place editor over a cell; false when the cell is not editable.
    bool ZelleBearbeiten(int zeile, int spalte);
    // Takes the in-place editor's value; false when it was refused (the edit stays).
    bool ZelleUebernehmen();
    void ZelleAbbrechen();
    static bool ZelleEditierbar(const TEinfachBauteil* bereich, int zeile, int spalte);

    // Type, area ranges, direct U-value, area of a placed component.
    void BauteilTypBearbeiten();
    void BereicheBearbeiten();
    void KWertEingeben();
    void FlaecheEingeben();

    // OK and the two store commands.
    void BauteilSpeichern();
    void BauteilInDateiSpeichern();
    void BaustoffInDateiSpeichern();
    void SchichtOptimierenBefehl();

    // Climate sheet, condensate judgement and the two diagram windows.
    void KlimaBearbeiten();
    void TauwasserBeurteilen();
    void TemperaturverlaufAnzeigen();
    void GlaserDiagrammAnzeigen();
    // The component's data sheet, periodic heat transfer and temperature profiles.
    void BauteilDatenblatt();
    void PeriodenDatenblatt();
    void TemperaturDatenblatt();

    TRBauteil* Bauteil() const { return bauteil_; }
    TEinfachBauteil* AktuellerBereich() const { return bereich_; }
    void BereichSetzen(int index);
    TSftTree* SchichtTabelle() const { return schichten_; }
    TSftTree* ProjektbauteilTabelle() const { return projektbauteile_; }
    int AusgewaehlteZeile() const;
    void ZeileWaehlen(int zeile);

    // Set by the opener.
    TBauteilWindow* Fenster = nullptr;
    bool Projektmodus = false;
    bool Geaendert = false;

    // The current placed component: record, position in the type's list, number.
    TPBauteil* PBauteil = nullptr;
    int PBauteilIndex = -1;
    int PBauteilNummer = -1;

    // Layer table widths (11) and assigned table widths (4).
    std::vector<int32_t> SchichtBreiten, ProjektBreiten;
    TLambdaStruct KWertDaten;

private:
    TProjekt* projekt() const;
    int anzahlSchichten() const;
    void bereichsListeFuellen();
    // After a change: recompute (umfang 1 the area range, 2 the type), refill,
    // select the row, mark changed and tell the views.
    void aendernAbschliessen(int zeile, int umfang = 1);
    void modusSteuerungen(bool direkt);
    // The U-value dialog on the current area range; true when its U-value was taken.
    bool kWertDialog();
    void tabellenEinrichten();
    void dragUeber();
    void drop();
    void kontextmenue();
    void ueberschriftGeklickt();
    void projektbauteilAktiviert(bool klick);
    bool verwerfen();
    bool uebernehmen();
    bool katalogSchreiben(const char* titel);
    void entwurfMerken();
    void layout(int breite, int hoehe);
    void neuAusrichten();
    void luftschichtWarnung(const char* text);
    // The change dialog on the selected layer; warns of µ or λ = 0 after OK
    // when `warnen`.
    void schichtAendern(bool warnen);
    // The µ and λ warnings of an ordinary layer.
    void baustoffWerteWarnen(const TBaustoff& s);
    void lambdaNullWarnen();
    // The refusal text of an in-range cell value the proof cannot use; null
    // when it can.
    const char* unbrauchbarerWert(int zeile, int spalte, double wert) const;

    TRBauteil* bauteil_;                   // not owned: the project's or the catalogue's
    std::unique_ptr<TRBauteil> sicherung_; // the state at opening
    std::vector<std::unique_ptr<TPBauteil>> pSicherung_;
    TEinfachBauteil* bereich_ = nullptr;
    TSftTree* schichten_;
    TSftTree* projektbauteile_;
    std::unique_ptr<TMenu> schichtMenue_, projektMenue_;
    bool fuellen_ = false;   // the dialog writes its own controls
    bool einheiten_ = false; // the headings show units
    struct Entwurf {
        int id;
        TRect rect; // pixels
    };
    std::vector<Entwurf> entwurf_;
    TRect entwurfDialog_;
};
