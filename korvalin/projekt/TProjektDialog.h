#pragma once
// The working surface of an open project (dialog resource 1002), the client
// of the project window: the results of the heat-protection proof above, the
// envelope tree (120) and the reference tree (121) below, and the buttons
// and context menus that act on the rows chosen in them.
#include "korvalin/datenblatt/TLayoutDialog.h"
#include "korvalin/projekt/ErgebnisTexte.h"
#include "platform/window/Dialog.h"

#include <array>
#include <memory>
#include <vector>

class AutoSicherung;
class TFassade;
struct TComboBoxData;
struct TTypNummer;
class TPBauteil;
class TPFenster;
class TProjekt;
class TRBauteil;
class TRFenster;
class TSftTree;
class TMDIChild;
class TMenu;
class korpusMDIClient;
class TBauteilDialog;

class TProjektDialog : public TDialog {
public:
    enum : int {
        IDD_PROJEKT = 1002,
        IDC_HUELLBAUM = 120,
        IDC_BAUTEILBAUM = 121,
        IDC_ERGEBNISLISTE = 110,
        IDC_ALLE_AUF = 511,
        IDC_ALLE_ZU = 515,
        IDC_MARKIEREN = 512,
        IDC_EDIT_INPLACE = 500,
    };
    // The envelope side of the selection walks rows by number: modes of
    // HuellZeileSuchen and BauteilZeileSuchen.
    enum TSuche : int { Fassade = 0, Bauteil = 1, Fenster = 2 };

    TProjektDialog(TWindow* parent = nullptr);
    ~TProjektDialog() override;
    void SetupWindow() override;
    bool CanClose() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;

    // The result panel (texts 200..214, list 110) from the current variant.
    void ErgebnisseAnzeigen();
    void FassadenBaumAufbauen();
    void BauteilBaumAufbauen();
    void FassadenBaumAuswahlSetzen();
    void BauteilBaumAuswahlSetzen();

    // Rows by model object; -1 when there is none.
    int HuellZeileSuchen(int nummer, int modus);
    int BauteilZeileSuchen(int wert, int modus);
    // Sets the chosen objects from a row (-1: the tree's selection); answers the row.
    int HuellAuswahlLesen(int zeile);
    int BauteilAuswahlLesen();
    void SchaltflaechenAktualisieren();
    void MarkierungenLoeschen();
    void MarkierungSetzen(TSftTree* baum, int zeile, int spalten);
    // Marks in the other tree the rows related to the selection.
    void Markieren();
    void AlleAufklappen();
    void AlleZuklappen();

    // Editors asked to close, then the output windows closed; false when
    // an editor refused.
    bool ProjektFensterSchliessen();
    // "V&olumen..." (5006) and "V&ariante..." (6100) of the main menu.
    void VolumenEingeben();
    void VariantenManagerOeffnen();

    // The envelope tree's commands: new area (105, 12000), change the chosen
    // item (12001, 12100, a double click: its column), copy (118, 12002,
    // 12102), delete (106, 12003, 12103), the envelope data sheet (12004).
    void FassadeNeu();
    void HuellAendern(int spalte = 0);
    void HuellKopieren();
    void HuellLoeschen();
    void HuellDatenblatt();
    // The area's values in "Gebäudehüllfläche"; true on OK.
    bool FassadeBearbeiten(TFassade& f);
    // The reference tree's commands: new type (107, 12200), insert from a
    // catalogue (103, 12201), change (12202, a double click; no message on
    // a heading when `meldenBeiUeberschrift` is false), copy (104, 12203),
    // delete (109, 12204), store in the user's catalogue (3030, 12207).
    void ReferenzNeu();
    void AusDateiEinfuegen();
    void ReferenzAendern(bool meldenBeiUeberschrift = true);
    void ReferenzKopieren();
    void ReferenzLoeschen();
    void InDateiSpeichern();
    void BauteilInDateiSpeichern(const TRBauteil& typ);
    void FensterInDateiSpeichern(const TRFenster& typ);

    // Placing, re-assigning, moving and copying placed items. Each asks
    // where the command asks, and refuses what the links forbid.
    void HuellflaecheZuordnen(); // "<" (108, 12205)
    void Bewegen();              // 114, 12101
    void AufHuellflaecheZuordnen(TRBauteil* t, TRFenster* w, TFassade* f);
    void AlsUnterBauteilZuordnen(TRBauteil* t, TRFenster* w, TPBauteil* zielB, TPFenster* zielF);
    void NeuZuordnen(TRBauteil* t, TRFenster* w, TPBauteil* b, TPFenster* f);
    void AufHuellflaecheVerschieben(TPBauteil* b, TPFenster* f, TFassade* ziel);
    void UnterBauteilVerschieben(TPBauteil* b, TPFenster* f, TPBauteil* zielB, TPFenster* zielF);
    void AufHuellflaecheKopieren(TPBauteil* b, TPFenster* f, TFassade* ziel);
    void UnterBauteilKopieren(TPBauteil* b, TPFenster* f, TPBauteil* zielB, TPFenster* zielF);

