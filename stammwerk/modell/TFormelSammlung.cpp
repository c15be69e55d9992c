#include "stammwerk/modell/TFormelSammlung.h"

#include "platform/base/ByteStream.h"
#include "platform/base/Cp1252.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TDateiKopf.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace {

// A zero-terminated text; nullopt when the data ends before its zero.
std::optional<std::string> textLesen(ByteReader& in) {
    std::string bytes;
    while (!in.AtEnd()) {
        const uint8_t c = in.ReadU8();
        if (c == 0) return cp1252::Decode(bytes);
        bytes.push_back(char(c));
    }
    return std::nullopt;
}

} // namespace

TFormelSammlung::TFormelSammlung(const std::filesystem::path& dir) : pfad_(dir / DateiName) {}

void TFormelSammlung::Einfuegen(const TFormel& f) {
    liste_.insert(std::lower_bound(liste_.begin(), liste_.end(), f), f);
}

int TFormelSammlung::Oeffnen() {
    std::error_code ec;
    // Until the whole file has read, saving would replace formulas that
    // were never read.
    unvollstaendig_ = std::filesystem::exists(pfad_, ec);
    stand_.Merken(pfad_);
    if (!std::filesystem::is_regular_file(pfad_, ec)) return -2;
    const auto datei = ReadWholeFile(pfad_);
    if (!datei.ok) {
        fehler_ = datei.error;
        return -2;
    }
    ByteReader in(datei.bytes);
    TDateiKopf kopf;
    const int r = kopf.Lesen(in, DateiTypFormeln, RegelV500oderV600);
    if (r != 1) return r;
    while (!in.AtEnd()) {
        TFormel f;
        f.Winkelmodus = char(in.ReadU8());
        auto name = textLesen(in);
        auto formel = name ? textLesen(in) : std::nullopt;
        auto definitionen = formel ? textLesen(in) : std::nullopt;
        if (!definitionen) {
            fehler_ =
                "Die Formelsammlung \"" + pfad_.string() + "\" bricht mitten in einer Formel ab.";
            return 0;
        }
        f.Name = std::move(*name);
        f.Formel = std::move(*formel);
        f.Definitionen = std::move(*definitionen);
        // Formulas of one name keep the file's order, so that a save and a
        // load give the same list.
        liste_.insert(std::upper_bound(liste_.begin(), liste_.end(), f), std::move(f));
    }
    unvollstaendig_ = false;
    return 1;
}

int TFormelSammlung::Speichern() {
    if (unvollstaendig_) {
        fehler_ = "Die Formelsammlung \"" + pfad_.string() +
                  "\" wurde nicht vollständig gelesen und wird nicht überschrieben.";
        return 0;
    }
    ByteWriter out;
    TDateiKopf(DateiTypFormeln).Schreiben(out);
    for (const TFormel& f : liste_) {
        out.WriteU8(uint8_t(f.Winkelmodus));
        for (const std::string* text : {&f.Name, &f.Formel, &f.Definitionen}) {
            const auto bytes = cp1252::Encode(*text);
            // A zero byte would end the text early and shift every later one.
            if (!bytes || bytes->find('\0') != std::string::npos) {
                fehler_ = "Die Formel \"" + f.Name +
                          "\" enthält Zeichen, die die Formelsammlung nicht speichern kann.";
                return 0;
            }
            out.WriteBytes(
                std::span(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()));
            out.WriteU8(0);
        }
    }
    if (stand_.Geaendert(pfad_)) {
        fehler_ = DateiStand::Meldung(pfad_);
        return 0;
    }
    const auto r = WriteFileAtomically(pfad_, out.Bytes());
    if (!r.ok) {
        fehler_ = r.error;
        return 0;
    }
    stand_.Merken(pfad_);
    return 1;
}
