#include "altwandler/TConvert_InV4.h"

#include "altwandler/Bildabbildung.h"
#include "altwandler/Lesehilfen.h"
#include "altwandler/TConvert_InV5.h"
#include "altwandler/Version3.h"
#include "altwandler/Version4.h"
#include "altwandler/Versionscodes.h"
#include "hilfsmittel/Rounding.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRFenster.h"

#include <cmath>
#include <memory>

namespace {

constexpr const char* kModul = "conv4b";

void baustoffAbbilden(const ByteImage& alt, size_t altOff, ByteImage& neu, size_t neuOff) {
    BaustoffVersion3Pruefen(alt, altOff);
    // The version-4 values at 87..96 are new and keep their defaults.
    BytesAbbilden(alt, altOff, neu, neuOff,
                  {
                      {0, 0, 47},    // key, name
                      {47, 47, 40},  // density, conductivity, μ values, thickness
                      {87, 97, 225}, // five texts
                      {316, 326, 2}, // marks
                      {318, 328, 8}, //
                      {326, 336, 6}, // the last two marks and the drawing kind
                  });
}

void schichtAbbilden(const ByteImage& alt, size_t altOff, ByteImage& neu, size_t neuOff) {
    baustoffAbbilden(alt, altOff, neu, neuOff);
    BytesAbbilden(alt, altOff, neu, neuOff,
                  {
                      {332, 342, 56}, // temperatures, pressures
                      {388, 400, 24}, // s_d values
                      {412, 424, 48}, // diffusion flows, condensate
                      {460, 496, 4},  // dew-point marks
                      {464, 500, 8},  // surface mass
                      {472, 508, 2},  // position
                  });
}

} // namespace

TConvert_InV4::TConvert_InV4(std::filesystem::path programmverzeichnis)
    : verzeichnis_(std::move(programmverzeichnis)) {}

double TConvert_InV4::Verglasungswert(int index) {
    // W/(m²K) of the glazings the third generation offered.
    static const double werte[24] = {5.8, 3.4, 3.2, 3.0, 2.9, 2.8, 2.7, 2.6, 2.5, 2.4, 2.3, 2.2,
                                     2.1, 2.0, 1.9, 1.8, 1.7, 1.6, 1.5, 1.4, 1.3, 1.2, 1.1, 1.0};
    return index >= 0 && index < 24 ? werte[index] : -1.0;
}

int TConvert_InV4::ConvertGesamtProjekt(TGesamtProjektVersion4* ziel,
                                        const std::filesystem::path& datei) {
    TGesamtProjektVersion3 alt;
    const int code = alt.Oeffnen(datei);
    if (code != VersionGelesen) return code;
    return ConvertGesamtProjekt(ziel, &alt);
}

int TConvert_InV4::ConvertGesamtProjekt(TGesamtProjektVersion4* ziel, TGesamtProjektVersion3* alt) {
    alt->BauteilFassadenNummernAktualisieren();
    BytesAbbilden(alt->Bild, 0, ziel->Bild, 0, {{0, 0, TGesamtProjektVersion3::kNameWidth}});
    for (const auto& p : alt->Projekte) {
        auto neu = std::make_unique<TProjektVersion4>();
        ConvertProjekt(neu.get(), p.get());
        ziel->Projekte.push_back(std::move(neu));
    }
    if (!ziel->Projekte.empty() && !ziel->AktuellesProjekt)
        ziel->AktuellesProjekt = ziel->Projekte.front().get();
    return VersionGelesen;
}

void TConvert_InV4::ConvertKlima(ByteImage& neu, size_t neuOff, const ByteImage& alt,
                                 size_t altOff) {
    BytesAbbilden(alt, altOff, neu, neuOff,
                  {
                      {0, 2, 32},   // temperatures
                      {32, 42, 56}, // surface temperature, humidities, periods
                      {88, 100, 50} // title
                  });
    neu.SetF64(neuOff + 34, 5.0); // new in version 4, °C
}

