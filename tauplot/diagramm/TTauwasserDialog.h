#pragma once
// "Erhebliche Tauwassermenge": shows the condensate mass of a component and
// takes the user's judgement of it after the check that DIN 4108 Teil 3,
// 3.2.1 c) - e) asks for, with a comment.
#include "platform/window/Dialog.h"

#include <string>

struct TTauwasserStruct {
    std::string Menge;                                            // 105, read-only
    uint16_t NichtGeprueft = 0, Unbedenklich = 0, Bedenklich = 0; // 101 102 103
    std::string Kommentar;                                        // 104, 50 characters
};

class TTauwasserDialog : public TDialog {
public:
    enum : int { IDD = 1245, IDC_HILFE = 9 };
    TTauwasserDialog(TWindow* parent, std::string hilfeDatei, TTauwasserStruct& daten);
    void SetupWindow() override;
    void HandleButtonHelp();

private:
    std::string hilfeDatei_;
    TTransferBuffer puffer_;
};
