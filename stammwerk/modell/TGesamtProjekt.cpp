#include "stammwerk/modell/TGesamtProjekt.h"

#include "stammwerk/modell/ListenGrenze.h"

#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/WertePruefung.h"

#include <algorithm>
#include <memory>

namespace {
// The companion, sheet and settings files lie beside the project: a path
// relative to the working folder would put them in the root folder.
std::filesystem::path vollerPfad(const std::filesystem::path& pfad) {
    std::error_code fehler;
    auto voll = std::filesystem::absolute(pfad, fehler);
    return fehler ? pfad : voll;
}
} // namespace

TGesamtProjekt::TGesamtProjekt(const std::filesystem::path& verzeichnis)
    : pfad_(verzeichnis / "unbenannt.pro") {}

namespace {
// "7.00", "6.10": a version after the one this program writes.
bool neuererVersionstext(const std::string& version) {
    int teil[2] = {0, 0};
    size_t i = 0;
    for (int& t : teil) {
        const size_t anfang = i;
        while (i < version.size() && i - anfang < 4 && version[i] >= '0' && version[i] <= '9')
            t = t * 10 + (version[i++] - '0');
        if (i == anfang) return false;
        if (&t == teil && (i >= version.size() || version[i++] != '.')) return false;
    }
    return teil[0] > 6 || (teil[0] == 6 && teil[1] > 0);
}
} // namespace

void TGesamtProjekt::leeren() {
    Projekte.Flush();
    AktuellesProjekt = nullptr;
}

int TGesamtProjekt::Oeffnen(const std::filesystem::path& pfad) {
    // Saves of this folder that were cut off leave their temporaries behind.
    RemoveStaleTemporaries(pfad.has_parent_path() ? pfad.parent_path() : ".");
    // Noted before the read: a save by another program during it shows later.
    DateiStand stand;
    stand.Merken(pfad);
    const auto datei = ReadWholeFile(pfad);
    if (!datei.ok) {
        fehler_ = datei.error;
        return 1;
    }
    const int r = Oeffnen(datei.bytes, pfad);
    if (r == 0) stand_ = stand;
    return r;
}

bool TGesamtProjekt::AufPlatteGeaendert() const {
    return stand_.Geaendert(pfad_);
}

int TGesamtProjekt::Oeffnen(std::span<const uint8_t> daten, const std::filesystem::path& pfad) {
    leeren();
    stand_.Vergessen();
    neuereVersion_ = false;
    ersetzt_.clear();
    ByteReader in(daten);
    TDateiKopf kopf;
    const int art = kopf.Lesen(in, DateiTypProjekt, RegelV600);
    if (art == 0) {
        fehler_ = daten.size() < TDateiKopf::kImageSize
                      ? "Die Datei \"" + pfad.string() + "\" ist zu kurz für eine Projekt-Datei."
                      : "Die Datei \"" + pfad.string() + "\" ist keine Projekt-Datei.";
        return 1;
    }
    if (art == -1) {
        const int code = ProjektVersionsCode(kopf.Version);
        if (neuererVersionstext(kopf.Version)) {
            neuereVersion_ = true;
            fehler_ = "Die Projekt-Datei \"" + pfad.string() + "\" hat die Version \"" +
                      kopf.Version.substr(0, 4) +
                      "\" eines neueren Programms.\nDiese Programmversion liest Projekte bis zur "
                      "Version 6.00.";
        } else if (code == 1) {
            fehler_ = "Die Projekt-Datei \"" + pfad.string() + "\" hat die unbekannte Version \"" +
                      kopf.Version.substr(0, 4) + "\".";
        }
        return code;
    }

    const int16_t anzahl = in.ReadI16();
    const ByteImage image = in.ReadImage(kImageSize);
    const auto beschaedigt = [&](const std::string& grund) {
        leeren();
        fehler_ = "Die Projekt-Datei \"" + pfad.string() + "\" ist beschädigt:\n" + grund + ".";
        return 1;
    };
    if (!in.Ok()) return beschaedigt("die Datei endet im Projektkopf");
    // Each variant takes at least its eight counts and its image.
    if (anzahl < 0 || !in.CanHold(size_t(anzahl), 16 + TProjekt::kImageSize))
        return beschaedigt("die Anzahl der Varianten (" + std::to_string(anzahl) +
                           ") passt nicht zur Länge der Datei");
    for (int i = 0; i < anzahl; ++i) {
        auto p = std::make_unique<TProjekt>();
        std::string grund;
        if (p->Oeffnen(in, grund) != 0)
            return beschaedigt("Variante " + std::to_string(i + 1) + " von " +
                               std::to_string(anzahl) + ": " + grund);
        TProjekt& gelesen = Projekte.AddAfterEquals(std::move(p));
        if (!AktuellesProjekt) AktuellesProjekt = &gelesen;
    }
    // Bytes left over mean a count that is too small: what follows it was
    // never read and a save would drop it.
    if (!in.AtEnd())
        return beschaedigt(std::to_string(in.Remaining()) +
                           " Byte am Ende der Datei gehören zu keinem Eintrag; eine Anzahl in "
                           "der Datei ist zu klein");
    const WertePruefung pruefung = WertePruefen(*this);
    if (!pruefung.Unbrauchbar.empty()) return beschaedigt(pruefung.Unbrauchbar);
    ersetzt_ = pruefung.Ersetzt;
    Wert = image.U16(260);
    pfad_ = vollerPfad(pfad);
    return 0;
}

