#pragma once
// The component choice dialog "Nachweise - Dialog" (resource 444) that the
// proofs command shows before it opens the proof sheets: which proofs, by
// which method, and for which placed components and windows (or component
// and window types) of the current variant.
#include "platform/gdi/Font.h"
#include "platform/window/Dialog.h"

#include <functional>
#include <memory>
#include <vector>

class TMenu;
class TProjekt;
class TRBauteil;
class TRFenster;
class TSftTree;

// The caller's transfer record: one 16-bit state per check box and radio
// button (1 checked). The two lists take no part in the transfer.
struct TLayoutDialogStruct {
    uint16_t Waermeschutz = 1;        // 114
    uint16_t Feuchte = 0;             // 107
    uint16_t AVVerfahren = 1;         // 113
    uint16_t Bauteilverfahren = 0;    // 115
    uint16_t BeideVerfahren = 0;      // 116
    uint16_t FeuchteAusgewaehlte = 0; // 120
    uint16_t FeuchteBedenkliche = 0;  // 122
    uint16_t Projektbauteile = 1;     // 111
    uint16_t Referenzbauteile = 0;    // 112
};

// The dialog sets the proof choices of the data sheets (Datenblaetter():
// NachweisAVVerfahren, NachweisBauteilverfahren, NachweisProjektbauteile).
class TLayoutDialog : public TDialog {
public:
    enum : int {
        IDD_NACHWEISE = 444,
        IDC_FEUCHTE = 107,
        IDC_INFO = 108,
        IDC_ALLE = 109,
        IDC_KEINE = 110,
        IDC_PROJEKT = 111,
        IDC_REFERENZ = 112,
        IDC_AV = 113,
        IDC_WAERMESCHUTZ = 114,
        IDC_BAUTEILVERFAHREN = 115,
        IDC_BEIDE = 116,
        IDC_PROJEKTLISTE = 117,
        IDC_REFERENZLISTE = 118,
        IDC_AUSGEWAEHLTE = 120,
        IDC_BEDENKLICHE = 122,
        CM_INFO = 401,
        CM_ALLE = 402,
        CM_KEINE = 403,
    };

    TLayoutDialog(TWindow* parent, TLayoutDialogStruct* daten);
    ~TLayoutDialog() override;
    void SetupWindow() override;
    void CmOk() override;

    void VerfahrenVorbelegen();
    void ListenFuellen();
    void AlleAuswaehlen();
    void KeinesAuswaehlen();
    void AusgewaehlteBauteile();
    void BedenklicheBauteile();
    void WaermeschutzGeklickt();
    void FeuchteGeklickt();
    void ListeWechseln(bool projekt);
    void AuswahlLesen();
    void InfoZeigen();

    // Rows of the visible list and the chosen rows, ascending; as many as
    // the list has rows.
    int Eintraege = 0;
    int Gewaehlt = 0;
    std::vector<int> Auswahl;

    TSftTree* Projektliste() const { return projekt_; }
    TSftTree* Referenzliste() const { return referenz_; }
    TSftTree* SichtbareListe() const;

    // The information dialogs of the catalogue browsers; each answers IDOK,
    // or IDCANCEL to end the walk.
    std::function<int(TWindow*, const TRBauteil&)> BauteilInfo;
    std::function<int(TWindow*, const TRFenster&)> FensterInfo;

private:
    void check(int id, bool an);
    void enable(int id, bool an);
    bool checked(int id) const;
    void bedenklichVonAusgewaehlt();
    void infoKnopf();
    void auswahlLeeren();

    TLayoutDialogStruct* daten_;
    TTransferBuffer puffer_;
    TSftTree* projekt_;
    TSftTree* referenz_;
    TFont schrift_;
    std::unique_ptr<TMenu> menue_;
};
