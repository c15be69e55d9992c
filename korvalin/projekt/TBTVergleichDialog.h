#pragma once
// The component comparison (dialog resource 1300, "Vergleich Bauteile"):
// two cross-sections of the open project, one on each side, each from a
// project variant of its own choice, and the kind of diagram in which they
// are to be compared. It only chooses and checks; it draws nothing.
#include "platform/window/Dialog.h"

#include <array>

class TEinfachBauteil;
class TProjekt;
class TRBauteil;
class TSftTree;

class TBTVergleichDialog : public TDialog {
public:
    enum : int {
        IDD_VERGLEICH = 1300,
        IDC_TEMPERATUR = 113,
        IDC_GLASER = 101,
        IDC_VARIANTE_LINKS = 103,
        IDC_VARIANTE_RECHTS = 106,
        IDC_BAUM_LINKS = 118,
        IDC_BAUM_RECHTS = 117,
        IDC_INFO_LINKS = 104,
        IDC_INFO_RECHTS = 107,
    };
    enum TSeite : int { Links = 0, Rechts = 1 };
    struct Seite {
        TProjekt* Variante = nullptr;
        TRBauteil* Bauteil = nullptr;
        TEinfachBauteil* Bereich = nullptr;
    };

    explicit TBTVergleichDialog(TWindow* parent);
    void SetupWindow() override;
    void CmOk() override;

    void BaumFuellen(TSeite seite);
    void AuswahlErmitteln(TSeite seite);
    void VarianteGewaehlt(TSeite seite);
    void CmInfo(TSeite seite);

    TSftTree* Baum(TSeite seite) const { return baeume_[seite]; }
    const Seite& Wahl(TSeite seite) const { return seiten_[seite]; }
    // 0 temperature profile, 1 Glaser diagram.
    uint16_t Diagrammart = 0;

private:
    void alleZeilen(TSeite seite, bool auf);
    void umschalten(TSeite seite);

    std::array<TSftTree*, 2> baeume_;
    std::array<Seite, 2> seiten_{};
};

// The comparison command: the dialog, then the comparison sheet of its choice.
void BauteilVergleichAnzeigen(TWindow* parent);
