// The print-outs: a view's pages go to the printer as its page layout counts
// them, each page's logical extent fills the printer page, the page range the
// user sets stays as set, and the certificate keeps its proportions.
#include "korvalin/shell/TKorpusPrintout.h"
#include "korvalin/shell/TWBAusweisPrintOut.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/Aufzeichnen.h"
#include "korvalin/tests/SeitenAnsicht.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/gdi/BitmapFile.h"
#include "platform/gdi/DrawCall.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/print/Printer.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "testsupport/RunCommand.h"

#include <string>

namespace {

using shelltest::Programm;
using shelltest::SeitenAnsicht;

std::string Seitenzahl(const std::filesystem::path& pdf) {
    const std::string info = testsupport::RunCommand("pdfinfo '" + pdf.string() + "' 2>&1");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? info : std::to_string(std::stoi(info.substr(at + 6)));
}

std::string PdfText(const std::filesystem::path& pdf) {
    return testsupport::RunCommand("pdftotext '" + pdf.string() + "' -");
}

using shelltest::Aufzeichnen;

TEST_F(Programm, AViewPrintsIntoAPdfOfAsManyPagesAsItsLayoutCounts) {
    Starten();
    for (int seiten : {1, 3}) {
        const int absaetze = shelltest::AbsaetzeFuer(*app->Client(), app->GetPrinter(), seiten);
        ASSERT_GT(absaetze, 0) << seiten;
        auto* ansicht = new SeitenAnsicht(*app->Client(), app->GetPrinter(), absaetze);
        ASSERT_EQ(ansicht->Seitenlayout().Seitenanzahl, seiten);
        TPrinter& drucker = app->GetPrinter();
        drucker.GetSetup().OutputFile = (dirs.Root() / "ansicht.pdf").string();
        TKorpusPrintout ausdruck(&drucker, "Datenblatt", ansicht, true);
        services.PrintDialogs().ExpectPrint(testsupport::AcceptAsOffered);
        const TPrintResult ergebnis = drucker.Print(ausdruck, TPrintPrompt::Dialog);
        ASSERT_TRUE(ergebnis) << ergebnis.error;
        EXPECT_EQ(ergebnis.pages, seiten);
        const TPrintSetup angeboten = services.PrintDialogs().Offered().back();
        EXPECT_EQ(angeboten.MinPage, 1);
        EXPECT_EQ(angeboten.MaxPage, seiten);
        EXPECT_FALSE(ausdruck.HasPage(seiten + 1));
        EXPECT_EQ(Seitenzahl(drucker.GetSetup().OutputFile), std::to_string(seiten));
        // Printing lays out the same pages that the count found.
        EXPECT_EQ(ansicht->seitenGedruckt, seiten);
        EXPECT_FALSE(ansicht->Seitenlayout().Drucken);
        delete ansicht;
    }
}

TEST_F(Programm, ThePageRangeTheUserSetsInThePrintDialogIsKept) {
    Starten();
    auto* ansicht =
        new SeitenAnsicht(*app->Client(), app->GetPrinter(),
                          shelltest::AbsaetzeFuer(*app->Client(), app->GetPrinter(), 3));
    TPrinter& drucker = app->GetPrinter();
    drucker.GetSetup().OutputFile = (dirs.Root() / "teil.pdf").string();
    TKorpusPrintout ausdruck(&drucker, "Datenblatt", ansicht, true);
    services.PrintDialogs().ExpectPrint([](TPrintSetup& s) {
        s.AllPages = false;
        s.FromPage = 2;
        s.ToPage = 3;
        return true;
    });
    const TPrintResult ergebnis = drucker.Print(ausdruck, TPrintPrompt::Dialog);
    ASSERT_TRUE(ergebnis) << ergebnis.error;
    EXPECT_EQ(ergebnis.pages, 2);
    EXPECT_EQ(drucker.GetSetup().FromPage, 2);
    EXPECT_EQ(drucker.GetSetup().ToPage, 3);
    EXPECT_EQ(drucker.GetSetup().MaxPage, 3);
    EXPECT_EQ(Seitenzahl(drucker.GetSetup().OutputFile), "2");
    const std::string text = PdfText(drucker.GetSetup().OutputFile);
    // The first printed page is page 2 of the document, as poppler draws it.
    const auto bild = dirs.Root() / "teil";
    testsupport::RunCommand("pdftoppm -r 30 -f 1 -l 1 -png -singlefile '" +
                            drucker.GetSetup().OutputFile + "' '" + bild.string() + "'");
    const TBitmap seite = LoadBitmapFile(bild.string() + ".png");
    ASSERT_FALSE(seite.IsNull());
    EXPECT_EQ(seite.Size(), TSize(248, 351)); // A4 at 30 dpi
    if (const char* ziel = std::getenv("KORVALIN_VORSCHAU_PNG"))
        std::filesystem::copy_file(bild.string() + ".png", std::string(ziel) + "-pdf.png",
                                   std::filesystem::copy_options::overwrite_existing);
    EXPECT_NE(text.find("Seite 2"), std::string::npos) << text;
    EXPECT_NE(text.find("Seite 3"), std::string::npos) << text;
    EXPECT_EQ(text.find("Abschnitt 1\n"), std::string::npos) << text; // page 1's heading
}

TEST_F(Programm, EachPrintedPageFillsThePrinterPageAndTheMappingIsRestored) {
    Starten();
    auto* ansicht =
        new SeitenAnsicht(*app->Client(), app->GetPrinter(),
                          shelltest::AbsaetzeFuer(*app->Client(), app->GetPrinter(), 3));
    TPrinter& drucker = app->GetPrinter();
    TKorpusPrintout ausdruck(&drucker, "Datenblatt", ansicht, true);
    TRecordingDC dc(TMetricMode::Real, drucker.PdfCaps());
    Aufzeichnen(dc, drucker, ausdruck);
    ASSERT_EQ(ansicht->gemalt.size(), 3u);
    const TSize seite{drucker.PdfCaps().width, drucker.PdfCaps().height};
    for (int p = 1; p <= 3; ++p) {
        const auto& a = ansicht->gemalt[size_t(p - 1)];
        EXPECT_TRUE(a.drucken);
        EXPECT_EQ(a.seite, p - 1);
        EXPECT_EQ(a.voffset, 1260 * (p - 1));
        EXPECT_EQ(ansicht->seitenGedruckt, 3);
        EXPECT_EQ(a.rect, TRect(0, 0, seite.cx, seite.cy));
    }
    EXPECT_EQ(ansicht->abbildung.Mode(), MM_ANISOTROPIC);
    EXPECT_EQ(ansicht->abbildung.WindowExt(), TSize(891, 1260));
    EXPECT_EQ(ansicht->seitenecke, TPoint(seite.cx, seite.cy));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetWindowOrg(), TPoint(0, 0));

