#pragma once
// "Bauteile in Projekt einfügen" (resource 6005): the component catalogue on
// the left, the chosen components on the right; on OK the opener inserts
// one project component per chosen key, in the order of choosing.
#include "korvalin/bauteil/TBauteilBasisDialog.h"

#include <array>
#include <memory>

class TMenu;

class TBauteilWahlDialog : public TBauteilBasisDialog {
public:
    enum : int {
        IDD_BAUTEILWAHL = 6005,
        IDC_ALLE = 124,
        IDC_QTX = 112,
        IDC_ANWENDER = 114,
        IDC_GEWAEHLT = 201,
        IDC_WAEHLEN = 118,
        IDC_ABWAEHLEN = 119,
        CM_AUSWAEHLEN = 12101,
        CM_INFO = 12102,
        CM_AUFHEBEN = 12201,
    };

    explicit TBauteilWahlDialog(TWindow* parent);
    ~TBauteilWahlDialog() override;

    void SetupWindow() override;
    bool CanClose() override;
    bool BauteilPasst(const TRBauteil& b) override;
    void EvSize(uint32_t sizeType, const TSize& size) override;

    // ">>" and "<<".
    void Waehlen();
    void Abwaehlen();
    void Ablegen();

    TSftTree* GewaehltListe() const { return gewaehlt_; }
    // The chosen keys, in the order of choosing; the same one may repeat.
    const std::vector<TBauteilSchluessel>& Gewaehlt() const { return schluessel_; }

private:
    void ziehenUeber();
    TSftTree* gewaehlt_;
    std::vector<TBauteilSchluessel> schluessel_;
    std::unique_ptr<TMenu> menueLinks_, menueRechts_;
    std::array<int32_t, 2> breiten_{};
};
