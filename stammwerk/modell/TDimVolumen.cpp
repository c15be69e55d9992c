#include "stammwerk/modell/TDimVolumen.h"

#include "platform/base/ByteStream.h"

#include <memory>

TDimVolumen& TDimVolumen::operator=(const TDimVolumen& o) {
    if (this == &o) return *this;
    Name = o.Name;
    Wert3 = o.Wert3;
    Nummer = o.Nummer;
    Wert = o.Wert;
    Formelmodus = o.Formelmodus;
    Rechenoption = o.Rechenoption;
    Textliste1.Flush();
    Formelliste.Flush();
    InitTextListe(&Textliste1, &o.Textliste1);
    InitTextListe(&Formelliste, &o.Formelliste);
    return *this;
}

void TDimVolumen::WriteImage(ByteImage& image, size_t off) const {
    image.SetText(off, kNameWidth, Name);
    image.SetU32(off + 30, Wert3);
    image.SetU16(off + 34, Nummer);
    image.SetF64(off + 36, Wert);
    image.SetU16(off + 44, Formelmodus);
    image.SetU16(off + 46, Rechenoption);
    // 48..55: the two list pointers, meaningless on disk
}

void TDimVolumen::ReadImage(const ByteImage& image, size_t off) {
    Name = image.Text(off, kNameWidth);
    Wert3 = image.U32(off + 30);
    Nummer = image.U16(off + 34);
    Wert = image.F64(off + 36);
    Formelmodus = image.U16(off + 44);
    Rechenoption = image.U16(off + 46);
}

bool TDimVolumen::Oeffnen(ByteReader& in) {
    Textliste1.Flush();
    Formelliste.Flush();
    const uint16_t n1 = in.ReadU16();
    const uint16_t n2 = in.ReadU16();
    const ByteImage image = in.ReadImage(kImageSize);
    if (!in.Ok()) return false;
    ReadImage(image, 0);
    if (!in.CanHold(size_t(n1) + n2, TTextString::kImageSize)) {
        in.Fail();
        return false;
    }
    return AddTextStringToList(in, n1, &Textliste1) && AddTextStringToList(in, n2, &Formelliste);
}

void TDimVolumen::Speichern(ByteWriter& out) const {
    // A count beyond its field fails the writer, and the save is refused.
    const auto n1 = Textliste1.GetItemsInContainer();
    const auto n2 = Formelliste.GetItemsInContainer();
    out.WriteCount(n1);
    out.WriteCount(n2);
    ByteImage image(kImageSize);
    WriteImage(image, 0);
    out.WriteImage(image);
    WriteTextStringListToFile(out, int(n1), &Textliste1);
    WriteTextStringListToFile(out, int(n2), &Formelliste);
}

bool DimVolumenLesen(ByteReader& in, int count, TDimVolumenListe& list) {
    // Each entry takes at least its two counts and its image.
    if (count < 0 || !in.CanHold(size_t(count), 4 + TDimVolumen::kImageSize)) {
        in.Fail();
        return false;
    }
    for (int i = 0; i < count; ++i) {
        auto d = std::make_unique<TDimVolumen>();
        if (!d->Oeffnen(in)) return false;
        list.AddAfterEquals(std::move(d));
    }
    return true;
}

void DimVolumenKopieren(TDimVolumenListe& ziel, const TDimVolumenListe& quelle) {
    ziel.Flush();
    for (const TDimVolumen& d : quelle) ziel.AddAfterEquals(std::make_unique<TDimVolumen>(d));
}
