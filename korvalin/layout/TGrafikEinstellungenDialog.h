#pragma once
// The page "Grafik": colour and line of the five diagram curves, with a
// sample of the chosen curve.
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "korvalin/layout/TEinstellungenProperty.h"

#include <array>

class TColorComboBox;
class TGrafikODButton;
class TLinesComboBox;

class TGrafikEinstellungenDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4449 };
    TGrafikEinstellungenDialog(TPropertyDialog* sheet, LayoutZiel ziel);

    void SetupWindow() override;
    void Aktualisieren() override;
    void NachStandardeinstellungen() override { kurveGewaehlt(); }
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Grafik; }

    TBtGrafikGroessen Grafik;

private:
    struct Kurve;
    static const Kurve kKurven[5];
    void kurveGewaehlt();
    void farbeGewaehlt();
    void linieGewaehlt();

    TColorComboBox* farben_;
    TLinesComboBox* linien_;
    TGrafikODButton* muster_;
    std::array<TColor, 5> farbe_{};
    std::array<LOGPEN, 5> linie_{};
    TColor hintergrund_ = TColor::White;
    int kurve_ = -1;
};
