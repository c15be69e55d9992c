// The help viewer as a program of its own, as the help-link library starts it:
//     hilfeansicht [/pdf datei.pdf] [/kontext n] [/bild bild.png] hilfedatei
// shows the contents (or the topic of context n) and ends when the viewer is
// closed. /pdf sends printed topics into that file; /bild saves a picture of
// the viewer and ends at once.
#include "platform/services/HelpViewer.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/QtRuntime.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    QtRuntime qt(argc, argv);
    std::string file, pdf, picture;
    long context = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "/pdf" || a == "/bild" || a == "/kontext") && i + 1 < argc) {
            const std::string v = argv[++i];
            if (a == "/pdf") pdf = v;
            if (a == "/bild") picture = v;
            if (a == "/kontext") context = std::strtol(v.c_str(), nullptr, 10);
        } else {
            file = a;
        }
    }
    if (file.empty()) {
        std::fprintf(
            stderr,
            "usage: hilfeansicht [/pdf datei.pdf] [/kontext n] [/bild bild.png] hilfedatei\n");
        return 2;
    }
    HelpViewer viewer;
    std::string error;
    if (!viewer.Open(file, &error)) {
        MessageBox(error, "Hilfe", MB_OK | MB_ICONSTOP);
        return 1;
    }
    if (!pdf.empty()) viewer.SetPrintFile(pdf);
    viewer.SetClosedHandler([] { QtRuntime::Quit(0); });
    if (context >= 0)
        viewer.ShowContext(uint32_t(context));
    else
        viewer.ShowContents();
    if (!picture.empty()) return viewer.SaveImage(picture) ? 0 : 1;
    return qt.Exec();
}
