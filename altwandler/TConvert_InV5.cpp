#include "altwandler/TConvert_InV5.h"

#include "altwandler/Bildabbildung.h"
#include "altwandler/Lesehilfen.h"
#include "altwandler/Version4.h"
#include "altwandler/Version5.h"
#include "altwandler/Versionscodes.h"
#include "stammwerk/modell/TBaustoff.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TKlima.h"
#include "stammwerk/modell/TSchicht.h"

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr const char* kModul = "conv5b";

// The material rows, version 4 to the current layout; the specific heat
// capacity (current 87) is new and preset by the material group.
void baustoffAbbilden(const ByteImage& alt, size_t altOff, ByteImage& neu) {
    BytesAbbilden(alt, altOff, neu, 0,
                  {
                      {0, 0, 47},     // key, name
                      {47, 47, 40},   // density, conductivity, μ values, thickness
                      {87, 95, 8},    // s_d value
                      {95, 103, 2},   // its mark
                      {97, 105, 225}, // five texts
                      {326, 334, 2},
                      {328, 336, 8},
                      {336, 344, 6}, // the last two marks and the drawing kind
                  });
}

void baustoffPruefen(const ByteImage& alt, size_t off) {
    Pruefen(alt.RawText(off + 12, 35).size() < 35, kModul, __LINE__);
    // Thickness (mm) and density (kg/m³) cannot be negative.
    Pruefen(alt.F64(off + 79) >= 0 && alt.F64(off + 47) >= 0, kModul, __LINE__);
    for (size_t i = 0; i < 5; ++i)
        Pruefen(alt.RawText(off + 97 + 45 * i, 45).size() < 45, kModul, __LINE__);
}

// A version-4 layer image at `altOff` into a current layer (its comment
// lines apart).
void schichtAbbilden(const ByteImage& alt, size_t altOff, TSchicht& neu) {
    baustoffPruefen(alt, altOff);
    ByteImage bild(TSchicht::kImageSize);
    neu.WriteImage(bild, 0);
    baustoffAbbilden(alt, altOff, bild);
    BytesAbbilden(alt, altOff, bild, 0,
                  {
                      {342, 350, 16}, // temperatures
                      {358, 390, 16}, // saturation pressures
                      {374, 406, 16}, // vapour pressures
                      {390, 422, 8},  // μ
                      {398, 430, 2},
                      {400, 432, 24}, // s_d values
                      {424, 456, 16}, // diffusion flows in
                      {440, 472, 16}, // diffusion flows out
                      {456, 488, 16}, // condensate amounts
                      {472, 504, 24}, // evaporation amount and durations
                      {496, 528, 4},  // dew-point marks
                      {500, 532, 8},  // surface mass
                      {508, 540, 2},  // position
                  });
    neu.ReadImage(bild, 0);
    neu.VoreinstellungSpezifischeWaermekapazitaet();
}

// Component types of these kinds of version 5 start with the switch at 430
// set to: 2 walls, cellar ceilings and the like; 1 roofs; 0 ground floors and
// ceilings over outside air.
int16_t schalter430(int16_t art) {
    switch (art) {
    case 3:
        return 1;
    case 4:
    case 5:
        return 0;
    default:
        return 2;
    }
}

} // namespace

TConvert_InV5::TConvert_InV5(std::filesystem::path programmverzeichnis)
    : verzeichnis_(std::move(programmverzeichnis)) {}

int TConvert_InV5::ConvertGesamtProjekt(TGesamtProjektVersion5* ziel,
                                        const std::filesystem::path& datei) {
    TGesamtProjektVersion4 alt;
    const int code = alt.Oeffnen(datei);
    if (code != VersionGelesen) return code;
    return ConvertGesamtProjekt(ziel, &alt);
}

int TConvert_InV5::ConvertGesamtProjekt(TGesamtProjektVersion5* ziel, TGesamtProjektVersion4* alt) {
    BytesAbbilden(alt->Bild, 0, ziel->Bild, 0, {{0, 0, TGesamtProjektVersion5::kNameWidth}});
    for (const auto& v : alt->Projekte) {
        auto neu = std::make_unique<TProjektVersion5>();
        ConvertProjekt(neu.get(), v.get());
        ziel->Projekte.push_back(std::move(neu));
    }
    return VersionGelesen;
}

