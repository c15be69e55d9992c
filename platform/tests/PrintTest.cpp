// The print loop, PDF output and preview pages. PDFs are checked with
// poppler's pdfinfo and pdftotext (installed by the test command).
#include "platform/base/FileIO.h"
#include "platform/gdi/BitmapFile.h"
#include "platform/gdi/DC.h"
#include "platform/print/PreviewPage.h"
#include "platform/print/Printer.h"
#include "platform/print/TestPage.h"
#include "testsupport/RunCommand.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using testsupport::RunCommand;

std::string PdfInfo(const std::filesystem::path& pdf) {
    return RunCommand("pdfinfo '" + pdf.string() + "' 2>&1");
}

// A document of `pages` pages, like the data-sheet print-outs: it reports its
// page count in GetDialogInfo, sets the printer's range in BeginPrinting and
// maps a logical page of 891 x 1260 onto the printer page.
class CountingPrintout : public TPrintout {
public:
    CountingPrintout(TPrinter& printer, int pages)
        : TPrintout("Zähler"), printer_(printer), pages_(pages) {}
    void GetDialogInfo(int& minPage, int& maxPage, int& from, int& to) override {
        log.push_back("GetDialogInfo");
        minPage = 1;
        maxPage = pages_;
        from = 0;
        to = 1;
    }
    void BeginPrinting() override {
        log.push_back("BeginPrinting");
        printer_.GetSetup().MinPage = 1;
        printer_.GetSetup().MaxPage = pages_;
    }
    bool HasPage(int page) override {
        return printer_.GetSetup().MinPage <= page && page <= printer_.GetSetup().MaxPage;
    }
    void PrintPage(int page, TRect& rect, unsigned) override {
        log.push_back("PrintPage " + std::to_string(page));
        DC->SaveDC();
        DC->SetMapMode(MM_ANISOTROPIC);
        DC->SetWindowExt({891, 1260});
        DC->SetViewportExt(PageSize);
        TPoint corner{891, 1260};
        DC->LPtoDP(&corner);
        corners.push_back(corner);
        DC->SelectObject(TFont("Arial", -20));
        DC->TextOut(100, 100, "Seite " + std::to_string(page));
        DC->RestoreDC(-1);
    }
    void EndPrinting() override { log.push_back("EndPrinting"); }

    std::vector<std::string> log;
    std::vector<TPoint> corners;

private:
    TPrinter& printer_;
    int pages_;
};

TEST(Print, ThreePagesGoIntoAThreePagePdfFilledByTheLogicalPage) {
    testsupport::TempDir dir;
    TPrinter printer;
    CountingPrintout doc(printer, 3);
    TPrintResult result = printer.PrintToPdf(doc, dir / "drei.pdf");
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.pages, 3);
    EXPECT_EQ(doc.log, (std::vector<std::string>{"GetDialogInfo", "BeginPrinting", "PrintPage 1",
                                                 "PrintPage 2", "PrintPage 3", "EndPrinting"}));
    EXPECT_FALSE(doc.HasPage(4));
    // A4 at 600 dpi. Qt keeps A4 in whole points, 595 x 842 pt:
    // 595 / 72 * 600 = 4958.3 px, 842 / 72 * 600 = 7016.7 px. The logical
    // corner lands on the page's far corner.
    const TDeviceCaps caps = printer.PdfCaps();
    EXPECT_NEAR(caps.width, 4958, 1);
    EXPECT_NEAR(caps.height, 7017, 1);
    EXPECT_EQ(doc.corners[0], TPoint(caps.width, caps.height));
    const std::string info = PdfInfo(dir / "drei.pdf");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const std::string text = RunCommand("pdftotext '" + (dir / "drei.pdf").string() + "' -");
    EXPECT_NE(text.find("Seite 3"), std::string::npos) << text;
}

TEST(Print, APageRangePrintsOnlyThosePages) {
    testsupport::TempDir dir;
    TPrinter printer;
    printer.GetSetup().AllPages = false;
    printer.GetSetup().FromPage = 2;
    printer.GetSetup().ToPage = 5; // beyond the document: HasPage stops at 3
    CountingPrintout doc(printer, 3);
    TPrintResult result = printer.PrintToPdf(doc, dir / "teil.pdf");
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.pages, 2);
    EXPECT_NE(PdfInfo(dir / "teil.pdf").find("Pages:           2"), std::string::npos);
}

TEST(Print, LandscapeSwapsThePageSides) {
    TPrinter printer;
    printer.GetSetup().Orientation = TOrientation::Landscape;
    EXPECT_NEAR(printer.PdfCaps().width, 7017, 1);
    EXPECT_NEAR(printer.PdfCaps().height, 4958, 1);
}