void TConvert_InV4::ConvertProjekt(TProjektVersion4* neu, TProjektVersion3* alt) {
    BytesAbbilden(alt->Bild, 0, neu->Bild, 0,
                  {
                      {0, 0, 32},      // name, number
                      {34, 34, 2},     // next placed-component number
                      {36, 52, 8},     // joint coefficient
                      {44, 62, 24},    // switches
                      {68, 86, 16},    // building kind, flags, internal temperatures
                      {222, 302, 8},   // °C
                      {230, 310, 270}, // nine texts
                      {524, 616, 2},   // ventilation system
                      {528, 620, 2},
                      {530, 622, 48}, // proof results
                      {578, 670, 40}, // losses
                      {634, 726, 32},
                      {674, 766, 24}, // gains
                      {738, 830, 24}, // areas, volume
                      {762, 854, 2},
                      {768, 860, 4},
                      {788, 890, 64}, // note
                  });
    neu->Bild.SetI16(32, 0); // the window counter starts again
    ConvertKlima(neu->Bild, 102, alt->Bild, 84);

    for (const auto& b : alt->Bauteile) {
        auto typ = std::make_unique<TRBauteilVersion4>();
        auto platziert = std::make_unique<TPBauteilVersion4>();
        ConvertBauteil(typ.get(), b.get(), platziert.get(), neu);
        neu->RBauteile.push_back(std::move(typ));
        neu->PBauteile.push_back(std::move(platziert));
    }
    for (const auto& f : alt->Fenster) {
        auto typ = std::make_unique<TRFenster>();
        auto platziert = std::make_unique<TPFenster>();
        ConvertFenster(typ.get(), f.get(), platziert.get(), neu);
        neu->RFenster.AddAfterEquals(std::move(typ));
        neu->PFenster.AddAfterEquals(std::move(platziert));
    }
    InitTextListe(&neu->Textliste1, &alt->Textliste1);
    InitTextListe(&neu->Textliste2, &alt->Textliste2);
    for (const auto& f : alt->Fassaden) {
        auto fassade = std::make_unique<TFassade>();
        ConvertFassade(fassade.get(), f.get());
        neu->Fassaden.AddAfterEquals(std::move(fassade));
    }
    DimVolumenKopieren(neu->Volumina, alt->Volumina);

    // The facade numbers of version 3 are positions in the facade list; one
    // that names no facade leaves its item out of every facade.
    const auto eintragen = [&](int nummer, TTypNummer eintrag) {
        if (nummer < 0 || size_t(nummer) >= neu->Fassaden.GetItemsInContainer()) return;
        neu->Fassaden[size_t(nummer)].Elemente.AddAfterEquals(
            std::make_unique<TTypNummer>(eintrag));
    };
    for (const auto& p : neu->PBauteile) {
        const TRBauteilVersion4* typ = neu->RBauteilNr(p->TypNummer());
        Pruefen(typ != nullptr, kModul, __LINE__);
        if (typ) eintragen(p->FassadenNummer(), {typ->Bauteilart(), p->Nummer()});
    }
    for (const TPFenster& f : neu->PFenster)
        eintragen(int16_t(f.FassadenNummer), {TTypNummer::Fenster, int16_t(f.Nummer)});
}

void TConvert_InV4::ConvertBauteil(TRBauteilVersion4* typ, TBauteilVersion3* alt,
                                   TPBauteilVersion4* platziert, TProjektVersion4* projekt) {
    const ByteImage& a = alt->Bild;
    BytesAbbilden(a, 0, typ->Bild, 0,
                  {
                      {0, 0, 44},     // key, name, number
                      {50, 48, 16},   // marks
                      {66, 66, 20},   // kind, subtype, surface resistances
                      {244, 294, 8},  // mean U-value
                      {252, 302, 32}, // requirements
                      {284, 334, 8},  // loss factor
                      {300, 342, 8},
                      {308, 350, 8},
                      {316, 358, 2},
                      {318, 360, 8},
                      {326, 368, 6},
                      {332, 374, 8},
                  });
    ConvertKlima(typ->Bild, 86, a, 94);
    typ->Flaechenanteile.clear();
    for (const auto& e : alt->Flaechenanteile) {
        auto anteil = std::make_unique<TEinfachBauteilVersion4>();
        ConvertEinfachBauteil(anteil.get(), e.get());
        typ->Flaechenanteile.push_back(std::move(anteil));
    }
    typ->Textliste.Flush();
    InitTextListe(&typ->Textliste, &alt->Textliste);
    if (!platziert || !projekt) return;

    ByteImage& p = platziert->Bild;
    const int16_t nummer = projekt->Bild.I16(34);
    projekt->Bild.SetI16(34, int16_t(nummer + 1));
    p.SetI16(0, nummer);
    BytesAbbilden(a, 0, p, 0,
                  {
                      {12, 6, 30}, // name
                      {42, 51, 2}, // type number
                      {44, 53, 2}, // facade number
                      {46, 59, 4},
                      {86, 69, 8},  // area, gross
                      {86, 77, 8},  // and net
                      {284, 89, 8}, // loss factor
                      {292, 97, 8}, // heat loss
                  });
    DimVolumenKopieren(platziert->Volumina, alt->Volumina);
    typ->Platzierungen.AddAfterEquals(
        std::make_unique<TTypNummer>(TTypNummer{typ->Bauteilart(), nummer}));
    TConvert_InV5(verzeichnis_).PBauteilWerteAusVersion3(platziert, typ, projekt->Bild.I16(98));
}

