#pragma once
// The material choice of the component editor ("Baustoffe auswählen"):
// materials of all three catalogues are taken into the one open component
// editor, as new layers or in place of the selected layer. It stays open
// for further choices and finds its editor anew at every transfer.
#include "korvalin/bauteil/TBaustoffBasisDialog.h"

#include <array>
#include <memory>

class TMenu;
class korpusMDIClient;

class TBaustoffWahlDialog : public TBaustoffBasisDialog {
public:
    enum : int {
        IDD_BAUSTOFFWAHL = 7777,
        IDC_ALLE = 119,
        IDC_DIN = 112,
        IDC_QTX = 113,
        IDC_ANWENDER = 114,
        IDC_EINFUEGEN = 123,
        IDC_ERSETZEN = 122,
        CM_EINFUEGEN = 12101,
        CM_INFO = 12102,
        CM_ERSETZEN = 12103,
    };
    enum class Modus { Einfuegen, Ersetzen };

    // schluessel: the material to select first.
    TBaustoffWahlDialog(TWindow* parent, const TBaustoffSchluessel& schluessel);
    ~TBaustoffWahlDialog() override;

    void SetupWindow() override;
    bool CanClose() override;
    bool BaustoffPasst(const TBaustoff& b) override;
    void Uebernehmen(Modus modus);
    TMenu* Kontextmenue() const { return menue_.get(); }

private:
    std::unique_ptr<TMenu> menue_;
    std::array<int32_t, 7> breiten_{};
};

// The editor's "Einfügen / Ersetzen": the open choice comes to the top;
// otherwise the material catalogue window is closed and the choice opens.
void BaustoffWahlOeffnen(korpusMDIClient& client);
