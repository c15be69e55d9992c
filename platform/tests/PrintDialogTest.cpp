// The print and printer set-up dialogs: what the print dialog offers, what
// its choices print, and that Cancel prints and changes nothing; the Qt
// dialog itself, accepted as it opens.
#include "platform/gdi/DC.h"
#include "platform/print/PrintDialogs.h"
#include "platform/print/Printer.h"
#include "platform/print/Printout.h"
#include "testsupport/MainLoop.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A document of five pages that records which it printed.
class FivePages : public TPrintout {
public:
    FivePages() : TPrintout("Fünf Seiten") {}
    void GetDialogInfo(int& minPage, int& maxPage, int& from, int& to) override {
        minPage = 1;
        maxPage = 5;
        from = to = 0;
    }
    bool HasPage(int page) override { return page >= 1 && page <= 5; }
    void PrintPage(int page, TRect&, unsigned) override {
        printed.push_back(page);
        DC->TextOut(100, 100, "Seite " + std::to_string(page));
    }
    std::vector<int> printed;
};

struct RangeCase {
    bool allPages;
    int from, to;
    std::vector<int> printed;
};

const RangeCase kRanges[] = {
    {true, 0, 0, {1, 2, 3, 4, 5}},
    {false, 2, 3, {2, 3}},
    {false, 4, 4, {4}},
    {false, 4, 9, {4, 5}}, // past the end: the document stops
};

TEST(PrintDialog, OffersTheDocumentsPagesAndPrintsTheChosenRange) {
    for (const auto& r : kRanges) {
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        const std::string pdf = (dir / "auswahl.pdf").string();
        services.PrintDialogs().ExpectPrint([&](TPrintSetup& s) {
            s.AllPages = r.allPages;
            s.FromPage = r.from;
            s.ToPage = r.to;
            s.OutputFile = pdf;
            return true;
        });
        TPrinter printer;
        FivePages doc;
        const TPrintResult result = printer.Print(doc, TPrintPrompt::Dialog);
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(doc.printed, r.printed);
        EXPECT_EQ(result.pages, int(r.printed.size()));
        EXPECT_TRUE(std::filesystem::exists(pdf));

        ASSERT_EQ(services.PrintDialogs().Offered().size(), 1u);
        const TPrintSetup& offered = services.PrintDialogs().Offered()[0];
        EXPECT_EQ(offered.MinPage, 1);
        EXPECT_EQ(offered.MaxPage, 5);
        EXPECT_TRUE(offered.AllPages);
        // The printer keeps the choice for the next job.
        EXPECT_EQ(printer.GetSetup().OutputFile, pdf);
    }
}

TEST(PrintDialog, CancelPrintsNothingAndKeepsTheSetUp) {
    testsupport::ScriptedServices services;
    services.PrintDialogs().ExpectPrint([](TPrintSetup& s) {
        s.Copies = 7; // touched, then cancelled
        return false;
    });
    TPrinter printer;
    FivePages doc;
    const TPrintResult result = printer.Print(doc, TPrintPrompt::Dialog);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.error.empty());
    EXPECT_TRUE(doc.printed.empty());
    EXPECT_EQ(printer.GetSetup().Copies, 1);
}

TEST(PrintDialog, SetupChangesThePrinterOnlyOnOk) {
    testsupport::ScriptedServices services;
    TPrinter printer;
    services.PrintDialogs().ExpectSetup([](TPrintSetup& s) {
        s.Orientation = TOrientation::Landscape;
        s.PrinterName = "Büro";
        s.Copies = 2;
        return true;
    });
    services.PrintDialogs().ExpectSetup([](TPrintSetup& s) {
        s.Orientation = TOrientation::Portrait;
        return false;
    });
    EXPECT_TRUE(printer.Setup());
    EXPECT_FALSE(printer.Setup());
    EXPECT_EQ(printer.GetSetup().Orientation, TOrientation::Landscape);
    EXPECT_EQ(printer.GetSetup().PrinterName, "Büro");
    EXPECT_EQ(printer.GetSetup().Copies, 2);
    EXPECT_GT(printer.PdfCaps().width, printer.PdfCaps().height);
}

// Presses OK or Cancel in the next print dialog as soon as it shows.
void AnswerNextPrintDialog(bool ok) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, ok] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->inherits("QAbstractPrintDialog")) return;
        poll->stop();
        poll->deleteLater();
        ok ? d->accept() : d->reject();
    });
    poll->start(5);
}

// Qt's dialog, accepted as soon as it shows: it hands back what it was given.
TEST(PrintDialog, QtsDialogKeepsTheSetUpItWasGiven) {
    testsupport::RunInMainLoop([] {
        testsupport::TempDir dir;
        ScopedApplicationState fresh; // the real dialogs
        TPrintSetup setup;
        setup.OutputFile = (dir / "qt.pdf").string();
        setup.Orientation = TOrientation::Landscape;
        setup.Copies = 3;
        setup.MinPage = 1;
        setup.MaxPage = 4;
        setup.AllPages = false;
        setup.FromPage = 2;
        setup.ToPage = 3;
        AnswerNextPrintDialog(true);
        ASSERT_TRUE(ExecutePrintDialog(setup));
        EXPECT_EQ(setup.OutputFile, (dir / "qt.pdf").string());
        EXPECT_EQ(setup.Orientation, TOrientation::Landscape);
        EXPECT_EQ(setup.PaperMm, TSize(210, 297));
        EXPECT_EQ(setup.Copies, 3);
        EXPECT_FALSE(setup.AllPages);
        EXPECT_EQ(setup.FromPage, 2);
        EXPECT_EQ(setup.ToPage, 3);

        AnswerNextPrintDialog(false);
        TPrintSetup before = setup;
        EXPECT_FALSE(ExecutePrintSetupDialog(setup));
        EXPECT_EQ(setup.Copies, before.Copies);
    });
}

} // namespace
