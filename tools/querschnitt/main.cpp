// Draws the sample walls of the Glaser tests to PNG, to look at:
//     querschnitt [output folder]   (default: the current folder)
// For every wall four pictures at twice the page scale (as printed: drawn
// directly), horizontal and upright, each also reversed, and one horizontal
// picture at screen scale through the off-screen bitmap.
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "platform/gdi/ImageDC.h"
#include "platform/window/QtRuntime.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/grafik/TZufallsgenerator.h"
#include "stammwerk/tests/GrafikWand.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kBreite = 760; // page area of one drawing, logical units
constexpr int kHoehe = 560;

bool Zeichnen(TEinfachBauteil& w, const std::filesystem::path& datei, int faktor, bool upright,
              bool reversed, TBtGrafikGroessen& gg, TBtSeitenGroessen& sg) {
    TImageDC dc(kBreite * faktor, kHoehe * faktor);
    const bool direkt = faktor != 1;
    if (direkt) {
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowExt({kBreite, kHoehe});
        dc.SetViewportExt({kBreite * faktor, kHoehe * faktor});
    }
    w.Grafik->SetPosition(10, 10);
    w.Grafik->PrepareDraw(dc, TRect(0, 0, kBreite, kHoehe), upright, reversed, direkt, &gg, &sg,
                          false);
    const FileResult r = dc.SavePng(datei);
    if (!r)
        std::fprintf(stderr, "%s: %s\n", datei.c_str(), r.error.c_str());
    else
        std::printf("%s\n", datei.c_str());
    return bool(r);
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QtRuntime qt(argc, argv);
    const std::filesystem::path ordner = argc > 1 ? argv[1] : ".";
    TFesterZufallsgenerator zufall(7); // the same picture at every run
    TZufallsgenerator::Setzen(&zufall);
    TBtGrafikGroessen gg;
    TBtSeitenGroessen sg;

    struct Beispiel {
        const char* name;
        TEinfachBauteil wand;
    } beispiele[] = {{"dreischicht", DreischichtWand()},
                     {"holz", HolzWand()},
                     {"sperrschicht", SperrschichtWand()},
                     {"zwoelfschicht", ZwoelfschichtWand()}};
    bool ok = true;
    for (Beispiel& b : beispiele) {
        const std::string n = b.name;
        ok &= Zeichnen(b.wand, ordner / (n + "-waagerecht.png"), 2, false, false, gg, sg);
        ok &= Zeichnen(b.wand, ordner / (n + "-waagerecht-umgekehrt.png"), 2, false, true, gg, sg);
        ok &= Zeichnen(b.wand, ordner / (n + "-hochkant.png"), 2, true, false, gg, sg);
        ok &= Zeichnen(b.wand, ordner / (n + "-hochkant-umgekehrt.png"), 2, true, true, gg, sg);
        ok &= Zeichnen(b.wand, ordner / (n + "-bildschirm.png"), 1, false, false, gg, sg);
    }
    return ok ? 0 : 1;
}
