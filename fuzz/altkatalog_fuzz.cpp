// Old catalogue files come from the user's folder: any bytes under any
// converter either convert whole, with the old bytes kept as the backup and
// a file the current catalogue reads, or leave the folder as it was.
#include "altwandler/TConvert_InV6.h"
#include "fuzz/FuzzSupport.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

template <class D>
void pruefen(std::string_view bytes, short k,
             int (TConvert_InV6::*wandler)(D*, short, std::string&)) {
    const fs::path ordner = FuzzFolder() / "katalog";
    std::error_code ec;
    fs::remove_all(ordner, ec);
    fs::create_directories(ordner);
    D datei(ordner);
    if (!WriteFileAtomically(datei.Pfad(k), bytes)) std::abort();
    std::string endung;
    const int r = (TConvert_InV6(ordner, "").*wandler)(&datei, k, endung);
    const auto jetzt = ReadWholeFile(datei.Pfad(k));
    if (!jetzt.ok) std::abort();
    if (r != KatalogKonvertiert) {
        if (std::string_view(reinterpret_cast<const char*>(jetzt.bytes.data()),
                             jetzt.bytes.size()) != bytes)
            std::abort();
        if (std::distance(fs::directory_iterator(ordner), fs::directory_iterator()) != 1)
            std::abort();
        return;
    }
    const auto kopie = ReadWholeFile(ordner / (datei.Pfad(k).stem().string() + "." + endung));
    if (!kopie.ok || std::string_view(reinterpret_cast<const char*>(kopie.bytes.data()),
                                      kopie.bytes.size()) != bytes)
        std::abort();
    D wieder(ordner);
    if (wieder.Oeffnen(k) != 0) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IgnoreReports();
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const short k = short(data[0] >> 4 & 1) + 1; // maker's or user's file
    switch (data[0] & 15) {
    case 0:
        return pruefen<TBaustoffDatei>(bytes, k, &TConvert_InV6::ConvertBaustoffDateiV1_2_V6), 0;
    case 1:
        return pruefen<TBaustoffDatei>(bytes, k, &TConvert_InV6::ConvertBaustoffDateiV3_V6), 0;
    case 2:
        return pruefen<TBaustoffDatei>(bytes, k, &TConvert_InV6::ConvertBaustoffDateiV4_V6), 0;
    case 3:
        return pruefen<TFensterDatei>(bytes, k, &TConvert_InV6::ConvertFensterDateiV1_2_V6), 0;
    case 4:
        return pruefen<TFensterDatei>(bytes, k, &TConvert_InV6::ConvertFensterDateiV3_V6), 0;
    case 5:
        return pruefen<TBauteilDatei>(bytes, k, &TConvert_InV6::ConvertBauteilDateiV1_V6), 0;
    case 6:
        return pruefen<TBauteilDatei>(bytes, k, &TConvert_InV6::ConvertBauteilDateiV2_V6), 0;
    case 7:
        return pruefen<TBauteilDatei>(bytes, k, &TConvert_InV6::ConvertBauteilDateiV3_V6), 0;
    case 8:
        return pruefen<TBauteilDatei>(bytes, k, &TConvert_InV6::ConvertBauteilDateiV4_V6), 0;
    default:
        return pruefen<TBauteilDatei>(bytes, k, &TConvert_InV6::ConvertBauteilDateiV5_V6), 0;
    }
}
