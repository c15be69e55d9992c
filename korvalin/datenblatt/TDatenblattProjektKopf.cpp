// The project's identity at the head of a sheet: the header table and the
// data section that opens the energy-balance proof.
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TProjekt.h"

#include <array>

namespace {
const char* text(const std::array<const char*, 11>& tabelle, int i, int anzahl) {
    return i >= 0 && i < anzahl ? tabelle[size_t(i)] : "";
}

constexpr std::array<const char*, 11> kNutzung{
    " Wohngebäude",
    " Büro- und Verwaltungsgebäude",
    " Schule, Bibliothek",
    " Krankenhaus, Altenheim etc.",
    " Aufenthaltsgebäude in Kasernen etc.",
    " Gebäude des Gaststättengewerbes",
    " Waren- oder sonstiges Geschäftshaus",
    " Betriebsgebäude",
    " Gebäude für Sport- / Versammlungszwecke",
    " Sonstiges Gebäude mit ähnlicher Nutzung",
    " Gebäude mit niedrigen Innentemperaturen",
};
} // namespace

void TDatenblattBasis::ProjektKopfTabelle(TDC& dc, int pass) {
    Durchgang = pass;
    const TProjekt* p = Projekt();
    if (!p) {
        // A sheet of no project has no header: the block stays empty.
        Block.InnenHoehe = Block.Hoehe = 0;
        return;
    }
    SpaltenLayout();
    SpaltenBreitenSetzen(0, 3);
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, 2, 3, 0);
    if (pass != 1 || !AufAktuellerSeite()) return;
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k <= 3; ++k) Zelle(r, k) = TRect();
    const int links[3] = {0, 0, 0};
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    Spaltentext[0] = " " + p->Projektangaben[0];
    Spaltentext[1] = p->Projektangaben[1];
    Spaltentext[2] = p->Projektangaben[2];
    TabellenZeile(dc, 0, 3, 2, links, 1);
    TabellenRahmenOhneLetzteZeile(dc);
    dc.SelectObject(alt);
}

void TDatenblattBasis::ProjektdatenAbschnitt(TDC& dc, int pass) {
    Durchgang = pass;
    const TProjekt* p = Projekt();
    if (!p) {
        Block.InnenHoehe = Block.Hoehe = 0;
        return;
    }
    // The model keeps one flag each for the requirement and its mark, as the
    // project settings sheet writes them.
    const bool ne = p->UnterschreitungPruefen != 0;
    const bool ph = p->ZielwertPruefen != 0;
    const int zeilen = 10 + (ne ? 1 : 0) + (ph ? 1 : 0);
    SpaltenLayout();
    SpaltenBreitenSetzen(0, 5);
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, zeilen, 5, 0);
    for (int r = 0; r < zeilen; ++r)
        for (int k = 0; k <= 5; ++k) Zelle(r, k) = TRect();
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const int links[5] = {0, 0, 0, 0, 0};
    auto zeile = [&](int r, int spanne, std::array<std::string, 5> t) {
        for (size_t i = 0; i < t.size(); ++i) Spaltentext[i] = t[i];
        TabellenZeile(dc, r, 5, spanne, links, 1);
    };
    auto zelle = [&](int r, int k, const std::string& t) {
        Spaltentext[size_t(k)] = t;
        ZelleText(dc, k, k + 1, r, 1, 0, 1);
    };

    zeile(0, 2, {" ", " Projekt: ", p->Projektangaben[0], " ", " "});
    switch (p->Baumassnahme) {
    case 0:
        zeile(2, 1, {" ", " Maßnahme: ", " Zu errichtendes Gebäude", " ", " "});
        zeile(3, 1, {" ", " ", " ", " ", " "});
        break;
    case 1:
        zeile(2, 1, {" ", " Maßnahme: ", " Bauliche Erweiterung ", " ", " "});
        zeile(3, 1, {" ", " ", " eines Gebäudes", " ", " "});
        break;
    case 2:
        zeile(2, 1, {" ", " Maßnahme: ", " Einbau oder Ersatz ", " ", " "});
        zeile(3, 1, {" ", " ", " von Außenbauteilen", " ", " "});
        break;
    default:
        zeile(2, 1, {"", "", "", "", ""});
        zeile(3, 1, {"", "", "", "", ""});
        break;
    }
    zelle(2, 3, " Gebäudetyp: ");
    zelle(2, 4, text(kNutzung, p->Gebaeudenutzung, 11));

    const std::array<std::pair<bool, const char*>, 6> merkmale{{
        {p->KleinesWohngebaeude != 0, " Kleines Wohngebäude "},
        {ne, " Niedrigenergiehaus "},
        {ph, " Passivhaus "},
        {p->WestAnsatz != 0, " Fertighaus "},
        {p->ZweiGebaeudetrennwaende != 0, " Reihenmittelhaus"},
        {p->MehrAlsZweiVollgeschosse != 0, " Gebäude mit mehr als zwei Vollgeschossen"},
    }};
    int r = 3;
    for (const auto& [gilt, t] : merkmale) {
        if (!gilt) continue;
        // Row 3 keeps the second measure line in its left half.
        if (r > 3)
            for (int k = 0; k < 3; ++k) zelle(r, k, " ");
        zelle(r, 3, " ");
        zelle(r, 4, t);
        ++r;
    }
    if (r == 3) r = 4;
    for (int k = 0; k < 5; ++k) zelle(r, k, " ");
    ++r;

    static const std::array<std::array<const char*, 2>, 4> lueftung{{
        {" Keine", " "},
        {" Ohne Wärmerückgewinnung", " "},
        {" Mit Wärmerückgewinnung", " "},
        {" Mit elektrisch ", " angetriebener Wärmepumpe "},
    }};
    static const std::array<std::array<const char*, 2>, 3> kuehlung{{
        {" Keine", " "},
        {" Unter Einsatz ", " erneuerbarer Energien "},
        {" Ohne Einsatz ", " erneuerbarer Energien "},
    }};
    const int l = p->Lueftungsanlage, k = p->Zusatzpruefung;
    const bool lGut = l >= 0 && l < 4, kGut = k >= 0 && k < 3;
    Titeltext = lGut ? lueftung[size_t(l)][0] : "";
    zeile(r, 1,
          {" ", " Lüftungsanlage: ", Titeltext, " Kühlung: ", kGut ? kuehlung[size_t(k)][0] : ""});
    zeile(
        r + 1, 1,
        {" ", " ", lGut ? lueftung[size_t(l)][1] : " ", " ", kGut ? kuehlung[size_t(k)][1] : " "});
    if (pass == 1 && AufAktuellerSeite()) TabellenRahmenBisZeile(dc, r + 1);
    Block.Unten = Block.InnenUnten = Zeilenkante(r + 2);
    Block.InnenHoehe = Block.Hoehe = Block.Unten - Block.Oben;
    dc.SelectObject(alt);
}
