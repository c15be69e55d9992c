#pragma once
// The formula collection (dialog resource 5011, "Formelsammlung"): the
// built-in area and volume formulas in three groups and the user's own
// formulas of "formel.dat" in a fourth, in a three-column tree. The user's
// formulas can be made, renamed, edited and deleted; "Formel verwenden"
// hands the chosen formula to the area and volume calculator.
#include "platform/window/Dialog.h"
#include "stammwerk/modell/TFormel.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

class TFormelSammlung;
class TMenu;
class TSftTree;

class TVolumenFunktionenDialog : public TDialog {
public:
    enum : int {
        IDD_FORMELSAMMLUNG = 5011,
        IDC_BAUM = 102,
        IDC_NEU = 103,
        IDC_LOESCHEN = 110,
        IDC_VERWENDEN = 105,
        CM_FORMEL_NEU = 12110,
        CM_FORMEL_LOESCHEN = 12111,
        CM_FORMEL_VERWENDEN = 12112,
    };
    static constexpr int kErsteEigene = 33; // the first row of a user formula

    // modus: the calculator's mode (2 areas, 3 volumes); kept, not used.
    TVolumenFunktionenDialog(TWindow* parent, int modus);
    ~TVolumenFunktionenDialog() override;
    void SetupWindow() override;
    void CmOk() override;

    void CmNeu();
    void CmLoeschen();
    void CmFormelVerwenden();
    void AuswahlGeaendert();
    void ZelleBearbeiten();
    void ZelleBeenden();
    void BaumFuellen();
    void KnoepfeSetzen();

    // What "Formel verwenden" hands back.
    TFormel Formel;
    bool Verwenden = false;

    TSftTree* Baum() const { return baum_; }
    TFormelSammlung& Sammlung() const { return *sammlung_; }

private:
    int auswahl() const;
    void gruppenSetzen(bool auf);
    void zeileAuswaehlen(int zeile);
    void zeileSetzen(int zeile, const std::string& formel, const std::string& variablen);
    void umschalten();
    void kontextmenue();
    // False (after a message) when the collection could not be written.
    bool speichern();

    TSftTree* baum_;
    std::unique_ptr<TFormelSammlung> sammlung_;
    std::unique_ptr<TMenu> menue_;
    std::array<bool, 4> gruppen_{}; // rows 0, 13, 19, 32 expanded
    bool geaendert_ = false;
};

// Whether another formula than the one at `ausser` has that name (-1: none excepted).
bool FormelnameVergeben(const TFormelSammlung& sammlung, const std::string& name, int ausser = -1);
// Asks for the name of a new formula ("Formelname eingeben "), again after an
// empty name or one the collection has already; nullopt on Cancel.
std::optional<std::string> FormelnameErfragen(const TFormelSammlung& sammlung);
