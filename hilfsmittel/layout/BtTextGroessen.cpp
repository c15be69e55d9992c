#include "hilfsmittel/layout/BtTextGroessen.h"

#include "hilfsmittel/ProfileValues.h"
#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/gdi/Font.h"
#include "platform/profile/Profile.h"

#include <cstring>

namespace {

struct Vorgabe {
    const char* schluessel;
    int32_t hoehe;
    int32_t gewicht;
    bool kursiv;
    const char* schrift;
    int32_t drehung; // escapement and orientation, tenths of a degree
    TColor farbe;
};

constexpr TColor kRot(255, 0, 0);

// In style order; all other record fields 0.
constexpr Vorgabe kStile[AnzahlTextstile] = {
    {"TabellenKopf", -12, FW_BOLD, false, "Arial", 0, TColor::Black},
    {"Symbol", -12, FW_BOLD, false, "Symbol", 0, TColor::Black},
    {"Tabelle", -12, FW_NORMAL, false, "Arial", 0, TColor::Black},
    {"TabellenKopfVertikal", 12, FW_NORMAL, false, "Arial", 900, TColor::Black},
    {"Einheiten", -12, FW_NORMAL, false, "Arial", 0, TColor::Black},
    {"Kommentar", -12, FW_NORMAL, false, "Arial", 0, TColor::Black},
    {"Warnung", -12, FW_NORMAL, false, "Arial", 0, kRot},
    {"Fußnote", -10, FW_BOLD, true, "Arial", 0, kRot},
    {"Titel", -20, FW_BOLD, true, "Arial", 0, TColor::Black},
    {"Beschriftung", -14, FW_BOLD, true, "Arial", 0, TColor::Black},
    {"Kopfzeile", -16, FW_BOLD, false, "Arial", 0, TColor::Black},
    {"Fusszeile", -16, FW_BOLD, false, "Arial", 0, TColor::Black},
    {"Formel", -13, FW_NORMAL, true, "Arial", 0, TColor::Black},
    {"FormelIndex", -13 + 4, FW_NORMAL, true, "Arial", 0, TColor::Black},
    {"FormelSymbol", -13, FW_NORMAL, true, "Symbol", 0, TColor::Black},
};

// Read buffer of the section's values. A font text can be longer than the
// original's 79 bytes (31-character face, wide numbers); cutting it would lose
// its colour fields and turn the font into the fallback, so fonts get room for
// the longest text the encoder writes.
constexpr unsigned kFarbPuffer = 79;
constexpr unsigned kSchriftPuffer = 160;

} // namespace

TBtTextGroessen::TBtTextGroessen() {
    for (int i = 0; i < AnzahlTextstile; ++i) {
        const Vorgabe& v = kStile[i];
        LOGFONT& lf = lfStil[i];
        lf.lfHeight = v.hoehe;
        lf.lfEscapement = v.drehung;
        lf.lfOrientation = v.drehung;
        lf.lfWeight = v.gewicht;
        lf.lfItalic = v.kursiv ? 1 : 0;
        std::strcpy(lf.lfFaceName, v.schrift);
        pStilFont[i] = std::make_unique<TFont>(lf);
        StilFarbe[i] = v.farbe;
    }
}

TBtTextGroessen::~TBtTextGroessen() = default;

const char* TBtTextGroessen::Schluessel(Textstil stil) {
    return kStile[size_t(stil)].schluessel;
}

void TBtTextGroessen::SetFont(Textstil stil, const LOGFONT& lf) {
    lfStil[size_t(stil)] = lf;
    pStilFont[size_t(stil)] = std::make_unique<TFont>(lf);
}

// A missing key keeps the style as it is, colour included: the red of
// "Warnung" and "Fußnote" marks unmet requirements on the printed proof and
// must not turn black only because no settings file has been written yet.
void TBtTextGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    for (int i = 0; i < AnzahlTextstile; ++i) {
        const auto stil = Textstil(i);
        const std::string vorgabe = ProfileMakeFont(*pStilFont[i], StilFarbe[i]);
        LOGFONT lf;
        uint32_t farbe = 0;
        ProfileParseFont(ini.GetString(Schluessel(stil), vorgabe, kSchriftPuffer), lf, farbe);
        StilFarbe[i] = TColor(farbe);
        SetFont(stil, lf);
    }
    int r = 0, g = 0, b = 0;
    ProfileParseColors(ini.GetString("TabellenHintergrund", "225,225,225", kFarbPuffer), r, g, b);
    TabellenHintergrund = TColor(r, g, b);
}

bool TBtTextGroessen::Speichern(bool bGlobal, bool bProjekt) {
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    for (int i = 0; i < AnzahlTextstile; ++i) {
        const auto stil = Textstil(i);
        SetFont(stil, lfStil[i]);
        ini.Set(Schluessel(stil), ProfileMakeFont(*pStilFont[i], StilFarbe[i]));
    }
    ini.Set("TabellenHintergrund", ProfileMakeColors(TabellenHintergrund));
    return ini.Commit();
}
