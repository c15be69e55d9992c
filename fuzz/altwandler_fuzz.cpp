// Old project files of versions 1 to 5 come from anywhere: every reader
// takes any bytes, and what it accepts converts to the current model.
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
#include "fuzz/FuzzSupport.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <cstdint>
#include <span>

namespace {

void abVersion5(TGesamtProjektVersion5& v5) {
    TGesamtProjekt neu("/tmp");
    TConvert_InV6("/tmp/", "fuzz.pro").ConvertGesamtProjekt(&neu, &v5);
}

void abVersion4(TGesamtProjektVersion4& v4) {
    TGesamtProjektVersion5 v5;
    TConvert_InV5("/tmp/").ConvertGesamtProjekt(&v5, &v4);
    abVersion5(v5);
}

void abVersion3(TGesamtProjektVersion3& v3) {
    TGesamtProjektVersion4 v4;
    TConvert_InV4("/tmp/").ConvertGesamtProjekt(&v4, &v3);
    abVersion4(v4);
}

void abVersion2(TGesamtProjektVersion2& v2) {
    TGesamtProjektVersion3 v3;
    TConvert_InV3("/tmp/").ConvertGesamtProjekt(&v3, &v2);
    abVersion3(v3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IgnoreReports();
    const std::span<const uint8_t> bytes(data, size);

    if (TGesamtProjektVersion5 v5; v5.Lesen(bytes) == 0) abVersion5(v5);
    if (TGesamtProjektVersion4 v4; v4.Lesen(bytes) == 0) abVersion4(v4);
    if (TGesamtProjektVersion3 v3; v3.Lesen(bytes) == 0) abVersion3(v3);
    if (TGesamtProjektVersion2 v2; v2.Lesen(bytes) == 0) abVersion2(v2);
    if (TProjektVersion1 v1; v1.Lesen(bytes) == 0) {
        TGesamtProjektVersion2 v2;
        auto p = std::make_unique<TProjektVersion2>();
        TConvert_InV2("/tmp/").ConvertProjekt(p.get(), &v1);
        v2.Projekte.push_back(std::move(p));
        abVersion2(v2);
    }
    return 0;
}
