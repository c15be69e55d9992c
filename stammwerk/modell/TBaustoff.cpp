#include "stammwerk/modell/TBaustoff.h"

#include "platform/base/ByteStream.h"

TBaustoff::TBaustoff(const TBaustoff& other) {
    copyFields(other);
    InitTextListe(&Textliste, &other.Textliste);
}

TBaustoff& TBaustoff::operator=(const TBaustoff& other) {
    if (this == &other) return *this;
    copyFields(other);
    Textliste.Flush();
    InitTextListe(&Textliste, &other.Textliste);
    return *this;
}

void TBaustoff::copyFields(const TBaustoff& o) {
    Schluessel = o.Schluessel;
    Name = o.Name;
    Rohdichte = o.Rohdichte;
    Lambda = o.Lambda;
    Mu = o.Mu;
    Zusatzwert1 = o.Zusatzwert1;
    Schichtdicke = o.Schichtdicke;
    Waermekapazitaet = o.Waermekapazitaet;
    Zusatzwert2 = o.Zusatzwert2;
    Kennzeichen = o.Kennzeichen;
    Texte = o.Texte;
    Zusatzangabe1 = o.Zusatzangabe1;
    Zusatzangabe2 = o.Zusatzangabe2;
    Zusatzangabe3 = o.Zusatzangabe3;
    Zusatzangabe4 = o.Zusatzangabe4;
    Zusatzangabe5 = o.Zusatzangabe5;
    GrafikArt = o.GrafikArt;
}

void TBaustoff::WriteImage(ByteImage& image, size_t off) const {
    Schluessel.WriteImage(image, off);
    image.SetText(off + 12, kNameWidth, Name);
    image.SetF64(off + 47, Rohdichte);
    image.SetF64(off + 55, Lambda);
    image.SetF64(off + 63, Mu);
    image.SetF64(off + 71, Zusatzwert1);
    image.SetF64(off + 79, Schichtdicke);
    image.SetF64(off + 87, Waermekapazitaet);
    image.SetF64(off + 95, Zusatzwert2);
    image.SetU16(off + 103, Kennzeichen);
    for (size_t i = 0; i < Texte.size(); ++i)
        image.SetText(off + 105 + i * kTextWidth, kTextWidth, Texte[i]);
    image.SetU32(off + kTextlisteOffset, 0); // a pointer means nothing on disk
    image.SetU16(off + 334, Zusatzangabe1);
    image.SetU32(off + 336, Zusatzangabe2);
    image.SetU32(off + 340, Zusatzangabe3);
    image.SetU16(off + 344, Zusatzangabe4);
    image.SetU16(off + 346, Zusatzangabe5);
    image.SetU16(off + 348, GrafikArt);
}

void TBaustoff::ReadImage(const ByteImage& image, size_t off) {
    Schluessel.ReadImage(image, off);
    Name = image.Text(off + 12, kNameWidth);
    Rohdichte = image.F64(off + 47);
    Lambda = image.F64(off + 55);
    Mu = image.F64(off + 63);
    Zusatzwert1 = image.F64(off + 71);
    Schichtdicke = image.F64(off + 79);
    Waermekapazitaet = image.F64(off + 87);
    Zusatzwert2 = image.F64(off + 95);
    Kennzeichen = image.U16(off + 103);
    for (size_t i = 0; i < Texte.size(); ++i)
        Texte[i] = image.Text(off + 105 + i * kTextWidth, kTextWidth);
    Zusatzangabe1 = image.U16(off + 334);
    Zusatzangabe2 = image.U32(off + 336);
    Zusatzangabe3 = image.U32(off + 340);
    Zusatzangabe4 = image.U16(off + 344);
    Zusatzangabe5 = image.U16(off + 346);
    GrafikArt = image.U16(off + 348);
}

int TBaustoff::oeffnenMitTexten(ByteReader& in, ByteImage& image) {
    Textliste.Flush();
    if (in.Remaining() < 2) return kKeinZaehler;
    const uint16_t n = in.ReadU16();
    if (in.Remaining() < image.Size()) {
        in.Fail();
        return kBildKurz;
    }
    image = in.ReadImage(image.Size());
    // The count comes from the file: lines that cannot all be there are refused.
    if (!in.CanHold(n, TTextString::kImageSize)) {
        in.Fail();
        return kTexteKurz;
    }
    return AddTextStringToList(in, n, &Textliste) ? kGelesen : kTexteKurz;
}

int TBaustoff::speichernMitTexten(ByteWriter& out, const ByteImage& image) const {
    const size_t n = Textliste.GetItemsInContainer();
    out.WriteCount(n);
    out.WriteImage(image);
    return WriteTextStringListToFile(out, int(n), &Textliste);
}

int TBaustoff::Oeffnen(ByteReader& in) {
    ByteImage image(kImageSize);
    const int r = oeffnenMitTexten(in, image);
    if (r == kKeinZaehler) return 1;
    if (r == kBildKurz) return -1;
    ReadImage(image, 0);
    return r == kGelesen ? 0 : -1;
}

int TBaustoff::Speichern(ByteWriter& out) const {
    ByteImage image(kImageSize);
    WriteImage(image, 0);
    return speichernMitTexten(out, image);
}

int TBaustoff::Speicherbedarf() const {
    return static_cast<int>(352 + TTextString::kImageSize * Textliste.GetItemsInContainer());
}

double TBaustoff::StandardWaermekapazitaet(int gruppe) {
    // J/(kg·K) per material group, as the material browser offers them.
    switch (gruppe) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 8:
    case 9:
        return 1000;
    case 5:
    case 7:
        return 1500;
    case 6:
        return 2100;
    default:
        return 0;
    }
}

void TBaustoff::VoreinstellungSpezifischeWaermekapazitaet() {
    Waermekapazitaet = StandardWaermekapazitaet(Schluessel.Gruppe);
}
