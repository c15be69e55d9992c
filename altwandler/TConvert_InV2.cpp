#include "altwandler/TConvert_InV2.h"

#include "altwandler/Bildabbildung.h"
#include "altwandler/Version1.h"
#include "altwandler/Version2.h"
#include "altwandler/Versionscodes.h"

#include <memory>

TConvert_InV2::TConvert_InV2(std::filesystem::path programmverzeichnis)
    : verzeichnis_(std::move(programmverzeichnis)) {}

int TConvert_InV2::ConvertGesamtProjekt(TGesamtProjektVersion2* ziel,
                                        const std::filesystem::path& datei) {
    TProjektVersion1 alt;
    const int code = alt.Oeffnen(datei);
    if (code != VersionGelesen) return code;
    auto neu = std::make_unique<TProjektVersion2>();
    ConvertProjekt(neu.get(), &alt);
    ziel->Bild.SetI16(80, int16_t(alt.Bauteile.size()));
    ziel->AktuellesProjekt = neu.get();
    ziel->Projekte.push_back(std::move(neu));
    return VersionGelesen;
}

void TConvert_InV2::ConvertProjekt(TProjektVersion2* neu, TProjektVersion1* alt) {
    ByteImage& b = neu->Bild;
    BytesAbbilden(alt->Bild, 0, b, 0,
                  {
                      {80, 34, 8},  // joint coefficient
                      {88, 42, 12}, // switches
                      {100, 54, 6},
                      {106, 60, 2},
                      {108, 62, 10},   // building kind and flags
                      {118, 72, 4},    // internal temperatures
                      {122, 76, 88},   // climate, unchanged
                      {210, 172, 210}, // seven texts
                      {428, 454, 4},
                      {432, 458, 24}, // proof results
                      {456, 490, 16},
                      {472, 506, 112},
                      {584, 630, 2},
                  });
    b.SetText(0, 30, "Standardprojekt");
    b.SetI16(30, 0); // the main project
    b.SetI16(32, 0);
    b.SetF64(164, 20.0); // °C
    b.SetI16(626, 0);
    b.SetI16(628, 0);
    for (const auto& c : alt->Bauteile) {
        auto bauteil = std::make_unique<TBauteilVersion2>();
        ConvertBauteil(bauteil.get(), c.get());
        neu->BauteilHinzufuegen(std::move(bauteil), 0);
    }
    neu->EintraegeOrdnen();
    InitTextListe(&neu->Textliste1, &alt->Textliste);
}

void TConvert_InV2::ConvertBauteil(TBauteilVersion2* neu, TBauteilVersion1* alt) {
    BytesAbbilden(alt->Bild, 0, neu->Bild, 0,
                  {
                      {0, 12, 30},     // name
                      {30, 42, 2},     // number
                      {32, 44, 18},    // marks
                      {50, 62, 4},     // type code, subtype
                      {54, 66, 32},    // surface resistances, gross and net area
                      {86, 98, 88},    // climate, unchanged
                      {186, 198, 48},  // values and requirements
                      {234, 246, 383}, // window template
                  });
    for (const auto& e : alt->Flaechenanteile) {
        auto anteil = std::make_unique<TEinfachBauteilV2>();
        ConvertEinfachBauteil(anteil.get(), e.get());
        neu->Flaechenanteile.push_back(std::move(anteil));
    }
    for (const auto& f : alt->Fenster) {
        auto fenster = std::make_unique<TFensterVersion1_2>();
        fenster->Bild = f->Bild;
        InitTextListe(&fenster->Textliste, &f->Textliste);
        neu->Fenster.push_back(std::move(fenster));
    }
    InitTextListe(&neu->Textliste, &alt->Textliste);
}

void TConvert_InV2::ConvertEinfachBauteil(TEinfachBauteilV2* neu, TEinfachBauteilV2* alt) {
    neu->Bild = ByteImage(TEinfachBauteilV2::kImageSize);
    neu->Bild.CopyBytes(0, alt->Bild.Slice(0, TEinfachBauteilV2::kImageSizeVersion1));
    neu->Schichten.clear();
    for (const auto& s : alt->Schichten) {
        auto schicht = std::make_unique<TSchichtVersion1_2>();
        schicht->Bild = s->Bild;
        InitTextListe(&schicht->Textliste, &s->Textliste);
        neu->Schichten.push_back(std::move(schicht));
    }
}
