#include "stammwerk/modell/TPBauteil.h"

#include "platform/base/ByteStream.h"
#include "stammwerk/modell/PlatzierungsBild.h"
#include "stammwerk/modell/TRBauteil.h"

#include <cmath>
#include <memory>

TPBauteil& TPBauteil::operator=(const TPBauteil& o) {
    if (this == &o) return *this;
    // The fixed part travels through its image: every field, none forgotten.
    ByteImage image(kImageSize);
    o.WriteImage(image, 0);
    ReadImage(image, 0);
    RBauteil = o.RBauteil; // shared, not owned
    DimVolumenKopieren(Flaechenliste, o.Flaechenliste);
    TypNummernKopieren(Einbauten, o.Einbauten);
    return *this;
}

namespace {
TBauteilSchluessel schluesselVon(const TPBauteil& b) {
    return b.RBauteil ? b.RBauteil->Schluessel : TBauteilSchluessel{};
}
int16_t artVon(const TPBauteil& b) {
    return b.RBauteil ? int16_t(b.RBauteil->Bauteilart) : 0;
}
} // namespace

bool operator==(const TPBauteil& a, const TPBauteil& b) {
    if (a.Nummer != TPBauteil::KeineNummer) return a.Nummer == b.Nummer;
    return schluesselVon(a) == schluesselVon(b);
}

bool operator<(const TPBauteil& a, const TPBauteil& b) {
    if (a.Nummer == TPBauteil::KeineNummer) return schluesselVon(a) < schluesselVon(b);
    if (artVon(a) != artVon(b)) return artVon(a) < artVon(b);
    return int16_t(a.Nummer) < int16_t(b.Nummer);
}

bool PBTListCondFunc1(const TPBauteil& b, void* p) {
    return b.Nummer == *static_cast<const uint16_t*>(p);
}

namespace {
// Insulation (material group 5) in any layer of any cross-section.
bool hatDaemmung(const TRBauteil& t) {
    for (const TEinfachBauteil& e : t.Flaechenanteile)
        for (const TSchicht& s : e.Schichten)
            if (s.Schluessel.Gruppe == 5) return true;
    return false;
}
} // namespace

void TPBauteil::WSchVO(int normaleInnentemperatur) {
    if (!RBauteil) return;
    const TRBauteil& t = *RBauteil;
    Reduktionsfaktor = t.Reduktionsfaktor;
    // Uninsulated ground slab of a building with low interior temperatures:
    // the factor falls with the slab's size (WSchVO 1995 Anlage 2), A in m².
    if (t.Bauteilart == 4 && (t.Angrenzung == 4 || t.Angrenzung == 5) && !normaleInnentemperatur &&
        !hatDaemmung(t)) {
        if (Nettoflaeche >= 8000)
            Reduktionsfaktor = 0.12;
        else if (Nettoflaeche > 100)
            Reduktionsfaktor = 2.33 / std::cbrt(Nettoflaeche);
    }
    // Degree-hour factors in kKh/a: 84 normal (Anlage 1), 30 low (Anlage 2).
    Waermeverlust = Reduktionsfaktor * Nettoflaeche * t.k_m * (normaleInnentemperatur ? 84 : 30);
}

int TPBauteil::Speicherbedarf() const {
    return int((56.0 * double(Flaechenliste.GetItemsInContainer()) + kImageSize) * 1.2);
}

void TPBauteil::WriteImage(ByteImage& image, size_t off) const {
    image.SetU16(off + 0, Nummer);
    image.SetI32(off + 2, CADNummer);
    image.SetText(off + 6, kNameWidth, Name);
    image.SetText(off + 36, kZusatztextWidth, Zusatztext);
    // 47: type pointer, meaningless on disk
    image.SetU16(off + 51, RBauteilNummer);
    image.SetU16(off + 53, FassadenNummer);
    image.SetI16(off + 55, Traeger.Typ);
    image.SetI16(off + 57, Traeger.Nummer);
    image.SetU32(off + 59, Wert4);
    image.SetU16(off + 63, Merker6);
    // 65: inserted-items list pointer
    image.SetF64(off + 69, Bruttoflaeche);
    image.SetF64(off + 77, Nettoflaeche);
    // 85: area list pointer
    image.SetF64(off + 89, Reduktionsfaktor);
    image.SetF64(off + 97, Waermeverlust);
}

void TPBauteil::ReadImage(const ByteImage& image, size_t off) {
    Nummer = image.U16(off + 0);
    CADNummer = image.I32(off + 2);
    Name = image.Text(off + 6, kNameWidth);
    Zusatztext = image.Text(off + 36, kZusatztextWidth);
    RBauteilNummer = image.U16(off + 51);
    FassadenNummer = image.U16(off + 53);
    Traeger.Typ = image.I16(off + 55);
    Traeger.Nummer = image.I16(off + 57);
    Wert4 = image.U32(off + 59);
    Merker6 = image.U16(off + 63);
    Bruttoflaeche = image.F64(off + 69);
    Nettoflaeche = image.F64(off + 77);
    Reduktionsfaktor = image.F64(off + 89);
    Waermeverlust = image.F64(off + 97);
}

int TPBauteil::Oeffnen(ByteReader& in) {
    RBauteil = nullptr;
    return PlatzierungOeffnen(*this, in);
}

void TPBauteil::Speichern(ByteWriter& out) const {
    PlatzierungSpeichern(*this, out);
}
