#include "altwandler/Version3.h"

#include "altwandler/AltListen.h"
#include "altwandler/Lesehilfen.h"
#include "altwandler/Versionscodes.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TBaustoffSchluessel.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TDiffusion.h"

#include <algorithm>

namespace {

constexpr const char* kModul = "conv4";
constexpr int kMaxZeilen = 49;

bool nameKurz(const ByteImage& b, size_t off, size_t breite) {
    return b.RawText(off, breite).size() < breite;
}

template <class T>
int satzLesen(ByteReader& in, std::vector<std::unique_ptr<T>>& liste, int n) {
    for (int i = 0; i < n; ++i) {
        auto t = std::make_unique<T>();
        if (t->Lesen(in) != SatzGelesen) return SatzKurz;
        liste.push_back(std::move(t));
    }
    return SatzGelesen;
}

} // namespace

void KlimaVersion3Vorgabe(ByteImage& bild, size_t off) {
    // °C, relative humidities and period lengths in hours: DIN 4108-3 (1981).
    const double werte[] = {20.0, 12.0, -10.0, 12.0, 12.0, 0.5, 0.7, 0.8, 0.7, 1440.0, 2160.0};
    for (size_t i = 0; i < 11; ++i) bild.SetF64(off + 8 * i, werte[i]);
    bild.SetText(off + 88, 50, "Randbedingungen nach DIN 4108 Teil 3");
}

void BaustoffVersion3Vorgabe(ByteImage& bild, size_t off) {
    TBaustoffSchluessel().WriteImage(bild, off);
}

void BaustoffVersion3Pruefen(const ByteImage& bild, size_t off) {
    Pruefen(nameKurz(bild, off + 12, 35), kModul, __LINE__);
    // Density (kg/m³) and thickness (mm) cannot be negative.
    Pruefen(bild.F64(off + 47) >= 0 && bild.F64(off + 79) >= 0, kModul, __LINE__);
    for (size_t i = 0; i < 5; ++i) Pruefen(nameKurz(bild, off + 87 + 45 * i, 45), kModul, __LINE__);
}

TBaustoffVersion3::TBaustoffVersion3() {
    BaustoffVersion3Vorgabe(Bild, 0);
}

int TBaustoffVersion3::Lesen(ByteReader& in) {
    Textliste.Flush();
    const int16_t n = in.ReadI16();
    if (!in.Ok()) return SatzEnde;
    Pruefen(n >= 0 && n <= kMaxZeilen, kModul, __LINE__);
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || n < 0) return SatzKurz;
    BaustoffVersion3Pruefen(Bild, 0);
    return ZeilenLesen(in, n, Textliste) ? SatzGelesen : SatzKurz;
}

void SchichtVersion3Vorgabe(ByteImage& bild, size_t off) {
    BaustoffVersion3Vorgabe(bild, off);
    bild.SetF64(off + 464, -1.0);
    bild.SetI16(off + 472, -1);
}

TSchichtVersion3::TSchichtVersion3() {
    SchichtVersion3Vorgabe(Bild, 0);
}

int TSchichtVersion3::Lesen(ByteReader& in) {
    Textliste.Flush();
    int16_t n;
    if (!ZaehlerLesen(in, {&n, 1})) return SatzKurz;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok()) return SatzKurz;
    BaustoffVersion3Pruefen(Bild, 0);
    // The layer's first two values were never stored negative.
    Pruefen(Bild.F64(332) >= 0 && Bild.F64(340) >= 0, kModul, __LINE__);
    return ZeilenLesen(in, n, Textliste) ? SatzGelesen : SatzKurz;
}

TEinfachBauteilV3::TEinfachBauteilV3() {
    Bild.SetText(0, 30, "Bereich 1");
    Bild.SetI16(30, -1);
    SchichtVersion3Vorgabe(Bild, 46);
    Bild.SetF64(520, 100.0); // percent of the area
    TDiffusion diffusion;
    diffusion.Neu();
    diffusion.WriteImage(Bild, 564);
    Bild.SetI16(628, -1);
    Bild.SetI16(638, 1);
}

void TEinfachBauteilV3::SchichtenOrdnen() {
    std::stable_sort(Schichten.begin(), Schichten.end(),
                     [](const auto& a, const auto& b) { return a->Position() < b->Position(); });
}

