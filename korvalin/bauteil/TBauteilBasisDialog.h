#pragma once
// What the two component catalogue dialogs share (the catalogue window and
// the choice for the project): the components of the maker's and the
// user's catalogue in a three-column list, narrowed by the component group,
// name, U-value and thickness; the selected components, the current key,
// the display commands and "Info".
#include "korvalin/bauteil/TDateiDialog.h"
#include "stammwerk/modell/TRBauteil.h"

#include <vector>

class TBauteilDatei;
class TSftTree;

class TBauteilBasisDialog : public TDateiDialog {
public:
    enum : int {
        IDC_GRUPPEN = 110,
        IDC_NAME = 10005,
        IDC_KWERT = 10006,
        IDC_DICKE = 10007,
        IDC_SUCHEN = 109,
        IDC_STANDARD = 107,
        IDC_ALPHABET = 108,
        IDC_LISTE = 200,
        IDC_INFO = 111,
    };
    static const char* const GruppenTexte[8];

    TBauteilBasisDialog(TWindow* parent, const TDialogResource& resource);
    ~TBauteilBasisDialog() override;

    void SetupWindow() override;
    void InhaltAktualisieren() override;
    bool CanClose() override;
    virtual bool BauteilPasst(const TRBauteil& b);

    // After a selection change: the selected components and the current key.
    void AuswahlUebernehmen();
    // "Info": the information dialog of each selected component.
    void BauteilInfo();
    // The data sheets and diagrams of the one selected component.
    void Anzeigen(int befehl);

    TSftTree* Liste() const { return liste_; }
    const std::vector<const TRBauteil*>& Ausgewaehlt() const { return ausgewaehlt_; }
    const std::vector<TBauteilSchluessel>& Zeilen() const { return zeilen_; }
    TBauteilSchluessel AktuellerSchluessel;

    static TDialogResource BasisRessource(const char* caption);

protected:
    TBauteilDatei* katalog() const;
    int gruppe() const;
    std::vector<Anker> basisAnker(int knopfBreite) const;

private:
    double zahl(int id) const;
    TSftTree* liste_;
    std::vector<TBauteilSchluessel> zeilen_;
    std::vector<const TRBauteil*> ausgewaehlt_;
    TRect rechteck_;
};
