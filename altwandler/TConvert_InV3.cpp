#include "altwandler/TConvert_InV3.h"

#include "altwandler/Bildabbildung.h"
#include "altwandler/Version2.h"
#include "altwandler/Version3.h"
#include "altwandler/Versionscodes.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <string>
#include <vector>

namespace {

// "%G" as the C locale writes it: the area calculator reads a point as the
// decimal separator whatever the user's locale.
std::string zahl(double wert) {
    char puffer[32];
    const auto r =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 6);
    std::string s(puffer, r.ptr);
    std::transform(s.begin(), s.end(), s.begin(), [](char c) { return c == 'e' ? 'E' : c; });
    return s;
}

// An area entry "Fläche 1"; with variable lines (name, value) and an
// expression it is computed by formula.
std::unique_ptr<TDimVolumen>
flaeche(double wert, std::initializer_list<std::pair<const char*, double>> variablen,
        const char* ausdruck) {
    auto v = std::make_unique<TDimVolumen>();
    v->Name = "Fläche 1";
    v->Nummer = 0;
    v->Wert = wert;
    if (!ausdruck) return v;
    v->Formelmodus = 1;
    uint16_t n = 0;
    for (auto [name, w] : variablen)
        v->Formelliste.AddAfterEquals(
            std::make_unique<TTextString>(TTextString{n++, std::string(name) + zahl(w)}));
    v->Formelliste.AddAfterEquals(std::make_unique<TTextString>(TTextString{n, ausdruck}));
    return v;
}

void baustoffAbbilden(const ByteImage& alt, size_t altOff, ByteImage& neu, size_t neuOff) {
    BytesAbbilden(alt, altOff, neu, neuOff,
                  {
                      {0, 0, 47},    // key, name
                      {47, 47, 40},  // density, conductivity, μ values, thickness
                      {87, 87, 225}, // five texts
                      {316, 316, 10},
                      {326, 326, 4},
                  });
    // The drawing kind of version 3 starts as the material group.
    neu.CopyBytes(neuOff + 330, alt.Slice(altOff + 2, 2));
}

void schichtAbbilden(const ByteImage& alt, size_t altOff, ByteImage& neu, size_t neuOff) {
    baustoffAbbilden(alt, altOff, neu, neuOff);
    BytesAbbilden(alt, altOff, neu, neuOff,
                  {
                      {330, 332, 24},
                      {354, 364, 8},
                      {362, 356, 8},
                      {370, 372, 8},
                      {378, 388, 32},
                      {410, 428, 8},
                      {418, 444, 8},
                      {426, 460, 2},
                      {428, 472, 2}, // position
                  });
}

} // namespace

TConvert_InV3::TConvert_InV3(std::filesystem::path programmverzeichnis)
    : verzeichnis_(std::move(programmverzeichnis)) {}

int16_t TConvert_InV3::Bauteiltyp(int16_t typ) {
    if (typ >= 1 && typ <= 8) return int16_t(typ + 1);
    return typ == 9 ? 1 : typ;
}

int TConvert_InV3::ConvertGesamtProjekt(TGesamtProjektVersion3* ziel,
                                        const std::filesystem::path& datei) {
    TGesamtProjektVersion2 alt;
    const int code = alt.Oeffnen(datei);
    if (code != VersionGelesen) return code;
    return ConvertGesamtProjekt(ziel, &alt);
}

int TConvert_InV3::ConvertGesamtProjekt(TGesamtProjektVersion3* ziel, TGesamtProjektVersion2* alt) {
    BytesAbbilden(alt->Bild, 0, ziel->Bild, 0, {{0, 0, TGesamtProjektVersion2::kNameWidth}});
    for (const auto& p : alt->Projekte) {
        auto neu = std::make_unique<TProjektVersion3>();
        ConvertProjekt(neu.get(), p.get());
        ziel->Projekte.push_back(std::move(neu));
    }
    if (!ziel->Projekte.empty() && !ziel->AktuellesProjekt)
        ziel->AktuellesProjekt = ziel->Projekte.front().get();
    return VersionGelesen;
}

void TConvert_InV3::ConvertKlima(ByteImage& neu, size_t neuOff, const ByteImage& alt,
                                 size_t altOff) {
    BytesAbbilden(alt, altOff, neu, neuOff, {{0, 0, 48}, {48, 56, 8}, {56, 48, 8}, {64, 64, 24}});
    neu.SetText(neuOff + 88, 50, "");
}

