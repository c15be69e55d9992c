#include "altwandler/Version2.h"

#include "altwandler/Versionscodes.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TBaustoffSchluessel.h"
#include "stammwerk/modell/TDateiKopf.h"

#include <algorithm>

namespace {

// Count of comment lines, an image, the lines: the block of materials,
// layers and windows of versions 1 and 2.
int zeilenSatzLesen(ByteReader& in, ByteImage& bild, TTextListe& liste) {
    liste.Flush();
    const int16_t n = in.ReadI16();
    if (!in.Ok()) return SatzEnde;
    ByteImage gelesen = in.ReadImage(bild.Size());
    if (!in.Ok() || n < 0) return SatzKurz;
    bild = std::move(gelesen);
    return ZeilenLesen(in, n, liste) ? SatzGelesen : SatzKurz;
}

template <class T, class... A>
bool saetzeLesen(ByteReader& in, std::vector<std::unique_ptr<T>>& liste, int n, A... a) {
    for (int i = 0; i < n; ++i) {
        auto t = std::make_unique<T>();
        if (t->Lesen(in, a...) != SatzGelesen) return false;
        liste.push_back(std::move(t));
    }
    return true;
}

// Components of type 0 come first, then type 9, then types 1 to 8.
int typRang(int16_t typ) {
    return typ == 0 ? 0 : typ == 9 ? 1 : typ + 1;
}

} // namespace

void KlimaVersion1_2Vorgabe(ByteImage& bild, size_t off) {
    // DIN 4108-3 (1981); the two humidities at 48 and 56 stand in the
    // other order than in version 3.
    const double werte[] = {20.0, 12.0, -10.0, 12.0, 12.0, 0.5, 0.8, 0.7, 0.7, 1440.0, 2160.0};
    for (size_t i = 0; i < 11; ++i) bild.SetF64(off + 8 * i, werte[i]);
}

TBaustoffVersion1_2::TBaustoffVersion1_2() {
    TBaustoffSchluessel().WriteImage(Bild, 0);
}

int TBaustoffVersion1_2::Lesen(ByteReader& in) {
    return zeilenSatzLesen(in, Bild, Textliste);
}

void SchichtVersion1_2Vorgabe(ByteImage& bild, size_t off) {
    TBaustoffSchluessel().WriteImage(bild, off);
    bild.SetI16(off + 428, -1);
}

TSchichtVersion1_2::TSchichtVersion1_2() {
    SchichtVersion1_2Vorgabe(Bild, 0);
}

int TSchichtVersion1_2::Lesen(ByteReader& in) {
    return zeilenSatzLesen(in, Bild, Textliste) == SatzGelesen ? SatzGelesen : SatzKurz;
}

void FensterVersion1_2Vorgabe(ByteImage& bild, size_t off) {
    TBaustoffSchluessel().WriteImage(bild, off);
    bild.SetI16(off + 42, 1);
    bild.SetI16(off + 44, 1);
    bild.SetF64(off + 46, 0.8); // g
    bild.SetF64(off + 54, 2.0); // joint permeability
    bild.SetI16(off + 62, 2);
    bild.SetF64(off + 315, 1.0);
    bild.SetF64(off + 323, 1.0);
    bild.SetI16(off + 339, 2);
    bild.SetF64(off + 343, 1.7); // W/(m²K)
    bild.SetF64(off + 375, 1.0);
}

TFensterVersion1_2::TFensterVersion1_2() {
    FensterVersion1_2Vorgabe(Bild, 0);
}

int TFensterVersion1_2::Lesen(ByteReader& in) {
    return zeilenSatzLesen(in, Bild, Textliste);
}

TEinfachBauteilV2::TEinfachBauteilV2() {
    Bild.SetText(0, 30, "Bereich 1");
    Bild.SetI16(30, -1);
    SchichtVersion1_2Vorgabe(Bild, 42);
    Bild.SetF64(472, 100.0); // percent of the area
}

int TEinfachBauteilV2::Lesen(ByteReader& in, size_t groesse) {
    Schichten.clear();
    int16_t n;
    if (!ZaehlerLesen(in, {&n, 1})) return SatzKurz;
    const ByteImage gelesen = in.ReadImage(groesse);
    if (!in.Ok() || !in.CanHold(size_t(n), 2 + TSchichtVersion1_2::kImageSize)) return SatzKurz;
    Bild = ByteImage(kImageSize);
    Bild.CopyBytes(0, gelesen.Bytes());
    if (!saetzeLesen(in, Schichten, n)) return SatzKurz;
    std::stable_sort(Schichten.begin(), Schichten.end(),
                     [](const auto& a, const auto& b) { return a->Position() < b->Position(); });
    return SatzGelesen;
}

void BauteilVersion1_2Vorgabe(ByteImage& bild, size_t off) {
    bild.SetText(off, 30, "unbenannt");
    bild.SetI16(off + 30, -1);
    const int16_t merker[9] = {0, 0, 1, 1, 1, 0, 1, 1, 1};
    for (size_t i = 0; i < 9; ++i) bild.SetI16(off + 32 + 2 * i, merker[i]);
    bild.SetF64(off + 54, 0.13); // m²K/W, inner surface resistance
    bild.SetF64(off + 62, 0.04); // m²K/W, outer surface resistance
    KlimaVersion1_2Vorgabe(bild, off + 86);
    bild.SetF64(off + 202, -1.0);
    bild.SetF64(off + 210, -1.0);
    FensterVersion1_2Vorgabe(bild, off + 234);
}

