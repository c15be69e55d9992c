#pragma once
// The area and volume calculator (dialog resource 5006, "Formel-Editor"):
// edits a list of named areas (mode 2, for a placed component or window) or
// volumes (mode 3, for the project variant), each with a value typed into
// the list or computed by a formula of its own: variable definitions, a
// formula and the angle unit, evaluated on "Berechnen". The caller owns the
// list and decides after the dialog whether its changes are kept.
#include "platform/window/Dialog.h"
#include "stammwerk/modell/TDimVolumen.h"

#include <memory>
#include <string>

class TEdit;
class TMenu;
class TSftTree;

class TFlaechenVolumenDialog : public TDialog {
public:
    enum TModus : int { Flaechen = 2, Volumen = 3 };
    enum : int {
        IDD_FLAECHEN_VOLUMEN = 5006,
        IDC_LISTE = 111,
        IDC_NUMMER = 109,
        IDC_SUMME = 560,
        IDC_FORMEL_AN = 106,
        IDC_NEU = 122,
        IDC_KOPIEREN = 105,
        IDC_LOESCHEN = 124,
        IDC_RADIANT = 112,
        IDC_GRAD = 113,
        IDC_VARIABLEN = 104,
        IDC_FORMEL = 101,
        IDC_FORMEL_LOESCHEN = 110,
        IDC_FORMELSAMMLUNG = 108,
        IDC_BERECHNEN = 102,
        IDC_ERGEBNIS = 561,
        IDC_IN_SAMMLUNG = 103,
        IDC_FORMELBEREICH = 400,
        CM_EINTRAG_NEU = 12101,
        CM_EINTRAG_LOESCHEN = 12102,
        CM_FORMEL = 12103,
        CM_FORMEL_LOESCHEN = 12104,
        CM_EINTRAG_KOPIEREN = 12105,
    };
    // Longest line that a record keeps (TTextString), in characters.
    static constexpr size_t kZeilenLaenge = 128;

    TFlaechenVolumenDialog(TWindow* parent, TDimVolumenListe& liste, int32_t bauteilNummer,
                           std::string_view besitzer, int modus);
    ~TFlaechenVolumenDialog() override;
    void SetupWindow() override;
    void CmOk() override;

    void CmNeu();
    void CmKopieren();
    void CmLoeschen();
    void CmFormel();
    void CmFormelLoeschen();
    void CmBerechnen();
    void CmFormelsammlung();
    void CmInFormelsammlungSpeichern();
    void AuswahlGeaendert();
    void ZelleBearbeiten();
    void ZelleBeenden();
    // false when the formula gave no value.
    bool FormelBerechnen(bool mitMeldungen);
    void ListeFuellen();
    void SummeAnzeigen();
    void FormelbereichUmschalten();
    void EintragAnzeigen();
    // Takes the edits into the current record; false (after a message) when
    // a line is too long for it, or, where the value must come out, when the
    // formula cannot be computed.
    enum class Rechnung { Still, MussGelingen };
    bool EintragUebernehmen(Rechnung rechnung = Rechnung::Still);

    TSftTree* Liste() const { return liste_; }
    bool FormelbereichGezeigt() const { return formelGezeigt_; }
    int Auswahl() const { return auswahl_; }
    int32_t BauteilNummer() const { return bauteilNummer_; }
    TModus Modus() const { return modus_; }

private:
    TDimVolumen* eintrag(int index) const;
    TDimVolumen* aktuell() const { return eintrag(aktuell_); }
    void steuerungFreigeben(bool an);
    void nummerSchreiben(const std::string& text);
    void formelbereichFolgen();
    void wertInZelle();
    void kontextmenue();
    void nummerGeaendert();
    void nummerLesen();
    bool grad() const;
    void gradSetzen(bool grad);
    void ergebnis(const std::string& text);
    bool zeilenPruefen(TEdit* edit, const char* was);
    void zeilenSpeichern(TEdit* edit, TTextListe& zeilen);

    TDimVolumenListe& eintraege_;
    int32_t bauteilNummer_;
    std::string besitzer_;
    TModus modus_;
    int auswahl_ = -1; // selected row, -1 none
    int aktuell_ = -1; // the record the edits show, -1 none
    bool formelGezeigt_ = false;
    int volleHoehe_ = 0, kurzeHoehe_ = 0;
    bool nummerSchreiben_ = false; // the dialog itself writes into edit 109
    TSftTree* liste_;
    TEdit* nummer_;
    TEdit* variablen_;
    TEdit* formel_;
    std::unique_ptr<TMenu> menue_;
};
