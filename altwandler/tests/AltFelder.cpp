#include "AltZeilen.h"

#include <algorithm>
#include <iterator>

namespace altdatei {

namespace {

// The 21 switches of the variant from the second one on (version 5 at 60,
// current at 62). The proof sets the first thirteen anew.
std::vector<Zeile<TProjekt>> schalter(size_t basis) {
    using P = TProjekt;
    std::vector<Zeile<P>> t = {
        I16(P, basis + 0, UnterschreitungStatus),     I16(P, basis + 2, NachweisRolladenkasten),
        I16(P, basis + 4, NachweisFlaechenheizung),   I16(P, basis + 6, NachweisHeizkoerper),
        I16(P, basis + 8, NachweisTrennwaende),       I16(P, basis + 10, NachweisFugen),
        I16(P, basis + 12, NachweisSommer),           I16(P, basis + 14, NachweisEinfachverglasung),
        I16(P, basis + 16, ZusatzErfuellt),           I16(P, basis + 18, FensterTab2Erfuellt),
        I16(P, basis + 20, ProjektBauteilverfahren),  I16(P, basis + 22, ProjektDINErfuellt),
        I16(P, basis + 24, NachweisErfuellt),         I16(P, basis + 26, Baumassnahme),
        I16(P, basis + 28, Gebaeudenutzung),          I16(P, basis + 30, KleinesWohngebaeude),
        I16(P, basis + 32, ZweiGebaeudetrennwaende),  I16(P, basis + 34, WestAnsatz),
        I16(P, basis + 36, MehrAlsZweiVollgeschosse), I16(P, basis + 38, NormaleInnentemperatur),
        I16(P, basis + 40, InterneGewinnePauschal)};
    for (size_t i = 0; i < 13; ++i) t[i].berechnet = true;
    return t;
}

// Name, numbers, the eight settings and the joint coefficient: the same
// offsets in versions 4, 5 and now.
std::vector<Zeile<TProjekt>> variantenKopf() {
    using P = TProjekt;
    std::vector<Zeile<P>> t = {TXT(P, 0, 30, Name), I16(P, 30, Nummer),
                               I16(P, 32, NaechsteFensterNummer),
                               I16(P, 34, NaechsteBauteilNummer)};
    for (size_t j = 0; j < 8; ++j)
        t.push_back(zahl<P>("Projekteinstellungen", 36 + 2 * j, Art::I16,
                            [j](const P& p) { return p.Projekteinstellungen[j]; }));
    t.push_back(berechnet(F64(P, 52, Fugenkoeffizient_max))); // the proof sets it by its rules
    Anhaengen(t, schalter(60));
    return t;
}

std::vector<Zeile<TProjekt>> texte(size_t basis) {
    std::vector<Zeile<TProjekt>> t;
    for (size_t j = 0; j < 9; ++j)
        t.push_back({"Projektangaben", basis + 30 * j, Art::Text,
                     [j](const TProjekt& p) { return Wert(p.Projektangaben[j]); }, 30});
    return t;
}

// Doubles of the proof results in current order from Q_H; all but the
// inputs among them are computed anew.
std::vector<Zeile<TProjekt>>
nachweis(std::initializer_list<std::pair<size_t, double TProjekt::*>> z) {
    using P = TProjekt;
    const double P::*eingaben[] = {&P::Waermerueckgewinnungsgrad, &P::Q_I_Vorgabe, &P::V,
                                   &P::A_N_Vorgabe, &P::Unterschreitung};
    std::vector<Zeile<P>> t;
    for (auto [off, feld] : z) {
        t.push_back({"Nachweiswert", off, Art::F64, [f = feld](const P& p) { return Wert(p.*f); }});
        t.back().berechnet =
            std::find(std::begin(eingaben), std::end(eingaben), feld) == std::end(eingaben);
    }
    return t;
}

template <class Z>
std::vector<Zeile<Z>> schluessel(bool gruppeFest) {
    std::vector<Zeile<Z>> t = {I16(Z, 0, Schluessel.Katalog), I16(Z, 4, Schluessel.Untergruppe),
                               I16(Z, 6, Schluessel.Position), I32(Z, 8, Schluessel.Nummer)};
    // Group 5 (insulation) presets the heat capacity of converted materials.
    t.push_back(gruppeFest ? FEST(Z, 2, Art::I16, Schluessel.Gruppe, 5)
                           : I16(Z, 2, Schluessel.Gruppe));
    return t;
}

} // namespace

std::vector<Zeile<TKlima>> Klima5() {
    using K = TKlima;
    return {FEST(K, 0, Art::I16, KlimaMerker1, 0),
            FEST(K, 2, Art::I16, KlimaMerker2, 1),
            FEST(K, 4, Art::F64, ThetaI, 21),
            FEST(K, 12, Art::F64, ThetaI_V, 13),
            FEST(K, 20, Art::F64, ThetaE, -11),
            FEST(K, 28, Art::F64, ThetaE_V, 11),
            FEST(K, 36, Art::F64, KlimaWert1, 6),
            FEST(K, 44, Art::F64, KlimaWert2, 9),
            FEST(K, 52, Art::F64, ThetaOberflaeche_V, 14),
            FEST(K, 60, Art::F64, PhiI, 0.55),
            FEST(K, 68, Art::F64, PhiI_V, 0.65),
            FEST(K, 76, Art::F64, PhiE, 0.85),
            FEST(K, 84, Art::F64, PhiE_V, 0.75),
            FEST(K, 92, Art::F64, Tauperiode, 1400),
            FEST(K, 100, Art::F64, Verdunstungsperiode, 2100),
            FEST(K, 108, Art::I16, AussenluftVerdunstung, 1),
            FEST(K, 110, Art::I16, OberflaecheDreifachRsi, 0),
            TXT(K, 112, 50, Titel),
            TXT(K, 162, 50, Zusatztext)};
}

std::vector<Zeile<TKlima>> Klima4() {
    using K = TKlima;
    return {FEST(K, 0, Art::I16, KlimaMerker1, 0),
            FEST(K, 2, Art::F64, ThetaI, 21),
            FEST(K, 10, Art::F64, ThetaI_V, 13),
            FEST(K, 18, Art::F64, ThetaE, -11),
            FEST(K, 26, Art::F64, ThetaE_V, 11),
            FEST(K, 34, Art::F64, KlimaWert1, 6),
            FEST(K, 42, Art::F64, ThetaOberflaeche_V, 14),
            FEST(K, 50, Art::F64, PhiI, 0.55),
            FEST(K, 58, Art::F64, PhiI_V, 0.65),
            FEST(K, 66, Art::F64, PhiE, 0.85),
            FEST(K, 74, Art::F64, PhiE_V, 0.75),
            FEST(K, 82, Art::F64, Tauperiode, 1400),
            FEST(K, 90, Art::F64, Verdunstungsperiode, 2100),
            FEST(K, 98, Art::I16, AussenluftVerdunstung, 1),
            TXT(K, 100, 50, Titel),
            TXT(K, 150, 50, Zusatztext)};
}

std::vector<Zeile<TTemperatur>> Temperatur() {
    using T = TTemperatur;
    return {FEST(T, 0, Art::F64, TemperaturA, 12.5),
            FEST(T, 8, Art::F64, OberflaecheSommerHell, 26),
            FEST(T, 16, Art::F64, OberflaecheSommerDunkel, 66),
            FEST(T, 24, Art::F64, AussenWinter, -11),
            FEST(T, 32, Art::F64, TemperaturB, 12.25),
            FEST(T, 40, Art::F64, InnenWinter, 21),
            FEST(T, 48, Art::F64, InnenSommer, 22)};
}

std::vector<Zeile<TProjekt>> Variante5() {
    using P = TProjekt;
    auto t = variantenKopf();
    Anhaengen(t, Verschoben<P, TKlima>(Klima5(), 102,
                                       [](const P& p) -> const TKlima& { return p.Klima; }));
    Anhaengen(t,
              Verschoben<P, TTemperatur>(Temperatur(), 314, [](const P& p) -> const TTemperatur& {
                  return p.Temperatur;
              }));
    t.push_back(F64(P, 370, Wert20));
    Anhaengen(t, texte(378));
    Anhaengen(t, {I16(P, 688, Lueftungsanlage), berechnet(I16(P, 690, LueftungsabzugArt)),
                  I16(P, 692, Zusatzpruefung)});
    Anhaengen(
        t,
        nachweis({{694, &P::Q_H},        {702, &P::Q2_H},      {710, &P::Waermerueckgewinnungsgrad},
                  {718, &P::Q1_H},       {726, &P::Q2_H_max},  {734, &P::Q1_H_max},
                  {742, &P::Q_T},        {750, &P::Q_T_Wand},  {758, &P::Q_T_Fenster},
                  {766, &P::Q_T_Dach},   {774, &P::Q_T_Boden}, {782, &P::Q_T_Art6},
                  {790, &P::Q_T_Art5},   {798, &P::Q2_T},      {806, &P::Q2_T_max},
                  {814, &P::Q_L},        {822, &P::Q_I},       {830, &P::Q_I_Vorgabe},
                  {838, &P::Q_S},        {846, &P::k_eq_F_m},  {854, &P::A_Fenster},
                  {902, &P::A_Bauteile}, {910, &P::V},         {918, &P::A_N_Vorgabe},
                  {936, &P::k_m_AW},     {944, &P::A_AW},      {954, &P::Unterschreitung}}));
    for (size_t j = 0; j < 5; ++j)
        t.push_back(
            {"Werte5", 862 + 8 * j, Art::F64, [j](const P& p) { return Wert(p.Werte5[j]); }});
    Anhaengen(t, {I16(P, 926, A_N_pauschal), I16(P, 928, ProjektMerker), I16(P, 930, BueroVorrang),
                  I16(P, 932, A_N_Art), berechnet(I16(P, 934, AVErfuellt)),
                  I16(P, 952, UnterschreitungPruefen), TXT(P, 1315, 64, Bemerkung)});
    return t;
}

std::vector<Zeile<TRBauteil>> Typ5() {
    using R = TRBauteil;
    auto t = schluessel<R>(false);
    Anhaengen(t, {TXT(R, 12, 30, Name), FEST(R, 42, Art::I16, Nummer, 3), I16(R, 52, Merker1),
                  I16(R, 64, Haertefall),
                  // Ground floor: no DIN 4108-2 Table 2 check, so its limit stays unset.
                  FEST(R, 66, Art::I16, Bauteilart, 4), FEST(R, 68, Art::I16, Angrenzung, 4),
                  FEST(R, 70, Art::F64, Rsi, 0.17), FEST(R, 78, Art::F64, Rse, 0.05),
                  FEST(R, 428, Art::I16, Umkehrdach, 0), I16(R, 430, Merker3),
                  I16(R, 432, Wandvariante), F64(R, 434, Wert1), I16(R, 442, Merker4),
                  FEST(R, 444, Art::I16, Feuchteoption, 0), I16(R, 446, Merker5)});
    Anhaengen(t, Verschoben<R, TKlima>(Klima5(), 86,
                                       [](const R& r) -> const TKlima& { return r.Klima; }));
    Anhaengen(t,
              Verschoben<R, TTemperatur>(Temperatur(), 298, [](const R& r) -> const TTemperatur& {
                  return r.Temperatur;
              }));
    return t;
}

std::vector<Zeile<TPBauteil>> Platziert() {
    using B = TPBauteil;
    return {FEST(B, 0, Art::I16, Nummer, 7),
            I32(B, 2, CADNummer),
            TXT(B, 6, 30, Name),
            TXT(B, 36, 11, Zusatztext),
            FEST(B, 51, Art::I16, RBauteilNummer, 3),
            FEST(B, 53, Art::I16, FassadenNummer, 2),
            I16(B, 55, Traeger.Typ),
            I16(B, 57, Traeger.Nummer),
            I32(B, 59, Wert4),
            I16(B, 63, Merker6),
            F64(B, 69, Bruttoflaeche),
            F64(B, 77, Nettoflaeche),
            F64(B, 89, Reduktionsfaktor),
            F64(B, 97, Waermeverlust)};
}

std::vector<Zeile<TProjekt>> Variante4() {
    using P = TProjekt;
    auto t = variantenKopf();
    Anhaengen(t, Verschoben<P, TKlima>(Klima4(), 102,
                                       [](const P& p) -> const TKlima& { return p.Klima; }));
    t.push_back(F64(P, 302, Wert20));
    Anhaengen(t, texte(310));
    Anhaengen(t, {I16(P, 616, Lueftungsanlage), berechnet(I16(P, 618, LueftungsabzugArt)),
                  I16(P, 620, Zusatzpruefung)});
    Anhaengen(t, nachweis({{622, &P::Q_H},
                           {630, &P::Q2_H},
                           {638, &P::Waermerueckgewinnungsgrad},
                           {646, &P::Q1_H},
                           {654, &P::Q2_H_max},
                           {662, &P::Q1_H_max},
                           {670, &P::Q_T},
                           {678, &P::Q_T_Wand},
                           {686, &P::Q_T_Fenster},
                           {694, &P::Q_T_Dach},
                           {702, &P::Q_T_Boden},
                           {710, &P::Q_T_Art6},
                           {718, &P::Q_T_Art5},
                           {726, &P::Q2_T},
                           {734, &P::Q2_T_max},
                           {742, &P::Q_L},
                           {758, &P::Q_I},
                           {766, &P::Q_S},
                           {774, &P::k_eq_F_m},
                           {782, &P::A_Fenster},
                           {830, &P::A_Bauteile},
                           {838, &P::V},
                           {846, &P::A_N_Vorgabe},
                           {864, &P::k_m_AW},
                           {872, &P::A_AW},
                           {882, &P::Unterschreitung}}));
    for (size_t j = 0; j < 5; ++j)
        t.push_back(
            {"Werte5", 790 + 8 * j, Art::F64, [j](const P& p) { return Wert(p.Werte5[j]); }});
    Anhaengen(t, {I16(P, 854, A_N_pauschal), I16(P, 856, ProjektMerker), I16(P, 858, BueroVorrang),
                  I16(P, 860, A_N_Art), berechnet(I16(P, 862, AVErfuellt)),
                  I16(P, 880, UnterschreitungPruefen), TXT(P, 890, 64, Bemerkung)});
    return t;
}

std::vector<Zeile<TRBauteil>> Typ4() {
    using R = TRBauteil;
    auto t = schluessel<R>(false);
    Anhaengen(t, {TXT(R, 12, 30, Name), FEST(R, 42, Art::I16, Nummer, 3), I16(R, 52, Merker1),
                  I16(R, 64, Haertefall), FEST(R, 66, Art::I16, Bauteilart, 4),
                  FEST(R, 68, Art::I16, Angrenzung, 4), FEST(R, 70, Art::F64, Rsi, 0.17),
                  FEST(R, 78, Art::F64, Rse, 0.05), F64(R, 360, Wert1), I16(R, 368, Merker4),
                  FEST(R, 370, Art::I16, Feuchteoption, 0), I16(R, 372, Merker5)});
    Anhaengen(t, Verschoben<R, TKlima>(Klima4(), 86,
                                       [](const R& r) -> const TKlima& { return r.Klima; }));
    return t;
}

std::vector<Zeile<TEinfachBauteil>> Einfach4() {
    using E = TEinfachBauteil;
    return {TXT(E, 0, 30, Name),
            FEST(E, 30, Art::I16, Nummer, 0),
            I16(E, 36, FeuchteErfuellt),
            I16(E, 38, TauwassergrenzeAusgenommen),
            TXT(E, 40, 50, Beschreibung),
            I16(E, 90, FlaechenheizungStatus),
            I16(E, 92, RolladenkastenStatus),
            FEST(E, 608, Art::F64, Flaechenanteil, 100),
            FEST(E, 616, Art::I16, kWertVorgegeben, 0),
            FEST(E, 618, Art::I16, Heizschicht, 0),
            F64(E, 620, k_Wert),
            F64(E, 628, k_Heizung),
            F64(E, 636, k_Wert_vorBegrenzung),
            F64(E, 644, sd_Summe),
            F64(E, 652, Diffusion.k_max_Oberflaeche),
            F64(E, 660, Diffusion.Verdunstungsmenge),
            F64(E, 668, Diffusion.Tauwassermenge),
            I16(E, 676, Diffusion.AnzahlTaupunkte[0]),
            I16(E, 678, Diffusion.AnzahlTaupunkte[1]),
            I16(E, 680, Diffusion.ErsterTaupunkt[0]),
            I16(E, 682, Diffusion.ErsterTaupunkt[1]),
            I16(E, 684, Diffusion.LetzterTaupunkt[0]),
            I16(E, 686, Diffusion.LetzterTaupunkt[1]),
            I16(E, 688, Diffusion.Nachweisfehler[0]),
            I16(E, 690, Diffusion.Nachweisfehler[1]),
            I16(E, 692, Diffusion.Nachweisfehler[2]),
            I16(E, 694, Diffusion.Nachweisfehler[3]),
            I16(E, 696, Diffusion.Nachweisfehler[4]),
            F64(E, 914, Gesamtdicke),
            I16(E, 922, Tabelle2Markierung),
            F64(E, 924, Flaechenmasse),
            I16(E, 932, Abbruchschicht),
            F64(E, 934, k_max_Tab2),
            I16(E, 942, Tabelle2Erfuellt),
            I16(E, 944, TauwasserInVerdunstungsperiode),
            I16(E, 946, EBMerker4),
            F64(E, 948, k_reduziert)};
}

std::vector<Zeile<TSchicht>> Schicht4() {
    using S = TSchicht;
    auto t = schluessel<S>(true);
    Anhaengen(t, {TXT(S, 12, 35, Name),
                  FEST(S, 47, Art::F64, Rohdichte, 30),
                  FEST(S, 55, Art::F64, Lambda, 0.04),
                  FEST(S, 63, Art::F64, Mu, 1),
                  FEST(S, 71, Art::F64, Zusatzwert1, 2),
                  FEST(S, 79, Art::F64, Schichtdicke, 60),
                  F64(S, 87, Zusatzwert2),
                  FEST(S, 95, Art::I16, Kennzeichen, 0),
                  I16(S, 326, Zusatzangabe1),
                  I32(S, 328, Zusatzangabe2),
                  I32(S, 332, Zusatzangabe3),
                  I16(S, 336, Zusatzangabe4),
                  I16(S, 338, Zusatzangabe5),
                  I16(S, 340, GrafikArt),
                  F64(S, 342, Temperatur[0]),
                  F64(S, 350, Temperatur[1]),
                  F64(S, 358, Saettigungsdampfdruck[0]),
                  F64(S, 366, Saettigungsdampfdruck[1]),
                  F64(S, 374, Dampfdruck[0]),
                  F64(S, 382, Dampfdruck[1]),
                  F64(S, 390, mu),
                  I16(S, 398, muZweiterWert),
                  F64(S, 400, sdWert),
                  F64(S, 408, sdBisAussen),
                  F64(S, 416, sdTaupunkt),
                  F64(S, 424, DiffusionsstromEin[0]),
                  F64(S, 432, DiffusionsstromEin[1]),
                  F64(S, 440, DiffusionsstromAus[0]),
                  F64(S, 448, DiffusionsstromAus[1]),
                  F64(S, 456, Tauwassermenge[0]),
                  F64(S, 464, Tauwassermenge[1]),
                  F64(S, 472, Verdunstungsmenge),
                  F64(S, 480, VerdunstungsdauerInnen),
                  F64(S, 488, VerdunstungsdauerAussen),
                  I16(S, 496, TaupunktMarke[0]),
                  I16(S, 498, TaupunktMarke[1]),
                  F64(S, 500, Flaechenmasse),
                  FEST(S, 508, Art::I16, Nummer, 0)});
    for (size_t j = 0; j < 5; ++j)
        t.push_back(
            {"Texte", 97 + 45 * j, Art::Text, [j](const S& s) { return Wert(s.Texte[j]); }, 45});
    return t;
}

} // namespace altdatei
