// Writes every data-sheet kind of a project into a PDF of its own, through
// the sheet window and the program's print-out, and a PNG of each page:
//     datenblaetter [--alle-ausweise] <project.pro> [output folder]
// (--help prints this usage; a missing output folder is made)
// (default folder: the current one). The files are named after the kind:
// "blatt03_massenermittlung.pdf", "blatt03_massenermittlung-1.png" and so on
// (PNGs through pdftoppm, 75 dpi). The heat demand certificate follows as
// "ausweis_A.pdf" (B, C): the variant the project calls for (a small
// residential building by the A/V method, the first choice the program
// offers), or with --alle-ausweise all three, the project's switches set for
// each. Sheets take the project's own layout settings and the texts typed
// into its sheet files. A message the program would show in a box goes to
// stderr, and the tool then ends with a failure.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/TWaermeBedarfsAusweisWindow.h"
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/projekt/ProjektEinstellungen.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "korvalin/shell/TWBAusweisPrintOut.h"
#include "platform/base/Directories.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/print/Printer.h"
#include "platform/services/StderrMessages.h"
#include "platform/window/MDIClient.h"
#include "platform/window/QtRuntime.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/WertePruefung.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

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

// PDF and PNGs of one print-out; false when either failed.
bool drucken(TPrinter& drucker, TKorpusPrintout& ausdruck, const fs::path& pdf) {
    const TPrintResult ergebnis = drucker.PrintToPdf(ausdruck, pdf);
    if (!ergebnis) {
        std::fprintf(stderr, "%s: %s\n", pdf.c_str(), ergebnis.error.c_str());
        return false;
    }
    std::printf("%s: %d Seiten\n", pdf.c_str(), ergebnis.pages);
    const std::string png = (pdf.parent_path() / pdf.stem()).string();
    const std::string befehl = "pdftoppm -r 75 -png '" + pdf.string() + "' '" + png + "'";
    return std::system(befehl.c_str()) == 0;
}

// The certificate of one variant; the project's switches are set for it
// and the variant computed again, as by the settings sheet.
bool ausweisDrucken(TMDIClient& client, TPrinter& drucker, TProjekt& p, char variante,
                    const fs::path& ordner) {
    if (variante != 0) AusweisEinstellungenSetzen(p, variante);
    TWaermeBedarfsAusweisWindow w(client, "Wärmebedarfsausweis");
    // A small residential building: the A/V method unless only the
    // component method is possible; B asks for the component method.
    w.Methode = variante == 'B' ? 0 : p.V >= 0.01 ? 1 : 0;
    const ausweis::Variante gewaehlt = ausweis::VarianteWaehlen(w.Seitenlayout(), w.Methode);
    if (gewaehlt == ausweis::Variante::Keine) {
        std::printf("Für die Baumaßnahme des Projekts ist kein Wärmebedarfsausweis vorgesehen.\n");
        return true;
    }
    if (!w.Create()) return false;
    // The first paint counts the pages, as on the screen before a print.
    TMeasuringDC mass;
    TRect flaeche = w.GetClientRect();
    w.Paint(mass, false, flaeche);
    const char buchstabe = gewaehlt == ausweis::Variante::A   ? 'A'
                           : gewaehlt == ausweis::Variante::B ? 'B'
                                                              : 'C';
    TWBAusweisPrintOut ausdruck(&drucker, w.GetCaption(), &w, true);
    return drucken(drucker, ausdruck, ordner / (std::string("ausweis_") + buchstabe + ".pdf"));
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QtRuntime qt(argc, argv);
    auto meldungen = std::make_shared<StderrMessageService>();
    CurrentServices().messages = meldungen;
    std::vector<std::string> argumente(argv + 1, argv + argc);
    const auto schalter = std::find(argumente.begin(), argumente.end(), "--alle-ausweise");
    const bool alleAusweise = schalter != argumente.end();
    if (alleAusweise) argumente.erase(schalter);
    const char* const aufruf = "datenblaetter [--alle-ausweise] <projekt.pro> [ordner]\n";
    if (!argumente.empty() && (argumente[0] == "--help" || argumente[0] == "-h")) {
        std::printf("%s", aufruf);
        return 0;
    }
    if (argumente.empty()) {
        std::fprintf(stderr, "%s", aufruf);
        return 2;
    }
    if (!PrepareDirectories(CurrentDirectories())) return 1;
    Korpus().Programmverzeichnis = (CurrentDirectories().programData / "").string();
    const fs::path datei = argumente[0];
    const fs::path ordner = argumente.size() > 1 ? argumente[1] : ".";
    std::error_code fehlerCode;
    fs::create_directories(ordner, fehlerCode);
    if (fehlerCode) {
        std::fprintf(stderr, "%s: Ordner kann nicht angelegt werden: %s\n", ordner.c_str(),
                     fehlerCode.message().c_str());
        return 1;
    }
    auto g = std::make_unique<TGesamtProjekt>(datei.parent_path());
    if (g->Oeffnen(datei) != 0 || !g->AktuellesProjekt) {
        std::fprintf(stderr, "%s: Projekt kann nicht gelesen werden\n%s\n", datei.c_str(),
                     g->LetzterFehler().c_str());
        return 1;
    }
    // Sheets of replaced values would look like a proof of the file's own:
    // the tool prints none of them.
    if (!g->ErsetzteWerte().empty()) {
        std::fprintf(stderr, "%s: %s\n", datei.c_str(),
                     ErsetzteWerteMeldung(g->ErsetzteWerte(), size_t(-1)).c_str());
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
        auto w = BlattfensterFuerArt(client, art, p);
        if (!w || !w->Create()) continue;
        const fs::path pdf = ordner / (dateiname(art, BlattartAngaben(art).Titel) + ".pdf");
        TKorpusPrintout ausdruck(&drucker, w->GetCaption(), w.get(), true);
        if (!drucken(drucker, ausdruck, pdf)) ++fehler;
    }
    if (alleAusweise) {
        for (char v : {'A', 'B', 'C'})
            if (!ausweisDrucken(client, drucker, p, v, ordner)) ++fehler;
    } else if (!ausweisDrucken(client, drucker, p, 0, ordner)) {
        ++fehler;
    }
    return fehler || meldungen->Shown() ? 1 : 0;
}
