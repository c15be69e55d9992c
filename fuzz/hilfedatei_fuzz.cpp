// The help-file reader and the macro parser take any bytes: parse, look up
// every topic, keyword and context, and parse the macros the file carries.
#include "platform/services/HelpFile.h"
#include "platform/services/HelpMacro.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    HelpFileError error;
    const HelpFile f = HelpFile::Parse(text, &error);
    (void)ParseHelpMacro(text);
    if (!f.IsValid()) {
        if (error.message.empty()) std::abort(); // a refusal always says why
        return 0;
    }
    if (f.ContentsTopic() < 0 || size_t(f.ContentsTopic()) >= f.Topics().size()) std::abort();
    for (const auto& m : f.StartMacros()) (void)ParseHelpMacro(m);
    for (size_t i = 0; i < f.Topics().size(); ++i) {
        const auto& t = f.Topics()[i];
        if (f.FindByName(t.name) != int(i)) std::abort();
        for (uint32_t c : t.contexts)
            if (f.FindByContext(c) != int(i)) std::abort();
        for (const auto& k : t.keywords) (void)f.FindByKeyword(k, true);
        for (const auto& b : t.body)
            for (const auto& r : b.runs)
                if (!r.target.empty() && f.FindByName(r.target) < 0) std::abort();
        (void)HelpFile::PlainText(t);
    }
    (void)f.Keywords();
    return 0;
}