    // The text of each page stays above its foot margin: nothing drawn on a
    // page reaches below nine tenths of it.
    int aufSeiten = 0;
    for (const TDrawCall& c : dc.Calls()) {
        if (c.kind != TDrawKind::TextRun && c.kind != TDrawKind::TextOut) continue;
        if (c.deviceBox.bottom <= 0 || c.deviceBox.top >= seite.cy) continue;
        ++aufSeiten;
        EXPECT_LE(c.deviceBox.bottom, int(seite.cy * 0.9) + 1) << c.text;
    }
    EXPECT_GT(aufSeiten, 20);
}

TEST_F(Programm, TheCertificateIsPrintedInBandsOfThePageHeightWithoutDistortion) {
    Starten();
    auto* ansicht = new SeitenAnsicht(*app->Client(), app->GetPrinter(),
                                      shelltest::AbsaetzeFuer(*app->Client(), app->GetPrinter(), 3),
                                      SeitenAnsicht::Ausweis);
    TPrinter& drucker = app->GetPrinter();
    TWBAusweisPrintOut ausdruck(&drucker, "Wärmebedarfsausweis", ansicht, true);
    TRecordingDC dc(TMetricMode::Real, drucker.PdfCaps());
    const TSize seite{drucker.PdfCaps().width, drucker.PdfCaps().height};
    ausdruck.SetPrintParams(&dc, seite);
    ausdruck.BeginPrinting();
    TRect leer; // the printer's rectangle is not what the certificate gets
    ausdruck.PrintPage(2, leer, 0);
    const auto& a = ansicht->gemalt.back();
    EXPECT_EQ(a.rect, TRect(0, 0, seite.cx, seite.cy));
    EXPECT_EQ(a.voffset, 2 * 1260);
    EXPECT_EQ(ansicht->Seitenlayout().ScrollPosition, 180);
    const TMapping& m = ansicht->abbildung;
    EXPECT_EQ(m.Mode(), MM_ISOTROPIC);
    EXPECT_EQ(m.WindowExt(), TSize(825, 1260));
    EXPECT_EQ(m.WindowOrg(), TPoint(0, 1260));
    // One scale on both axes; the band's height fills the page.
    EXPECT_NEAR(double(m.ViewportExt().cx) / 825, double(m.ViewportExt().cy) / 1260, 0.01);
    EXPECT_EQ(m.ViewportExt().cy, seite.cy);
    EXPECT_LE(m.ViewportExt().cx, seite.cx);
    const int seiten = ansicht->Seitenlayout().Seitenanzahl;
    EXPECT_GE(seiten, 3);
    EXPECT_EQ(ansicht->seitenGedruckt, seiten);

    drucker.GetSetup().OutputFile = (dirs.Root() / "ausweis.pdf").string();
    ASSERT_TRUE(drucker.Print(ausdruck));
    EXPECT_EQ(Seitenzahl(drucker.GetSetup().OutputFile), std::to_string(seiten));
}

TEST_F(Programm, PrintedPagesDoNotDependOnTheScreen) {
    Starten();
    auto* ansicht =
        new SeitenAnsicht(*app->Client(), app->GetPrinter(),
                          shelltest::AbsaetzeFuer(*app->Client(), app->GetPrinter(), 3));
    ASSERT_TRUE(ansicht->Create());
    TPrinter& drucker = app->GetPrinter();
    std::vector<std::string> aufnahmen;
    for (TRect rahmen : {TRect(0, 0, 640, 480), TRect(0, 0, 1920, 1200)}) {
        app->Frame()->MoveWindow(rahmen);
        Pump();
        TRecordingDC schirm(TMetricMode::Real);
        TRect r = ansicht->GetClientRect();
        ansicht->Paint(schirm, true, r);
        TKorpusPrintout ausdruck(&drucker, "Datenblatt", ansicht, true);
        TRecordingDC dc(TMetricMode::Real, drucker.PdfCaps());
        Aufzeichnen(dc, drucker, ausdruck);
        aufnahmen.push_back(dc.Dump());
    }
    EXPECT_FALSE(aufnahmen[0].empty());
    EXPECT_EQ(aufnahmen[0], aufnahmen[1]);
}

} // namespace