void TConvert_InV3::ConvertProjekt(TProjektVersion3* neu, TProjektVersion2* alt) {
    auto pool = std::make_unique<TFassadeVersion3>();
    pool->Bild.SetI16(0, 0);
    pool->Bild.SetText(2, 30, "Bauteil-Pool");
    pool->Bild.SetI16(40, 0);
    neu->Fassaden.push_back(std::move(pool));

    ByteImage& b = neu->Bild;
    BytesAbbilden(alt->Bild, 0, b, 0,
                  {
                      {0, 0, 30},                                    // name
                      {32, 30, 2},                                   // number
                      {34, 36, 8},                                   // joint coefficient
                      {42, 44, 12},                                  // switches
                      {54, 58, 6},     {60, 66, 2},    {62, 68, 10}, // building kind and flags
                      {72, 78, 4},                                   // internal temperatures
                      {164, 222, 8},                                 // °C
                      {172, 230, 270},                               // nine texts
                      {454, 524, 2},                                 // ventilation system
                      {456, 528, 2},   {458, 530, 48},               // proof results
                      {506, 578, 24},  {530, 602, 16}, {546, 634, 32},
                      {578, 674, 24},  {602, 738, 24}, // areas, volume
                      {626, 762, 2},   {628, 768, 4},
                  });
    ConvertKlima(b, 84, alt->Bild, 76);
    if (alt->Bild.F64(610) > 0) {
        auto v = std::make_unique<TDimVolumen>();
        v->Name = "Volumen 1";
        v->Nummer = 0;
        v->Wert = alt->Bild.F64(610);
        neu->Volumina.AddAfterEquals(std::move(v));
    }

    b.SetI16(34, -1);
    for (const TBauteilStatusVersion2& e : alt->Eintraege) {
        // A shared component is converted again for every project naming it.
        auto c = std::make_unique<TBauteilVersion3>();
        ConvertBauteil(c.get(), e.Bauteil, neu);
        c->WerteBerechnen(neu->Gebaeudeart(), neu->Normal(), b.I16(72));
        b.SetI16(34, std::max(b.I16(34), c->Nummer()));
        neu->Bauteile.push_back(std::move(c));
    }
    b.SetI16(34, int16_t(b.I16(34) + 1));
    b.SetI16(32, int16_t(neu->Fenster.size()));
    InitTextListe(&neu->Textliste1, &alt->Textliste1);
    InitTextListe(&neu->Textliste2, &alt->Textliste2);
    for (const auto& f : neu->Fassaden) neu->FassadeBerechnen(*f);
    neu->SummenBerechnen();
    neu->NachweisBerechnen();
}

void TConvert_InV3::ConvertBauteil(TBauteilVersion3* neu, TBauteilVersion2* alt,
                                   TProjektVersion3* projekt) {
    const ByteImage& a = alt->Bild;
    ByteImage& b = neu->Bild;
    BytesAbbilden(a, 0, b, 0,
                  {
                      {0, 0, 44},  // key, name, number
                      {44, 50, 6}, // marks
                      {56, 56, 4},
                      {60, 64, 2},
                      {64, 68, 18},  // subtype, surface resistances
                      {90, 86, 8},   // net area
                      {198, 244, 8}, // mean U-value
                      {214, 252, 16},
                      {230, 284, 16},
                      {629, 300, 8},
                      {653, 318, 8},
                      {661, 326, 2},
                      {663, 330, 2},
                  });
    b.SetI16(66, Bauteiltyp(alt->Bauteilart()));
    b.SetF64(332, a.I16(665));
    ConvertKlima(b, 94, a, 98);

    const double brutto = a.F64(82), netto = a.F64(90), sa = a.F64(637), sb = a.F64(645);
    if (brutto > 0) {
        const bool seiten = sa > 0 || sb > 0;
        const double fenster = brutto - netto;
        std::unique_ptr<TDimVolumen> v;
        if (brutto > netto && seiten)
            v = flaeche(netto, {{"a = ", sa}, {"b = ", sb}, {"Fensterflaechen = ", fenster}},
                        "a * b - Fensterflaechen");
        else if (brutto > netto)
            v = flaeche(netto, {{"Gesamtflaeche = ", brutto}, {"Fensterflaechen = ", fenster}},
                        "Gesamtflaeche - Fensterflaechen");
        else if (seiten)
            v = flaeche(netto, {{"a = ", sa}, {"b = ", sb}}, "a * b");
        else
            v = flaeche(netto, {}, nullptr);
        neu->Volumina.AddAfterEquals(std::move(v));
    }

    neu->Flaechenanteile.clear();
    for (const auto& e : alt->Flaechenanteile) {
        auto anteil = std::make_unique<TEinfachBauteilV3>();
        ConvertEinfachBauteil(anteil.get(), e.get());
        neu->Flaechenanteile.push_back(std::move(anteil));
    }
    if (projekt) {
        const TTypNummer eintrag{neu->Bauteilart(), neu->Nummer()};
        if (alt->Fenster.empty()) {
            projekt->Fassaden.front()->Eintraege.push_back(eintrag);
        } else {
            auto f = std::make_unique<TFassadeVersion3>();
            const int16_t nummer = int16_t(projekt->Fassaden.size());
            f->Bild.SetI16(0, nummer);
            f->Bild.SetI16(40, 1);
            f->Bild.SetText(2, 30, "Fassade " + std::to_string(nummer));
            f->Eintraege.push_back(eintrag);
            for (const auto& w : alt->Fenster) {
                auto fenster = std::make_unique<TFensterVersion3>();
                ConvertFenster(fenster.get(), w.get());
                const int16_t fnr = int16_t(projekt->Fenster.size());
                fenster->Bild.SetI16(72, fnr);
                projekt->Fenster.push_back(std::move(fenster));
                f->Eintraege.push_back({TTypNummer::Fenster, fnr});
            }
            projekt->Fassaden.push_back(std::move(f));
        }
    }
    InitTextListe(&neu->Textliste, &alt->Textliste);
}

