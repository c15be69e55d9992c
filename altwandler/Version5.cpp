#include "altwandler/Version5.h"

#include "altwandler/AltListen.h"
#include "altwandler/Lesehilfen.h"
#include "altwandler/Versionscodes.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TBaustoffSchluessel.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/THeizsystem.h"
#include "stammwerk/modell/TJahresverbrauch.h"
#include "stammwerk/modell/TKlima.h"
#include "stammwerk/modell/TOrt.h"
#include "stammwerk/modell/TTemperatur.h"
#include "stammwerk/modell/TWarmwasserbedarf.h"

namespace {
constexpr const char* kModul = "conv6";
} // namespace

TPBauteilVersion5::TPBauteilVersion5() {
    for (size_t off : {0, 51, 53, 55, 57}) Bild.SetI16(off, -1);
    Bild.SetI32(2, -1);
}

int TPBauteilVersion5::Lesen(ByteReader& in, const char* modul) {
    Volumina.Flush();
    Eintraege.Flush();
    int16_t n[2];
    if (!ZaehlerLesen(in, n)) return 1;
    Pruefen(n[0] <= kMaxVolumina, modul, __LINE__);
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok()) return 1;
    if (!DimVolumenLesen(in, n[0], Volumina) || !TypNummernLesen(in, n[1], Eintraege)) return 1;
    Bild.SetU32(47, 0); // the link to the type is made anew in memory
    return 0;
}

TRBauteilVersion5::TRBauteilVersion5() {
    TBaustoffSchluessel().WriteImage(Bild, 0);
    Bild.SetText(12, 30, "unbenannt");
    Bild.SetI16(42, -1);
    for (size_t off : {52, 54, 56, 58, 62, 426, 432}) Bild.SetI16(off, 1);
    Bild.SetI16(430, 2);
    Bild.SetF64(70, 0.13); // m²K/W, inner surface resistance
    Bild.SetF64(78, 0.04); // m²K/W, outer surface resistance
    TKlima().WriteImage(Bild, 86);
    TTemperatur().WriteImage(Bild, 298);
    for (size_t i = 0; i < 4; ++i) Bild.SetF64(370 + 8 * i, -1.0);
}

int TRBauteilVersion5::Lesen(ByteReader& in) {
    Flaechenanteile.Flush();
    Textliste.Flush();
    Platzierungen.Flush();
    int16_t n[3];
    if (!ZaehlerLesen(in, n)) return 1;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n[0]), 2 + TEinfachBauteil::kImageSize)) return 1;
    TTemperatur temperatur;
    temperatur.ReadImage(Bild, 298);
    const double rsi = Bild.F64(70), rse = Bild.F64(78);
    for (int i = 0; i < n[0]; ++i) {
        auto e = std::make_unique<TEinfachBauteil>();
        if (!e->Oeffnen(in)) return 1;
        e->TemperaturVerlauf(temperatur, rsi, rse, 0);
        Flaechenanteile.AddAfterEquals(std::move(e));
    }
    if (!in.CanHold(size_t(n[1]), TTextString::kImageSize) ||
        !AddTextStringToList(in, n[1], &Textliste))
        return 1;
    if (!TypNummernLesen(in, n[2], Platzierungen)) return 1;
    for (TTypNummer& t : Platzierungen) t.Typ = Bauteilart();
    return 0;
}

TProjektVersion5::TProjektVersion5() {
    Bild.SetText(0, 30, "Standardprojekt");
    Bild.SetF64(52, 2.0);
    for (size_t off : {74, 76, 78, 80, 82, 98, 100, 926}) Bild.SetI16(off, 1);
    TKlima().WriteImage(Bild, 102);
    TTemperatur().WriteImage(Bild, 314);
    Bild.SetF64(370, 20.0);
    TOrt().WriteImage(Bild, 962);
    THeizsystem().WriteImage(Bild, 1012);
    TWarmwasserbedarf().WriteImage(Bild, 1169);
    TJahresverbrauch().WriteImage(Bild, 1195);
}

int TProjektVersion5::Lesen(ByteReader& in) {
    int16_t n[8];
    if (!VarianteBeginnen(in, n, Bild, TRBauteilVersion5::kImageSize)) return 1;

    for (int i = 0; i < n[0]; ++i) {
        auto t = std::make_unique<TRBauteilVersion5>();
        if (t->Lesen(in) != 0) return 1;
        Typnummern.AddAfterEquals(
            std::make_unique<TTypNummer>(TTypNummer{t->Bauteilart(), t->Nummer()}));
        RBauteile.push_back(std::move(t));
    }
    for (int i = 0; i < n[1]; ++i) {
        auto p = std::make_unique<TPBauteilVersion5>();
        if (p->Lesen(in, kModul) != 0) return 1;
        PBauteile.push_back(std::move(p));
    }
    if (!AktuelleListenLesen(in, std::span<const int16_t, 6>(n + 2, 6), RFenster, PFenster,
                             Textliste1, Textliste2, Fassaden, Volumina))
        return 1;
    for (const TRFenster& t : RFenster)
        Typnummern.AddAfterEquals(
            std::make_unique<TTypNummer>(TTypNummer{TTypNummer::Fenster, int16_t(t.Nummer)}));
    return 0;
}

TGesamtProjektVersion5::TGesamtProjektVersion5() = default;

int TGesamtProjektVersion5::Oeffnen(const std::filesystem::path& datei) {
    const FileContents inhalt = ReadWholeFile(datei);
    return inhalt.ok ? Lesen(inhalt.bytes) : VersionFehler;
}

int TGesamtProjektVersion5::Lesen(std::span<const uint8_t> bytes) {
    return GesamtProjektLesen(bytes, RegelV500, Bild, Projekte, AktuellesProjekt);
}
