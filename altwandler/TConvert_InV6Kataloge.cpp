// The catalogue files of older versions: every record is lifted through the
// record steps of the project conversion into the current catalogue.
#include "altwandler/Lesehilfen.h"
#include "altwandler/TConvert_InV2.h"
#include "altwandler/TConvert_InV3.h"
#include "altwandler/TConvert_InV4.h"
#include "altwandler/TConvert_InV5.h"
#include "altwandler/TConvert_InV6.h"
#include "altwandler/Version1.h"
#include "altwandler/Version2.h"
#include "altwandler/Version3.h"
#include "altwandler/Version4.h"
#include "altwandler/Version5.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TFensterDatei.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Where the records of an old file start, and how many there are to read.
struct AlteDatei {
    fs::path pfad;
    int dateityp;
    std::vector<std::string> versionen; // the header versions this reader takes
    bool letzteNummer;                  // a 32-bit last record number after the header
};

// Reads the old file whole and lifts each record with `heben`; then keeps
// the old bytes under a free backup name and hands the records to
// `uebernehmen`, which writes the catalogue. Nothing changes before every
// record is read.
template <class Alt, class Neu>
int konvertieren(
    const AlteDatei& d, int32_t& letzte, std::string& endung,
    const std::function<std::unique_ptr<Neu>(Alt&)>& heben,
    const std::function<int(std::vector<std::unique_ptr<Neu>>, int32_t)>& uebernehmen) {
    const FileContents inhalt = ReadWholeFile(d.pfad);
    if (!inhalt.ok) return KatalogNichtLesbar;
    ByteReader in(inhalt.bytes);
    TDateiKopf kopf;
    if (kopf.Lesen(in, d.dateityp, RegelKeine) != 1 ||
        std::find(d.versionen.begin(), d.versionen.end(), kopf.Version) == d.versionen.end())
        return KatalogNichtLesbar;
    if (d.letzteNummer) {
        letzte = in.ReadI32();
        if (!in.Ok()) return KatalogNichtLesbar;
    }
    std::vector<std::unique_ptr<Neu>> neu;
    while (!in.AtEnd()) {
        Alt alt;
        if (alt.Lesen(in) != SatzGelesen) return KatalogNichtLesbar;
        neu.push_back(heben(alt));
    }

    endung = TConvert_InV6::SicherungsEndung(d.pfad);
    const fs::path kopie = d.pfad.parent_path() / (d.pfad.stem().string() + "." + endung);
    if (!WriteFileAtomically(kopie, inhalt.bytes).ok) return KatalogOhneSicherung;
    if (!uebernehmen(std::move(neu), letzte)) {
        std::error_code ec;
        fs::remove(kopie, ec);
        return KatalogNichtGeschrieben;
    }
    return KatalogKonvertiert;
}

// Version-4 materials of some makers got hatchings of their own in
// version 5: by the maker's name (Windows-1252, compared with its NUL) and
// by the material group.
void baustoffReparieren(ByteImage& b) {
    static const char name[] = "Heidelberger D\xE4mmsysteme";
    const auto* hersteller = reinterpret_cast<const uint8_t*>(name);
    if (std::equal(hersteller, hersteller + sizeof name, b.Data() + 97)) b.SetI16(340, 14);
    switch (b.I16(2)) {
    case 2:
        b.SetI16(340, 15);
        break;
    case 4:
        b.SetI16(340, 16);
        break;
    case 10:
        b.SetI16(340, 4);
        break;
    }
}

// The maker's component catalogue: layers of groups 2 and 4 get the
// hatchings of version 5.
void schichtenReparieren(TRBauteilVersion4& t) {
    for (const auto& e : t.Flaechenanteile)
        for (int position = 0; position < int(e->Schichten.size()); ++position)
            for (const auto& s : e->Schichten) {
                if (s->Position() != position) continue;
                if (s->Bild.I16(2) == 2) s->Bild.SetI16(340, 15);
                if (s->Bild.I16(2) == 4) s->Bild.SetI16(340, 16);
                break;
            }
}

const std::vector<std::string> kVersion1_2 = {"1.00", "2.00"};

} // namespace

std::string TConvert_InV6::SicherungsEndung(const fs::path& datei) {
    std::set<std::string> namen;
    std::error_code ec;
    for (fs::directory_iterator it(datei.parent_path(), ec), ende; !ec && it != ende;
         it.increment(ec))
        namen.insert(ToUpperCp1252(it->path().filename().string()));
    const std::string stamm = datei.stem().string() + ".";
    if (!namen.count(ToUpperCp1252(stamm + "bak"))) return "BAK";
    for (int n = 100;; ++n)
        if (!namen.count(ToUpperCp1252(stamm + std::to_string(n)))) return std::to_string(n);
}

