// The evaluator takes whatever the user types: any bytes, evaluated twice on
// one object (continuing, then after Reset), must neither crash nor hang.
#include "hilfsmittel/Calculator.h"
#include "hilfsmittel/RuntimeError.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const short degrees = short(data[0] & 1);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    TRuntimeError holder;
    TCalculator calc(&holder);
    calc.Calculate(text, degrees);
    int position = -1, line = -1;
    const int error = calc.GetError(&position, &line);
    if (error != 0 && (position < 0 || size_t(position) > text.size() || line < 0)) std::abort();
    if (calc.GetErrorText(error).empty()) std::abort();
    calc.Calculate(text, degrees);
    calc.Reset(); // again from the start, now with the variables of the first runs
    calc.Calculate(text, degrees);
    return 0;
}
