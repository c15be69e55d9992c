#include "platform/print/Printer.h"

#include "platform/base/FileIO.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/gdi/QtPainterDC.h"
#include "platform/print/PrintDialogs.h"
#include "platform/print/Printout.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QPageLayout LayoutOf(const TPrintSetup& s) {
    QPageSize size(QSizeF(s.PaperMm.cx, s.PaperMm.cy), QPageSize::Millimeter);
    return QPageLayout(size,
                       s.Orientation == TOrientation::Landscape ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

TSize PageSizeOf(const TDC& dc) {
    return {dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)};
}

// The print-out's page range into the set-up, on a DC that measures as the
// job's device (the print dialog comes before the device is opened).
void ApplyDialogInfo(TPrintSetup& setup, TPrintout& printout, TDC& dc) {
    printout.SetPrintParams(&dc, PageSizeOf(dc));
    int minPage = 1, maxPage = 1, from = 0, to = 0;
    printout.GetDialogInfo(minPage, maxPage, from, to);
    setup.MinPage = minPage;
    setup.MaxPage = maxPage;
    if (from > 0 && to >= from) {
        setup.FromPage = from;
        setup.ToPage = to;
    }
}

// The print loop; newPage starts every page after the first.
template <class NewPage>
TPrintResult RunPrintout(TPrintSetup& setup, TPrintout& printout, TDC& dc, NewPage newPage) {
    const TSize pageSize = PageSizeOf(dc);
    printout.SetPrintParams(&dc, pageSize);
    printout.BeginPrinting();
    const int first = setup.AllPages ? setup.MinPage : setup.FromPage;
    const int last = setup.AllPages ? setup.MaxPage : setup.ToPage;
    printout.BeginDocument(first, last, 0);
    TPrintResult result;
    for (int page = first; page <= last && printout.HasPage(page); ++page) {
        if (result.pages > 0 && !newPage()) {
            result.error = "Neue Druckseite konnte nicht begonnen werden.";
            break;
        }
        TRect rect(0, 0, pageSize.cx, pageSize.cy);
        printout.PrintPage(page, rect, 0);
        ++result.pages;
    }
    printout.EndDocument();
    printout.EndPrinting();
    if (result.pages == 0 && result.error.empty()) result.error = "Keine Seite zu drucken.";
    result.ok = result.error.empty();
    return result;
}

TDeviceCaps CapsOf(const QPageLayout& layout, int resolution, int technology) {
    QRect full = layout.fullRectPixels(resolution);
    QRect paint = layout.paintRectPixels(resolution);
    TDeviceCaps caps;
    caps.dpiX = caps.dpiY = resolution;
    caps.width = paint.width();
    caps.height = paint.height();
    caps.physicalWidth = full.width();
    caps.physicalHeight = full.height();
    caps.offsetX = paint.left();
    caps.offsetY = paint.top();
    caps.technology = technology;
    return caps;
}

// The print-out's orientation for the length of one job: a landscape sheet
// must not leave the next portrait one on landscape paper.
class JobOrientation {
public:
    JobOrientation(TPrintSetup& setup, const TPrintout& printout)
        : setup_(setup), saved_(setup.Orientation) {
        if (const auto wanted = printout.PageOrientation()) setup_.Orientation = *wanted;
    }
    ~JobOrientation() { setup_.Orientation = saved_; }
    JobOrientation(const JobOrientation&) = delete;
    JobOrientation& operator=(const JobOrientation&) = delete;

private:
    TPrintSetup& setup_;
    TOrientation saved_;
};

} // namespace

TDeviceCaps TPrinter::PdfCaps() const {
    return CapsOf(LayoutOf(setup_), setup_.Resolution, DT_RASPRINTER);
}

TDeviceCaps TPrinter::PdfCaps(const TPrintout& printout) const {
    TPrintSetup job = setup_;
    if (const auto wanted = printout.PageOrientation()) job.Orientation = *wanted;
    return CapsOf(LayoutOf(job), job.Resolution, DT_RASPRINTER);
}

TPrintResult TPrinter::PrintToPdf(TPrintout& printout, const std::filesystem::path& path) {
    JobOrientation orientation(setup_, printout);
    TMeasuringDC measure(PdfCaps());
    ApplyDialogInfo(setup_, printout, measure);
    return PrintToPdfFile(printout, path);
}

TPrintResult TPrinter::Print(TPrintout& printout, TPrintPrompt prompt) {
    JobOrientation orientation(setup_, printout);
    TMeasuringDC measure(PdfCaps());
    ApplyDialogInfo(setup_, printout, measure);
    if (prompt == TPrintPrompt::Dialog && !ExecutePrintDialog(setup_)) {
        TPrintResult cancelled;
        cancelled.cancelled = true;
        return cancelled;
    }
    if (!setup_.OutputFile.empty()) return PrintToPdfFile(printout, setup_.OutputFile);
    return PrintOnPrinter(printout);
}

bool TPrinter::Setup() {
    return ExecutePrintSetupDialog(setup_);
}

TPrintResult TPrinter::PrintToPdfFile(TPrintout& printout, const std::filesystem::path& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TPrintResult result;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(setup_.Resolution);
        writer.setPageLayout(LayoutOf(setup_));
        writer.setTitle(QString::fromStdString(printout.GetTitle()));
        writer.setCreator(QStringLiteral("KORVALIN"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            result.error = "PDF-Ausgabe konnte nicht begonnen werden.";
            return result;
        }
        auto dc = MakePainterDC(painter, PdfCaps());
        result = RunPrintout(setup_, printout, *dc, [&] { return writer.newPage(); });
        dc.reset();
        painter.end();
    }
    if (!result) return result;
    FileResult saved =
        WriteFileAtomically(path, std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!saved) {
        result.ok = false;
        result.error = saved.error;
    }
    return result;
}

TPrintResult TPrinter::PrintOnPrinter(TPrintout& printout) {
    TPrintResult result;
    QPrinterInfo info = setup_.PrinterName.empty()
                            ? QPrinterInfo::defaultPrinter()
                            : QPrinterInfo::printerInfo(QString::fromStdString(setup_.PrinterName));
    if (info.isNull()) {
        result.error = "Kein Drucker verfügbar.";
        return result;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setResolution(setup_.Resolution);
    printer.setPageOrientation(setup_.Orientation == TOrientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setPageSize(
        QPageSize(QSizeF(setup_.PaperMm.cx, setup_.PaperMm.cy), QPageSize::Millimeter));
    printer.setDocName(QString::fromStdString(printout.GetTitle()));
    printer.setCopyCount(std::max(1, setup_.Copies));
    QPainter painter;
    if (!painter.begin(&printer)) {
        result.error = "Der Drucker konnte nicht geöffnet werden.";
        return result;
    }
    auto dc =
        MakePainterDC(painter, CapsOf(printer.pageLayout(), printer.resolution(), DT_RASPRINTER));
    result = RunPrintout(setup_, printout, *dc, [&] { return printer.newPage(); });
    dc.reset();
    painter.end();
    return result;
}

std::vector<std::string> TPrinter::PrinterNames() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}
