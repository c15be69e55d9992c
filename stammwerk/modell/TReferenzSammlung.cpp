#include "stammwerk/modell/TReferenzSammlung.h"

#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/OrdnungsListe.h"
#include "stammwerk/modell/TDateiKopf.h"

#include <algorithm>

namespace {
// A list holds at most 32767 entries of under 100 bytes.
constexpr size_t GroessteListendatei = 4 * 1024 * 1024;
bool gueltigeArt(int kind) {
    return kind == 1 || kind == 2;
}
} // namespace

template <class T>
TReferenzSammlung<T>::TReferenzSammlung(const std::filesystem::path& dir)
    : pfad_{dir / T::DateiHersteller, dir / T::DateiAnwender} {}

template <class T>
int TReferenzSammlung<T>::Oeffnen(int kind) {
    if (!gueltigeArt(kind)) return -2;
    stand_[kind - 1].Merken(Pfad(kind));
    const auto datei = ReadWholeFile(Pfad(kind), GroessteListendatei);
    if (!datei.ok) {
        // A file that exists but cannot be read is kept from being overwritten.
        unlesbar_[kind - 1] = std::filesystem::exists(Pfad(kind));
        fehler_ = datei.error;
        return -2;
    }
    return Lesen(kind, datei.bytes);
}

template <class T>
int TReferenzSammlung<T>::Lesen(int kind, std::span<const uint8_t> bytes) {
    if (!gueltigeArt(kind)) return -2;
    bool& unlesbar = unlesbar_[kind - 1];
    ByteReader in(bytes);
    TDateiKopf kopf;
    const int ergebnis = kopf.Lesen(in, T::DateiTypHersteller + (kind - 1), RegelV500oderV600);
    unlesbar = ergebnis != 1;
    if (ergebnis != 1) return ergebnis;
    const int16_t anzahl = in.ReadI16();
    // A count beyond the data means a damaged file: take nothing of it.
    if (!in.Ok() || (anzahl > 0 && !in.CanHold(size_t(anzahl), T::kImageSize))) {
        unlesbar = true;
        fehler_ = "Die Datei \"" + Pfad(kind).string() + "\" ist beschädigt.";
        return 0;
    }
    std::vector<T> gelesen(size_t(std::max<int16_t>(anzahl, 0)));
    for (T& eintrag : gelesen) {
        eintrag.ReadImage(in.ReadImage(T::kImageSize), 0);
        // The file says whose entry it is; a stale source field would drop it at the next save.
        eintrag.Quelle = int16_t(kind);
    }
    // Equal names keep the file's order, so that a save writes what was read.
    EinordnenVorGleiche(liste_, std::move(gelesen));
    return 1;
}

template <class T>
int TReferenzSammlung<T>::Oeffnen() {
    Oeffnen(1);
    return Oeffnen(2);
}

template <class T>
std::optional<std::vector<uint8_t>> TReferenzSammlung<T>::Dateibild(int kind) const {
    if (!gueltigeArt(kind)) return std::nullopt;
    ByteWriter out;
    TDateiKopf(int16_t(T::DateiTypHersteller + (kind - 1))).Schreiben(out);
    const size_t anzahlStelle = out.Size();
    out.WriteI16(0);
    int16_t anzahl = 0;
    for (const T& eintrag : liste_) {
        if (eintrag.Quelle != kind) continue;
        if (anzahl == INT16_MAX) return std::nullopt;
        ByteImage bild(T::kImageSize);
        eintrag.WriteImage(bild, 0);
        out.WriteImage(bild);
        ++anzahl;
    }
    out.PatchU16(anzahlStelle, uint16_t(anzahl));
    return out.Take();
}

template <class T>
int TReferenzSammlung<T>::Speichern(int kind) {
    if (!gueltigeArt(kind)) return 0;
    if (unlesbar_[kind - 1]) {
        fehler_ = "Die Datei \"" + Pfad(kind).string() +
                  "\" konnte nicht gelesen werden und wird nicht überschrieben.";
        return 0;
    }
    const auto bild = Dateibild(kind);
    if (!bild) {
        fehler_ = "Zu viele Einträge für \"" + Pfad(kind).string() + "\".";
        return 0;
    }
    if (stand_[kind - 1].Geaendert(Pfad(kind))) {
        fehler_ = DateiStand::Meldung(Pfad(kind));
        return 0;
    }
    const auto r = WriteFileAtomically(Pfad(kind), *bild);
    if (!r.ok) {
        fehler_ = r.error;
        return 0;
    }
    stand_[kind - 1].Merken(Pfad(kind));
    return 1;
}

template <class T>
void TReferenzSammlung<T>::Einfuegen(const T& eintrag) {
    EinordnenVorGleiche(liste_, eintrag);
}

template class TReferenzSammlung<TOrt>;
template class TReferenzSammlung<TBrennstoff>;
