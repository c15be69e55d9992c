#pragma once
// The window editor (dialog resource 1006), the client of a TFensterWindow:
// the upper half edits a window type (designation, g, a, k_F, frame share,
// the glass-and-frame derivation of k_F, single glazing), the lower half the
// windows of that type placed in the project. In project mode every change
// goes at once into the project and is recalculated; in file mode the type is
// a catalogue entry that is written when the editor closes. A backup copy
// taken at opening undoes everything on "Nein".
#include "korvalin/bauteil/FensterRegeln.h"
#include "platform/window/Dialog.h"

#include <memory>
#include <vector>

class TFensterWindow;
class TMenu;
class TPFenster;
class TProjekt;
class TRFenster;
class TSftTree;

class TFensterBearbeitenDialog : public TDialog {
public:
    enum : int {
        IDD_FENSTER = 1006,
        IDC_BEZEICHNUNG = 115,
        IDC_G = 116,
        IDC_A = 117,
        IDC_KF = 118,
        IDC_RAHMENANTEIL = 129,
        IDC_GLASRAHMEN = 10010,
        IDC_DIN = 132,
        IDC_RAHMENGRUPPE = 130,
        IDC_KV_LISTE = 131,
        IDC_KR = 134,
        IDC_KV = 133,
        IDC_EINFACH = 119,
        IDC_GROSSFLAECHIG = 120,
        IDC_AUS_DATEI = 150,
        IDC_WEITERE = 122,
        IDC_PROJEKTFENSTER = 27,
        IDC_ORIENTIERUNG = 10195,
        IDC_NEIGUNG = 108,
        IDC_VERSCHATTUNG = 10193,
        IDC_Z_FEST = 111,
        IDC_Z_BEWEGLICH = 114,
        IDC_HEIZKOERPER = 110,
        IDC_ABDECKUNG = 112,
        IDC_GLASVORBAU = 113,
        CM_FLAECHE_BEFEHL = 109,
        CM_FLAECHE = 12101,
        CM_DATENBLATT = 2490,
    };

    // platziert: the placed window to show first, or null for the type's first.
    TFensterBearbeitenDialog(TWindow* parent, TRFenster* typ, TPFenster* platziert);
    ~TFensterBearbeitenDialog() override;

    void SetupWindow() override;
    bool CanClose() override;
    void CmOk() override;
    void CmCancel() override;

    // The lower half and its list.
    void BereichEinblenden();
    void BereichAusblenden();
    void ProjektfensterListeFuellen();
    void ProjektfensterWaehlen();
    void ProjektfensterAnzeigen();
    void FensterdatenAnzeigen();
    // Refresh from the project (activation, WM_PROJEKT_AKTUALISIEREN).
    void Aktualisieren();
    // Makes this placed window the current one (null: none).
    void ProjektfensterSetzen(TPFenster* platziert);

    // Field handlers.
    void FeldGeaendert(int id);
    void HeizkoerperGeaendert();
    void FensterNeuBerechnen(int wParam, int lParam);
    void FlaecheEingeben();
    void GlasvorbauEingeben();
    void AusDateiEinfuegen();
    void WeitereFensterdaten();
    void DatenblattZeigen();

    // The glass-and-frame derivation of k_F.
    void GlasRahmenUmschalten();
    void DINUmschalten();
    void KFWertAusTabelle();
    void KFWertBerechnen();
    void RahmenanteilGeaendert();
    void EinfachverglasungUmschalten();

    // Taking over and closing.
    void EingabenUebernehmen();
    int AnforderungenPruefen();

    TRFenster* Bearbeitet() const { return bearbeitet_; }
    const TRFenster& Sicherung() const { return *sicherung_; }
    // The project save took the type over: it is the new state to undo to.
    void SicherungErneuern();
    TSftTree* ProjektfensterTabelle() const { return liste_; }
    TProjekt* Projekt() const;

    // Set by the opener.
    TFensterWindow* Fenster = nullptr;
    bool Projektmodus = false;
    bool Geaendert = false;

    TPFenster* AktuellesProjektfenster = nullptr;
    int ProjektfensterIndex = -1;
    int ProjektfensterNummer = -1;

    bool ImAufbau = false;
    bool ImAktualisieren = false;
    bool AutoBerechnung = true;

private:
    void steuerungenAnlegen();
    void tabelleEinrichten();
    void listenFuellen();
    bool bereichSichtbar() const;
    void unterenBereichZeigen(bool zeigen);
    void verwerfen();
    bool dateiSchreiben();
    // After a change of the type or a placed window: modified, recalculated,
    // and the list refilled while a placed window is current.
    void geaendert(bool liste = true);
    std::string text(int id) const;
    void setzen(int id, const std::string& text);
    double zahl(int id) const;
    bool checked(int id) const;
    void check(int id, bool an);
    void zeigen(int id, bool an);
    void aktiv(int id, bool an);

    TRFenster* bearbeitet_; // not owned: the project's or the catalogue's
    std::unique_ptr<TRFenster> sicherung_;
    std::vector<std::unique_ptr<TPFenster>> projektfensterSicherung_;
    TSftTree* liste_;
    std::unique_ptr<TMenu> menue_;
    bool erweitert_ = false; // the lower half is shown
};
