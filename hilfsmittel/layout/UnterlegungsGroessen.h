#pragma once
// Background shading of the data sheets: title page, project/component
// header, table/graphic header, and text and requirements.
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"
#include "platform/base/Color.h"

#include <array>

class TUnterlegungsGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "Unterlegung";

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    std::array<TColor, 4> Unterlegungsfarbe{};
};
