#pragma once
// Name and percentage share of an area range (dialog resource 19); the
// caller sets the caption.
#include "platform/window/Dialog.h"

#include <string>

struct TAnteilStruct {
    std::string Name;   // edit 101, 30 bytes
    std::string Anteil; // edit 102, 32 bytes
};

class TAnteilAendernDialog : public TDialog {
public:
    TAnteilAendernDialog(TWindow* parent, TAnteilStruct& daten);

private:
    TTransferBuffer puffer_;
};
