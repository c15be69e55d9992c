#include "stammwerk/modell/TBaustoffDatei.h"

#include "stammwerk/modell/ListenGrenze.h"

#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/KatalogListe.h"
#include "stammwerk/modell/TDateiKopf.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace {

bool vorhanden(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::exists(p, ec);
}

// The header's version as Oeffnen reports it.
int alteVersion(const std::string& version) {
    if (version == "1.00" || version == "2.00") return 3;
    if (version == "3.00") return 4;
    if (version == "4.00") return 5;
    return 1;
}

} // namespace

TBaustoffDatei::TBaustoffDatei(const std::filesystem::path& verzeichnis) {
    for (size_t k = 0; k < 3; ++k) pfad_[k] = verzeichnis / DateiNamen[k];
}

int TBaustoffDatei::Oeffnen(int k) {
    if (!gueltig(k)) return 1;
    const auto i = size_t(k);
    letzteNummer_[i] = -1;
    geladen_[i] = false;
    stand_[i].Merken(pfad_[i]);
    if (!vorhanden(pfad_[i])) {
        geladen_[i] = true; // an absent catalogue reads as empty
        return 0;
    }
    const auto datei = ReadWholeFile(pfad_[i]);
    if (!datei.ok) {
        fehler_ = datei.error;
        return 1;
    }
    ByteReader in(datei.bytes);
    TDateiKopf kopf;
    const int art = kopf.Lesen(in, k + 1, RegelV500oderV600);
    if (art == 0) {
        fehler_ = "\"" + pfad_[i].string() + "\" ist keine Baustoff-Datei dieser Art.";
        return 1;
    }
    if (art == -1) return alteVersion(kopf.Version);

    // A file that ends after its header holds nothing yet, as the other catalogues read it.
    if (in.AtEnd()) {
        geladen_[i] = true;
        return 0;
    }
    const int32_t letzte = in.ReadI32();
    // The file's materials are taken only when the whole file reads: a
    // damaged record costs this file, never the other two.
    std::vector<std::unique_ptr<TBaustoff>> gelesen;
    while (in.Ok()) {
        auto b = std::make_unique<TBaustoff>();
        const int r = b->Oeffnen(in);
        if (r == 1) break;
        if (r != 0)
            in.Fail();
        else
            gelesen.push_back(std::move(b));
    }
    if (!in.Ok()) {
        fehler_ = "Die Baustoff-Datei \"" + pfad_[i].string() + "\" ist beschädigt.";
        return 1;
    }
    letzteNummer_[i] = letzte;
    std::vector<std::unique_ptr<TBSZeiger>> zeiger;
    for (const auto& b : gelesen) zeiger.push_back(std::make_unique<TBSZeiger>(TBSZeiger{b.get()}));
    // Thousands of materials: sorted in one go, not one by one.
    baustoffe_.AddAll(std::move(gelesen));
    index_.AddAll(std::move(zeiger));
    geladen_[i] = true;
    return 0;
}

bool TBaustoffDatei::schreiben(int k, std::string& fehler,
                               const std::vector<const TBaustoff*>& ohne) const {
    ByteWriter out;
    TDateiKopf(int16_t(k + 1)).Schreiben(out);
    out.WriteI32(letzteNummer_[size_t(k)]);
    for (const TBaustoff& b : baustoffe_)
        if (b.Schluessel.Katalog == k && std::find(ohne.begin(), ohne.end(), &b) == ohne.end())
            b.Speichern(out);
    if (!out.Ok()) {
        fehler = kZuVieleEintraege;
        return false;
    }
    if (stand_[size_t(k)].Geaendert(pfad_[size_t(k)])) {
        fehler = DateiStand::KatalogMeldung(pfad_[size_t(k)]);
        return false;
    }
    const auto r = WriteFileAtomically(pfad_[size_t(k)], out.Bytes());
    if (!r.ok) fehler = r.error;
    if (r.ok) stand_[size_t(k)].Merken(pfad_[size_t(k)]);
    return r.ok;
}

