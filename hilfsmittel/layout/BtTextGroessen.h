#pragma once
// The fifteen text styles of the data sheets (font and colour each) and the
// table background. Each style's description record has its ready font
// beside it, rebuilt whenever the record changes.
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"
#include "platform/base/Color.h"
#include "platform/gdi/LogRecords.h"

#include <array>
#include <memory>

class TFont;

enum class Textstil {
    TabellenKopf,
    Symbol,
    Tabelle,
    TabellenKopfVertikal,
    Einheiten,
    Kommentar,
    Warnung,
    Fussnote,
    Titel,
    Beschriftung,
    Kopfzeile,
    Fusszeile,
    Formel,
    FormelIndex,
    FormelSymbol,
};
inline constexpr int AnzahlTextstile = 15;

class TBtTextGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "BauteilText";

    TBtTextGroessen();
    ~TBtTextGroessen() override;
    TBtTextGroessen(const TBtTextGroessen&) = delete;
    TBtTextGroessen& operator=(const TBtTextGroessen&) = delete;

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    // The INI key of a style ("Fußnote" for Fussnote).
    static const char* Schluessel(Textstil stil);

    const LOGFONT& Schrift(Textstil stil) const { return lfStil[size_t(stil)]; }
    const TFont& Font(Textstil stil) const { return *pStilFont[size_t(stil)]; }
    TColor Farbe(Textstil stil) const { return StilFarbe[size_t(stil)]; }
    void SetFarbe(Textstil stil, TColor farbe) { StilFarbe[size_t(stil)] = farbe; }

    // Copies the record into the style and rebuilds the style's font.
    void SetFont(Textstil stil, const LOGFONT& lf);
    void SetTabellenKopfFont(const LOGFONT& lf) { SetFont(Textstil::TabellenKopf, lf); }
    void SetSymbolFont(const LOGFONT& lf) { SetFont(Textstil::Symbol, lf); }
    void SetTabelleFont(const LOGFONT& lf) { SetFont(Textstil::Tabelle, lf); }
    void SetTabellenKopfVertikalFont(const LOGFONT& lf) {
        SetFont(Textstil::TabellenKopfVertikal, lf);
    }
    void SetEinheitenFont(const LOGFONT& lf) { SetFont(Textstil::Einheiten, lf); }
    void SetKommentarFont(const LOGFONT& lf) { SetFont(Textstil::Kommentar, lf); }
    void SetWarnungFont(const LOGFONT& lf) { SetFont(Textstil::Warnung, lf); }
    void SetFussnoteFont(const LOGFONT& lf) { SetFont(Textstil::Fussnote, lf); }
    void SetTitelFont(const LOGFONT& lf) { SetFont(Textstil::Titel, lf); }
    void SetBeschriftungFont(const LOGFONT& lf) { SetFont(Textstil::Beschriftung, lf); }
    void SetKopfzeileFont(const LOGFONT& lf) { SetFont(Textstil::Kopfzeile, lf); }
    void SetFusszeileFont(const LOGFONT& lf) { SetFont(Textstil::Fusszeile, lf); }
    void SetFormelFont(const LOGFONT& lf) { SetFont(Textstil::Formel, lf); }
    void SetFormelIndexFont(const LOGFONT& lf) { SetFont(Textstil::FormelIndex, lf); }
    void SetFormelSymbolFont(const LOGFONT& lf) { SetFont(Textstil::FormelSymbol, lf); }

    std::array<LOGFONT, AnzahlTextstile> lfStil;
    std::array<std::unique_ptr<TFont>, AnzahlTextstile> pStilFont;
    std::array<TColor, AnzahlTextstile> StilFarbe;
    TColor TabellenHintergrund{225, 225, 225};
};
