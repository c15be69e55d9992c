#include "stammwerk/modell/Ort.h"

#include "platform/base/ByteStream.h"
#include "stammwerk/modell/Bildtext.h"

namespace {
constexpr size_t NamensBreite = 40;
int namenVergleich(const std::string& a, const std::string& b) {
    return VergleicheTextAnfang(a, b, NamensBreite);
}
} // namespace

void TOrt::Schreiben(ByteWriter& out) const {
    SchreibeText(out, Name, NamensBreite);
    out.WriteF64(Gradtagzahl);
    out.WriteI16(Quelle);
}

void TOrt::Lesen(ByteReader& in) {
    Name = LeseText(in, NamensBreite);
    Gradtagzahl = in.ReadF64();
    Quelle = in.ReadI16();
}

void TBrennstoff::Schreiben(ByteWriter& out) const {
    SchreibeText(out, Name, NamensBreite);
    out.WriteF64(Heizwert);
    out.WriteF64(Brennwert);
    SchreibeText(out, Einheit, 15);
    out.WriteF64(Preis);
    out.WriteF64(CO2);
    out.WriteI16(Quelle);
}

void TBrennstoff::Lesen(ByteReader& in) {
    Name = LeseText(in, NamensBreite);
    Heizwert = in.ReadF64();
    Brennwert = in.ReadF64();
    Einheit = LeseText(in, 15);
    Preis = in.ReadF64();
    CO2 = in.ReadF64();
    Quelle = in.ReadI16();
}

bool operator<(const TOrt& a, const TOrt& b) {
    return namenVergleich(a.Name, b.Name) < 0;
}
bool operator==(const TOrt& a, const TOrt& b) {
    return namenVergleich(a.Name, b.Name) == 0;
}
bool operator<(const TBrennstoff& a, const TBrennstoff& b) {
    return namenVergleich(a.Name, b.Name) < 0;
}
bool operator==(const TBrennstoff& a, const TBrennstoff& b) {
    return namenVergleich(a.Name, b.Name) == 0;
}
