#pragma once
// "Kopieren" (resource 1010): the name of a copied type, with a label the
// caller gives ("Name").
#include "platform/window/Dialog.h"

class TBauteilNameDialog : public TDialog {
public:
    TBauteilNameDialog(TWindow* parent, std::string& name, std::string_view beschriftung);
    void SetupWindow() override;

private:
    std::string beschriftung_;
    TTransferBuffer puffer_;
};
