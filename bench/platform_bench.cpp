// Reading settings happens on every paint of a data sheet; it must stay cheap.
#include "platform/base/Cp1252.h"
#include "platform/profile/IniDocument.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string settingsText(int sections) {
    std::string text;
    for (int s = 0; s < sections; ++s) {
        text += "[Abschnitt" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 20; ++k)
            text += "Schluessel" + std::to_string(k) + "=225,225,225\r\n";
    }
    return text;
}

void BM_IniParseAndLookup(benchmark::State& state) {
    const std::string text = settingsText(int(state.range(0)));
    for (auto _ : state) {
        auto doc = IniDocument::Parse(text);
        benchmark::DoNotOptimize(doc.Get("abschnitt5", "schluessel19"));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_IniParseAndLookup)->Arg(10)->Arg(100);

void BM_Cp1252RoundTrip(benchmark::State& state) {
    const std::string text(4096, 'a');
    for (auto _ : state) benchmark::DoNotOptimize(cp1252::Decode(*cp1252::Encode(text)));
}
BENCHMARK(BM_Cp1252RoundTrip);

} // namespace
