#include "korvalin/datenblatt/DatenblattDatei.h"

#include "platform/base/ByteStream.h"
#include "platform/base/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace datenblattdatei {
namespace {

constexpr std::string_view kHersteller = "QTX Datentechnik Wiesental"; // compared over 26
constexpr std::string_view kKennung = "Duvuruzizav 95";                // compared over 14
constexpr std::string_view kProgrammversion = "5.00";
constexpr size_t kTyp = 90, kVersion = 94, kAnzahl = 98;

// Smallest records on disk, to check a count before anything is allocated.
constexpr size_t kEditfeldMin = 10;
constexpr size_t kBauteilSatzMin = 8 + 4 * kEditfeldMin + 18 + 17 + 16 + 64;
constexpr size_t kFensterSatzMin = 4 + 2 * kEditfeldMin + 64;

void setzeU32(Kopf& k, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) k[at + size_t(i)] = uint8_t(v >> (8 * i));
}
uint32_t liesU32(std::span<const uint8_t> b, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(b[at + size_t(i)]) << (8 * i);
    return v;
}

// The header as written: the record's image, lifted to the current version.
Kopf kopfZumSchreiben(const Kopf& bild, uint32_t typ, int32_t anzahl) {
    Kopf k = bild;
    if (KopfVersion(k, typ) == 0) k = KopfBauen(typ);
    std::fill_n(k.begin() + 80, 5, uint8_t(0));
    std::memcpy(k.data() + 80, kProgrammversion.data(), kProgrammversion.size());
    setzeU32(k, kVersion, AktuelleVersion);
    setzeU32(k, kAnzahl, uint32_t(anzahl));
    return k;
}

