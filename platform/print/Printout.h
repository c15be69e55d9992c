#pragma once
// A print-out: the document side of printing. The printer calls, in order:
// SetPrintParams (the DC and the page size in device units), GetDialogInfo
// (page range for the print dialog), BeginPrinting, BeginDocument, then
// PrintPage for each page from the first while HasPage says yes,
// EndDocument and EndPrinting. Print preview calls SetPrintParams and
// PrintPage for the page it shows.
#include "platform/base/Geometry.h"

#include <optional>
#include <string>

class TDC;

enum class TOrientation { Portrait, Landscape };

class TPrintout {
public:
    explicit TPrintout(std::string title) : Title(std::move(title)) {}
    virtual ~TPrintout() = default;

    virtual void SetPrintParams(TDC* dc, TSize pageSize) {
        DC = dc;
        PageSize = pageSize;
    }
    // Defaults: one page.
    virtual void GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) {
        minPage = maxPage = 1;
        selFromPage = selToPage = 0;
    }
    virtual void BeginPrinting() {}
    virtual void BeginDocument(int startPage, int endPage, unsigned flags) {}
    virtual bool HasPage(int page) { return page == 1; }
    virtual void PrintPage(int page, TRect& rect, unsigned flags) = 0;
    virtual void EndDocument() {}
    virtual void EndPrinting() {}
    // The paper orientation the document is laid out for; the printer uses
    // it for this job only. None: the printer's own setting.
    virtual std::optional<TOrientation> PageOrientation() const { return std::nullopt; }

    const std::string& GetTitle() const { return Title; }
    TDC* GetDC() const { return DC; }
    TSize GetPageSize() const { return PageSize; }

protected:
    TDC* DC = nullptr;
    TSize PageSize; // device units of the printable area
    std::string Title;
};
