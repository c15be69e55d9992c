#pragma once
// "Warmwasserbedarf": a fixed table of typical hot-water demands and water
// temperatures by building use, for reading only.
#include "platform/window/Dialog.h"

class TSftTree;

class TWarmwasserbedarfDialog : public TDialog {
public:
    enum : int { IDD = 1103, IDC_LISTE = 102 };
    explicit TWarmwasserbedarfDialog(TWindow* parent);
    void SetupWindow() override;
    TSftTree* Liste() const { return liste_; }

private:
    void umschalten();
    TSftTree* liste_;
};
