#include "stammwerk/modell/TPFenster.h"

#include "platform/base/ByteStream.h"
#include "stammwerk/modell/PlatzierungsBild.h"
#include "stammwerk/modell/TRFenster.h"

#include <memory>

TPFenster& TPFenster::operator=(const TPFenster& o) {
    if (this == &o) return *this;
    // The fixed part travels through its image: every field, none forgotten.
    ByteImage image(kImageSize);
    o.WriteImage(image, 0);
    ReadImage(image, 0);
    RFenster = o.RFenster; // shared, not owned
    DimVolumenKopieren(Flaechenliste, o.Flaechenliste);
    TypNummernKopieren(Einbauten, o.Einbauten);
    return *this;
}

namespace {
TFensterSchluessel schluesselVon(const TPFenster& f) {
    return f.RFenster ? f.RFenster->Schluessel : TFensterSchluessel{};
}
} // namespace

bool operator==(const TPFenster& a, const TPFenster& b) {
    if (a.Nummer != TPFenster::KeineNummer) return a.Nummer == b.Nummer;
    return schluesselVon(a) == schluesselVon(b);
}

bool operator<(const TPFenster& a, const TPFenster& b) {
    if (a.Nummer != TPFenster::KeineNummer) return int16_t(a.Nummer) < int16_t(b.Nummer);
    return schluesselVon(a) < schluesselVon(b);
}

bool PFensterListCondFunc1(const TPFenster& f, void* p) {
    return f.Nummer == *static_cast<const uint16_t*>(p);
}

int TPFenster::EffektiveOrientierung(int westAnsatz) const {
    if (westAnsatz || Orientierung > Horizontal) return West;
    return Orientierung;
}

double TPFenster::Effektiver_k_F(int baumassnahme, int normaleInnentemperatur) const {
    return RFenster ? RFenster->Rechen_k_F(baumassnahme, normaleInnentemperatur) : 0;
}

TPFenster::TSolarwerte TPFenster::Solarwerte(int westAnsatz) const {
    if (Verschattung > 0.5) return {0.95, 160}; // shaded over half
    if (Neigung < 15) return {1.65, 275};       // near-horizontal glazing, degrees
    switch (EffektiveOrientierung(westAnsatz)) {
    case Nord:
        return {0.95, 160};
    case Sued:
        return {2.40, 400};
    default:
        return {1.65, 275};
    }
}

void TPFenster::Berechnen(int baumassnahme, int normaleInnentemperatur, int westAnsatz,
                          int zusatzpruefung, double Fugenkoeffizient_max) {
    if (!RFenster) return;
    const TRFenster& typ = *RFenster;

    const auto [S, I] = Solarwerte(westAnsatz);

    EinfachverglasungErfuellt = 1;
    if (baumassnahme != 2 && typ.Einfachverglasung) {
        if (!normaleInnentemperatur) {
            if (zusatzpruefung) EinfachverglasungErfuellt = 0;
        } else if (!typ.EinfachverglasungAusnahme) {
            EinfachverglasungErfuellt = 0;
        }
    }
    const double kF = Effektiver_k_F(baumassnahme, normaleInnentemperatur);

    // A frame share above 40 % gets no solar credit. 0.46: reduction factor of
    // the solar gains Q_S = 0.46 · I · g · A (WSchVO 1995 Anlage 1).
    if (typ.Rahmenanteil > 40) {
        k_eq_F = kF;
        Q_S_angerechnet = 0;
    } else {
        k_eq_F = kF - typ.g * S;
        Q_S_angerechnet = I * 0.46 * typ.g * Nettoflaeche;
    }
    // Degree-hour factors in kKh/a: 84 normal (WSchVO 1995 Anlage 1), 30 low
    // interior temperatures (Anlage 2).
    Q_T = kF * (normaleInnentemperatur ? 84 : 30) * Nettoflaeche;

    switch (Glasvorbau) {
    case 0:
        Glasvorbaufaktor = 0.7;
        break;
    case 1:
        Glasvorbaufaktor = 0.6;
        break;
    case 2:
        Glasvorbaufaktor = 0.5;
        break;
    default:
        Glasvorbaufaktor = 1.0;
        break;
    }
    Q_S_angerechnet *= Glasvorbaufaktor;
    Q_T *= Glasvorbaufaktor;
    k_eq_F *= Glasvorbaufaktor;

    HeizkoerperStatus = 0;
    if (Heizkoerper > 0 && baumassnahme != 2) {
        if (kF <= 1.5)
            HeizkoerperStatus = Heizkoerper == 2 ? 0 : 2;
        else
            HeizkoerperStatus = Heizkoerper == 2 ? 1 : 3;
    }
    FugendurchlassErfuellt = Fugenkoeffizient_max < typ.a ? 0 : 1;
    Flaeche_angerechnet = Nettoflaeche;
    Q_S_voll = Q_S_angerechnet;
}

