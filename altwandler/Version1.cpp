#include "altwandler/Version1.h"

#include "altwandler/Versionscodes.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TDateiKopf.h"

TBauteilVersion1::TBauteilVersion1() {
    BauteilVersion1_2Vorgabe(Bild, 0);
}

int TBauteilVersion1::Lesen(ByteReader& in) {
    Flaechenanteile.clear();
    Fenster.clear();
    Textliste.Flush();
    int16_t n[3];
    if (const int r = SatzZaehlerLesen(in, n); r != SatzGelesen) return r;
    Bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n[0]) + size_t(n[1]), 2 + TFensterVersion1_2::kImageSize))
        return SatzKurz;
    for (int i = 0; i < n[0]; ++i) {
        auto e = std::make_unique<TEinfachBauteilV2>();
        if (e->Lesen(in, TEinfachBauteilV2::kImageSizeVersion1) != SatzGelesen) return SatzKurz;
        Flaechenanteile.push_back(std::move(e));
    }
    for (int i = 0; i < n[1]; ++i) {
        auto f = std::make_unique<TFensterVersion1_2>();
        if (f->Lesen(in) != SatzGelesen) return SatzKurz;
        Fenster.push_back(std::move(f));
    }
    return ZeilenLesen(in, n[2], Textliste) ? SatzGelesen : SatzKurz;
}

TProjektVersion1::TProjektVersion1() {
    Bild.SetF64(80, 2.0);
    for (size_t off : {100, 102, 104, 120}) Bild.SetI16(off, 1);
    KlimaVersion1_2Vorgabe(Bild, 122);
}

int TProjektVersion1::Oeffnen(const std::filesystem::path& datei) {
    const FileContents inhalt = ReadWholeFile(datei);
    if (!inhalt.ok) return VersionFehler;
    const int code = Lesen(inhalt.bytes);
    if (code == VersionGelesen) Bild.SetText(0, 80, datei.string());
    return code;
}

int TProjektVersion1::Lesen(std::span<const uint8_t> bytes) {
    Bauteile.clear();
    Textliste.Flush();
    ByteReader in(bytes);
    const int kopf = ProjektKopfPruefen(in, RegelV100);
    if (kopf != VersionGelesen) return kopf;
    int16_t n[2];
    if (!ZaehlerLesen(in, n)) return VersionFehler;
    ByteImage bild = in.ReadImage(kImageSize);
    if (!in.Ok() || !in.CanHold(size_t(n[0]), 6 + TBauteilVersion1::kImageSize))
        return VersionFehler;
    std::vector<std::unique_ptr<TBauteilVersion1>> bauteile;
    for (int i = 0; i < n[0]; ++i) {
        auto b = std::make_unique<TBauteilVersion1>();
        if (b->Lesen(in) != SatzGelesen) return VersionFehler;
        bauteile.push_back(std::move(b));
    }
    TTextListe zeilen;
    if (!ZeilenLesen(in, n[1], zeilen)) return VersionFehler;
    Bild = std::move(bild);
    Bauteile = std::move(bauteile);
    InitTextListe(&Textliste, &zeilen);
    return VersionGelesen;
}
