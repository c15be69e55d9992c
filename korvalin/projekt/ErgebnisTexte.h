#pragma once
// The texts of the project dialog's result panel, taken from the results
// that the heat-protection proof stored in a variant. Nothing is computed
// here; the commands that change the variant run TProjekt::WSchVO first.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TProjekt;

// What an entry of the list of unmet requirements stands for: a heading or
// facade line (-1, -1), a placed component (its type's kind, its number) or
// a placed window (10, its number).
struct ErgebnisEintrag {
    int16_t Art = -1;
    int16_t Nummer = -1;
    friend bool operator==(const ErgebnisEintrag&, const ErgebnisEintrag&) = default;
};

struct ErgebnisTexte {
    std::string Projekt;        // 200
    std::string Massnahme;      // 201
    std::string Volumen;        // 160
    std::string Flaeche;        // 207
    std::string AV;             // 208
    bool WerteSichtbar = true;  // frame 215 and labels 212, 213, 214
    std::string Verfahren;      // 211
    std::string VorhLabel;      // 209
    std::string ZulLabel;       // 210
    std::string Vorh;           // 203
    std::string Zul;            // 206
    std::string Urteil;         // 204
    std::string ListenTitel;    // 205
    bool ListeSichtbar = false; // combo box 110
    std::vector<std::string> Eintraege;
    std::vector<ErgebnisEintrag> Schluessel; // one per entry
};

extern const char* const MassnahmeTexte[3];
extern const char* const NutzungTexte[11];

ErgebnisTexte ErgebnisTexteBilden(const TProjekt& p);

// The additional requirements the variant fails, each as the panel's list
// heads it; the certificate names them too.
enum class Zusatzanforderung {
    Trennwaende,
    Sommer,
    Rolladenkasten,
    Flaechenheizung,
    Heizkoerper,
    Fugen,
    Einfachverglasung
};
std::vector<std::pair<Zusatzanforderung, std::string>>
NichtErfuellteZusatzanforderungen(const TProjekt& p);
