#include "altwandler/Version4.h"

#include "altwandler/AltListen.h"
#include "altwandler/Lesehilfen.h"
#include "altwandler/Versionscodes.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TBaustoffSchluessel.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TDiffusion.h"

namespace {
constexpr const char* kModul = "conv5";
} // namespace

void KlimaVersion4Vorgabe(ByteImage& bild, size_t off) {
    // °C, relative humidities and period lengths in hours: DIN 4108-3 (1981).
    const double werte[] = {20.0, 12.0, -10.0, 12.0, 5.0, 12.0, 0.5, 0.7, 0.8, 0.7, 1440.0, 2160.0};
    bild.SetI16(off + 0, 0);
    for (size_t i = 0; i < 12; ++i) bild.SetF64(off + 2 + 8 * i, werte[i]);
    bild.SetI16(off + 98, 0);
    bild.SetText(off + 100, 50, "Randbedingungen nach DIN 4108 Teil 3");
    bild.SetText(off + 150, 50, "");
}

void SchichtVersion4Vorgabe(ByteImage& bild, size_t off) {
    TBaustoffSchluessel().WriteImage(bild, off);
    bild.SetF64(off + 500, -1.0);
    bild.SetI16(off + 508, -1);
}

TBaustoffVersion4::TBaustoffVersion4() {
    TBaustoffSchluessel().WriteImage(Bild, 0);
}

int TBaustoffVersion4::Lesen(ByteReader& in) {
    Textliste.Flush();
    const int16_t n = in.ReadI16();
    if (!in.Ok()) return SatzEnde;
    Pruefen(n >= 0 && n <= kMaxZeilen, kModul, __LINE__);
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || n < 0) return SatzKurz;
    Pruefen(Bild.RawText(12, 35).size() < 35, kModul, __LINE__);
    // Thickness (mm) and density (kg/m³) cannot be negative.
    Pruefen(Bild.F64(79) >= 0 && Bild.F64(47) >= 0, kModul, __LINE__);
    return ZeilenLesen(in, n, Textliste) ? SatzGelesen : SatzKurz;
}

TSchichtVersion4::TSchichtVersion4() {
    SchichtVersion4Vorgabe(Bild, 0);
}

int TSchichtVersion4::Lesen(ByteReader& in) {
    Textliste.Flush();
    int16_t n;
    if (!ZaehlerLesen(in, {&n, 1})) return 1;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok()) return 1;
    // Saturation pressures, Pa.
    Pruefen(Bild.F64(358) >= 0 && Bild.F64(366) >= 0, kModul, __LINE__);
    if (!in.CanHold(size_t(n), TTextString::kImageSize)) return 1;
    return AddTextStringToList(in, n, &Textliste) ? 0 : 1;
}

TEinfachBauteilVersion4::TEinfachBauteilVersion4() {
    Bild.SetText(0, 30, "Bereich 1");
    Bild.SetI16(30, -1);
    Bild.SetI16(932, -1);
    Bild.SetI16(942, 1);
    Bild.SetF64(608, 100.0); // percent of the area
    TDiffusion diffusion;
    diffusion.Neu();
    diffusion.WriteImage(Bild, 652);
    SchichtVersion4Vorgabe(Bild, 98);
}

int TEinfachBauteilVersion4::Lesen(ByteReader& in) {
    Schichten.clear();
    int16_t n;
    if (!ZaehlerLesen(in, {&n, 1})) return 1;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n), 2 + TSchichtVersion4::kImageSize)) return 1;
    for (int i = 0; i < n; ++i) {
        auto s = std::make_unique<TSchichtVersion4>();
        if (s->Lesen(in) != 0) return 1;
        Schichten.push_back(std::move(s));
    }
    return 0;
}

