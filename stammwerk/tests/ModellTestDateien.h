#pragma once
// Fixture bytes for the model's file tests, built from the documented
// layouts rather than by the production writers.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace modelltest {

// A 512-byte data file header: maker line at 0, identifier at 50, version at
// 80, signed 16-bit file type at 90, every other byte zero.
inline std::string KopfBytes(const char* version, int16_t typ) {
    std::string b(512, '\0');
    std::memcpy(&b[0], "QTX Datentechnik Weidenfeld", 27);
    std::memcpy(&b[50], "Viroruvizaru 95", 15);
    std::memcpy(&b[80], version, std::strlen(version));
    b[90] = char(typ & 0xFF);
    b[91] = char((uint16_t(typ) >> 8) & 0xFF);
    return b;
}

inline std::string I16Bytes(int16_t n) {
    return std::string{char(n & 0xFF), char((n >> 8) & 0xFF)};
}

inline std::string I32Bytes(int32_t n) {
    std::string b(4, '\0');
    for (int i = 0; i < 4; ++i) b[size_t(i)] = char((uint32_t(n) >> (8 * i)) & 0xFF);
    return b;
}

// With KORVALIN_FUZZ_SEEDS set to the fuzz corpus folder, a file a test
// wrote becomes a seed of the named fuzz target.
inline void AlsFuzzSaatAblegen(const std::filesystem::path& datei, const char* ziel) {
    const char* ordner = std::getenv("KORVALIN_FUZZ_SEEDS");
    if (!ordner) return;
    const auto z = std::filesystem::path(ordner) / ziel;
    std::filesystem::create_directories(z);
    std::filesystem::copy_file(datei, z / datei.filename(),
                               std::filesystem::copy_options::overwrite_existing);
}

} // namespace modelltest
