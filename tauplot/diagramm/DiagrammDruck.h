#pragma once
// The print-outs of the two diagram windows: the window draws its own Paint
// onto the page, the reference screen mapped onto the page without
// distortion. A diagram is one page.
#include "platform/print/Printout.h"

class TBauteilGlaserWindow;
class TBauteilTempWindow;
class TDiagrammWindow;
class TPrinter;

class TDiagrammPrintOut : public TPrintout {
public:
    TDiagrammPrintOut(TPrinter* printer, std::string_view title, TDiagrammWindow* window,
                      bool scale);
    void GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) override;
    bool HasPage(int page) override;
    void PrintPage(int page, TRect& rect, unsigned flags) override;

protected:
    TPrinter* Printer;
    TDiagrammWindow* Window;
    bool Scale;
    int MapMode;
};

class TBauteilGlaserPrintOut : public TDiagrammPrintOut {
public:
    TBauteilGlaserPrintOut(TPrinter* printer, std::string_view title, TBauteilGlaserWindow* window,
                           bool scale);
};

class TBauteilTempPrintOut : public TDiagrammPrintOut {
public:
    TBauteilTempPrintOut(TPrinter* printer, std::string_view title, TBauteilTempWindow* window,
                         bool scale);
    // The window draws its thickness-axis title smaller while it prints.
    void PrintPage(int page, TRect& rect, unsigned flags) override;

private:
    TBauteilTempWindow* temp_;
};
