#include "stammwerk/modell/TEinfachBauteil.h"

#include "platform/base/ByteStream.h"

#include <memory>
#include <string>
#include <string_view>

TEinfachBauteil::TEinfachBauteil(const TEinfachBauteil& other) : Grafik(other.Grafik) {
    copyFields(other);
    for (const TSchicht& s : other.Schichten) Schichten.Add(s);
}

TEinfachBauteil& TEinfachBauteil::operator=(const TEinfachBauteil& other) {
    if (this == &other) return *this;
    copyFields(other);
    Schichten.Flush();
    for (const TSchicht& s : other.Schichten) Schichten.Add(s);
    Grafik = other.Grafik;
    return *this;
}

void TEinfachBauteil::copyFields(const TEinfachBauteil& o) {
    // The numbers go through the image (exact for every field); the texts and
    // the outer-surface record are copied as they are, so nothing is cut.
    ByteImage image(kImageSize);
    o.WriteImage(image, 0);
    ReadImage(image, 0);
    Name = o.Name;
    Beschreibung = o.Beschreibung;
    Aussenoberflaeche = o.Aussenoberflaeche;
}

std::string TEinfachBauteil::Bereichstitel() const {
    constexpr std::string_view wort = "Bereich";
    const bool hatWort =
        Name.starts_with(wort) && (Name.size() == wort.size() || Name[wort.size()] == ' ');
    return hatWort ? Name : std::string(wort) + " " + Name;
}

void TEinfachBauteil::WriteImage(ByteImage& image, size_t off) const {
    image.SetText(off + 0, kNameWidth, Name);
    image.SetI16(off + 30, Nummer);
    image.SetU32(off + 32, 0); // drawing pointer
    image.SetU16(off + 36, FeuchteErfuellt);
    image.SetU16(off + 38, TauwassergrenzeAusgenommen);
    image.SetText(off + 40, kBeschreibungWidth, Beschreibung);
    image.SetU16(off + 90, FlaechenheizungStatus);
    image.SetU16(off + 92, RolladenkastenStatus);
    image.SetU32(off + 94, 0); // layer list pointer
    Aussenoberflaeche.WriteImage(image, off + 98);
    image.SetF64(off + 698, Flaechenanteil);
    image.SetU16(off + 706, kWertVorgegeben);
    image.SetU16(off + 708, Heizschicht);
    image.SetF64(off + 710, k_Wert);
    image.SetF64(off + 718, k_Heizung);
    image.SetF64(off + 726, k_Wert_vorBegrenzung);
    image.SetF64(off + 734, sd_Summe);
    Diffusion.WriteImage(image, off + 742);
    Taupunkt.WriteImage(image, off + 788);
    image.SetF64(off + 1004, Gesamtdicke);
    image.SetU16(off + 1012, Tabelle2Markierung);
    image.SetF64(off + 1014, Flaechenmasse);
    image.SetI16(off + 1022, Abbruchschicht);
    image.SetF64(off + 1024, k_max_Tab2);
    image.SetF64(off + 1032, k_reduziert);
    image.SetU16(off + 1040, Tabelle2Erfuellt);
    image.SetU16(off + 1042, TauwasserInVerdunstungsperiode);
    image.SetF64(off + 1044, Delta_k);
    image.SetU16(off + 1052, SpeicherGueltig);
    image.SetF64(off + 1054, Y12);
    image.SetF64(off + 1062, Daempfung);
    image.SetF64(off + 1070, Phasenverschiebung);
    image.SetF64(off + 1078, DaempfungAussen);
    image.SetF64(off + 1086, PhasenverschiebungAussen);
    image.SetF64(off + 1094, ThetaSi);
    image.SetF64(off + 1102, ThetaSiMin);
    image.SetF64(off + 1110, phi_krit);
    image.SetF64(off + 1118, phi_krit_belastet);
    image.SetU16(off + 1126, EBMerker4);
    image.SetF64(off + 1128, Oberflaechentauwasser_belastet);
}

