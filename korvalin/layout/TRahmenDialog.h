#pragma once
// The page "Rahmen": kind, colour and pen width of the page frame, with a
// sample of the frame.
#include "hilfsmittel/layout/RahmenGroessen.h"
#include "korvalin/layout/TEinstellungenProperty.h"

class TColorComboBox;
class TGrafikODButton;
class TSpinEdit;

class TRahmenDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4448 };
    TRahmenDialog(TPropertyDialog* sheet, LayoutZiel ziel);

    void SetupWindow() override;
    void Aktualisieren() override;
    void NachStandardeinstellungen() override { rahmenartGewaehlt(); }
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Rahmen; }

    TRahmenGroessen Rahmen;

private:
    void rahmenartGewaehlt();
    void farbeGewaehlt();
    void stiftdickeGeaendert();

    TSpinEdit* stiftdicke_;
    TColorComboBox* farben_;
    TGrafikODButton* muster_;
    TColor farbe_;
    int32_t rahmenart_ = 0;
};
