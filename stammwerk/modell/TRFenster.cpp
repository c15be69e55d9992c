#include "stammwerk/modell/TRFenster.h"

#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TDateiKopf.h"

#include <memory>
#include <system_error>

TRFenster& TRFenster::operator=(const TRFenster& o) {
    if (this == &o) return *this;
    // The fixed part travels through its image: every field, none forgotten.
    ByteImage image(kImageSize);
    o.WriteImage(image, 0);
    ReadImage(image, 0);
    Textliste.Flush();
    InitTextListe(&Textliste, &o.Textliste);
    TypNummernKopieren(PFensterListe, o.PFensterListe);
    WerteErsetzt = o.WerteErsetzt;
    return *this;
}

bool operator==(const TRFenster& a, const TRFenster& b) {
    if (a.Nummer != TRFenster::KeineNummer) return a.Nummer == b.Nummer;
    return a.Schluessel == b.Schluessel;
}

bool operator<(const TRFenster& a, const TRFenster& b) {
    if (a.Nummer != TRFenster::KeineNummer) return int16_t(a.Nummer) < int16_t(b.Nummer);
    return a.Schluessel < b.Schluessel;
}

bool RFensterListCondFunc1(const TRFenster& t, void* p) {
    return t.Nummer == *static_cast<const uint16_t*>(p);
}

double TRFenster::Rechen_k_F(int baumassnahme, int normaleInnentemperatur) const {
    constexpr double kEinfachverglasung = 5.2; // W/(m²K), WSchVO 1995 Anlage 2
    if (baumassnahme != 2 && !normaleInnentemperatur && Einfachverglasung &&
        k_F < kEinfachverglasung)
        return kEinfachverglasung;
    return k_F;
}

int TRFenster::GetIndexPFenster(int n) const {
    return TypNummerIndexNachNummer(PFensterListe, n);
}

int TRFenster::Speicherbedarf() const {
    return int((131.0 * double(Textliste.GetItemsInContainer()) + kImageSize + 2) * 1.2);
}

void TRFenster::WriteImage(ByteImage& image, size_t off) const {
    Schluessel.WriteImage(image, off);
    image.SetText(off + 12, kNameWidth, Name);
    image.SetText(off + 42, kNameWidth, Zusatzname);
    image.SetU16(off + 72, Nummer);
    // 74: reference list pointer, meaningless on disk
    image.SetF64(off + 78, g);
    image.SetF64(off + 86, a);
    image.SetU16(off + 94, Einfachverglasung);
    image.SetU16(off + 96, EinfachverglasungAusnahme);
    image.SetU16(off + 98, Merker8);
    image.SetU16(off + 100, Merker9);
    image.SetF64(off + 102, Rahmenanteil);
    image.SetF64(off + 110, Wert6);
    image.SetF64(off + 118, Wert7);
    image.SetU16(off + 126, Merker10);
    image.SetF64(off + 128, Wert8);
    image.SetU16(off + 136, Merker11);
    for (size_t i = 0; i < Textzeilen.size(); ++i)
        image.SetText(off + 138 + i * kZeilenWidth, kZeilenWidth, Textzeilen[i]);
    image.SetU16(off + 363, Merker12);
    image.SetU16(off + 365, Merker13);
    image.SetU16(off + 367, Merker14);
    // 369: text list pointer
    image.SetF64(off + 373, k_F);
}

void TRFenster::ReadImage(const ByteImage& image, size_t off) {
    Schluessel.ReadImage(image, off);
    Name = image.Text(off + 12, kNameWidth);
    Zusatzname = image.Text(off + 42, kNameWidth);
    Nummer = image.U16(off + 72);
    g = image.F64(off + 78);
    a = image.F64(off + 86);
    Einfachverglasung = image.U16(off + 94);
    EinfachverglasungAusnahme = image.U16(off + 96);
    Merker8 = image.U16(off + 98);
    Merker9 = image.U16(off + 100);
    Rahmenanteil = image.F64(off + 102);
    Wert6 = image.F64(off + 110);
    Wert7 = image.F64(off + 118);
    Merker10 = image.U16(off + 126);
    Wert8 = image.F64(off + 128);
    Merker11 = image.U16(off + 136);
    for (size_t i = 0; i < Textzeilen.size(); ++i)
        Textzeilen[i] = image.Text(off + 138 + i * kZeilenWidth, kZeilenWidth);
    Merker12 = image.U16(off + 363);
    Merker13 = image.U16(off + 365);
    Merker14 = image.U16(off + 367);
    k_F = image.F64(off + 373);
}

int TRFenster::Oeffnen(ByteReader& in) {
    Textliste.Flush();
    PFensterListe.Flush();
    if (in.Remaining() < 2) return 1;
    const uint16_t nTexte = in.ReadU16();
    const uint16_t nRefs = in.ReadU16();
    const ByteImage image = in.ReadImage(kImageSize);
    if (!in.Ok()) return -1;
    ReadImage(image, 0);
    if (!in.CanHold(nTexte, TTextString::kImageSize)) return -1;
    if (!AddTextStringToList(in, nTexte, &Textliste)) return -1;
    if (!TypNummernLesen(in, nRefs, PFensterListe)) return -1;
    return 0;
}

void TRFenster::Speichern(ByteWriter& out) const {
    out.WriteCount(Textliste.GetItemsInContainer());
    out.WriteCount(PFensterListe.GetItemsInContainer());
    ByteImage image(kImageSize);
    WriteImage(image, 0);
    out.WriteImage(image);
    WriteTextStringListToFile(out, int(Textliste.GetItemsInContainer()), &Textliste);
    TypNummernSchreiben(out, PFensterListe);
}

int TRFenster::Oeffnen(const TFensterSchluessel& key, const std::filesystem::path& pfad) {
    if (key.Katalog > 2) return 0; // no catalogue of that number
    std::error_code ec;
    if (!std::filesystem::exists(pfad, ec)) return 0;
    const auto datei = ReadWholeFile(pfad);
    if (!datei.ok) return -1;
    return Oeffnen(key, datei.bytes);
}

int TRFenster::Oeffnen(const TFensterSchluessel& key, std::span<const uint8_t> datei) {
    if (key.Katalog > 2) return 0; // no catalogue of that number
    const int art = DateiTypFensterDIN + key.Katalog;
    ByteReader in(datei);
    TDateiKopf kopf;
    if (kopf.Lesen(in, art, RegelV400bisV600) != 1) return -1;
    in.Skip(4); // last record number
    while (in.Ok()) {
        if (Oeffnen(in) != 0) return 0;
        if (Schluessel == key) return 1;
    }
    return 0;
}
