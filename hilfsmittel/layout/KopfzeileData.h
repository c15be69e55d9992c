#pragma once
// Header and footer of one data-sheet window: six texts with field tokens,
// the three formats, the five tokens. KopfzeilenTextErsetzen fills the tokens
// in; it depends on nothing but its arguments.
#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

class TBtKopfzeileGroessen;

class TKopfzeileData {
public:
    enum Text { KopfL, KopfM, KopfR, FussL, FussM, FussR };
    static constexpr int AnzahlFelder = 5;

    TKopfzeileData();
    void Uebernehmen(const TBtKopfzeileGroessen& g);

    int Seitenformat = 0;     // 0 to 4
    int Datumsformat = 0;     // 0 to 4
    int DateiDatumformat = 0; // 0 to 4
    std::array<std::string, 6> Texte;
    // "&[Seite]", "&[Datum]", "&[Datei]", "&[Projekt]", "&[P-Datum]".
    std::array<std::string, AnzahlFelder> Felder;
};

// What the five fields are made of for one page.
struct TKopfzeilenAngaben {
    int Seite = 1;      // current page, from 1
    int Seitenzahl = 1; // pages of the sheet
    int ErsteSeite = 1; // number printed on the first page
    std::tm Heute{};
    std::string Datei;
    std::string Projekt;
    std::optional<std::tm> ProjektDatum; // none: the project file could not be opened
};

// The page number text of a page format (0 to 4).
std::string SeitenText(int format, int seite, int seitenzahl, int ersteSeite);
// The date in a date format (0 to 4), with German day and month names
// whatever the process locale.
std::string DatumText(int format, const std::tm& t);
// The five field values; in template mode (a sheet of no project) file,
// project and project date are empty.
std::array<std::string, TKopfzeileData::AnzahlFelder>
KopfzeilenFelder(const TKopfzeilenAngaben& a, const TKopfzeileData& d, bool vorlage);
// Replaces every token of the text by its value in one pass; a value is not
// searched for tokens again.
std::string KopfzeilenTextErsetzen(std::string_view text, const TKopfzeilenAngaben& a,
                                   const TKopfzeileData& d, bool vorlage);