void TConvert_InV5::ConvertKlima(TKlima* neu, const ByteImage& alt, size_t off) {
    ByteImage bild(TKlima::kImageSize);
    TKlima().WriteImage(bild, 0);
    BytesAbbilden(alt, off, bild, 0,
                  {
                      {0, 0, 2},       // mark
                      {2, 4, 40},      // five temperatures and values
                      {42, 52, 56},    // surface temperature, humidities, periods
                      {98, 108, 2},    // outside-air evaporation
                      {100, 112, 100}, // title and second text
                  });
    neu->ReadImage(bild, 0);
    neu->KlimaWert2 = 10.0; // new in version 5
}

void TConvert_InV5::ConvertProjekt(TProjektVersion5* neu, TProjektVersion4* alt) {
    BytesAbbilden(alt->Bild, 0, neu->Bild, 0,
                  {
                      {0, 0, 102},     // name, numbers, settings, switches
                      {302, 370, 8},   // °C
                      {310, 378, 270}, // nine texts
                      {616, 688, 134}, // switches and proof results
                      {758, 822, 8},
                      {766, 838, 88},
                      {854, 926, 36}, // area switches and values
                      {890, 1315, 64},
                  });
    TKlima klima;
    ConvertKlima(&klima, alt->Bild, 102);
    klima.WriteImage(neu->Bild, 102);

    for (const auto& t : alt->RBauteile) {
        auto r = std::make_unique<TRBauteilVersion5>();
        ConvertRBauteil(r.get(), t.get(), alt);
        neu->Typnummern.AddAfterEquals(
            std::make_unique<TTypNummer>(TTypNummer{r->Bauteilart(), r->Nummer()}));
        neu->RBauteile.push_back(std::move(r));
    }
    for (const auto& p : alt->PBauteile) {
        auto b = std::make_unique<TPBauteilVersion5>();
        ConvertPBauteil(b.get(), p.get(), neu);
        neu->PBauteile.push_back(std::move(b));
    }
    for (const TRFenster& f : alt->RFenster) {
        neu->RFenster.AddAfterEquals(std::make_unique<TRFenster>(f));
        neu->Typnummern.AddAfterEquals(
            std::make_unique<TTypNummer>(TTypNummer{TTypNummer::Fenster, int16_t(f.Nummer)}));
    }
    for (const TPFenster& f : alt->PFenster) {
        auto p = std::make_unique<TPFenster>(f);
        p->RFenster = neu->RFenster.FirstThat(
            [&](const TRFenster& t) { return t.Nummer == p->RFensterNummer; });
        neu->PFenster.AddAfterEquals(std::move(p));
    }
    InitTextListe(&neu->Textliste1, &alt->Textliste1);
    InitTextListe(&neu->Textliste2, &alt->Textliste2);
    DimVolumenKopieren(neu->Volumina, alt->Volumina);
    for (const TFassade& f : alt->Fassaden)
        neu->Fassaden.AddAfterEquals(std::make_unique<TFassade>(f));
}

void TConvert_InV5::ConvertRBauteil(TRBauteilVersion5* neu, TRBauteilVersion4* alt,
                                    TProjektVersion4* projekt) {
    BytesAbbilden(alt->Bild, 0, neu->Bild, 0,
                  {
                      {0, 0, 44},   // key, name, type number
                      {48, 48, 38}, // marks, kind, surface resistances
                      {294, 362, 8},
                      {302, 370, 32}, // four limits
                      {334, 402, 8},
                      {342, 410, 16},
                      {358, 426, 2},
                      {360, 434, 8},
                      {368, 442, 6},
                      {374, 448, 8},
                  });
    TKlima klima;
    ConvertKlima(&klima, alt->Bild, 86);
    klima.WriteImage(neu->Bild, 86);

    int16_t art = alt->Bauteilart();
    if (art == 0) neu->Bild.SetI16(432, 0);
    if (art == 1) {
        // Kind 1 (outer wall, ventilated) was merged into kind 0.
        art = 0;
        if (projekt) {
            for (const TTypNummer& ref : alt->Platzierungen) {
                const TTypNummer vorher{1, ref.Nummer};
                for (TFassade& f : projekt->Fassaden) {
                    if (!TypNummerEntfernen(f.Elemente, vorher)) continue;
                    f.Elemente.AddAfterEquals(
                        std::make_unique<TTypNummer>(TTypNummer{0, ref.Nummer}));
                    break;
                }
            }
        }
    }
    neu->Bild.SetI16(66, art);
    if (art >= 0 && art <= 9) neu->Bild.SetI16(430, schalter430(art));

    for (const auto& e : alt->Flaechenanteile) {
        auto anteil = std::make_unique<TEinfachBauteil>();
        ConvertEinfachBauteil(anteil.get(), e.get());
        neu->Flaechenanteile.AddAfterEquals(std::move(anteil));
    }
    InitTextListe(&neu->Textliste, &alt->Textliste);
    TypNummernKopieren(neu->Platzierungen, alt->Platzierungen);
    for (TTypNummer& t : neu->Platzierungen) t.Typ = art;
}