int TPFenster::Speicherbedarf() const {
    return int((56.0 * double(Flaechenliste.GetItemsInContainer()) + kImageSize + 2) * 1.2);
}

void TPFenster::WriteImage(ByteImage& image, size_t off) const {
    // 0: type pointer, meaningless on disk
    image.SetU16(off + 4, RFensterNummer);
    image.SetU16(off + 6, Nummer);
    image.SetI32(off + 8, CADNummer);
    image.SetText(off + 12, kNameWidth, Name);
    image.SetText(off + 42, kZusatztextWidth, Zusatztext);
    image.SetU32(off + 53, Wert9);
    image.SetU16(off + 57, HeizkoerperStatus);
    image.SetU16(off + 59, FugendurchlassErfuellt);
    image.SetU16(off + 61, EinfachverglasungErfuellt);
    // 63, 67: list pointers
    image.SetF64(off + 71, Bruttoflaeche);
    image.SetF64(off + 79, Nettoflaeche);
    image.SetF64(off + 87, Flaeche_angerechnet);
    image.SetF64(off + 95, z_fest);
    image.SetF64(off + 103, z_bew);
    image.SetU16(off + 111, Orientierung);
    image.SetF64(off + 113, Neigung);
    image.SetF64(off + 121, Verschattung);
    image.SetU16(off + 129, FassadenNummer);
    image.SetU16(off + 131, Merker15);
    image.SetI16(off + 133, Traeger.Typ);
    image.SetI16(off + 135, Traeger.Nummer);
    image.SetU16(off + 137, Heizkoerper);
    image.SetU16(off + 139, Glasvorbau);
    image.SetF64(off + 141, k_eq_F);
    image.SetF64(off + 149, Q_S_angerechnet);
    image.SetF64(off + 157, Q_S_voll);
    image.SetF64(off + 165, Q_T);
    image.SetF64(off + 173, Glasvorbaufaktor);
}

void TPFenster::ReadImage(const ByteImage& image, size_t off) {
    RFensterNummer = image.U16(off + 4);
    Nummer = image.U16(off + 6);
    CADNummer = image.I32(off + 8);
    Name = image.Text(off + 12, kNameWidth);
    Zusatztext = image.Text(off + 42, kZusatztextWidth);
    Wert9 = image.U32(off + 53);
    HeizkoerperStatus = image.U16(off + 57);
    FugendurchlassErfuellt = image.U16(off + 59);
    EinfachverglasungErfuellt = image.U16(off + 61);
    Bruttoflaeche = image.F64(off + 71);
    Nettoflaeche = image.F64(off + 79);
    Flaeche_angerechnet = image.F64(off + 87);
    z_fest = image.F64(off + 95);
    z_bew = image.F64(off + 103);
    Orientierung = image.U16(off + 111);
    Neigung = image.F64(off + 113);
    Verschattung = image.F64(off + 121);
    FassadenNummer = image.U16(off + 129);
    Merker15 = image.U16(off + 131);
    Traeger.Typ = image.I16(off + 133);
    Traeger.Nummer = image.I16(off + 135);
    Heizkoerper = image.U16(off + 137);
    Glasvorbau = image.U16(off + 139);
    k_eq_F = image.F64(off + 141);
    Q_S_angerechnet = image.F64(off + 149);
    Q_S_voll = image.F64(off + 157);
    Q_T = image.F64(off + 165);
    Glasvorbaufaktor = image.F64(off + 173);
}

int TPFenster::Oeffnen(ByteReader& in) {
    RFenster = nullptr;
    return PlatzierungOeffnen(*this, in);
}

void TPFenster::Speichern(ByteWriter& out) const {
    PlatzierungSpeichern(*this, out);
}
