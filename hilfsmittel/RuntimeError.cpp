#include "hilfsmittel/RuntimeError.h"

#include <algorithm>
#include <cstring>

TRuntimeError::TRuntimeError() {
    Reset();
}

void TRuntimeError::SetError(const char* text) {
    if (text) {
        message = text;
        state = 1;
    } else {
        message = "Ok";
        state = 0;
    }
}

void TRuntimeError::GetErrorString(char* dest, std::size_t size) const {
    if (!dest || size == 0) return;
    const std::size_t n = std::min(message.size(), size - 1);
    std::memcpy(dest, message.data(), n);
    dest[n] = '\0';
}

void TRuntimeError::Reset() {
    state = 0;
    message = "Ok";
    description = "Kein Fehler";
}
