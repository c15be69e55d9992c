#include "stammwerk/modell/TSchicht.h"

#include "platform/base/ByteStream.h"

namespace {
template <size_t N>
void setDoubles(ByteImage& image, size_t off, const std::array<double, N>& v) {
    for (size_t i = 0; i < N; ++i) image.SetF64(off + 8 * i, v[i]);
}
template <size_t N>
void getDoubles(const ByteImage& image, size_t off, std::array<double, N>& v) {
    for (size_t i = 0; i < N; ++i) v[i] = image.F64(off + 8 * i);
}
} // namespace

void TSchicht::WriteImage(ByteImage& image, size_t off) const {
    TBaustoff::WriteImage(image, off);
    setDoubles(image, off + 350, Temperatur);
    setDoubles(image, off + 366, ThetaVerlauf);
    setDoubles(image, off + 390, Saettigungsdampfdruck);
    setDoubles(image, off + 406, Dampfdruck);
    image.SetF64(off + 422, mu);
    image.SetU16(off + 430, muZweiterWert);
    image.SetF64(off + 432, sdWert);
    image.SetF64(off + 440, sdBisAussen);
    image.SetF64(off + 448, sdTaupunkt);
    setDoubles(image, off + 456, DiffusionsstromEin);
    setDoubles(image, off + 472, DiffusionsstromAus);
    setDoubles(image, off + 488, Tauwassermenge);
    image.SetF64(off + 504, Verdunstungsmenge);
    image.SetF64(off + 512, VerdunstungsdauerInnen);
    image.SetF64(off + 520, VerdunstungsdauerAussen);
    image.SetI16(off + 528, TaupunktMarke[0]);
    image.SetI16(off + 530, TaupunktMarke[1]);
    image.SetF64(off + 532, Flaechenmasse);
    image.SetI16(off + 540, Nummer);
    image.SetU16(off + 542, Speicherart);
    image.SetF64(off + 544, R);
    image.SetF64(off + 552, Eindringkoeffizient);
    image.SetF64(off + 560, Periodenkennwert);
    image.SetF64(off + 568, ChCos);
    image.SetF64(off + 576, ShSin);
    image.SetF64(off + 584, ChSinPlusShCos);
    image.SetF64(off + 592, ChSinMinusShCos);
}

void TSchicht::ReadImage(const ByteImage& image, size_t off) {
    TBaustoff::ReadImage(image, off);
    getDoubles(image, off + 350, Temperatur);
    getDoubles(image, off + 366, ThetaVerlauf);
    getDoubles(image, off + 390, Saettigungsdampfdruck);
    getDoubles(image, off + 406, Dampfdruck);
    mu = image.F64(off + 422);
    muZweiterWert = image.U16(off + 430);
    sdWert = image.F64(off + 432);
    sdBisAussen = image.F64(off + 440);
    sdTaupunkt = image.F64(off + 448);
    getDoubles(image, off + 456, DiffusionsstromEin);
    getDoubles(image, off + 472, DiffusionsstromAus);
    getDoubles(image, off + 488, Tauwassermenge);
    Verdunstungsmenge = image.F64(off + 504);
    VerdunstungsdauerInnen = image.F64(off + 512);
    VerdunstungsdauerAussen = image.F64(off + 520);
    TaupunktMarke[0] = image.I16(off + 528);
    TaupunktMarke[1] = image.I16(off + 530);
    Flaechenmasse = image.F64(off + 532);
    Nummer = image.I16(off + 540);
    Speicherart = image.U16(off + 542);
    R = image.F64(off + 544);
    Eindringkoeffizient = image.F64(off + 552);
    Periodenkennwert = image.F64(off + 560);
    ChCos = image.F64(off + 568);
    ShSin = image.F64(off + 576);
    ChSinPlusShCos = image.F64(off + 584);
    ChSinMinusShCos = image.F64(off + 592);
}

int TSchicht::Oeffnen(ByteReader& in) {
    ByteImage image(kImageSize);
    const int r = oeffnenMitTexten(in, image);
    if (r == kKeinZaehler || r == kBildKurz) return 0;
    ReadImage(image, 0);
    return r == kGelesen ? 1 : 0;
}

int TSchicht::Speichern(ByteWriter& out) const {
    ByteImage image(kImageSize);
    WriteImage(image, 0);
    return speichernMitTexten(out, image);
}

int TSchicht::Speicherbedarf() const {
    const double bytes = 602.0 + 131.0 * static_cast<double>(Textliste.GetItemsInContainer());
    return static_cast<int>(bytes * 1.1);
}

bool SchichtListCondFunc1(const TSchicht& s, void* p) {
    return static_cast<uint16_t>(s.Nummer) == *static_cast<const uint16_t*>(p);
}
