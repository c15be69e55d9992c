#pragma once
// "Bauteil einer Hüllfläche zuordnen" (resource 1004): the envelope area an
// element is copied or moved to.
#include "platform/window/Dialog.h"

struct TBauteilFassadenZuordnenStruct {
    std::string Name; // the element's, shown read-only
    TComboBoxData Fassaden;
};

class TBauteilFassadenZuordnenDialog : public TDialog {
public:
    TBauteilFassadenZuordnenDialog(TWindow* parent, TBauteilFassadenZuordnenStruct& daten);
    void SetupWindow() override;

private:
    TTransferBuffer puffer_;
};
