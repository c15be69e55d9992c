#include "stammwerk/modell/TDateiKopf.h"

#include "platform/base/ByteStream.h"

#include <cstring>
#include <initializer_list>
#include <string_view>

namespace {

constexpr size_t OffsetHersteller = 0;
constexpr size_t OffsetKennung = 50;
constexpr size_t OffsetVersion = 80;
constexpr size_t OffsetDateityp = 90;
constexpr size_t OffsetFreitext = 92;

constexpr std::string_view MeinHersteller = "QTX Datentechnik Weidenfeld";
constexpr std::string_view MeineKennung = "Viroruvizaru 95";

bool beginntMit(const ByteImage& image, size_t off, std::string_view text) {
    return std::memcmp(image.Data() + off, text.data(), text.size()) == 0;
}

// Only the first four characters count: "6.00x" is "6.00".
bool versionZugelassen(const ByteImage& image, int regel) {
    auto eine = [&](std::initializer_list<std::string_view> texte) {
        for (auto t : texte)
            if (beginntMit(image, OffsetVersion, t)) return true;
        return false;
    };
    switch (regel) {
    case RegelV100:
        return eine({"1.00"});
    case RegelV200:
        return eine({"2.00"});
    case RegelV100oderV200:
        return eine({"1.00", "2.00"});
    case RegelV300:
        return eine({"3.00"});
    case RegelV400:
        return eine({"4.00"});
    case RegelV500:
        return eine({"5.00"});
    case RegelV400oderV500:
        return eine({"4.00", "5.00"});
    case RegelV600:
        return eine({"6.00"});
    case RegelV400bisV600:
        return eine({"4.00", "5.00", "6.00"});
    case RegelV500oderV600:
        return eine({"5.00", "6.00"});
    default:
        return true; // 0, 6 and every other value: no version test
    }
}

} // namespace

TDateiKopf::TDateiKopf() = default;

void TDateiKopf::Schreiben(ByteWriter& out) const {
    ByteImage image(kImageSize);
    image.SetText(OffsetHersteller, 50, Hersteller);
    image.SetText(OffsetKennung, 30, Kennung);
    image.SetText(OffsetVersion, 10, Version);
    image.SetI16(OffsetDateityp, Dateityp);
    image.SetU8(OffsetFreitext, 0);
    out.WriteImage(image);
}

int TDateiKopf::Lesen(ByteReader& in, int dateityp, int versionsRegel) {
    if (in.Remaining() < kImageSize) {
        in.Skip(in.Remaining());
        return 0;
    }
    const ByteImage image = in.ReadImage(kImageSize);
    Hersteller = image.Text(OffsetHersteller, 50);
    Kennung = image.Text(OffsetKennung, 30);
    Version = image.RawText(OffsetVersion, 4);
    Dateityp = image.I16(OffsetDateityp);
    if (!beginntMit(image, OffsetHersteller, MeinHersteller)) return 0;
    if (!beginntMit(image, OffsetKennung, MeineKennung)) return 0;
    if (Dateityp != dateityp) return 0;
    return versionZugelassen(image, versionsRegel) ? 1 : -1;
}

int ProjektVersionsCode(const std::string& version) {
    const std::string_view v = std::string_view(version).substr(0, 4);
    if (v == "1.00") return 2;
    if (v == "2.00") return 3;
    if (v == "3.00") return 4;
    if (v == "4.00") return 5;
    if (v == "5.00") return 6;
    return 1;
}