int TBaustoffDatei::Speichern(int k) {
    if (!gueltig(k)) {
        fehler_ = "Unbekannte Baustoff-Datei " + std::to_string(k) + ".";
        return 0;
    }
    if (!geladen_[size_t(k)]) {
        fehler_ = "Die Baustoff-Datei \"" + pfad_[size_t(k)].string() +
                  "\" wurde nicht gelesen und wird nicht überschrieben.";
        return 0;
    }
    return schreiben(k, fehler_) ? 1 : 0;
}

int TBaustoffDatei::AltbestandUebernehmen(int k, std::vector<std::unique_ptr<TBaustoff>> baustoffe,
                                          int32_t letzte) {
    if (!gueltig(k)) return 0;
    std::vector<const TBaustoff*> neu;
    std::vector<std::unique_ptr<TBSZeiger>> zeiger;
    for (auto& b : baustoffe) {
        b->Schluessel.Katalog = uint16_t(k);
        neu.push_back(b.get());
        zeiger.push_back(std::make_unique<TBSZeiger>(TBSZeiger{b.get()}));
    }
    // Thousands of materials: sorted in one go, not one by one.
    baustoffe_.AddAllAfterEquals(std::move(baustoffe));
    index_.AddAllAfterEquals(std::move(zeiger));
    letzteNummer_[size_t(k)] = letzte;
    if (schreiben(k, fehler_)) {
        geladen_[size_t(k)] = true;
        return 1;
    }
    for (const TBaustoff* m : neu) {
        index_.Detach([&](const TBSZeiger& z) { return z.Baustoff == m; });
        baustoffe_.Detach([&](const TBaustoff& x) { return &x == m; });
    }
    letzteNummer_[size_t(k)] = -1;
    return 0;
}

int TBaustoffDatei::Einfuegen(std::unique_ptr<TBaustoff>& b) {
    if (!b) return 0;
    const int k = b->Schluessel.Katalog;
    if (!gueltig(k) || !geladen_[size_t(k)]) {
        fehler_ = "Der Baustoff gehört zu keiner gelesenen Baustoff-Datei.";
        return 0;
    }
    TBaustoff* neu = AnSeinerStelleEinfuegen(baustoffe_, b, letzteNummer_[size_t(k)],
                                             [&] { return schreiben(k, fehler_); });
    if (!neu) return 0;
    index_.Add(TBSZeiger{neu});
    return 1;
}

int TBaustoffDatei::Aendern(const TBaustoff* m, const TBaustoff& neu) {
    TBaustoff* b = baustoffe_.FirstThat([&](const TBaustoff& x) { return &x == m; });
    if (!b) return 0;
    if (!index_.Detach([&](const TBSZeiger& x) { return x.Baustoff == b; })) return 0;
    TBaustoff alt = *b;
    *b = neu;
    b->Schluessel = alt.Schluessel;
    const int r = Speichern(alt.Schluessel.Katalog);
    if (!r) *b = alt;
    index_.Add(TBSZeiger{b});
    return r;
}

int TBaustoffDatei::Loeschen(const TISListImp<TBaustoff>& liste, int k) {
    if (!gueltig(k) || !geladen_[size_t(k)]) {
        fehler_ = "Die Baustoff-Datei wurde nicht gelesen und wird nicht überschrieben.";
        return 0;
    }
    // The file is written first; memory changes only when it is written.
    const std::vector<const TBaustoff*> weg = GleicheEintraege(baustoffe_, liste);
    if (!schreiben(k, fehler_, weg)) return 0;
    for (const TBaustoff* m : weg) {
        index_.Detach([&](const TBSZeiger& z) { return z.Baustoff == m; });
        baustoffe_.Detach([&](const TBaustoff& x) { return &x == m; });
    }
    return 1;
}

int BaustoffAusDateiLesen(TBaustoff& b, const TBaustoffSchluessel& s,
                          const std::filesystem::path& pfad) {
    if (s.Katalog > 2) return 0;
    if (!vorhanden(pfad)) return 0;
    const auto datei = ReadWholeFile(pfad);
    if (!datei.ok) return -1;
    ByteReader in(datei.bytes);
    TDateiKopf kopf;
    if (kopf.Lesen(in, s.Katalog + 1, RegelKeine) != 1) return -1;
    in.ReadI32();
    while (in.Ok()) {
        TBaustoff m;
        if (m.Oeffnen(in) != 0) return 0;
        if (m.Schluessel == s) {
            b = m;
            return 1;
        }
    }
    return 0;
}
