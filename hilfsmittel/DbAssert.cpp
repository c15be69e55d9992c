#include "hilfsmittel/DbAssert.h"

#include "platform/services/MessageBox.h"

#include <cstdio>
#include <cstdlib>

int dbassert(const char* file, int line) {
    // The report was laid out for 80 characters; a longer source name is cut.
    char text[80];
    std::snprintf(text, sizeof text, "assertion failed! File: %s Zeile: %d", file ? file : "",
                  line);
    const int answer = MessageBox(text, "Assert-Box", MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION);
    if (answer == IDABORT) std::abort();
    return answer;
}
