#pragma once
// Every page of a print-out onto a recording printer.
#include "platform/gdi/RecordingDC.h"
#include "platform/print/Printer.h"
#include "platform/print/Printout.h"

namespace shelltest {

inline void Aufzeichnen(TRecordingDC& dc, TPrinter& drucker, TPrintout& ausdruck) {
    const TSize seite{drucker.PdfCaps().width, drucker.PdfCaps().height};
    ausdruck.SetPrintParams(&dc, seite);
    ausdruck.BeginPrinting();
    for (int p = 1; ausdruck.HasPage(p); ++p) {
        TRect r(0, 0, seite.cx, seite.cy);
        ausdruck.PrintPage(p, r, 0);
    }
    ausdruck.EndPrinting();
}

} // namespace shelltest
