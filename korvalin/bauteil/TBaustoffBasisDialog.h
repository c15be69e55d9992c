#pragma once
// What the two material browsers share (the catalogue window and the
// material choice of the component editor): the materials of the three
// catalogue files in a nine-column list, narrowed by the material group and
// five search criteria, in catalogue or alphabetical order; the selected
// materials, the current key the commands work on, and "Info".
#include "korvalin/bauteil/TDateiDialog.h"
#include "stammwerk/modell/TBaustoffSchluessel.h"

#include <string>
#include <vector>

class TBaustoff;
class TBaustoffDatei;
class TSftTree;

class TBaustoffBasisDialog : public TDateiDialog {
public:
    enum : int {
        IDC_GRUPPEN = 110,
        IDC_HERSTELLER = 150,
        IDC_NAME = 10005,
        IDC_LAMBDA = 10006,
        IDC_MU = 10007,
        IDC_DICHTE = 151,
        IDC_SUCHEN = 109,
        IDC_INFO = 111,
        IDC_STANDARD = 107,
        IDC_ALPHABET = 108,
        IDC_LISTE = 118,
    };

    TBaustoffBasisDialog(TWindow* parent, const TDialogResource& resource);
    ~TBaustoffBasisDialog() override;

    void SetupWindow() override;
    void InhaltAktualisieren() override;
    bool CanClose() override;
    // Whether a material is listed; the derived dialogs add the catalogue.
    virtual bool BaustoffPasst(const TBaustoff& b);

    // After a selection change: the selected materials and the current key.
    void AuswahlAktualisieren();
    // "Info": the information dialog of each selected material, read-only.
    void BaustoffInfo();

    TSftTree* Liste() const { return liste_; }
    const std::vector<TBaustoff*>& Ausgewaehlt() const { return ausgewaehlt_; }
    const std::vector<TBaustoffSchluessel>& Zeilen() const { return zeilen_; }
    TBaustoffSchluessel AktuellerSchluessel;

    // The dialog's controls shared by both browsers, in the resource's
    // geometry (dialog units); the derived dialogs add theirs.
    static TDialogResource BasisRessource(const char* caption);

protected:
    TBaustoffDatei* katalog() const;
    int gruppe() const;
    // The group box of the criteria and the rows above the list follow the
    // right edge, up to the button column (whose layout rectangle is `knopf`).
    std::vector<Anker> basisAnker(int knopfBreite) const;

private:
    double zahl(int id) const;
    TSftTree* liste_;
    std::vector<TBaustoffSchluessel> zeilen_;
    std::vector<TBaustoff*> ausgewaehlt_;
    TRect rechteck_;
};

// The hatch kind a new material of a group starts with.
int SchraffurDerGruppe(int gruppe);