namespace {

// Materials: the steps after a record of version 4.
std::unique_ptr<TBaustoff> baustoffAusVersion4(TBaustoffVersion4& v4, const fs::path& verzeichnis) {
    auto b = std::make_unique<TBaustoff>();
    TConvert_InV5(verzeichnis).ConvertBaustoff(b.get(), v4.Bild, 0);
    InitTextListe(&b->Textliste, &v4.Textliste);
    return b;
}

std::unique_ptr<TBaustoff> baustoffAusVersion3(TBaustoffVersion3& v3, const fs::path& verzeichnis) {
    TBaustoffVersion4 v4;
    TConvert_InV4(verzeichnis).ConvertBaustoff(&v4, &v3);
    baustoffReparieren(v4.Bild);
    return baustoffAusVersion4(v4, verzeichnis);
}

template <class Alt>
int baustoffe(TBaustoffDatei* datei, short besitzer, std::string& endung,
              std::vector<std::string> versionen,
              const std::function<std::unique_ptr<TBaustoff>(Alt&)>& heben) {
    int32_t letzte = -1;
    return konvertieren<Alt, TBaustoff>(
        {datei->Pfad(besitzer), besitzer + 1, std::move(versionen), true}, letzte, endung, heben,
        [&](std::vector<std::unique_ptr<TBaustoff>> neu, int32_t n) {
            return datei->AltbestandUebernehmen(besitzer, std::move(neu), n);
        });
}

std::unique_ptr<TRFenster> fensterAusVersion3(TFensterVersion3& v3, short besitzer,
                                              const fs::path& verzeichnis) {
    auto f = std::make_unique<TRFenster>();
    TConvert_InV4(verzeichnis).ConvertFenster(f.get(), &v3, nullptr, nullptr);
    // The joint permeability of the DIN and maker's windows, m³/(h·m·daPa^(2/3)).
    if (besitzer == 0 || besitzer == 1) f->a = 1.0;
    return f;
}

template <class Alt>
int fenster(TFensterDatei* datei, short besitzer, std::string& endung,
            std::vector<std::string> versionen,
            const std::function<std::unique_ptr<TRFenster>(Alt&)>& heben) {
    int32_t letzte = -1;
    return konvertieren<Alt, TRFenster>(
        {datei->Pfad(besitzer), besitzer + 4, std::move(versionen), true}, letzte, endung, heben,
        [&](std::vector<std::unique_ptr<TRFenster>> neu, int32_t n) {
            return datei->AltbestandUebernehmen(besitzer, std::move(neu), n);
        });
}

std::unique_ptr<TRBauteil> bauteilAusVersion5(TRBauteilVersion5& v5, const fs::path& verzeichnis) {
    auto r = std::make_unique<TRBauteil>();
    TConvert_InV6(verzeichnis, "").ConvertRBauteil(r.get(), &v5, nullptr);
    return r;
}

std::unique_ptr<TRBauteil> bauteilAusVersion4(TRBauteilVersion4& v4, const fs::path& verzeichnis) {
    TRBauteilVersion5 v5;
    TConvert_InV5(verzeichnis).ConvertRBauteil(&v5, &v4, nullptr);
    return bauteilAusVersion5(v5, verzeichnis);
}

std::unique_ptr<TRBauteil> bauteilAusVersion3(TBauteilVersion3& v3, short besitzer,
                                              const fs::path& verzeichnis) {
    TRBauteilVersion4 v4;
    TConvert_InV4(verzeichnis).ConvertBauteil(&v4, &v3, nullptr, nullptr);
    if (besitzer == 1) schichtenReparieren(v4);
    return bauteilAusVersion4(v4, verzeichnis);
}

template <class Alt>
int bauteile(TBauteilDatei* datei, short besitzer, std::string& endung, const char* version,
             int32_t& letzte, const std::function<std::unique_ptr<TRBauteil>(Alt&)>& heben) {
    const bool version1 = std::string(version) == "1.00";
    // Version 1 knew one component file, of the user's type.
    const int typ = version1 ? DateiTypBauteileAnwender : besitzer + 6;
    return konvertieren<Alt, TRBauteil>(
        {datei->Pfad(besitzer), typ, {version}, !version1}, letzte, endung, heben,
        [&](std::vector<std::unique_ptr<TRBauteil>> neu, int32_t n) {
            return datei->AltbestandUebernehmen(besitzer, std::move(neu), n);
        });
}

// The component values of version 3 for a catalogue record: building kind
// 0, low internal temperatures, a small residential building.
void werteVersion3(TBauteilVersion3& v3) {
    v3.WerteBerechnen(0, 0, 1);
}

} // namespace

int TConvert_InV6::ConvertBaustoffDateiV1_2_V6(TBaustoffDatei* datei, short besitzer,
                                               std::string& endung) {
    return baustoffe<TBaustoffVersion1_2>(
        datei, besitzer, endung, kVersion1_2, [&](TBaustoffVersion1_2& alt) {
            TBaustoffVersion3 v3;
            TConvert_InV3(verzeichnis_).ConvertBaustoff(&v3, &alt);
            return baustoffAusVersion3(v3, verzeichnis_);
        });
}

