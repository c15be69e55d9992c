#include "platform/services/StderrMessages.h"

#include "platform/services/MessageBox.h"

#include <cstdio>

int StderrMessageService::MessageBox(std::string_view text, std::string_view caption,
                                     uint32_t type) {
    ++shown_;
    std::fprintf(stderr, "%.*s: %.*s\n", int(caption.size()), caption.data(), int(text.size()),
                 text.data());
    std::fflush(stderr);
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDIGNORE; // Abort would end the tool without a word on what it printed
    default:
        return IDOK;
    }
}
