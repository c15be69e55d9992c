#include "platform/print/PrintDialogs.h"

#include "platform/print/Printer.h"
#include "platform/services/Services.h"
#include "platform/services/detail/DialogOwner.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

enum class TDialogKind { Print, Setup };

void ToQPrinter(const TPrintSetup& s, QPrinter& printer) {
    if (!s.OutputFile.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(s.OutputFile));
    } else if (!s.PrinterName.empty()) {
        printer.setPrinterName(QString::fromStdString(s.PrinterName));
    }
    printer.setPageSize(QPageSize(QSizeF(s.PaperMm.cx, s.PaperMm.cy), QPageSize::Millimeter));
    printer.setPageOrientation(s.Orientation == TOrientation::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    printer.setCopyCount(std::max(1, s.Copies));
    printer.setFromTo(s.FromPage, s.ToPage);
}

void FromQPrinter(const QPrinter& printer, TPrintSetup& s) {
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    s.OutputFile = pdf ? printer.outputFileName().toStdString() : std::string();
    s.PrinterName = pdf ? std::string() : printer.printerName().toStdString();
    const QSizeF mm = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    s.PaperMm = {int(mm.width() + 0.5), int(mm.height() + 0.5)};
    s.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                        ? TOrientation::Landscape
                        : TOrientation::Portrait;
    s.Copies = std::max(1, printer.copyCount());
}

class QtPrintDialogService : public PrintDialogService {
public:
    bool PrintDialog(TPrintSetup& setup) override { return Run(setup, TDialogKind::Print); }
    bool PrintSetupDialog(TPrintSetup& setup) override { return Run(setup, TDialogKind::Setup); }

private:
    static bool Run(TPrintSetup& s, TDialogKind kind) {
        QPrinter printer(QPrinter::HighResolution);
        ToQPrinter(s, printer);
        QPrintDialog dialog(&printer, qt_detail::DialogOwner());
        const bool pages = kind == TDialogKind::Print;
        dialog.setWindowTitle(pages ? QStringLiteral("Drucken")
                                    : QStringLiteral("Druckereinrichtung"));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, pages);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        if (pages) {
            dialog.setMinMax(s.MinPage, s.MaxPage);
            dialog.setPrintRange(s.AllPages ? QAbstractPrintDialog::AllPages
                                            : QAbstractPrintDialog::PageRange);
        }
        if (dialog.exec() != QDialog::Accepted) return false;
        FromQPrinter(printer, s);
        if (pages) {
            s.AllPages = dialog.printRange() != QAbstractPrintDialog::PageRange;
            if (!s.AllPages) {
                s.FromPage = std::max(s.MinPage, printer.fromPage());
                s.ToPage = std::min(s.MaxPage, std::max(s.FromPage, printer.toPage()));
            }
        }
        return true;
    }
};

PrintDialogService& dialogs() {
    auto& s = CurrentServices();
    if (!s.printDialogs) s.printDialogs = std::make_shared<QtPrintDialogService>();
    return *s.printDialogs;
}

} // namespace

// Cancel leaves the set-up as it was, whatever the dialog did to its copy.
bool ExecutePrintDialog(TPrintSetup& setup) {
    TPrintSetup chosen = setup;
    if (!dialogs().PrintDialog(chosen)) return false;
    setup = chosen;
    return true;
}

bool ExecutePrintSetupDialog(TPrintSetup& setup) {
    TPrintSetup chosen = setup;
    if (!dialogs().PrintSetupDialog(chosen)) return false;
    setup = chosen;
    return true;
}