int TConvert_InV6::ConvertBaustoffDateiV3_V6(TBaustoffDatei* datei, short besitzer,
                                             std::string& endung) {
    return baustoffe<TBaustoffVersion3>(
        datei, besitzer, endung, {"3.00"},
        [&](TBaustoffVersion3& alt) { return baustoffAusVersion3(alt, verzeichnis_); });
}

int TConvert_InV6::ConvertBaustoffDateiV4_V6(TBaustoffDatei* datei, short besitzer,
                                             std::string& endung) {
    return baustoffe<TBaustoffVersion4>(
        datei, besitzer, endung, {"4.00"},
        [&](TBaustoffVersion4& alt) { return baustoffAusVersion4(alt, verzeichnis_); });
}

int TConvert_InV6::ConvertFensterDateiV1_2_V6(TFensterDatei* datei, short besitzer,
                                              std::string& endung) {
    return fenster<TFensterVersion1_2>(datei, besitzer, endung, kVersion1_2,
                                       [&](TFensterVersion1_2& alt) {
                                           TFensterVersion3 v3;
                                           TConvert_InV3(verzeichnis_).ConvertFenster(&v3, &alt);
                                           return fensterAusVersion3(v3, besitzer, verzeichnis_);
                                       });
}

int TConvert_InV6::ConvertFensterDateiV3_V6(TFensterDatei* datei, short besitzer,
                                            std::string& endung) {
    return fenster<TFensterVersion3>(datei, besitzer, endung, {"3.00"}, [&](TFensterVersion3& alt) {
        return fensterAusVersion3(alt, besitzer, verzeichnis_);
    });
}

int TConvert_InV6::ConvertBauteilDateiV1_V6(TBauteilDatei* datei, short besitzer,
                                            std::string& endung) {
    // Version 1 numbered nothing: the records get the owner's next numbers.
    int32_t letzte = std::max(datei->LetzteNummer(besitzer), int32_t(0));
    return bauteile<TBauteilVersion1>(
        datei, besitzer, endung, "1.00", letzte, [&](TBauteilVersion1& alt) {
            TBauteilVersion2 v2;
            TConvert_InV2(verzeichnis_).ConvertBauteil(&v2, &alt);
            ByteImage& b = v2.Bild;
            b.SetI16(0, besitzer);
            b.SetI16(4, 0);
            b.SetI16(6, 0);
            // The catalogue group by the component type.
            const int16_t typ = v2.Bauteilart();
            if (typ == 0 || typ == 1) b.SetI16(2, 1);
            if (typ >= 2 && typ <= 6) b.SetI16(2, typ);
            if (typ >= 7 && typ <= 9) b.SetI16(2, 7);
            TBauteilVersion3 v3;
            TConvert_InV3(verzeichnis_).ConvertBauteil(&v3, &v2, nullptr);
            werteVersion3(v3);
            v3.Bild.SetI32(8, ++letzte);
            return bauteilAusVersion3(v3, besitzer, verzeichnis_);
        });
}

int TConvert_InV6::ConvertBauteilDateiV2_V6(TBauteilDatei* datei, short besitzer,
                                            std::string& endung) {
    int32_t letzte = -1;
    return bauteile<TBauteilVersion2>(
        datei, besitzer, endung, "2.00", letzte, [&](TBauteilVersion2& alt) {
            TBauteilVersion3 v3;
            TConvert_InV3(verzeichnis_).ConvertBauteil(&v3, &alt, nullptr);
            werteVersion3(v3);
            return bauteilAusVersion3(v3, besitzer, verzeichnis_);
        });
}

int TConvert_InV6::ConvertBauteilDateiV3_V6(TBauteilDatei* datei, short besitzer,
                                            std::string& endung) {
    int32_t letzte = -1;
    return bauteile<TBauteilVersion3>(
        datei, besitzer, endung, "3.00", letzte,
        [&](TBauteilVersion3& alt) { return bauteilAusVersion3(alt, besitzer, verzeichnis_); });
}

int TConvert_InV6::ConvertBauteilDateiV4_V6(TBauteilDatei* datei, short besitzer,
                                            std::string& endung) {
    int32_t letzte = -1;
    return bauteile<TRBauteilVersion4>(
        datei, besitzer, endung, "4.00", letzte,
        [&](TRBauteilVersion4& alt) { return bauteilAusVersion4(alt, verzeichnis_); });
}

int TConvert_InV6::ConvertBauteilDateiV5_V6(TBauteilDatei* datei, short besitzer,
                                            std::string& endung) {
    int32_t letzte = -1;
    return bauteile<TRBauteilVersion5>(
        datei, besitzer, endung, "5.00", letzte,
        [&](TRBauteilVersion5& alt) { return bauteilAusVersion5(alt, verzeichnis_); });
}