TBauteilVersion2::TBauteilVersion2() {
    TBaustoffSchluessel().WriteImage(Bild, 0);
    BauteilVersion1_2Vorgabe(Bild, 12);
}

int TBauteilVersion2::Lesen(ByteReader& in) {
    Flaechenanteile.clear();
    Fenster.clear();
    Textliste.Flush();
    int16_t n[3];
    if (const int r = SatzZaehlerLesen(in, n); r != SatzGelesen) return r;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n[0]) + size_t(n[1]), 2 + TFensterVersion1_2::kImageSize))
        return SatzKurz;
    if (!saetzeLesen(in, Flaechenanteile, n[0]) || !saetzeLesen(in, Fenster, n[1]) ||
        !ZeilenLesen(in, n[2], Textliste))
        return SatzKurz;
    return SatzGelesen;
}

TProjektVersion2::TProjektVersion2() {
    Bild.SetText(0, 30, "Standardprojekt");
    Bild.SetF64(34, 2.0);
    for (size_t off : {54, 56, 58, 74, 626}) Bild.SetI16(off, 1);
    KlimaVersion1_2Vorgabe(Bild, 76);
    Bild.SetF64(164, 20.0); // °C
}

TBauteilVersion2* TProjektVersion2::BauteilNr(int16_t nummer) const {
    for (const TBauteilStatusVersion2& e : Eintraege)
        if (e.Bauteil->Nummer() == nummer) return e.Bauteil;
    return nullptr;
}

void TProjektVersion2::BauteilHinzufuegen(std::unique_ptr<TBauteilVersion2> b, int16_t art) {
    Eintraege.push_back({b.get(), art});
    EigeneBauteile.push_back(std::move(b));
}

void TProjektVersion2::EintraegeOrdnen() {
    std::stable_sort(Eintraege.begin(), Eintraege.end(), [](const auto& a, const auto& b) {
        const int ra = typRang(a.Bauteil->Bauteilart()), rb = typRang(b.Bauteil->Bauteilart());
        return ra != rb ? ra < rb : a.Bauteil->Nummer() < b.Bauteil->Nummer();
    });
}

int TProjektVersion2::Lesen(ByteReader& in, const TProjektVersion2* haupt) {
    int16_t n[3];
    if (!ZaehlerLesen(in, n)) return 1;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n[0]), 4) ||
        !in.CanHold(size_t(n[1]) + size_t(n[2]), TTextString::kImageSize))
        return 1;
    for (int i = 0; i < n[0]; ++i) {
        const int16_t art = in.ReadI16();
        if (!in.Ok()) return 1;
        if (!IstVariante() || art != 0 || !haupt) {
            auto b = std::make_unique<TBauteilVersion2>();
            if (b->Lesen(in) != SatzGelesen) return 1;
            BauteilHinzufuegen(std::move(b), art);
            continue;
        }
        const int16_t nummer = in.ReadI16();
        if (!in.Ok()) return 1;
        // A number that names no component of the main project is left out.
        if (TBauteilVersion2* geteilt = haupt->BauteilNr(nummer)) Eintraege.push_back({geteilt, 0});
    }
    EintraegeOrdnen();
    return ZeilenLesen(in, n[1], Textliste1) && ZeilenLesen(in, n[2], Textliste2) ? 0 : 1;
}

TGesamtProjektVersion2::TGesamtProjektVersion2() = default;

int TGesamtProjektVersion2::Oeffnen(const std::filesystem::path& datei) {
    const FileContents inhalt = ReadWholeFile(datei);
    return inhalt.ok ? Lesen(inhalt.bytes) : VersionFehler;
}

int TGesamtProjektVersion2::Lesen(std::span<const uint8_t> bytes) {
    AktuellesProjekt = nullptr;
    Projekte.clear();
    ByteReader in(bytes);
    const int kopf = ProjektKopfPruefen(in, RegelV200);
    if (kopf != VersionGelesen) return kopf;
    int16_t anzahl;
    if (!ZaehlerLesen(in, {&anzahl, 1})) return VersionFehler;
    ByteImage bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(anzahl), 6 + TProjektVersion2::kImageSize))
        return VersionFehler;
    std::vector<std::unique_ptr<TProjektVersion2>> gelesen;
    TProjektVersion2* aktuell = nullptr;
    for (int i = 0; i < anzahl; ++i) {
        auto p = std::make_unique<TProjektVersion2>();
        if (!aktuell) aktuell = p.get();
        if (p->Lesen(in, aktuell == p.get() ? nullptr : aktuell) != 0) return VersionFehler;
        if (!p->IstVariante()) aktuell = p.get();
        gelesen.push_back(std::move(p));
    }
    Bild = std::move(bild);
    Projekte = std::move(gelesen);
    AktuellesProjekt = aktuell;
    return VersionGelesen;
}
