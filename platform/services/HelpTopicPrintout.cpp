#include "platform/services/HelpTopicPrintout.h"

#include "platform/gdi/DC.h"

HelpTopicPrintout::HelpTopicPrintout(std::string title, std::vector<Topic> topics)
    : TPrintout(std::move(title)), topics_(std::move(topics)) {}

void HelpTopicPrintout::GetDialogInfo(int& minPage, int& maxPage, int& selFromPage,
                                      int& selToPage) {
    minPage = 1;
    maxPage = int(topics_.size());
    selFromPage = selToPage = 0;
}

void HelpTopicPrintout::PrintPage(int page, TRect&, unsigned) {
    if (!DC || !HasPage(page)) return;
    const Topic& t = topics_[size_t(page - 1)];
    // Millimetres of an A4 sheet as the logical page: 20 mm margins.
    DC->SaveDC();
    DC->SetMapMode(MM_ANISOTROPIC);
    DC->SetWindowExt({2100, 2970});
    DC->SetViewportExt(PageSize);
    DC->SelectObject(TFont("Arial", -60, 0, 0, 0, FW_BOLD));
    TRect titel(200, 200, 1900, 400);
    const int32_t hoehe = DC->DrawText(t.title, titel, DT_LEFT | DT_WORDBREAK);
    DC->SelectObject(TFont("Arial", -42));
    TRect text(200, 200 + hoehe + 60, 1900, 2770);
    DC->DrawText(t.text, text, DT_LEFT | DT_WORDBREAK);
    DC->RestoreDC(-1);
}
