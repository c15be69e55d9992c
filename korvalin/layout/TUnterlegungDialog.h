#pragma once
// The page "Unterlegung": the background shading colour of four page areas,
// with a sample.
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "korvalin/layout/TEinstellungenProperty.h"

#include <array>

class TColorComboBox;
class TTextODButton;

class TUnterlegungDialog : public TEinstellungenProperty {
public:
    enum : int { IDD = 4447 };
    TUnterlegungDialog(TPropertyDialog* sheet, LayoutZiel ziel);

    void SetupWindow() override;
    void Aktualisieren() override;
    void NachStandardeinstellungen() override;
    bool SaveData() override;
    TIniEinstellungenGroessen& Einstellungen() override { return Unterlegung; }

    TUnterlegungsGroessen Unterlegung;

private:
    void bereichGewaehlt();
    void farbeGewaehlt();

    TColorComboBox* farben_;
    TTextODButton* muster_;
    std::array<TColor, 4> farbe_{};
    int bereich_ = 0;
};
