#include "hilfsmittel/layout/BtGrafikGroessen.h"

#include "hilfsmittel/DbAssert.h"
#include "hilfsmittel/ProfileValueReports.h"
#include "hilfsmittel/ProfileValues.h"
#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/profile/Profile.h"

#include <algorithm>
#include <cstring>

struct TBtGrafikGroessen::Kurve {
    TColor TBtGrafikGroessen::*farbe;
    LOGPEN TBtGrafikGroessen::*linie;
    std::unique_ptr<TPen> TBtGrafikGroessen::*pen;
    const char* farbSchluessel;
    const char* farbVorgabe;
    const char* linienSchluessel;
    const char* linienVorgabe;
};

using G = TBtGrafikGroessen;

const G::Kurve G::kKurven[5] = {
    {&G::TemperaturWFarbe, &G::TemperaturWLinie, &G::pTemperaturWPen, "TemperaturWFarbe", "0,0,255",
     "TemperaturWLinie", "1,0"},
    {&G::TemperaturSHOFarbe, &G::TemperaturSHOLinie, &G::pTemperaturSHOPen, "TemperaturSHOFarbe",
     "0,255,0", "TemperaturSHOLinie", "1,0"},
    {&G::TemperaturSDOFarbe, &G::TemperaturSDOLinie, &G::pTemperaturSDOPen, "TemperaturSDOFarbe",
     "255,0,0", "TemperaturSDOLinie", "1,0"},
    {&G::DampfdruckFarbe, &G::DampfLinie, &G::pDampfPen, "DampfdruckFarbe", "0,0,255", "DampfLinie",
     "1,1"},
    {&G::SattdampfFarbe, &G::SattdampfLinie, &G::pSattdampfPen, "SattdampfFarbe", "255,0,0",
     "SattdampfLinie", "1,0"},
};

namespace {

// Curves in the order their lines are read and written.
constexpr int kLinienFolge[] = {3, 4, 0, 1, 2};

// Every value of the section is read with a 79-byte buffer.
constexpr unsigned kPuffer = 79;

LOGFONT Schrift(int32_t hoehe, int32_t drehung) {
    LOGFONT lf;
    lf.lfHeight = hoehe;
    lf.lfEscapement = drehung;
    lf.lfOrientation = drehung;
    lf.lfWeight = FW_NORMAL;
    std::strcpy(lf.lfFaceName, "Arial");
    return lf;
}

LOGPEN Stift(uint32_t stil, TColor farbe) {
    LOGPEN lp;
    lp.lopnStyle = stil;
    lp.lopnWidth = TPoint(2, 0);
    lp.lopnColor = farbe.GetValue();
    return lp;
}

// Each number cut to its low 8 bits.
TColor FarbeLesen(const std::string& text) {
    int r = 0, g = 0, b = 0;
    ProfileParseColors(text, r, g, b);
    return TColor(r, g, b);
}

// Styles outside what the settings offer (solid, dashed, dotted, dash-dot,
// dash-dot-dot) are reported and drawn solid, so that no hand-edited file
// gives a pen the painters cannot show; a width above 3 is reported and kept.
LOGPEN LinieLesen(const std::string& text) {
    LOGPEN lp;
    ProfileParseLine(text, lp);
    if (lp.lopnStyle > PS_DASHDOTDOT) {
        if (!ProfileValueReports::Note(text)) dbassert("layout", __LINE__);
        lp.lopnStyle = PS_SOLID;
    }
    // A width above 3 was reported by the parser and is used as read.
    lp.lopnWidth.x = std::max(lp.lopnWidth.x, 1);
    return lp;
}

} // namespace

