#pragma once
// Colours and lines of the five curves of the temperature and Glaser
// diagrams, and the three diagram fonts. Each description record has its
// ready drawing object beside it, rebuilt whenever the record changes; a
// painter must not keep an object across a change of the settings.
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"
#include "platform/base/Color.h"
#include "platform/gdi/LogRecords.h"

#include <cstdint>
#include <memory>

class TFont;
class TPen;

class TBtGrafikGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "BauteilGrafik";

    TBtGrafikGroessen();
    ~TBtGrafikGroessen() override;
    TBtGrafikGroessen(const TBtGrafikGroessen&) = delete;
    TBtGrafikGroessen& operator=(const TBtGrafikGroessen&) = delete;

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    // Colour of a curve: goes into the curve's pen, keeping its width and style.
    void SetTemperaturWFarbe(TColor farbe);
    void SetTemperaturSHOFarbe(TColor farbe);
    void SetTemperaturSDOFarbe(TColor farbe);
    void SetDampfdruckFarbe(TColor farbe);
    void SetSattdampfFarbe(TColor farbe);
    // Width and style of a curve's pen, keeping its colour.
    void SetTemperaturWLinie(int32_t breite, uint32_t stil);
    void SetTemperaturSHOLinie(int32_t breite, uint32_t stil);
    void SetTemperaturSDOLinie(int32_t breite, uint32_t stil);
    void SetDampfLinie(int32_t breite, uint32_t stil);
    void SetSattdampfLinie(int32_t breite, uint32_t stil);
    void SetBeschriftungFont(const LOGFONT& lf);
    void SetBeschriftungFarbe(TColor farbe) { BeschriftungFarbe = farbe; }

    LOGFONT lfBeschriftung;
    LOGFONT lfKlein;
    LOGFONT lfVertikal;
    std::unique_ptr<TFont> pBeschriftungFont;
    std::unique_ptr<TFont> pKleinFont;
    std::unique_ptr<TFont> pVertikalFont;

    TColor TemperaturWFarbe;   // winter
    TColor TemperaturSHOFarbe; // summer, light surface
    TColor TemperaturSDOFarbe; // summer, dark surface
    TColor DampfdruckFarbe;
    TColor SattdampfFarbe;
    TColor BeschriftungFarbe; // set per sheet, never stored

    LOGPEN TemperaturWLinie;
    LOGPEN TemperaturSHOLinie;
    LOGPEN TemperaturSDOLinie;
    LOGPEN DampfLinie;
    LOGPEN SattdampfLinie;
    std::unique_ptr<TPen> pTemperaturWPen;
    std::unique_ptr<TPen> pTemperaturSHOPen;
    std::unique_ptr<TPen> pTemperaturSDOPen;
    std::unique_ptr<TPen> pDampfPen;
    std::unique_ptr<TPen> pSattdampfPen;

private:
    struct Kurve;
    static const Kurve kKurven[5];
    void FarbeSetzen(const Kurve& k, TColor farbe);
    void LinieSetzen(const Kurve& k, int32_t breite, uint32_t stil);
};