int TEinfachBauteilV3::Lesen(ByteReader& in) {
    Schichten.clear();
    int16_t n;
    if (!ZaehlerLesen(in, {&n, 1})) return SatzKurz;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n), 2 + TSchichtVersion3::kImageSize)) return SatzKurz;
    Pruefen(nameKurz(Bild, 0, 30), kModul, __LINE__);
    if (satzLesen(in, Schichten, n) != SatzGelesen) return SatzKurz;
    SchichtenOrdnen();
    return SatzGelesen;
}

TBauteilVersion3::TBauteilVersion3() {
    TBaustoffSchluessel().WriteImage(Bild, 0);
    Bild.SetText(12, 30, "unbenannt");
    Bild.SetI16(42, -1);
    Bild.SetI16(44, -1);
    const int16_t merker[8] = {0, 0, 1, 1, 1, 1, 0, 1};
    for (size_t i = 0; i < 8; ++i) Bild.SetI16(50 + 2 * i, merker[i]);
    Bild.SetF64(70, 0.13); // m²K/W, inner surface resistance
    Bild.SetF64(78, 0.04); // m²K/W, outer surface resistance
    KlimaVersion3Vorgabe(Bild, 94);
    for (size_t i = 0; i < 4; ++i) Bild.SetF64(252 + 8 * i, -1.0);
    Bild.SetI16(316, 1);
}

int TBauteilVersion3::Lesen(ByteReader& in) {
    Flaechenanteile.clear();
    Volumina.Flush();
    Textliste.Flush();
    int16_t n[3];
    if (const int r = SatzZaehlerLesen(in, n); r != SatzGelesen) return r;
    Pruefen(n[1] <= TFensterVersion3::kMaxVolumina, kModul, __LINE__);
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n[0]), 2 + TEinfachBauteilV3::kImageSize)) return SatzKurz;
    if (satzLesen(in, Flaechenanteile, n[0]) != SatzGelesen) return SatzKurz;
    if (!DimVolumenLesen(in, n[1], Volumina) || !ZeilenLesen(in, n[2], Textliste)) return SatzKurz;
    return SatzGelesen;
}

TFensterVersion3::TFensterVersion3() {
    TBaustoffSchluessel().WriteImage(Bild, 0);
    Bild.SetI16(72, -1);
    for (size_t off : {78, 80, 82}) Bild.SetI16(off, 1);
    Bild.SetF64(84, 0.8);   // g
    Bild.SetF64(92, 2.0);   // joint permeability
    Bild.SetF64(108, 40.0); // frame share, percent
    Bild.SetF64(134, 1.0);
    for (size_t off : {399, 407, 441, 493}) Bild.SetF64(off, 1.0);
    Bild.SetI16(415, 2);    // west
    Bild.SetF64(417, 90.0); // degrees
    Bild.SetF64(433, -1.0); // no facade
    Bild.SetI16(451, -1);
    Bild.SetF64(453, 1.7); // W/(m²K)
}

int TFensterVersion3::Lesen(ByteReader& in) {
    Volumina.Flush();
    Textliste.Flush();
    int16_t n[2];
    if (const int r = SatzZaehlerLesen(in, n); r != SatzGelesen) return r;
    Pruefen(n[0] <= kMaxVolumina, kModul, __LINE__);
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok()) return SatzKurz;
    Pruefen(nameKurz(Bild, 12, 30) && nameKurz(Bild, 42, 30), kModul, __LINE__);
    if (!DimVolumenLesen(in, n[0], Volumina) || !ZeilenLesen(in, n[1], Textliste)) return SatzKurz;
    return SatzGelesen;
}

TFassadeVersion3::TFassadeVersion3() {
    Bild.SetI16(0, -1);
    Bild.SetText(2, 30, "unbenannt");
    for (size_t off : {90, 98, 116, 124}) Bild.SetF64(off, 1.0);
    Bild.SetI16(114, 2);
    for (size_t off : {172, 180}) Bild.SetF64(off, 1.0);
    for (size_t off : {196, 198, 200}) Bild.SetI16(off, 1);
}

int TFassadeVersion3::Lesen(ByteReader& in) {
    Eintraege.clear();
    Textliste.Flush();
    int16_t n[2];
    if (!ZaehlerLesen(in, n)) return SatzKurz;
    Pruefen(n[1] <= 29, kModul, __LINE__);
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n[0]), TTypNummer::kImageSize)) return SatzKurz;
    Pruefen(nameKurz(Bild, 2, 30), kModul, __LINE__);
    for (int i = 0; i < n[0]; ++i) {
        TTypNummer t;
        t.Lesen(in);
        Eintraege.push_back(t);
    }
    return ZeilenLesen(in, n[1], Textliste) ? SatzGelesen : SatzKurz;
}

