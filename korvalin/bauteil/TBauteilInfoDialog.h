#pragma once
// One component read-only (resource 6006, "Bauteil-Info"): name, group,
// heat-transfer situation, U-value, the area ranges and the layer table of
// the chosen range. A click on the headings switches names and units.
#include "platform/window/Dialog.h"

class TEinfachBauteil;
class TRBauteil;
class TSftTree;

class TBauteilInfoDialog : public TDialog {
public:
    enum : int { IDC_BEREICH = 25, IDC_TABELLE = 603 };
    TBauteilInfoDialog(TWindow* parent, const TRBauteil& bauteil);
    void SetupWindow() override;

    // The range whose number is the combo box's selection.
    void BereichZeigen();
    void UeberschriftenUmschalten();
    TSftTree* Tabelle() const { return tabelle_; }
    int Einheiten() const { return einheiten_; }

private:
    void fuellen();
    const TRBauteil& bauteil_;
    const TEinfachBauteil* bereich_ = nullptr;
    int einheiten_ = 0;
    TSftTree* tabelle_;
};
