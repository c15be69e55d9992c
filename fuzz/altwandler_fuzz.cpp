// Old project files of versions 4 and 5 come from anywhere: both readers
// take any bytes, and what they accept converts to the current model.
#include "altwandler/TConvert_InV5.h"
#include "altwandler/TConvert_InV6.h"
#include "altwandler/Version4.h"
#include "altwandler/Version5.h"
#include "fuzz/FuzzSupport.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IgnoreReports();
    const std::span<const uint8_t> bytes(data, size);

    TGesamtProjektVersion5 v5;
    if (v5.Lesen(bytes) == 0) {
        TGesamtProjekt neu("/tmp");
        TConvert_InV6("/tmp/", "fuzz.pro").ConvertGesamtProjekt(&neu, &v5);
    }
    TGesamtProjektVersion4 v4;
    if (v4.Lesen(bytes) == 0) {
        TGesamtProjektVersion5 mitte;
        TConvert_InV5("/tmp/").ConvertGesamtProjekt(&mitte, &v4);
        TGesamtProjekt neu("/tmp");
        TConvert_InV6("/tmp/", "fuzz.pro").ConvertGesamtProjekt(&neu, &mitte);
    }
    return 0;
}
