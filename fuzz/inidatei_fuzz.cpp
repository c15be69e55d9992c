// The INI file layer takes any file: every key it lists reads through the
// profile calls, and a write keeps every other section, key and value.
#include "platform/profile/IniDocument.h"
#include "platform/profile/Profile.h"

#include "fuzz/FuzzSupport.h"
#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto datei = FuzzFolder() / "fuzz.ini";
    if (!WriteFileAtomically(datei, std::string_view(reinterpret_cast<const char*>(data), size)))
        std::abort();
    const IniDocument vorher = LoadIniFile(datei);
    const auto abschnitte = vorher.SectionNames();
    // Every profile call reads the whole file anew: a few keys of each section
    // go through them, the rest is checked on the document in hand, so that a
    // file of thousands of keys does not take thousands of readings.
    constexpr size_t kGelesenJeAbschnitt = 2;
    for (const auto& a : abschnitte) {
        TProfile p(a, datei);
        size_t gelesen = 0;
        for (const auto& k : vorher.KeyNames(a)) {
            const auto wert = vorher.Get(a, k);
            if (!wert) std::abort();
            (void)ParseProfileInt(*wert);
            if (gelesen++ >= kGelesenJeAbschnitt) continue;
            if (!p.HasKey(k)) std::abort();
            const std::string kurz = p.GetString(k, "", 64);
            if (kurz.size() > 63 * 3) std::abort(); // 63 characters of up to 3 UTF-8 bytes
            (void)p.GetInt(k, -1);
        }
    }
    const std::string ziel = abschnitte.empty() ? "Neu" : abschnitte.front();
    TProfile p(ziel, datei);
    if (!p.WriteString("FuzzSchluessel", "ä=1;2")) std::abort();
    if (p.GetString("fuzzschluessel") != "ä=1;2") std::abort();
    const IniDocument nachher = LoadIniFile(datei);
    for (const auto& a : abschnitte)
        for (const auto& k : vorher.KeyNames(a))
            if (nachher.Get(a, k) != vorher.Get(a, k) &&
                !(EqualNoCase(a, ziel) && EqualNoCase(k, "FuzzSchluessel")))
                std::abort();
    if (!p.DeleteKey("FuzzSchluessel") || p.HasKey("FuzzSchluessel")) std::abort();
    return 0;
}
