// The paper a sheet prints on: the landscape sheets of the example go onto
// landscape paper through their own print command, and the portrait sheet
// printed next comes out upright, its page filling the paper undistorted.
#include "korvalin/tests/DatenfensterFixture.h"

#include "korvalin/shell/KorpusBefehle.h"
#include "platform/print/Printer.h"
#include "testsupport/ScriptedPrintDialogs.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

using namespace datenfenster_test;

// Width and height of the PDF's first page in points.
std::pair<double, double> Papier(const std::filesystem::path& pdf) {
    const std::string info = testsupport::RunCommand("pdfinfo '" + pdf.string() + "' 2>&1");
    double b = 0, h = 0;
    const auto at = info.find("Page size:");
    if (at != std::string::npos) std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &b, &h);
    return {b, h};
}

TDatenWindow* Blatt(shelltest::Programm& programm, int art) {
    for (TWindow* w : programm.app->Client()->MDIChildren())
        if (auto* d = dynamic_cast<TDatenWindow*>(w); d && d->Blattart == art) return d;
    return nullptr;
}

TEST_F(Datenfenster, QuerformatblaetterAufQuerformatUndDasNaechsteBlattHochkant) {
    Beispiel();
    TPrinter& drucker = app->GetPrinter();
    struct Fall {
        int befehl;
        int art;
        bool quer;
    };
    const Fall faelle[] = {
        {CM_HUELLFLAECHENDATEN, 6, true},
        {CM_BAUTEIL_UEBERSICHT, 7, true},
        {CM_MASSENERMITTLUNG, 3, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        befehl(f.befehl);
        TDatenWindow* w = Blatt(*this, f.art);
        ASSERT_NE(w, nullptr);
        const auto pdf = dirs.Root() / ("blatt" + std::to_string(f.art) + ".pdf");
        drucker.GetSetup().OutputFile = pdf.string();
        services.PrintDialogs().ExpectPrint(testsupport::AcceptAsOffered);
        w->CmDrucken();
        const TPrintSetup angeboten = services.PrintDialogs().Offered().back();
        EXPECT_EQ(angeboten.Orientation, f.quer ? TOrientation::Landscape : TOrientation::Portrait);
        const auto [breite, hoehe] = Papier(pdf);
        ASSERT_GT(breite, 0);
        EXPECT_EQ(breite > hoehe, f.quer) << breite << " x " << hoehe;
        // The job's orientation does not stay with the printer.
        EXPECT_EQ(drucker.GetSetup().Orientation, TOrientation::Portrait);
        EXPECT_EQ(PdfSeiten(pdf), w->Seitenzahl);
    }
}

} // namespace