void TConvert_InV4::ConvertFenster(TRFenster* typ, TFensterVersion3* alt, TPFenster* platziert,
                                   TProjektVersion4* projekt) {
    const ByteImage& a = alt->Bild;
    ByteImage r(TRFenster::kImageSize);
    typ->WriteImage(r, 0);
    BytesAbbilden(a, 0, r, 0,
                  {
                      {0, 0, 72},     // key, name, second name
                      {84, 78, 8},    // g
                      {92, 86, 8},    // joint permeability
                      {100, 94, 8},   // single-glazing marks, glazing index
                      {108, 102, 8},  // frame share
                      {116, 110, 16}, // glazing value
                      {132, 126, 2},
                      {134, 128, 8},
                      {142, 136, 2},   // glazing-table flag
                      {144, 138, 225}, // five texts
                      {369, 363, 6},
                      {453, 373, 8}, // U-value
                  });
    typ->ReadImage(r, 0);
    if (projekt) {
        typ->Nummer = projekt->Bild.U16(32);
        projekt->Bild.SetU16(32, uint16_t(typ->Nummer + 1));
    } else {
        typ->Nummer = uint16_t(alt->Nummer());
    }
    if (a.I16(142)) {
        const double wert = Verglasungswert(a.I16(104));
        if (wert >= 0) typ->Wert7 = wert;
    }
    typ->Textliste.Flush();
    InitTextListe(&typ->Textliste, &alt->Textliste);
    if (!platziert || !projekt) return;

    ByteImage p(TPFenster::kImageSize);
    platziert->WriteImage(p, 0);
    BytesAbbilden(a, 0, p, 0,
                  {
                      {12, 12, 30}, // name
                      {74, 53, 4},
                      {80, 59, 4},    // joint and single-glazing results
                      {383, 71, 8},   // area, gross
                      {383, 79, 8},   // and net
                      {391, 87, 8},   // counted area
                      {399, 95, 16},  // shading factors
                      {415, 111, 18}, // orientation, inclination, shading
                      {449, 137, 4},  // radiator, glass annex
                      {461, 141, 32}, // equivalent U-value, gains, loss
                      {493, 173, 8},
                  });
    p.SetU16(57, a.I16(78) ? 0 : 2);
    p.SetI16(129, TruncatedInRange<int16_t>(a.F64(433)));
    platziert->ReadImage(p, 0);
    platziert->Nummer = projekt->Bild.U16(32);
    projekt->Bild.SetU16(32, uint16_t(platziert->Nummer + 1));
    platziert->RFenster = typ;
    platziert->RFensterNummer = typ->Nummer;
    platziert->Flaechenliste.Flush();
    DimVolumenKopieren(platziert->Flaechenliste, alt->Volumina);
    typ->PFensterListe.AddAfterEquals(
        std::make_unique<TTypNummer>(TTypNummer{TTypNummer::Fenster, int16_t(platziert->Nummer)}));
    const ByteImage& pj = projekt->Bild;
    platziert->Berechnen(pj.I16(86), pj.I16(98), pj.I16(94), pj.I16(620), pj.F64(52));
}

void TConvert_InV4::ConvertFassade(TFassade* neu, TFassadeVersion3* alt) {
    Pruefen(alt->Bild.RawText(2, 30).size() < 30, kModul, __LINE__);
    ByteImage bild(TFassade::kImageSize);
    neu->WriteImage(bild, 0);
    BytesAbbilden(alt->Bild, 0, bild, 0,
                  {
                      {0, 0, 32},   // number, name
                      {40, 40, 2},  // facade or other group
                      {42, 44, 48}, // shares and areas
                      {90, 92, 8},
                      {98, 100, 8},
                      {106, 108, 8},
                      {114, 116, 2},  // orientation
                      {116, 118, 56}, // shading, losses, gains, U-values
                      {196, 206, 14}, // results
                  });
    neu->ReadImage(bild, 0);
    neu->Elemente.Flush();
    neu->Textliste.Flush();
    InitTextListe(&neu->Textliste, &alt->Textliste);
}

void TConvert_InV4::ConvertEinfachBauteil(TEinfachBauteilVersion4* neu, TEinfachBauteilV3* alt) {
    Pruefen(alt->Bild.RawText(0, 30).size() < 30, kModul, __LINE__);
    BytesAbbilden(alt->Bild, 0, neu->Bild, 0,
                  {
                      {0, 0, 32}, // name, number
                      {36, 36, 2},
                      {38, 90, 2},
                      {40, 92, 2},
                      {520, 608, 8}, // share of the area
                      {528, 616, 4},
                      {532, 620, 24}, // U-values
                      {556, 644, 8},
                      {564, 652, 46}, // moisture state
                      {610, 914, 8},
                      {618, 922, 2},
                      {620, 924, 8},
                      {628, 932, 2},
                      {630, 934, 8},
                      {638, 942, 6},
                      {644, 948, 8},
                  });
    schichtAbbilden(alt->Bild, 46, neu->Bild, 98);
    neu->Schichten.clear();
    for (const auto& s : alt->Schichten) {
        auto schicht = std::make_unique<TSchichtVersion4>();
        ConvertSchicht(schicht.get(), s.get());
        neu->Schichten.push_back(std::move(schicht));
    }
}

void TConvert_InV4::ConvertSchicht(TSchichtVersion4* neu, const TSchichtVersion3* alt) {
    schichtAbbilden(alt->Bild, 0, neu->Bild, 0);
    neu->Textliste.Flush();
    InitTextListe(&neu->Textliste, &alt->Textliste);
}

void TConvert_InV4::ConvertBaustoff(TBaustoffVersion4* neu, const TBaustoffVersion3* alt) {
    baustoffAbbilden(alt->Bild, 0, neu->Bild, 0);
    neu->Textliste.Flush();
    InitTextListe(&neu->Textliste, &alt->Textliste);
}