    // In-place renaming: the tree's begin, cancel and end of an edit.
    void BearbeitungBeginnen(TSftTree* baum);
    void BearbeitungAbbrechen(TSftTree* baum);
    void BearbeitungBeenden(TSftTree* baum);

    // Expanding a row, and the drags of the envelope tree and their drops.
    void Aufklappen(TSftTree* baum);
    void HuellDragUeber();
    void DragAbgebrochen();
    void HuellAblegen();
    void BauteilAblegen();

    // --- Commands that open the sheets of one component or window ---
    // Data sheet (2490, 12104, 12208), temperature comparison sheet (2481,
    // 11844, 11846), periodic heat transfer sheet (2498, 11842, 11843).
    void BauteilFensterDatenblatt();
    void TemperaturVergleichsblatt();
    void PeriodischesDatenblatt();
    // The temperature-profile diagram (2000) and the Glaser diagram (2010)
    // of the chosen component.
    void TemperaturDiagrammAnzeigen();
    void GlaserDiagrammAnzeigen();
    // The refusals of a command on one component, by what is chosen.
    struct Auswahltexte {
        const char* keineProjektbauteile;
        const char* fenster;
        const char* fensterTitel;
        const char* fassade;
        const char* keineReferenzbauteile;
        const char* keineReferenzTitel;
        const char* oberbegriff;
        const char* titel;
    };
    // The chosen component type, or null after a refusal.
    TRBauteil* BauteilWaehlen(const Auswahltexte& texte);
    // The checks of a component before its temperature profile: false after
    // a refusal shown under the caption.
    bool TemperaturPruefen(TRBauteil& bauteil, const char* titel);

    // The settings sheet "Projekt - Einstellungen" (command 5001).
    void EinstellungenBearbeiten();

    TSftTree* HuellBaum() const { return huellBaum_; }
    TSftTree* BauteilBaum() const { return bauteilBaum_; }
    // The keys behind the entries of list 110, one per entry.
    const std::vector<ErgebnisEintrag>& ErgebnisSchluessel() const { return schluessel_; }

    // The selection, kept up to date by the selection handling.
    int HuellZeile = -1;
    int BauteilZeile = -1;
    TFassade* AuswahlFassade = nullptr;
    TPBauteil* AuswahlPBauteil = nullptr;
    TPFenster* AuswahlPFenster = nullptr;
    TRBauteil* AuswahlRBauteil = nullptr;
    TRFenster* AuswahlRFenster = nullptr;
    int AuswahlGruppe = -1; // a selected heading's group, else -1
    bool HuellBaumAktiv = true;
    std::vector<int> HuellMarkierungen, BauteilMarkierungen;
    TSftTree* DragZiel = nullptr;            // the tree that shows a drop highlight
    std::array<int32_t, 3> Spaltenbreiten{}; // envelope tree, columns 0..2

    TMDIChild* ProjektWindow = nullptr;
    korpusMDIClient* Client = nullptr;

    // --- Proofs command: the choice dialog's record, kept for the dialog's life ---
    TLayoutDialogStruct Nachweisauswahl;

private:
    // "Ändern" of types and placed components opens the component editor.
    TProjekt* projekt() const;
    // The project changed: the flag, "Geändert", and the notice to every view.
    void geaendertMelden();
    // The same after the envelope tree's rows changed: rebuilt, results shown.
    void huelleGeaendert();
    // The envelope areas for the dialogs' lists, selected at the chosen
    // area (or the chosen item's), else at the first.
    TComboBoxData fassadenListe() const;
    TFassade* gewaehlteFassade() const;
    // Closes the views of a placed item and of the items inserted into it.
    void platzierungAnsichtenSchliessen(TTypNummer ref);
    void typAnsichtenSchliessen(const TRBauteil& t);
    void typAnsichtenSchliessen(const TRFenster& t);
    void befehleEintragen();
    void zuordnenEintragen();
    void bearbeitenEintragen();
    void ziehenEintragen();
    void baumEinrichten(TSftTree* baum);
    void auswahlGeaendert(TSftTree* baum);
    void fokusErhalten(TSftTree* baum);
    void auswahlFarbenSetzen();
    void kontextmenue(TSftTree* baum);
    void bauteilDragUeber();
    void eingabe();
    void ergebnisGewaehlt();
    void layoutEntwerfen();
    void layout(int breite, int hoehe);
    void menueFreigaben();
    bool schliessenGeaendert();
    void schliessenUnveraendert();

    TSftTree* huellBaum_;
    TSftTree* bauteilBaum_;
    std::vector<ErgebnisEintrag> schluessel_;
    std::unique_ptr<TMenu> menues_[3]; // resources 22, 23, 24
    struct Entwurf {
        int id;
        TRect rect; // pixels
    };
    std::vector<Entwurf> entwurf_;
    std::unique_ptr<AutoSicherung> autoSicherung_; // timer 2; removes its copy when the dialog goes
};
