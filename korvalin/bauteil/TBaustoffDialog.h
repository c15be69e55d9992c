#pragma once
// The material catalogue window (command 4000, "Baustoff-Datei"): one of
// the DIN, maker's and user's catalogues at a time; the first two can only
// be copied from, the user's own is extended, changed and thinned out, and
// every change is in its file when the command ends.
#include "korvalin/bauteil/TBaustoffBasisDialog.h"

#include <memory>

class TMenu;
class korpusMDIClient;

class TBaustoffDialog : public TBaustoffBasisDialog {
public:
    enum : int {
        IDD_BAUSTOFFDATEI = 6001,
        IDC_DIN = 112,
        IDC_QTX = 113,
        IDC_ANWENDER = 114,
        IDC_EINFUEGEN = 123,
        IDC_AENDERN = 124,
        IDC_LOESCHEN = 125,
        IDC_KOPIEREN = 126,
        CM_EINFUEGEN = 12000,
        CM_AENDERN = 12001,
        CM_KOPIEREN = 12002,
        CM_LOESCHEN = 12003,
        CM_INFO = 12005,
    };

    explicit TBaustoffDialog(TWindow* parent);
    ~TBaustoffDialog() override;

    void SetupWindow() override;
    bool BaustoffPasst(const TBaustoff& b) override;

    void KatalogWechseln();
    void Einfuegen();
    void Kopieren();
    void Aendern();
    void Loeschen();
    // 0 DIN, 1 maker's, 2 user's: the checked radio button.
    int Katalog() const;
    TMenu* Kontextmenue() const { return menue_.get(); }

private:
    void knoepfeSchalten();
    // The material in its information dialog, editable; false on Cancel.
    bool bearbeiten(TBaustoff& b);
    std::unique_ptr<TMenu> menue_;
};

// Command 4000: the open window comes to the top; otherwise the material
// choice is asked to close first, and the window opens.
void BaustoffDateiOeffnen(korpusMDIClient& client);
