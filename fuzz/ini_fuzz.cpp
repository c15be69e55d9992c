// The INI reader takes any bytes: parse, write back, parse again, look up and change.
#include "platform/base/Cp1252.h"
#include "platform/profile/IniDocument.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = cp1252::Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    auto doc = IniDocument::Parse(text);
    const auto names = doc.SectionNames();
    for (const auto& section : names)
        for (const auto& key : doc.KeyNames(section)) (void)doc.Get(section, key);
    const auto again = IniDocument::Parse(doc.Serialize());
    if (again.SectionNames() != names) std::abort(); // writing must not change the structure
    doc.Set(names.empty() ? "Neu" : names.front(), "Schluessel", "1,2,3");
    if (doc.Get(names.empty() ? "Neu" : names.front(), "schluessel") != "1,2,3") std::abort();
    if (!names.empty()) doc.DeleteSection(names.back());
    return 0;
}