int TGesamtProjekt::Speichern() {
    return Speichern(pfad_);
}

std::vector<uint8_t> TGesamtProjekt::Dateibild() const {
    return bild().Take();
}

ByteWriter TGesamtProjekt::bild() const {
    ByteWriter out;
    out.Reserve(size_t(std::max(0, Speicherbedarf())));
    TDateiKopf(DateiTypProjekt).Schreiben(out);
    out.WriteCount(Projekte.GetItemsInContainer());
    ByteImage image(kImageSize);
    image.SetText(0, kPfadWidth, pfad_.string());
    image.SetU16(260, Wert);
    // 262, 266: list and current-variant references, meaningless on disk
    out.WriteImage(image);
    for (const TProjekt& p : Projekte) p.Speichern(out);
    return out;
}

int TGesamtProjekt::Speichern(const std::filesystem::path& ziel) {
    ByteWriter out = bild();
    if (!out.Ok()) {
        fehler_ = kZuVieleEintraege;
        return 0;
    }
    const auto r = WriteFileAtomically(ziel, out.Bytes());
    if (!r.ok) {
        fehler_ = r.error;
        return 0;
    }
    if (ziel == pfad_) stand_.Merken(ziel);
    return 1;
}

int TGesamtProjekt::SpeichernAls(const std::filesystem::path& pfad) {
    const auto alt = pfad_;
    pfad_ = vollerPfad(pfad);
    if (Speichern(pfad_)) return 1;
    pfad_ = alt;
    return 0;
}

int TGesamtProjekt::Loeschen() const {
    std::error_code ec;
    return std::filesystem::remove(pfad_, ec) ? 0 : 1;
}

int TGesamtProjekt::Speicherbedarf() const {
    double summe = kImageSize + 4 + TDateiKopf::kImageSize;
    for (const TProjekt& p : Projekte) summe += p.Speicherbedarf();
    return int(summe * 1.1);
}

bool TGesamtProjekt::ProjektAuswaehlen(int nummer) {
    TProjekt* p = Projekte.FirstThat([&](const TProjekt& x) { return x.Nummer == nummer; });
    if (!p) return false;
    AktuellesProjekt = p;
    return true;
}

TProjekt& TGesamtProjekt::ProjektHinzufuegen(std::unique_ptr<TProjekt> p) {
    TProjekt& neu = Projekte.Add(std::move(p));
    if (!AktuellesProjekt) AktuellesProjekt = &neu;
    return neu;
}

TProjekt* TGesamtProjekt::ProjektKopieren(int position) {
    if (position < 0 || size_t(position) >= Projekte.GetItemsInContainer()) return nullptr;
    auto kopie = std::make_unique<TProjekt>(Projekte[size_t(position)]);
    kopie->Nummer = int16_t(Projekte.GetItemsInContainer());
    kopie->Name = "Variante " + std::to_string(kopie->Nummer);
    AktuellesProjekt = &Projekte.Add(std::move(kopie));
    return AktuellesProjekt;
}

void TGesamtProjekt::ProjektLoeschen(int nummer) {
    if (!ProjektAuswaehlen(nummer)) return;
    const TProjekt* weg = AktuellesProjekt;
    Projekte.Detach([&](const TProjekt& x) { return &x == weg; });
    for (TProjekt& p : Projekte)
        if (p.Nummer > nummer) --p.Nummer;
    AktuellesProjekt = nullptr;
    ProjektAuswaehlen(0);
}

std::string TGesamtProjekt::GetFileName(bool mitEndung) const {
    std::string name = (mitEndung ? pfad_.filename() : pfad_.stem()).string();
    if (name.size() > 256) name.resize(256);
    return name;
}

std::string TGesamtProjekt::GetProjektPfad() const {
    std::string ordner = pfad_.parent_path().string();
    if (ordner.empty() || ordner.back() != '/') ordner += '/';
    return ordner;
}