void TConvert_InV5::ConvertPBauteil(TPBauteilVersion5* neu, TPBauteilVersion4* alt,
                                    TProjektVersion5*) {
    // The same layout; the link to the type is made by number in memory.
    neu->Bild = alt->Bild;
    DimVolumenKopieren(neu->Volumina, alt->Volumina);
    TypNummernKopieren(neu->Eintraege, alt->Eintraege);
}

void TConvert_InV5::ConvertEinfachBauteil(TEinfachBauteil* neu, TEinfachBauteilVersion4* alt) {
    ByteImage bild(TEinfachBauteil::kImageSize);
    neu->WriteImage(bild, 0);
    BytesAbbilden(alt->Bild, 0, bild, 0,
                  {
                      {0, 0, 32},     // name, number
                      {36, 36, 4},    // moisture marks
                      {40, 40, 54},   // description, heating and shutter marks
                      {608, 698, 8},  // share of the area
                      {616, 706, 4},  // given U-value, heating layer
                      {620, 710, 24}, // U-values
                      {644, 734, 8},  // s_d sum
                      {652, 742, 44}, // moisture state
                      {696, 786, 2},
                      {698, 788, 216}, // dew points
                      {914, 1004, 8},  // thickness
                      {922, 1012, 2},
                      {924, 1014, 8}, // surface mass
                      {932, 1022, 2},
                      {934, 1024, 8}, // Table 2 limit
                      {942, 1040, 4},
                      {946, 1126, 2},
                      {948, 1032, 8},
                  });
    neu->ReadImage(bild, 0);
    schichtAbbilden(alt->Bild, 98, neu->Aussenoberflaeche);

    // Positions run 0..n-1; a gap is reported, and every layer is kept.
    const size_t n = alt->Schichten.size();
    std::vector<bool> da(n, false);
    for (const auto& s : alt->Schichten) {
        if (s->Position() >= 0 && size_t(s->Position()) < n) da[size_t(s->Position())] = true;
        auto schicht = std::make_unique<TSchicht>();
        ConvertSchicht(schicht.get(), s.get());
        neu->Schichten.Add(std::move(schicht));
    }
    for (bool d : da) Pruefen(d, kModul, __LINE__);
}

void TConvert_InV5::ConvertSchicht(TSchicht* neu, const TSchichtVersion4* alt) {
    schichtAbbilden(alt->Bild, 0, *neu);
    neu->Textliste.Flush();
    InitTextListe(&neu->Textliste, &alt->Textliste);
}

void TConvert_InV5::ConvertBaustoff(TBaustoff* neu, const ByteImage& alt, size_t off) {
    baustoffPruefen(alt, off);
    ByteImage bild(TBaustoff::kImageSize);
    neu->WriteImage(bild, 0);
    baustoffAbbilden(alt, off, bild);
    neu->ReadImage(bild, 0);
    neu->VoreinstellungSpezifischeWaermekapazitaet();
}

void TConvert_InV5::PBauteilWerteAusVersion3(TPBauteilVersion4* platziert,
                                             const TRBauteilVersion4* typ, int normal) {
    ByteImage& p = platziert->Bild;
    const ByteImage& t = typ->Bild;
    p.SetF64(89, t.F64(334));
    bool daemmung = false;
    for (const auto& e : typ->Flaechenanteile)
        for (const auto& s : e->Schichten)
            if (s->Bild.I16(2) == 5) daemmung = true;
    const double v = p.F64(77);
    // Ground floors of small buildings lose less to the soil (WSchVO 1995).
    if (typ->Bauteilart() == 4 && !normal && !daemmung) {
        if (v > 100 && v < 8000) p.SetF64(89, 2.33 / std::cbrt(v));
        if (v >= 8000) p.SetF64(89, 0.12);
    }
    // kWh/a: heating degree hours of normal or low internal temperatures.
    p.SetF64(97, p.F64(89) * v * t.F64(294) * (normal ? 84.0 : 30.0));
}
