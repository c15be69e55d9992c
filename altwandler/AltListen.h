#pragma once
// Reading shared by the project readers of versions 4 and 5: the whole file
// around its variants, and the lists both versions store in the current
// layout.
#include "altwandler/Lesehilfen.h"
#include "altwandler/Versionscodes.h"
#include "platform/base/ByteStream.h"
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TISListImp.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRFenster.h"
#include "stammwerk/modell/TTextString.h"

#include <memory>
#include <span>
#include <vector>

// The eight counts of a variant and its image. False when they are cut
// short, a count is negative or the lists cannot all be in the data (each
// element taking at least its counts and its image; `typBild` is the size of
// the generation's component-type image).
bool VarianteBeginnen(ByteReader& in, int16_t (&n)[8], ByteImage& bild, size_t typBild);

// Window types, placed windows (linked to their type by number), two text
// lists, facades and volumes, with the six counts of the variant in that
// order. False when anything is cut short or damaged.
bool AktuelleListenLesen(ByteReader& in, std::span<const int16_t, 6> n,
                         TISListImp<TRFenster>& rFenster, TISListImp<TPFenster>& pFenster,
                         TTextListe& text1, TTextListe& text2, TISListImp<TFassade>& fassaden,
                         TDimVolumenListe& volumina);

// Header (with the version rule), count of variants, the whole-project image,
// the variants. Only a complete read fills `projekte` and points `aktuell` at
// the first of them; answers a version code.
template <class Projekt>
int GesamtProjektLesen(std::span<const uint8_t> bytes, int versionsRegel, ByteImage& bild,
                       std::vector<std::unique_ptr<Projekt>>& projekte, Projekt*& aktuell) {
    aktuell = nullptr;
    projekte.clear();
    ByteReader in(bytes);
    const int kopf = ProjektKopfPruefen(in, versionsRegel);
    if (kopf != VersionGelesen) return kopf;
    int16_t anzahl;
    if (!ZaehlerLesen(in, {&anzahl, 1})) return VersionFehler;
    ByteImage gelesenesBild = in.ReadImage(bild.Size());
    // Each variant takes at least its counts and its image.
    if (!in.Ok() || !in.CanHold(size_t(anzahl), 2 * Projekt::kZaehler + Projekt::kImageSize))
        return VersionFehler;
    std::vector<std::unique_ptr<Projekt>> gelesen;
    for (int i = 0; i < anzahl; ++i) {
        auto p = std::make_unique<Projekt>();
        if (p->Lesen(in) != 0) return VersionFehler;
        gelesen.push_back(std::move(p));
    }
    bild = std::move(gelesenesBild);
    projekte = std::move(gelesen);
    if (!projekte.empty()) aktuell = projekte.front().get();
    return VersionGelesen;
}
