#pragma once
// The working surface of an open project (dialog resource 1002), the client
// of the project window: the results of the heat-protection proof above, the
// envelope tree (120) and the reference tree (121) below, and the buttons
// and context menus that act on the rows chosen in them.
#include "korvalin/projekt/ErgebnisTexte.h"
#include "platform/window/Dialog.h"

#include <array>
#include <memory>
#include <vector>

class TFassade;
class TPBauteil;
class TPFenster;
class TProjekt;
class TRBauteil;
class TRFenster;
class TSftTree;
class TMDIChild;
class TMenu;
class korpusMDIClient;

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

private:
    TProjekt* projekt() const;
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
};
