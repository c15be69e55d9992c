// Writes every data-sheet kind of a project into a PDF of its own, through
// the sheet window and the program's print-out, and a PNG of each page:
//     datenblaetter <project.pro> [output folder]   (default: the current folder)
// The files are named after the kind: "blatt03_massenermittlung.pdf",
// "blatt03_massenermittlung-1.png" and so on (PNGs through pdftoppm, 75 dpi).
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "platform/base/Directories.h"
#include "platform/print/Printer.h"
#include "platform/window/MDIClient.h"
#include "platform/window/QtRuntime.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

// File names without blanks or umlauts.
std::string dateiname(int art, const char* titel) {
    std::string name;
    for (const char* c = titel; *c; ++c) {
        const unsigned char z = static_cast<unsigned char>(*c);
        if (std::isalnum(z))
            name += char(std::tolower(z));
        else if (z == 0xC3 && c[1]) {
            const unsigned char n = static_cast<unsigned char>(*++c);
            name += (n == 0xA4 || n == 0x84)   ? "ae"
                    : (n == 0xB6 || n == 0x96) ? "oe"
                    : (n == 0xBC || n == 0x9C) ? "ue"
                    : n == 0x9F                ? "ss"
                                               : "_";
        } else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    char kopf[16];
    std::snprintf(kopf, sizeof kopf, "blatt%02d_", art);
    return kopf + name;
}

// The window of a sheet kind for the project's first subjects; null when the
// project has none of them.
std::unique_ptr<TDatenWindow> fenster(TMDIClient& client, int art, TProjekt& p) {
    const char* titel = BlattartAngaben(art).Titel;
    std::vector<TRBauteil*> bauteile;
    for (TRBauteil& b : p.RBauteile) bauteile.push_back(&b);
    std::vector<TRFenster*> fenster;
    for (TRFenster& f : p.RFenster) fenster.push_back(&f);
    TRBauteil* erstes = bauteile.empty() ? nullptr : bauteile.front();
    TRBauteil* zweites = bauteile.size() > 1 ? bauteile[1] : erstes;
    switch (art) {
    case 0:
        return std::make_unique<TWaermeschutzWindow>(client, titel, art, 0, bauteile, fenster);
    case 4:
        return std::make_unique<TFeuchteschutzWindow>(client, titel, art, 0, bauteile, fenster);
    case 1:
        return std::make_unique<TProjektDatenWindow>(client, titel, art);
    case 2:
        return std::make_unique<TEnergieDatenWindow>(client, titel, art);
    case 3:
        return std::make_unique<TMassenDatenWindow>(client, titel, art);
    case 6:
        return std::make_unique<TFassadenDatenWindow>(client, titel, art);
    case 7:
        return std::make_unique<TBauteilViewWindow>(client, titel, art);
    case 8:
        return std::make_unique<TFlaechenDatenWindow>(client, titel, art);
    case 5:
        if (!erstes) return nullptr;
        return std::make_unique<TBauteilDatenWindow>(client, titel, erstes, nullptr);
    case 9:
        return std::make_unique<TBtAusDateiWindow>(client, titel, art, 0, bauteile);
    case 10:
        return std::make_unique<TFnstAusDateiWindow>(client, titel, art, 0, fenster);
    case 11:
        if (!erstes) return nullptr;
        return std::make_unique<TPeriodenDatenWindow>(client, titel, erstes, art);
    default:
        if (!erstes) return nullptr;
        return std::make_unique<TVergleichDatenWindow>(client, titel, erstes, 0, zweites, 0, art);
    }
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QtRuntime qt(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "datenblaetter <projekt.pro> [ordner]\n");
        return 2;
    }
    if (!PrepareDirectories(CurrentDirectories())) return 1;
    const fs::path ordner = argc > 2 ? argv[2] : ".";
    auto g = std::make_unique<TGesamtProjekt>(fs::path(argv[1]).parent_path());
    if (g->Oeffnen(argv[1]) != 0 || !g->AktuellesProjekt) {
        std::fprintf(stderr, "%s: Projekt kann nicht gelesen werden\n", argv[1]);
        return 1;
    }
    g->AktuellesProjekt->Massenermittlung();
    ProjektSetzen(std::move(g));
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    TMDIClient client;
    client.Create();
    TPrinter drucker;
    int fehler = 0;
    for (int art = 0; art <= 14; ++art) {
        auto w = fenster(client, art, p);
        if (!w || !w->Create()) continue;
        const fs::path pdf = ordner / (dateiname(art, BlattartAngaben(art).Titel) + ".pdf");
        TKorpusPrintout ausdruck(&drucker, w->GetCaption(), w.get(), true);
        const TPrintResult ergebnis = drucker.PrintToPdf(ausdruck, pdf);
        if (!ergebnis) {
            std::fprintf(stderr, "%s: %s\n", pdf.c_str(), ergebnis.error.c_str());
            ++fehler;
            continue;
        }
        std::printf("%s: %d Seiten\n", pdf.c_str(), ergebnis.pages);
        const std::string png = (ordner / pdf.stem()).string();
        const std::string befehl = "pdftoppm -r 75 -png '" + pdf.string() + "' '" + png + "'";
        if (std::system(befehl.c_str()) != 0) ++fehler;
    }
    return fehler ? 1 : 0;
}