// A document laid out on landscape paper gets landscape paper for its own
// job only: the next document without a wish prints as the printer is set.
TEST(Print, ADocumentsOrientationHoldsForItsJobOnly) {
    class Quer : public CountingPrintout {
    public:
        using CountingPrintout::CountingPrintout;
        std::optional<TOrientation> PageOrientation() const override {
            return TOrientation::Landscape;
        }
    };
    testsupport::TempDir dir;
    TPrinter printer;
    auto seite = [](const std::filesystem::path& pdf) {
        const std::string info = PdfInfo(pdf);
        double b = 0, h = 0;
        const auto at = info.find("Page size:");
        if (at != std::string::npos) std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &b, &h);
        return std::pair(b, h);
    };
    Quer quer(printer, 1);
    EXPECT_GT(printer.PdfCaps(quer).width, printer.PdfCaps(quer).height);
    ASSERT_TRUE(printer.PrintToPdf(quer, dir / "quer.pdf"));
    EXPECT_EQ(quer.corners[0], TPoint(printer.PdfCaps(quer).width, printer.PdfCaps(quer).height));
    const auto [qb, qh] = seite(dir / "quer.pdf");
    EXPECT_GT(qb, qh);
    EXPECT_EQ(printer.GetSetup().Orientation, TOrientation::Portrait);

    CountingPrintout hoch(printer, 1);
    ASSERT_TRUE(printer.PrintToPdf(hoch, dir / "hoch.pdf"));
    const auto [hb, hh] = seite(dir / "hoch.pdf");
    EXPECT_LT(hb, hh);
    EXPECT_EQ(hoch.corners[0], TPoint(printer.PdfCaps().width, printer.PdfCaps().height));
}

TEST(Print, FailedPdfWriteIsReportedAndKeepsTheOldFile) {
    testsupport::TempDir dir;
    TPrinter printer;
    TTestPagePrintout page;
    TPrintResult missing = printer.PrintToPdf(page, dir / "fehlt" / "x.pdf");
    EXPECT_FALSE(missing);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "fehlt"));

    ASSERT_TRUE(WriteFileAtomically(dir / "alt.pdf", std::string_view("alt")));
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_FALSE(printer.PrintToPdf(page, dir / "alt.pdf"));
    filefaults::Clear();
    std::ifstream in(dir / "alt.pdf");
    std::string old((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(old, "alt");
}

TEST(Print, ADocumentWithoutPagesWritesNoFile) {
    testsupport::TempDir dir;
    TPrinter printer;
    CountingPrintout empty(printer, 0);
    TPrintResult result = printer.PrintToPdf(empty, dir / "leer.pdf");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "Keine Seite zu drucken.");
    EXPECT_FALSE(std::filesystem::exists(dir / "leer.pdf"));
}

TEST(Print, TestPageMakesAOnePagePdfWithUmlautsAndGreek) {
    testsupport::TempDir dir;
    TPrinter printer;
    TTestPagePrintout page;
    ASSERT_TRUE(printer.PrintToPdf(page, dir / "testseite.pdf"));
    EXPECT_NE(PdfInfo(dir / "testseite.pdf").find("Pages:           1"), std::string::npos);
    const std::string text = RunCommand("pdftotext '" + (dir / "testseite.pdf").string() + "' -");
    EXPECT_NE(text.find("Wärmedämmung, Außenwand, Öl, Süd, Übergang: ÄÖÜ äöü ß"), std::string::npos)
        << text;
    // "abgdeJjlmnrLDFWS" in the Symbol face.
    EXPECT_NE(text.find("Symbol: αβγδεϑϕλμνρΛΔΦΩΣ"), std::string::npos) << text;
}

TEST(Print, PreviewPageHasTheSheetsProportionsAndSavesAsPng) {
    testsupport::TempDir dir;
    TPrinter printer;
    TTestPagePrintout page;
    TBitmap preview = RenderPreviewPage(printer, page, 1, 620);
    EXPECT_EQ(preview.Width(), 620);
    EXPECT_EQ(preview.Height(), 877); // 620 * 842 / 595 = 877.4
    EXPECT_EQ(preview.GetPixel(300, 1200 * 877 / 1260), TColor::White) << "empty lower page";
    ASSERT_TRUE(preview.SavePng(dir / "vorschau.png"));
    TBitmap loaded = LoadBitmapFile(dir / "vorschau.png");
    EXPECT_EQ(loaded.Size(), preview.Size());
    EXPECT_EQ(loaded.GetPixel(5, 5), preview.GetPixel(5, 5));
    EXPECT_TRUE(RenderPreviewPage(printer, page, 1, 0).IsNull());
}

} // namespace
