#include "hilfsmittel/DbAssert.h"

#include "platform/services/MessageBox.h"
#include "platform/window/PaintScope.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Reports raised during a paint, shown once the paint is over; a check that
// fails on every line of a drawing is reported once.
std::vector<std::string> g_nachDemZeichnen;

int zeigen(const std::string& text) {
    const int answer = MessageBox(text, "Assert-Box", MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION);
    if (answer == IDABORT) std::abort();
    return answer;
}

} // namespace

int dbassert(const char* file, int line) {
    // The report was laid out for 80 characters; a longer source name is cut.
    char text[80];
    std::snprintf(text, sizeof text, "assertion failed! File: %s Zeile: %d", file ? file : "",
                  line);
    if (!InsidePaint()) return zeigen(text);
    // A box may not run its loop inside a paint: the drawing goes on as after
    // Ignore, and the box follows when the paint has ended.
    if (std::find(g_nachDemZeichnen.begin(), g_nachDemZeichnen.end(), text) ==
        g_nachDemZeichnen.end()) {
        g_nachDemZeichnen.emplace_back(text);
        AfterPaint([t = std::string(text)] {
            zeigen(t);
            std::erase(g_nachDemZeichnen, t);
        });
    }
    return IDIGNORE;
}