void TConvert_InV3::ConvertFenster(TFensterVersion3* neu, TFensterVersion1_2* alt) {
    const ByteImage& a = alt->Bild;
    ByteImage& b = neu->Bild;
    BytesAbbilden(a, 0, b, 0,
                  {
                      {0, 0, 42},   // key, name
                      {12, 42, 30}, // the name again as second name
                      {42, 78, 4},
                      {46, 84, 16},   // g, joint permeability
                      {64, 104, 4},   // glazing index
                      {70, 142, 2},   // glazing-table flag
                      {72, 144, 225}, // five texts
                      {297, 369, 2},
                      {301, 373, 2},
                      {307, 383, 8},  // area
                      {315, 399, 16}, // shading factors
                      {339, 415, 2},  // orientation
                      {341, 449, 2},
                      {343, 453, 24}, // U-value and the two values after it
                      {367, 485, 8},
                      {375, 493, 8},
                  });
    if (a.I16(62) == 0) b.SetI16(100, 1);
    const int16_t v299 = a.I16(299);
    b.SetI16(371, v299 > 5 ? int16_t(v299 - 1) : v299);
    if (a.I16(70)) {
        b.SetI16(132, 1);
        // Frame share in percent by the kind of glazing.
        if (a.I16(68) == 1) b.SetF64(108, 15.0);
        if (a.I16(68) == 2) b.SetF64(108, 5.0);
    }
    if (a.I16(339) == 4) b.SetF64(417, 0.0); // a roof light lies flat
    if (a.I16(339) == 5) {
        b.SetI16(415, 0);
        b.SetF64(425, 100.0); // fully shaded
    }
    const double flaeche = a.F64(307), seite = a.F64(331);
    if (flaeche > 0) {
        neu->Volumina.AddAfterEquals(
            seite > 0 ? ::flaeche(flaeche, {{"a = ", seite}, {"b = ", flaeche / seite}}, "a * b")
                      : ::flaeche(flaeche, {}, nullptr));
    }
    InitTextListe(&neu->Textliste, &alt->Textliste);
}

void TConvert_InV3::ConvertEinfachBauteil(TEinfachBauteilV3* neu, TEinfachBauteilV2* alt) {
    const ByteImage& a = alt->Bild;
    ByteImage& b = neu->Bild;
    BytesAbbilden(a, 0, b, 0,
                  {
                      {0, 0, 32}, // name, number
                      {32, 36, 6},
                      {472, 520, 8}, // share of the area
                      {482, 530, 2},
                      {484, 532, 24}, // U-values
                      {508, 556, 8},
                      {516, 564, 24}, // moisture state: three values
                      {540, 600, 10}, // and its five marks
                      {550, 610, 8},
                      {558, 618, 2},
                      {560, 620, 8},
                      {568, 630, 8},
                      {576, 638, 2},
                      {578, 642, 2},
                      {580, 644, 8},
                  });
    b.SetI16(528, a.I16(480) ? 1 : 0);
    schichtAbbilden(a, 42, b, 46);
    neu->Schichten.clear();
    for (const auto& s : alt->Schichten) {
        auto schicht = std::make_unique<TSchichtVersion3>();
        ConvertSchicht(schicht.get(), s.get());
        neu->Schichten.push_back(std::move(schicht));
    }
    neu->SchichtenOrdnen();
}

void TConvert_InV3::ConvertSchicht(TSchichtVersion3* neu, const TSchichtVersion1_2* alt) {
    schichtAbbilden(alt->Bild, 0, neu->Bild, 0);
    neu->Textliste.Flush();
    InitTextListe(&neu->Textliste, &alt->Textliste);
}

void TConvert_InV3::ConvertBaustoff(TBaustoffVersion3* neu, const TBaustoffVersion1_2* alt) {
    baustoffAbbilden(alt->Bild, 0, neu->Bild, 0);
    neu->Textliste.Flush();
    InitTextListe(&neu->Textliste, &alt->Textliste);
}
