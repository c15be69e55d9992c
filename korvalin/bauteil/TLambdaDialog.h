#pragma once
// The U-value of an area range without layers (dialog resource 18): the
// U-value or the resistance without surface resistances is typed, and each
// field follows the other.
#include "platform/window/Dialog.h"

#include <string>

struct TLambdaStruct {
    uint16_t KWert = 1;      // radio 103: the U-value is typed
    uint16_t Widerstand = 0; // radio 104: the resistance is typed
    std::string KText;       // edit 102, 32 bytes
    std::string RText;       // edit 101, 32 bytes
    TTransferBuffer Puffer();
};

class TLambdaDialog : public TDialog {
public:
    TLambdaDialog(TWindow* parent, TLambdaStruct& daten, double rsi, double rse);
    void SetupWindow() override;

    void EingabeUmschalten();
    void KWertGeaendert();
    void WiderstandGeaendert();

private:
    TTransferBuffer puffer_;
    double rsi_, rse_;
    bool kWache_ = false, rWache_ = false; // the update handlers run only when set
};