void editfeldSchreiben(ByteWriter& w, const TDatenblattEditfeld& f) {
    w.WriteI32(f.Zahl1);
    w.WriteI32(f.Zahl2);
    std::string text = cp1252::EncodeLossy(f.Text);
    if (text.size() > MaxTextBytes) text.resize(MaxTextBytes);
    w.WriteU16(uint16_t(text.size()));
    w.WriteBytes({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

bool editfeldLesen(ByteReader& r, TDatenblattEditfeld& f) {
    f.Zahl1 = r.ReadI32();
    f.Zahl2 = r.ReadI32();
    const uint16_t laenge = r.ReadU16();
    if (!r.Ok() || r.Remaining() < laenge) return false;
    std::string text(laenge, '\0');
    r.ReadBytes(text.data(), laenge);
    f.Text = cp1252::Decode(text);
    return r.Ok();
}

template <size_t N>
void blockSchreiben(ByteWriter& w, const std::array<uint8_t, N>& b) {
    w.WriteBytes(b);
}
template <size_t N>
bool blockLesen(ByteReader& r, std::array<uint8_t, N>& b) {
    return r.ReadBytes(b.data(), N);
}

void satzSchreiben(ByteWriter& w, const TSpaltenSatz& s) {
    blockSchreiben(w, s.Kopf);
    for (double d : s.Breite) w.WriteF64(d);
}
bool satzLesen(ByteReader& r, TSpaltenSatz& s) {
    if (!blockLesen(r, s.Kopf)) return false;
    for (double& d : s.Breite) d = r.ReadF64();
    return r.Ok();
}

// A sheet record on disk: its edit fields, its column sets, its switch. The
// column records of the component and window sheets have no edit fields.
void blattSchreiben(ByteWriter& w, const TBlattDaten& b) {
    for (const auto& f : b.Editfelder) editfeldSchreiben(w, f);
    for (const auto& s : b.Spaltensaetze) satzSchreiben(w, s);
    w.WriteI32(b.Schalter);
}
bool blattLesen(ByteReader& r, TBlattDaten& b) {
    for (auto& f : b.Editfelder)
        if (!editfeldLesen(r, f)) return false;
    for (auto& s : b.Spaltensaetze)
        if (!satzLesen(r, s)) return false;
    b.Schalter = r.ReadI32();
    return r.Ok();
}

void bauteilSatzSchreiben(ByteWriter& w, const TEBDatenblattDaten& s) {
    w.WriteI32(s.Key.Bauteil);
    w.WriteI32(s.Key.Einfach);
    for (const auto& f : s.Editfelder) editfeldSchreiben(w, f);
    blockSchreiben(w, s.Block1);
    blockSchreiben(w, s.Block2);
    for (int32_t v : s.Block3) w.WriteI32(v);
    blockSchreiben(w, s.Ordnung);
}
bool bauteilSatzLesen(ByteReader& r, TEBDatenblattDaten& s) {
    s.Key.Bauteil = r.ReadI32();
    s.Key.Einfach = r.ReadI32();
    for (auto& f : s.Editfelder)
        if (!editfeldLesen(r, f)) return false;
    blockLesen(r, s.Block1);
    blockLesen(r, s.Block2);
    for (int32_t& v : s.Block3) v = r.ReadI32();
    blockLesen(r, s.Ordnung);
    return r.Ok();
}

void fensterSatzSchreiben(ByteWriter& w, const TBtFensterDatenblattDaten& s) {
    w.WriteI32(s.Key.Fenster);
    for (const auto& f : s.Editfelder) editfeldSchreiben(w, f);
    blockSchreiben(w, s.Ordnung);
}
bool fensterSatzLesen(ByteReader& r, TBtFensterDatenblattDaten& s) {
    s.Key.Fenster = r.ReadI32();
    for (auto& f : s.Editfelder)
        if (!editfeldLesen(r, f)) return false;
    blockLesen(r, s.Ordnung);
    return r.Ok();
}

// The records of an array file. Any fault refuses the whole file.
template <class Array, class Satz, class LeseSatz>
bool arrayLesen(std::span<const uint8_t> bytes, uint32_t typ, size_t minSatz, Array& ziel,
                LeseSatz lesen) {
    if (bytes.size() < 512 || KopfVersion(bytes, typ) == 0) return false;
    const int32_t anzahl = int32_t(liesU32(bytes, kAnzahl));
    ByteReader r(bytes);
    r.Skip(512);
    if (anzahl < 0 || !r.CanHold(size_t(anzahl), minSatz)) return false;
    std::deque<Satz> saetze;
    for (int32_t i = 0; i < anzahl; ++i) {
        Satz s;
        if (!lesen(r, s)) return false;
        // Assignment keeps the order of the target; the file's order counts.
        const auto ordnung = s.Ordnung;
        Satz& neu = saetze.emplace_back(s);
        neu.Ordnung = ordnung;
    }
    ziel.Saetze = std::move(saetze);
    std::copy_n(bytes.begin(), 512, ziel.Kopf.begin());
    return true;
}

template <class Array, class Schreibe>
std::vector<uint8_t> arrayBytes(const Array& daten, uint32_t typ, Schreibe schreiben) {
    ByteWriter w;
    const size_t n = std::min<size_t>(daten.Saetze.size(), size_t(INT32_MAX));
    w.WriteBytes(kopfZumSchreiben(daten.Kopf, typ, int32_t(n)));
    for (size_t i = 0; i < n; ++i) schreiben(w, daten.Saetze[i]);
    return w.Take();
}

// The sheet records of a ".pb" file in file order.
template <class D, class B = std::conditional_t<std::is_const_v<D>, const TBlattDaten, TBlattDaten>>
std::array<B*, 14> dateiReihenfolge(D& d) {
    return {&d.Bauteilspalten, &d.Fensterspalten, &d.Projekt,    &d.Fassaden,       &d.Ueberblick,
            &d.Verfahren,      &d.Erneuern,       &d.Volumen,    &d.Flaechen,       &d.Energie,
            &d.Massen,         &d.Perioden,       &d.Temperatur, &d.GlaserVergleich};
}

} // namespace

Kopf KopfBauen(uint32_t typ) {
    Kopf k{};
    std::memcpy(k.data(), kHersteller.data(), kHersteller.size());
    std::memcpy(k.data() + 50, kKennung.data(), kKennung.size());
    std::memcpy(k.data() + 80, kProgrammversion.data(), kProgrammversion.size());
    setzeU32(k, kTyp, typ);
    setzeU32(k, kVersion, AktuelleVersion);
    return k;
}

uint32_t KopfVersion(std::span<const uint8_t> b, uint32_t typ) {
    if (b.size() < 512) return 0;
    if (std::memcmp(b.data(), kHersteller.data(), kHersteller.size()) != 0) return 0;
    if (std::memcmp(b.data() + 50, kKennung.data(), kKennung.size()) != 0) return 0;
    if (liesU32(b, kTyp) != typ) return 0;
    const uint32_t v = liesU32(b, kVersion);
    return v >= 1 && v <= 3 ? v : 0;
}

bool Lesen(std::span<const uint8_t> bytes, TEBDatenblattDatenArray& ziel) {
    return arrayLesen<TEBDatenblattDatenArray, TEBDatenblattDaten>(
        bytes, TypBauteile, kBauteilSatzMin, ziel, bauteilSatzLesen);
}

bool Lesen(std::span<const uint8_t> bytes, TFensterDatenblattDatenArray& ziel) {
    return arrayLesen<TFensterDatenblattDatenArray, TBtFensterDatenblattDaten>(
        bytes, TypFenster, kFensterSatzMin, ziel, fensterSatzLesen);
}

bool Lesen(std::span<const uint8_t> bytes, TFixDaten& ziel) {
    const uint32_t version = KopfVersion(bytes, TypFix);
    if (version == 0) return false;
    ByteReader r(bytes);
    r.Skip(512);
    TFixDaten d;
    bool ok = true;
    if (version == 1) {
        // The first version kept only texts; the volume sheet had two more
        // fields, read and dropped.
        const auto teile = dateiReihenfolge(d);
        for (size_t i = 2; i < 7; ++i)
            for (auto& f : teile[i]->Editfelder) ok = ok && editfeldLesen(r, f);
        TDatenblattEditfeld verworfen;
        for (size_t i = 0; i < 4; ++i)
            ok = ok && editfeldLesen(r, i < d.Volumen.Editfelder.size() ? d.Volumen.Editfelder[i]
                                                                        : verworfen);
    } else {
        const auto teile = dateiReihenfolge(d);
        const size_t anzahl = version == 2 ? 9 : std::size(teile);
        for (size_t i = 0; i < anzahl; ++i) ok = ok && blattLesen(r, *teile[i]);
        if (version == 3) {
            d.Schalter = r.ReadI32();
            ok = ok && r.Ok();
        }
    }
    if (!ok) return false;
    // Everything but the file's name and what the files never held.
    d.Dateiname = ziel.Dateiname;
    std::copy_n(bytes.begin(), 512, d.Kopf.begin());
    ziel = std::move(d);
    return true;
}

bool Lesen(std::span<const uint8_t> bytes, TDateiFixDaten& ziel) {
    const uint32_t version = KopfVersion(bytes, TypFix);
    if (version == 0) return false;
    TDateiFixDaten d;
    d.Dateiname = ziel.Dateiname;
    if (version >= 2) {
        ByteReader r(bytes);
        r.Skip(512);
        if (!blattLesen(r, d.Bauteilspalten) || !blattLesen(r, d.Fensterspalten)) return false;
    }
    std::copy_n(bytes.begin(), 512, d.Kopf.begin());
    ziel = std::move(d);
    return true;
}

std::vector<uint8_t> Bytes(const TEBDatenblattDatenArray& daten) {
    return arrayBytes(daten, TypBauteile, bauteilSatzSchreiben);
}

std::vector<uint8_t> Bytes(const TFensterDatenblattDatenArray& daten) {
    return arrayBytes(daten, TypFenster, fensterSatzSchreiben);
}

std::vector<uint8_t> Bytes(const TFixDaten& d) {
    ByteWriter w;
    w.WriteBytes(kopfZumSchreiben(d.Kopf, TypFix, 0));
    for (const TBlattDaten* b : dateiReihenfolge(d)) blattSchreiben(w, *b);
    w.WriteI32(d.Schalter);
    blockSchreiben(w, d.Ordnung1);
    blockSchreiben(w, d.Ordnung2);
    return w.Take();
}

std::vector<uint8_t> Bytes(const TDateiFixDaten& d) {
    ByteWriter w;
    w.WriteBytes(kopfZumSchreiben(d.Kopf, TypFix, 0));
    blattSchreiben(w, d.Bauteilspalten);
    blattSchreiben(w, d.Fensterspalten);
    return w.Take();
}

} // namespace datenblattdatei