TProjektVersion3::TProjektVersion3() {
    Bild.SetText(0, 30, "Standardprojekt");
    Bild.SetF64(36, 2.0);
    for (size_t off : {56, 58, 60, 62, 64, 80, 82, 762}) Bild.SetI16(off, 1);
    KlimaVersion3Vorgabe(Bild, 84);
    Bild.SetF64(222, 20.0); // °C
}

TBauteilVersion3* TProjektVersion3::BauteilNr(int16_t nummer) const {
    return NachNummer(Bauteile, nummer);
}

TFensterVersion3* TProjektVersion3::FensterNr(int16_t nummer) const {
    return NachNummer(Fenster, nummer);
}

int TProjektVersion3::Lesen(ByteReader& in) {
    int16_t n[6];
    if (!ZaehlerLesen(in, n)) return 1;
    Pruefen(n[5] <= kMaxVolumina, kModul, __LINE__);
    Bild = in.ReadImage(kImageSize);
    const size_t kleinstes[6] = {6 + TBauteilVersion3::kImageSize, 4 + TFensterVersion3::kImageSize,
                                 TTextString::kImageSize,          TTextString::kImageSize,
                                 4 + TFassadeVersion3::kImageSize, 4 + TDimVolumen::kImageSize};
    size_t mindestens = 0;
    for (size_t i = 0; i < 6; ++i) mindestens += size_t(n[i]) * kleinstes[i];
    if (!in.Ok() || !in.CanHold(mindestens, 1)) return 1;

    if (satzLesen(in, Bauteile, n[0]) != SatzGelesen) return 1;
    if (satzLesen(in, Fenster, n[1]) != SatzGelesen) return 1;
    if (!ZeilenLesen(in, n[2], Textliste1) || !ZeilenLesen(in, n[3], Textliste2)) return 1;
    if (satzLesen(in, Fassaden, n[4]) != SatzGelesen) return 1;
    std::stable_sort(Fassaden.begin(), Fassaden.end(),
                     [](const auto& a, const auto& b) { return a->Nummer() < b->Nummer(); });
    return DimVolumenLesen(in, n[5], Volumina) ? 0 : 1;
}

TGesamtProjektVersion3::TGesamtProjektVersion3() = default;

int TGesamtProjektVersion3::Oeffnen(const std::filesystem::path& datei) {
    const FileContents inhalt = ReadWholeFile(datei);
    return inhalt.ok ? Lesen(inhalt.bytes) : VersionFehler;
}

int TGesamtProjektVersion3::Lesen(std::span<const uint8_t> bytes) {
    const int code = GesamtProjektLesen(bytes, RegelV300, Bild, Projekte, AktuellesProjekt);
    if (code != VersionGelesen) return code;
    std::stable_sort(Projekte.begin(), Projekte.end(),
                     [](const auto& a, const auto& b) { return a->Nummer() < b->Nummer(); });

    // Files of early version-3 programs did not store the facade numbers in
    // the components and windows: the first component decides.
    bool vorhanden = false, entschieden = false;
    for (const auto& p : Projekte) {
        if (p->Bauteile.empty()) continue;
        vorhanden = p->Bauteile.front()->Bild.I16(44) != -1;
        entschieden = true;
        break;
    }
    if (!entschieden)
        for (const auto& p : Projekte)
            for (const auto& f : p->Fenster)
                if (f->Bild.F64(433) != -1.0) vorhanden = true;
    if (!vorhanden) BauteilFassadenNummernAktualisieren();
    return VersionGelesen;
}

void TGesamtProjektVersion3::BauteilFassadenNummernAktualisieren() {
    for (const auto& p : Projekte)
        for (const auto& f : p->Fassaden)
            for (const TTypNummer& e : f->Eintraege) {
                if (e.Typ == TTypNummer::Fenster) {
                    if (TFensterVersion3* w = p->FensterNr(e.Nummer))
                        w->Bild.SetF64(433, f->Nummer());
                } else if (TBauteilVersion3* b = p->BauteilNr(e.Nummer)) {
                    b->Bild.SetI16(44, f->Nummer());
                }
            }
}