TRBauteilVersion4::TRBauteilVersion4() {
    TBaustoffSchluessel().WriteImage(Bild, 0);
    Bild.SetText(12, 30, "unbenannt");
    Bild.SetI16(42, -1);
    for (size_t off : {52, 54, 56, 58, 62, 358}) Bild.SetI16(off, 1);
    Bild.SetF64(70, 0.13); // m²K/W, inner surface resistance
    Bild.SetF64(78, 0.04); // m²K/W, outer surface resistance
    KlimaVersion4Vorgabe(Bild, 86);
    for (size_t i = 0; i < 4; ++i) Bild.SetF64(302 + 8 * i, -1.0);
}

int TRBauteilVersion4::Lesen(ByteReader& in) {
    Flaechenanteile.clear();
    Textliste.Flush();
    Platzierungen.Flush();
    int16_t n[3];
    if (!ZaehlerLesen(in, n)) return 1;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n[0]), 2 + TEinfachBauteilVersion4::kImageSize)) return 1;
    for (int i = 0; i < n[0]; ++i) {
        auto e = std::make_unique<TEinfachBauteilVersion4>();
        if (e->Lesen(in) != 0) return 1;
        Flaechenanteile.push_back(std::move(e));
    }
    if (!in.CanHold(size_t(n[1]), TTextString::kImageSize) ||
        !AddTextStringToList(in, n[1], &Textliste))
        return 1;
    if (!TypNummernLesen(in, n[2], Platzierungen)) return 1;
    for (TTypNummer& t : Platzierungen) t.Typ = Bauteilart();
    return 0;
}

TProjektVersion4::TProjektVersion4() {
    Bild.SetText(0, 30, "Standardprojekt");
    for (size_t off : {74, 76, 78, 80, 82, 98, 100, 854}) Bild.SetI16(off, 1);
    Bild.SetF64(52, 2.0);
    KlimaVersion4Vorgabe(Bild, 102);
    Bild.SetF64(302, 20.0); // °C
}

TRBauteilVersion4* TProjektVersion4::RBauteilNr(int16_t nummer) const {
    return NachNummer(RBauteile, nummer);
}

int TProjektVersion4::Lesen(ByteReader& in) {
    int16_t n[8];
    if (!VarianteBeginnen(in, n, Bild, TRBauteilVersion4::kImageSize)) return 1;

    for (int i = 0; i < n[0]; ++i) {
        auto t = std::make_unique<TRBauteilVersion4>();
        if (t->Lesen(in) != 0) return 1;
        RBauteile.push_back(std::move(t));
    }
    for (int i = 0; i < n[1]; ++i) {
        auto p = std::make_unique<TPBauteilVersion4>();
        if (p->Lesen(in, kModul) != 0) return 1;
        PBauteile.push_back(std::move(p));
    }
    if (!AktuelleListenLesen(in, std::span<const int16_t, 6>(n + 2, 6), RFenster, PFenster,
                             Textliste1, Textliste2, Fassaden, Volumina))
        return 1;

    // Version 4 did not always list a placed component in its facade.
    for (const auto& p : PBauteile) {
        const uint16_t fassade = uint16_t(p->FassadenNummer());
        TFassade* f = Fassaden.FirstThat([&](const TFassade& x) { return x.Nummer == fassade; });
        const TRBauteilVersion4* typ = RBauteilNr(p->TypNummer());
        Pruefen(f && typ, kModul, __LINE__);
        if (!f || !typ) continue;
        const TTypNummer paar{typ->Bauteilart(), p->Nummer()};
        if (TypNummerIndex(f->Elemente, paar) < 0)
            f->Elemente.AddAfterEquals(std::make_unique<TTypNummer>(paar));
    }
    return 0;
}

TGesamtProjektVersion4::TGesamtProjektVersion4() = default;

int TGesamtProjektVersion4::Oeffnen(const std::filesystem::path& datei) {
    const FileContents inhalt = ReadWholeFile(datei);
    return inhalt.ok ? Lesen(inhalt.bytes) : VersionFehler;
}

int TGesamtProjektVersion4::Lesen(std::span<const uint8_t> bytes) {
    return GesamtProjektLesen(bytes, RegelV400, Bild, Projekte, AktuellesProjekt);
}