void TEinfachBauteil::ReadImage(const ByteImage& image, size_t off) {
    Name = image.Text(off + 0, kNameWidth);
    Nummer = image.I16(off + 30);
    FeuchteErfuellt = image.U16(off + 36);
    TauwassergrenzeAusgenommen = image.U16(off + 38);
    Beschreibung = image.Text(off + 40, kBeschreibungWidth);
    FlaechenheizungStatus = image.U16(off + 90);
    RolladenkastenStatus = image.U16(off + 92);
    Aussenoberflaeche.ReadImage(image, off + 98);
    Flaechenanteil = image.F64(off + 698);
    kWertVorgegeben = image.U16(off + 706);
    Heizschicht = image.U16(off + 708);
    k_Wert = image.F64(off + 710);
    k_Heizung = image.F64(off + 718);
    k_Wert_vorBegrenzung = image.F64(off + 726);
    sd_Summe = image.F64(off + 734);
    Diffusion.ReadImage(image, off + 742);
    Taupunkt.ReadImage(image, off + 788);
    Gesamtdicke = image.F64(off + 1004);
    Tabelle2Markierung = image.U16(off + 1012);
    Flaechenmasse = image.F64(off + 1014);
    Abbruchschicht = image.I16(off + 1022);
    k_max_Tab2 = image.F64(off + 1024);
    k_reduziert = image.F64(off + 1032);
    Tabelle2Erfuellt = image.U16(off + 1040);
    TauwasserInVerdunstungsperiode = image.U16(off + 1042);
    Delta_k = image.F64(off + 1044);
    SpeicherGueltig = image.U16(off + 1052);
    Y12 = image.F64(off + 1054);
    Daempfung = image.F64(off + 1062);
    Phasenverschiebung = image.F64(off + 1070);
    DaempfungAussen = image.F64(off + 1078);
    PhasenverschiebungAussen = image.F64(off + 1086);
    ThetaSi = image.F64(off + 1094);
    ThetaSiMin = image.F64(off + 1102);
    phi_krit = image.F64(off + 1110);
    phi_krit_belastet = image.F64(off + 1118);
    EBMerker4 = image.U16(off + 1126);
    Oberflaechentauwasser_belastet = image.F64(off + 1128);
}

bool TEinfachBauteil::Oeffnen(ByteReader& in) {
    Schichten.Flush();
    if (in.Remaining() < 2) return false;
    const uint16_t m = in.ReadU16();
    if (in.Remaining() < kImageSize) return false;
    ReadImage(in.ReadImage(kImageSize), 0);
    // The layer count comes from the file: refuse it before reading when the
    // layers cannot all be there.
    if (!in.CanHold(m, 2 + TSchicht::kImageSize)) {
        in.Fail();
        return false;
    }
    for (uint16_t i = 0; i < m; ++i) {
        auto s = std::make_unique<TSchicht>();
        if (!s->Oeffnen(in)) {
            Schichten.Flush(); // no half cross-section
            return false;
        }
        Schichten.Add(std::move(s));
    }
    return true;
}

bool TEinfachBauteil::Speichern(ByteWriter& out) const {
    out.WriteCount(Schichten.GetItemsInContainer());
    ByteImage image(kImageSize);
    WriteImage(image, 0);
    out.WriteImage(image);
    for (const TSchicht& s : Schichten) s.Speichern(out);
    return true;
}

int TEinfachBauteil::Speicherbedarf() const {
    double bytes = kImageSize + 2;
    for (const TSchicht& s : Schichten) bytes += s.Speicherbedarf();
    return static_cast<int>(bytes * 1.2);
}

TSchicht* TEinfachBauteil::SchichtNr(int n) {
    return Schichten.FirstThat([n](const TSchicht& s) { return s.Nummer == n; });
}

void TEinfachBauteil::SchichtAendern(short n, const TBaustoff* b) {
    if (n < 0 || n >= AnzahlSchichten() || !b) return;
    if (TSchicht* s = SchichtNr(n)) static_cast<TBaustoff&>(*s) = *b;
}

void TEinfachBauteil::SchichtHinzufuegen(short n, const TBaustoff* b) {
    const int count = AnzahlSchichten();
    if (n < -1 || n >= count) return;
    for (int i = count - 1; i >= n + 1; --i)
        if (TSchicht* s = SchichtNr(i)) s->Nummer = static_cast<int16_t>(i + 1);
    auto neu = std::make_unique<TSchicht>();
    neu->Nummer = static_cast<int16_t>(n + 1);
    Schichten.Add(std::move(neu));
    SchichtAendern(static_cast<short>(n + 1), b);
}

void TEinfachBauteil::SchichtLoeschen(short n) {
    const int count = AnzahlSchichten();
    if (n < 0 || n >= count) return;
    Schichten.Detach([n](const TSchicht& s) { return s.Nummer == n; });
    for (int i = n + 1; i < count; ++i)
        if (TSchicht* s = SchichtNr(i)) s->Nummer = static_cast<int16_t>(i - 1);
}

bool TEinfachBauteil::TemperaturVerlaufAnzeigenMoeglich() const {
    return kWertVorgegeben == 0 && !Schichten.IsEmpty();
}

bool EBListCondFunc1(const TEinfachBauteil& e, void* p) {
    return static_cast<uint16_t>(e.Nummer) == *static_cast<const uint16_t*>(p);
}

void EBListIterFunc1(TEinfachBauteil& e, void* p) {
    if (e.Nummer > *static_cast<const int*>(p)) --e.Nummer;
}
