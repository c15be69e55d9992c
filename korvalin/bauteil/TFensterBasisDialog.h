#pragma once
// The common base of the three dialogs that show the window catalogue (the
// window-file editor, the window choice and the insertion into the
// project): the search criteria, the five-column list, the sort switch, the
// bookkeeping of the selected rows and of the current key, "Info", the
// window rectangle kept in korpus.ini and the resizing. It never opens a
// catalogue file: it reads the program's one window catalogue.
#include "korvalin/bauteil/TDateiDialog.h"
#include "platform/base/Geometry.h"
#include "stammwerk/modell/TRFenster.h"

#include <vector>

class TSftTree;

class TFensterBasisDialog : public TDateiDialog {
public:
    enum : int {
        IDC_HERSTELLER_AN = 10008,
        IDC_NAME_AN = 10005,
        IDC_KF_AN = 10006,
        IDC_G_AN = 10007,
        IDC_A_AN = 10009,
        IDC_HERSTELLER = 127,
        IDC_NAME = 115,
        IDC_KF_MIN = 116,
        IDC_KF_MAX = 121,
        IDC_G_MAX = 220,
        IDC_A_MAX = 130,
        IDC_STANDARD = 107,
        IDC_ALPHABET = 108,
        IDC_SUCHEN = 109,
        IDC_INFO = 111,
        IDC_LISTE = 200,
        CM_DATENBLATT = 2490,
    };

    // extra: the derived dialog's own controls; aktuell: its current key.
    TFensterBasisDialog(TWindow* parent, std::string caption, std::vector<TControlResource> extra,
                        TFensterSchluessel* aktuell);
    ~TFensterBasisDialog() override;

    void SetupWindow() override;
    bool CanClose() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    void InhaltAktualisieren() override;
    virtual bool FensterPasst(const TRFenster& fenster) const;
    void AuswahlAktualisieren();
    // One window selected, and not the empty trailing row besides.
    bool GenauEinFenster() const;
    void FensterInfo();

    TSftTree* Liste() const { return liste_; }
    const std::vector<TFensterSchluessel>& Zeilen() const { return zeilen_; }
    const std::vector<TRFenster*>& Ausgewaehlt() const { return ausgewaehlt_; }
    const TFensterSchluessel& AktuellerSchluessel() const { return *aktuell_; }
    TRect Rechteck;

protected:
    // The derived dialog's own layout after the common part has moved.
    virtual void Anordnen(int breite, int hoehe) {}
    void Setzen(int id, const TRect& r);
    TFensterSchluessel* aktuell_;
    TSftTree* liste_;

private:
    std::vector<TFensterSchluessel> zeilen_;
    std::vector<TRFenster*> ausgewaehlt_;
    // The controls exist; sizing before that has nothing to move.
    bool angelegt_ = false;
};

// The window catalogue of the program, or null.
class TFensterDatei* FensterKatalog();
