// The project title sheet: the project's description and its classification
// under the heat-protection regulation, as a borderless table.
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TProjekt.h"

#include <array>

namespace {
constexpr int kZeilen = 15;
constexpr int kSpalten = 5;
constexpr std::array<double, kSpalten> kBreiten{10, 15, 25, 13, 37}; // percent
constexpr int kAbstand = 100; // the table's top below the block's top

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

void TDatenblattBasis::ProjektdatenTabelle(TDC& dc, int pass) {
    Durchgang = pass;
    const double faktor = Koerper.Width() * Breitenfaktor;
    Spaltenbreite.fill(0);
    for (size_t i = 0; i < kBreiten.size(); ++i) Spaltenbreite[i + 1] = 0.01 * kBreiten[i] * faktor;
    Block.InnenOben = Block.Oben + kAbstand;
    TabelleZeichnen(dc, kZeilen, kSpalten, 0);
    Block.Unten = Block.InnenUnten;
    Block.InnenHoehe = Block.Hoehe = Block.Unten - Block.Oben;
    const TProjekt* p = Projekt();
    if (pass != 1 || !p) return;
    for (int r = 0; r < kZeilen; ++r)
        for (int k = 0; k <= kSpalten; ++k) Zelle(r, k) = TRect();

    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const TPen altStift = dc.SelectObject(TPen(TColor::Black, 1));
    const int links[kSpalten] = {0, 0, 0, 0, 0};
    auto zeile = [&](int r, std::array<std::string, kSpalten> t) {
        for (size_t i = 0; i < t.size(); ++i) Spaltentext[i] = t[i];
        TabellenZeile(dc, r, kSpalten, 1, links, 0);
    };
    auto zelle = [&](int a, int e, int r, const std::string& t) {
        Spaltentext[size_t(a)] = t;
        ZelleText(dc, a, e, r, 1, 0, 0);
    };
    const auto& d = p->Projektangaben;
    zeile(0, {" ", " ", " ", " ", " "});
    zelle(1, 2, 1, " Projektname: ");
    zelle(2, 4, 1, " " + d[0]);
    zeile(2, {" ", " Straße: ", " " + d[1], " Ort: ", " " + d[2]});
    zeile(3, {" ", " Bauherr: ", " " + d[3], " Architekt: ", " " + d[4]});
    zeile(4, {" ", " Bearbeiter: ", " " + d[5], " Datum: ", " " + d[6]});
    zeile(5, {" ", " ", " ", " ", " "});

    static const std::array<std::array<const char*, 2>, 3> massnahme{{
        {" Zu errichtendes Gebäude", nullptr},
        {" Bauliche Erweiterung ", " eines Gebäudes"},
        {" Einbau oder Ersatz ", " von Außenbauteilen"},
    }};
    if (p->Baumassnahme < massnahme.size()) {
        const auto& m = massnahme[p->Baumassnahme];
        zelle(0, 1, 6, " ");
        zelle(1, 2, 6, " Maßnahme: ");
        zelle(2, 3, 6, m[0]);
        if (m[1]) {
            zelle(0, 1, 7, " ");
            zelle(1, 2, 7, " ");
            zelle(2, 3, 7, m[1]);
        }
    }
    zelle(3, 4, 6, " Gebäudetyp: ");
    zelle(4, 5, 6, p->Gebaeudenutzung < kNutzung.size() ? kNutzung[p->Gebaeudenutzung] : " ");

    const std::array<std::pair<bool, const char*>, 6> merkmale{{
        {p->KleinesWohngebaeude != 0, " Kleines Wohngebäude "},
        {p->UnterschreitungPruefen != 0, " Niedrigenergiehaus "},
        {p->ZielwertPruefen != 0, " Passivhaus "},
        {p->WestAnsatz != 0, " Fertighaus "},
        {p->ZweiGebaeudetrennwaende != 0, " Reihenmittelhaus"},
        {p->MehrAlsZweiVollgeschosse != 0, " Gebäude mit mehr als zwei Vollgeschossen"},
    }};
    int r = 7;
    for (const auto& [gilt, text] : merkmale) {
        if (!gilt) continue;
        zelle(3, 4, r, " ");
        zelle(4, 5, r, text);
        ++r;
    }
    // One empty row, unless the ventilation's second line would leave the table.
    r = std::min(r + 1, kZeilen - 2);

    static const std::array<const char*, 4> lueftung{" Keine", " Ohne Wärmerückgewinnung",
                                                     " Mit Wärmerückgewinnung", " Mit elektrisch "};
    static const std::array<const char*, 3> kuehlung{" Keine", " Unter Einsatz ", " Ohne Einsatz "};
    const int l = p->Lueftungsanlage, k = p->Zusatzpruefung;
    zeile(r, {" ", " Lüftungsanlage: ", l < 4 ? lueftung[size_t(l)] : " ",
              " Kühlung: ", k < 3 ? kuehlung[size_t(k)] : " "});
    zeile(r + 1, {" ", " ", l == 3 ? " angetriebener Wärmepumpe " : " ", " ",
                  k == 1 || k == 2 ? " erneuerbarer Energien " : " "});
    dc.SelectObject(altStift);
    dc.SelectObject(alt);
}
