#include "AltFelderFrueh.h"
#include "AltZeilen.h"

namespace altdatei {

namespace {

Karte verbunden(Karte a, const Karte& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Version 3 material (332 bytes) to the first 342 bytes of a version-4 layer.
const Karte kBaustoff3 = {{0, 0, 47},    {47, 47, 40},  {87, 97, 225},
                          {316, 326, 2}, {318, 328, 8}, {326, 336, 6}};
const Karte kSchicht3 = verbunden(
    kBaustoff3,
    {{332, 342, 56}, {388, 400, 24}, {412, 424, 48}, {460, 496, 4}, {464, 500, 8}, {472, 508, 2}});

template <class Z>
std::vector<Zeile<Z>> ohneBerechnete(std::vector<Zeile<Z>> t, std::initializer_list<size_t> offs) {
    for (Zeile<Z>& z : t)
        for (size_t off : offs)
            if (z.off == off) z.berechnet = true;
    return t;
}

} // namespace

Karte KlimaKarte3(size_t basis3, size_t basis4) {
    return {
        {basis3, basis4 + 2, 32}, {basis3 + 32, basis4 + 42, 56}, {basis3 + 88, basis4 + 100, 50}};
}

std::vector<Zeile<TProjekt>> Variante3() {
    return Rueckwaerts(Variante4(), verbunden({{0, 0, 32},
                                               {36, 52, 8},
                                               {44, 62, 24},
                                               {68, 86, 16},
                                               {222, 302, 8},
                                               {230, 310, 270},
                                               {524, 616, 2},
                                               {528, 620, 2},
                                               {530, 622, 48},
                                               {578, 670, 40},
                                               {634, 726, 32},
                                               {674, 766, 24},
                                               {738, 830, 24},
                                               {762, 854, 2},
                                               {768, 860, 4},
                                               {788, 890, 64}},
                                              KlimaKarte3(84, 102)));
}

std::vector<Zeile<TRBauteil>> Typ3() {
    return Rueckwaerts(
        Typ4(), verbunden({{0, 0, 44}, {50, 48, 16}, {66, 66, 20}, {318, 360, 8}, {326, 368, 6}},
                          KlimaKarte3(94, 86)));
}

std::vector<Zeile<TEinfachBauteil>> Einfach3() {
    return Rueckwaerts(Einfach4(), {{0, 0, 32},
                                    {36, 36, 2},
                                    {38, 90, 2},
                                    {40, 92, 2},
                                    {520, 608, 8},
                                    {528, 616, 4},
                                    {532, 620, 24},
                                    {556, 644, 8},
                                    {564, 652, 46},
                                    {610, 914, 8},
                                    {618, 922, 2},
                                    {620, 924, 8},
                                    {628, 932, 2},
                                    {630, 934, 8},
                                    {638, 942, 6},
                                    {644, 948, 8}});
}

std::vector<Zeile<TSchicht>> Schicht3() {
    return Rueckwaerts(Schicht4(), kSchicht3);
}

std::vector<Zeile<TRFenster>> Fenster3Typ() {
    using R = TRFenster;
    std::vector<Zeile<R>> t = {I16(R, 0, Schluessel.Katalog),
                               I16(R, 2, Schluessel.Gruppe),
                               I16(R, 4, Schluessel.Untergruppe),
                               I16(R, 6, Schluessel.Position),
                               I32(R, 8, Schluessel.Nummer),
                               TXT(R, 12, 30, Name),
                               TXT(R, 42, 30, Zusatzname),
                               F64(R, 84, g),
                               F64(R, 92, a),
                               I16(R, 100, Einfachverglasung),
                               I16(R, 102, EinfachverglasungAusnahme),
                               I16(R, 106, Merker9),
                               F64(R, 108, Rahmenanteil),
                               F64(R, 116, Wert6),
                               I16(R, 132, Merker10),
                               F64(R, 134, Wert8),
                               I16(R, 369, Merker12),
                               I16(R, 371, Merker13),
                               I16(R, 373, Merker14),
                               F64(R, 453, k_F)};
    for (size_t j = 0; j < 5; ++j)
        t.push_back({"Textzeilen", 144 + 45 * j, Art::Text,
                     [j](const R& r) { return Wert(r.Textzeilen[j]); }, 45});
    return t;
}

std::vector<Zeile<TPFenster>> Fenster3Platziert() {
    using P = TPFenster;
    return ohneBerechnete<P>(
        {I32(P, 74, Wert9), FEST(P, 383, Art::F64, Bruttoflaeche, 2.5),
         FEST(P, 383, Art::F64, Nettoflaeche, 2.5), F64(P, 391, Flaeche_angerechnet),
         F64(P, 399, z_fest), F64(P, 407, z_bew), FEST(P, 415, Art::I16, Orientierung, 1),
         FEST(P, 417, Art::F64, Neigung, 90), F64(P, 425, Verschattung),
         FEST(P, 433, Art::F64, FassadenNummer, 1), I16(P, 449, Heizkoerper),
         FEST(P, 451, Art::I16, Glasvorbau, 1), F64(P, 461, k_eq_F), F64(P, 469, Q_S_angerechnet),
         F64(P, 477, Q_S_voll), F64(P, 485, Q_T), F64(P, 493, Glasvorbaufaktor)},
        {391, 461, 469, 477, 485, 493});
}

std::vector<Zeile<TFassade>> Fassade3() {
    using F = TFassade;
    return ohneBerechnete<F>(
        {TXT(F, 2, 30, Name), FEST(F, 40, Art::I16, IstFassade, 1), F64(F, 42, f_Sommer),
         F64(F, 50, f_Fenster), F64(F, 58, A_gesamt), F64(F, 66, A_Fenster),
         F64(F, 74, A_Fenster_angerechnet), F64(F, 82, A_Sommer), F64(F, 90, g_Sommer),
         F64(F, 98, g_F_Sommer), F64(F, 106, Wert5), FEST(F, 114, Art::I16, Orientierung, 3),
         F64(F, 116, z_fest_Sommer), F64(F, 124, z_bew_Sommer), F64(F, 132, Q_T),
         F64(F, 140, Q_T_Fenster), F64(F, 148, Q_S), F64(F, 156, k_m_WF), F64(F, 164, k_eq_F_m)},
        {42, 50, 58, 66, 74, 82, 90, 98, 116, 124, 132, 140, 148, 156, 164});
}

namespace {

// The climate record of versions 1 and 2 (88 bytes) into version 3: the two
// humidities at 48 and 56 change places; there is no title.
Karte klimaKarte2(size_t basis2, size_t basis3) {
    return {{basis2, basis3, 48},
            {basis2 + 48, basis3 + 56, 8},
            {basis2 + 56, basis3 + 48, 8},
            {basis2 + 64, basis3 + 64, 24}};
}

const Karte kBaustoff1_2 = {{0, 0, 47}, {47, 47, 40}, {87, 87, 225}, {316, 316, 10}, {326, 326, 4}};

} // namespace

std::vector<Zeile<TProjekt>> Variante2() {
    return Rueckwaerts(
        Variante3(),
        verbunden({{0, 0, 30},     {32, 30, 2},    {34, 36, 8},    {42, 44, 12},   {54, 58, 6},
                   {60, 66, 2},    {62, 68, 10},   {72, 78, 4},    {164, 222, 8},  {172, 230, 270},
                   {454, 524, 2},  {456, 528, 2},  {458, 530, 48}, {506, 578, 24}, {530, 602, 16},
                   {546, 634, 32}, {578, 674, 24}, {602, 738, 24}, {626, 762, 2},  {628, 768, 4}},
                  klimaKarte2(76, 84)));
}

std::vector<Zeile<TRBauteil>> Typ2() {
    return Rueckwaerts(Typ3(), verbunden({{0, 0, 44},
                                          {44, 50, 6},
                                          {56, 56, 4},
                                          {60, 64, 2},
                                          {64, 68, 18},
                                          {653, 318, 8},
                                          {661, 326, 2},
                                          {663, 330, 2}},
                                         klimaKarte2(98, 94)));
}

std::vector<Zeile<TEinfachBauteil>> Einfach2() {
    return Rueckwaerts(Einfach3(), {{0, 0, 32},
                                    {32, 36, 6},
                                    {472, 520, 8},
                                    {482, 530, 2},
                                    {484, 532, 24},
                                    {508, 556, 8},
                                    {516, 564, 24},
                                    {540, 600, 10},
                                    {550, 610, 8},
                                    {558, 618, 2},
                                    {560, 620, 8},
                                    {568, 630, 8},
                                    {576, 638, 2},
                                    {578, 642, 2},
                                    {580, 644, 8}});
}

std::vector<Zeile<TSchicht>> Schicht1_2() {
    return Rueckwaerts(Schicht3(), verbunden(kBaustoff1_2, {{330, 332, 24},
                                                            {354, 364, 8},
                                                            {362, 356, 8},
                                                            {370, 372, 8},
                                                            {378, 388, 32},
                                                            {410, 428, 8},
                                                            {418, 444, 8},
                                                            {426, 460, 2},
                                                            {428, 472, 2}}));
}

std::vector<Zeile<TSchicht>> Baustoff(const std::vector<Zeile<TSchicht>>& schicht, size_t groesse) {
    std::vector<Zeile<TSchicht>> r;
    for (const Zeile<TSchicht>& z : schicht)
        if (z.off + (z.art == Art::Text ? z.breite : 2) <= groesse) r.push_back(z);
    return r;
}

std::vector<Zeile<TProjekt>> Variante1() {
    return Rueckwaerts(Variante2(), {{80, 34, 8},
                                     {88, 42, 12},
                                     {100, 54, 6},
                                     {106, 60, 2},
                                     {108, 62, 10},
                                     {118, 72, 4},
                                     {122, 76, 88},
                                     {210, 172, 210},
                                     {428, 454, 4},
                                     {432, 458, 24},
                                     {456, 490, 16},
                                     {472, 506, 112},
                                     {584, 630, 2}});
}

std::vector<Zeile<TRBauteil>> Typ1() {
    return Rueckwaerts(Typ2(), {{0, 12, 30},
                                {30, 42, 2},
                                {32, 44, 18},
                                {50, 62, 4},
                                {54, 66, 32},
                                {86, 98, 88},
                                {186, 198, 48}});
}

} // namespace altdatei
