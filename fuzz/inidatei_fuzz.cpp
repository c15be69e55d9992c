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
    for (const auto& a : abschnitte) {
        TProfile p(a, datei);
        for (const auto& k : vorher.KeyNames(a)) {
            if (!p.HasKey(k)) std::abort();
            const std::string wert = p.GetString(k, "", 64);
            if (wert.size() > 63 * 3) std::abort(); // 63 characters of up to 3 UTF-8 bytes
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
