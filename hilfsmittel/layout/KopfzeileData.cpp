#include "hilfsmittel/layout/KopfzeileData.h"

#include "hilfsmittel/layout/BtKopfzeileGroessen.h"

#include <cstdio>

TKopfzeileData::TKopfzeileData()
    : Felder{"&[Seite]", "&[Datum]", "&[Datei]", "&[Projekt]", "&[P-Datum]"} {}

void TKopfzeileData::Uebernehmen(const TBtKopfzeileGroessen& g) {
    Seitenformat = g.Seite;
    Datumsformat = g.Datum;
    DateiDatumformat = g.DateiDatum;
    Texte = {g.TextKopfzeileL, g.TextKopfzeileM, g.TextKopfzeileR,
             g.TextFusszeileL, g.TextFusszeileM, g.TextFusszeileR};
}

std::string SeitenText(int format, int seite, int seitenzahl, int ersteSeite) {
    const int n = ersteSeite + seite - 1;
    const int m = ersteSeite + seitenzahl - 1;
    char puffer[64];
    switch (format) {
    case 1:
        std::snprintf(puffer, sizeof puffer, "S. %d", n);
        break;
    case 2:
        std::snprintf(puffer, sizeof puffer, "%d", n);
        break;
    case 3:
        std::snprintf(puffer, sizeof puffer, "Seite %d von %d", n, m);
        break;
    case 4:
        std::snprintf(puffer, sizeof puffer, "Seite %d/%d", n, m);
        break;
    default:
        std::snprintf(puffer, sizeof puffer, "Seite %d", n);
        break;
    }
    return puffer;
}

namespace {
constexpr std::array<const char*, 7> kTagKurz{"Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."};
constexpr std::array<const char*, 7> kTag{"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                          "Freitag", "Samstag",  "Sonntag"};
constexpr std::array<const char*, 12> kMonatKurz{"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
constexpr std::array<const char*, 12> kMonat{"Januar",    "Februar", "März",     "April",
                                             "Mai",       "Juni",    "Juli",     "August",
                                             "September", "Oktober", "November", "Dezember"};
constexpr std::array<const char*, 5> kDatumsformate{"%d. %m. %y", "%d. %b. %Y", "%d. %B %Y",
                                                    "%a, %d. %B %Y", "%d. %m. %Y"};

// tm_wday counts from Sunday; the tables from Monday.
size_t wochentag(const std::tm& t) {
    return size_t((t.tm_wday + 6) % 7);
}
size_t monat(const std::tm& t) {
    return size_t(t.tm_mon >= 0 && t.tm_mon < 12 ? t.tm_mon : 0);
}

// The conversions of the five formats, without the C library's locale.
std::string formatieren(const char* muster, const std::tm& t) {
    std::string aus;
    char zahl[16];
    for (const char* p = muster; *p; ++p) {
        if (*p != '%' || !p[1]) {
            aus += *p;
            continue;
        }
        switch (*++p) {
        case 'd':
            std::snprintf(zahl, sizeof zahl, "%02d", t.tm_mday);
            aus += zahl;
            break;
        case 'm':
            std::snprintf(zahl, sizeof zahl, "%02d", t.tm_mon + 1);
            aus += zahl;
            break;
        case 'y':
            std::snprintf(zahl, sizeof zahl, "%02d", ((t.tm_year + 1900) % 100 + 100) % 100);
            aus += zahl;
            break;
        case 'Y':
            std::snprintf(zahl, sizeof zahl, "%d", t.tm_year + 1900);
            aus += zahl;
            break;
        case 'a':
            aus += kTagKurz[wochentag(t)];
            break;
        case 'A':
            aus += kTag[wochentag(t)];
            break;
        case 'b':
            aus += kMonatKurz[monat(t)];
            break;
        case 'B':
            aus += kMonat[monat(t)];
            break;
        default:
            aus += '%';
            aus += *p;
        }
    }
    return aus.substr(0, 80);
}
} // namespace

std::string DatumText(int format, const std::tm& t) {
    const size_t i = format >= 0 && format < int(kDatumsformate.size()) ? size_t(format) : 0;
    return formatieren(kDatumsformate[i], t);
}

std::array<std::string, TKopfzeileData::AnzahlFelder>
KopfzeilenFelder(const TKopfzeilenAngaben& a, const TKopfzeileData& d, bool vorlage) {
    std::array<std::string, TKopfzeileData::AnzahlFelder> w;
    w[0] = SeitenText(d.Seitenformat, a.Seite, a.Seitenzahl, a.ErsteSeite);
    w[1] = DatumText(d.Datumsformat, a.Heute);
    if (!vorlage) {
        w[2] = a.Datei;
        w[3] = a.Projekt;
        if (a.ProjektDatum) w[4] = DatumText(d.DateiDatumformat, *a.ProjektDatum);
    }
    return w;
}

std::string KopfzeilenTextErsetzen(std::string_view text, const TKopfzeilenAngaben& a,
                                   const TKopfzeileData& d, bool vorlage) {
    const auto werte = KopfzeilenFelder(a, d, vorlage);
    // Each placeholder stands for its value once; a repeat is printed as typed.
    std::array<bool, TKopfzeileData::AnzahlFelder> benutzt{};
    std::string aus;
    size_t i = 0;
    while (i < text.size()) {
        bool ersetzt = false;
        for (size_t f = 0; f < werte.size(); ++f) {
            const std::string& feld = d.Felder[f];
            if (!feld.empty() && text.substr(i, feld.size()) == feld) {
                aus += benutzt[f] ? feld : werte[f];
                benutzt[f] = true;
                i += feld.size();
                ersetzt = true;
                break;
            }
        }
        if (!ersetzt) aus += text[i++];
    }
    return aus;
}