TBtGrafikGroessen::TBtGrafikGroessen()
    : lfBeschriftung(Schrift(-12, 0)), lfKlein(Schrift(-10, 0)), lfVertikal(Schrift(-10, 900)),
      pBeschriftungFont(std::make_unique<TFont>(lfBeschriftung)),
      pKleinFont(std::make_unique<TFont>(lfKlein)),
      pVertikalFont(std::make_unique<TFont>(lfVertikal)),
      TemperaturWLinie(Stift(PS_SOLID, TColor(0, 0, 255))),
      TemperaturSHOLinie(Stift(PS_DASH, TColor(0, 255, 0))),
      TemperaturSDOLinie(Stift(PS_DOT, TColor(255, 0, 0))),
      DampfLinie(Stift(PS_DASH, TColor(0, 0, 255))),
      SattdampfLinie(Stift(PS_SOLID, TColor(255, 0, 0))) {
    for (const auto& k : kKurven) (this->*k.pen) = std::make_unique<TPen>(this->*k.linie);
}

TBtGrafikGroessen::~TBtGrafikGroessen() = default;

void TBtGrafikGroessen::FarbeSetzen(const Kurve& k, TColor farbe) {
    (this->*k.linie).lopnColor = farbe.GetValue();
    (this->*k.pen) = std::make_unique<TPen>(this->*k.linie);
    this->*k.farbe = farbe;
}

void TBtGrafikGroessen::LinieSetzen(const Kurve& k, int32_t breite, uint32_t stil) {
    LOGPEN& lp = this->*k.linie;
    lp.lopnWidth = TPoint(breite, breite);
    lp.lopnStyle = stil;
    (this->*k.pen) = std::make_unique<TPen>(lp);
}

void TBtGrafikGroessen::SetTemperaturWFarbe(TColor f) {
    FarbeSetzen(kKurven[0], f);
}
void TBtGrafikGroessen::SetTemperaturSHOFarbe(TColor f) {
    FarbeSetzen(kKurven[1], f);
}
void TBtGrafikGroessen::SetTemperaturSDOFarbe(TColor f) {
    FarbeSetzen(kKurven[2], f);
}
void TBtGrafikGroessen::SetDampfdruckFarbe(TColor f) {
    FarbeSetzen(kKurven[3], f);
}
void TBtGrafikGroessen::SetSattdampfFarbe(TColor f) {
    FarbeSetzen(kKurven[4], f);
}
void TBtGrafikGroessen::SetTemperaturWLinie(int32_t b, uint32_t s) {
    LinieSetzen(kKurven[0], b, s);
}
void TBtGrafikGroessen::SetTemperaturSHOLinie(int32_t b, uint32_t s) {
    LinieSetzen(kKurven[1], b, s);
}
void TBtGrafikGroessen::SetTemperaturSDOLinie(int32_t b, uint32_t s) {
    LinieSetzen(kKurven[2], b, s);
}
void TBtGrafikGroessen::SetDampfLinie(int32_t b, uint32_t s) {
    LinieSetzen(kKurven[3], b, s);
}
void TBtGrafikGroessen::SetSattdampfLinie(int32_t b, uint32_t s) {
    LinieSetzen(kKurven[4], b, s);
}

void TBtGrafikGroessen::SetBeschriftungFont(const LOGFONT& lf) {
    lfBeschriftung = lf;
    pBeschriftungFont = std::make_unique<TFont>(lfBeschriftung);
}

// Colours first, so that each pen rebuilt by a line carries the colour just read.
// The fonts are not stored: they keep their constructor values.
void TBtGrafikGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    for (const auto& k : kKurven)
        FarbeSetzen(k, FarbeLesen(ini.GetString(k.farbSchluessel, k.farbVorgabe, kPuffer)));
    for (int i : kLinienFolge) {
        const auto& k = kKurven[i];
        const LOGPEN lp = LinieLesen(ini.GetString(k.linienSchluessel, k.linienVorgabe, kPuffer));
        LinieSetzen(k, lp.lopnWidth.x, lp.lopnStyle);
    }
}

bool TBtGrafikGroessen::Speichern(bool bGlobal, bool bProjekt) {
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    for (const auto& k : kKurven) ini.Set(k.farbSchluessel, ProfileMakeColors(this->*k.farbe));
    for (int i : kLinienFolge) {
        const auto& k = kKurven[i];
        ini.Set(k.linienSchluessel, ProfileMakeLine(*(this->*k.pen)));
    }
    return ini.Commit();
}
