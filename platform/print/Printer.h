#pragma once
// The application's printer: its settings (paper, orientation, resolution,
// page range) and the print loop that drives a print-out onto a PDF file or
// a system printer.
#include "platform/base/Geometry.h"
#include "platform/gdi/DC.h"
#include "platform/print/Printout.h"

#include <filesystem>
#include <string>
#include <vector>

struct TPrintSetup {
    int MinPage = 1;
    int MaxPage = 1;
    int FromPage = 1;
    int ToPage = 1;
    bool AllPages = true; // print MinPage..MaxPage, not FromPage..ToPage
    TOrientation Orientation = TOrientation::Portrait;
    TSize PaperMm{210, 297}; // A4, upright
    int Resolution = 600;    // pixels per inch
    std::string PrinterName; // empty: the system's default printer
    int Copies = 1;          // on a printer; a PDF file is made once
    std::string OutputFile;  // not empty: the job goes into this PDF file
};

enum class TPrintPrompt { None, Dialog };

struct TPrintResult {
    bool ok = false;
    int pages = 0;          // pages printed
    std::string error;      // German, for the message box; empty when ok
    bool cancelled = false; // the user cancelled the print dialog: no error
    explicit operator bool() const { return ok; }
};

class TPrinter {
public:
    TPrintSetup& GetSetup() { return setup_; }
    const TPrintSetup& GetSetup() const { return setup_; }

    // The device a print-out sees when printing to PDF: the whole sheet at
    // the set resolution and orientation (a PDF has no unprintable margin).
    TDeviceCaps PdfCaps() const;
    // The same for the orientation the print-out asks for.
    TDeviceCaps PdfCaps(const TPrintout& printout) const;

    // Prints into a PDF file; the file is replaced only when the whole
    // document was made.
    TPrintResult PrintToPdf(TPrintout& printout, const std::filesystem::path& path);
    // Prints as set: into the output file when there is one, else on the
    // named (or default) system printer; with TPrintPrompt::Dialog the print
    // dialog comes first, offering the print-out's pages. A print-out that
    // names its orientation gets it for this job (the dialog may change it
    // for this job); the setting is the same afterwards as before.
    TPrintResult Print(TPrintout& printout, TPrintPrompt prompt = TPrintPrompt::None);
    // The printer set-up dialog; true when the user accepted.
    bool Setup();

    static std::vector<std::string> PrinterNames();

private:
    TPrintResult PrintToPdfFile(TPrintout& printout, const std::filesystem::path& path);
    TPrintResult PrintOnPrinter(TPrintout& printout);
    TPrintSetup setup_;
};
