#include "stammwerk/modell/Heizsystem.h"

#include "platform/base/ByteStream.h"
#include "stammwerk/modell/Bildtext.h"

#include <array>

void THeizsystem::PreisBerechnen() {
    const double e = Heizwertbezug != 0 ? Brennstoff.Heizwert : Brennstoff.Brennwert;
    if (e > 0 && Wirkungsgrad > 0)
        Waermepreis = Brennstoff.Preis / e / Wirkungsgrad * 100;
    else
        Waermepreis = 100000.0;
}

void THeizsystem::Schreiben(ByteWriter& out) const {
    SchreibeText(out, Name, 50);
    out.WriteI16(Heizwertbezug);
    out.WriteF64(Wirkungsgrad);
    Brennstoff.Schreiben(out);
    out.WriteF64(Waermepreis);
}

void THeizsystem::Lesen(ByteReader& in) {
    Name = LeseText(in, 50);
    Heizwertbezug = in.ReadI16();
    Wirkungsgrad = in.ReadF64();
    Brennstoff.Lesen(in);
    Waermepreis = in.ReadF64();
}

void TWarmwasserbedarf::Schreiben(ByteWriter& out) const {
    out.WriteI16(ImVerbrauch);
    out.WriteF64(Warmwassertemperatur);
    out.WriteF64(Kaltwassertemperatur);
    out.WriteF64(LiterProTag);
}

void TWarmwasserbedarf::Lesen(ByteReader& in) {
    ImVerbrauch = in.ReadI16();
    Warmwassertemperatur = in.ReadF64();
    Kaltwassertemperatur = in.ReadF64();
    LiterProTag = in.ReadF64();
}

namespace {
// The fifteen doubles in their file order.
template <class J>
auto felder(J& j) {
    return std::array{&j.Q_T_Ort,     &j.Q_H_Ort,         &j.Q_Heizung,
                      &j.Q_Heizung_A, &j.Brennstoffmenge, &j.Brennstoffmenge_A,
                      &j.Kosten,      &j.Kosten_A,        &j.CO2,
                      &j.CO2_A,       &j.Q_Warmwasser,    &j.Brennstoffmenge_WW,
                      &j.Kosten_WW,   &j.CO2_WW,          &j.Bezugsflaeche};
}
} // namespace

void TJahresverbrauch::Schreiben(ByteWriter& out) const {
    for (const double* f : felder(*this)) out.WriteF64(*f);
}

void TJahresverbrauch::Lesen(ByteReader& in) {
    for (double* f : felder(*this)) *f = in.ReadF64();
}
