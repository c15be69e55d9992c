#pragma once
// The print preview of the data-sheet windows: one or two pages, paging,
// print and done. Two pages only on an upright printer page.
#include "korvalin/shell/VorschauRahmen.h"

class TKorpusPreviewWindow : public VorschauRahmen {
public:
    TKorpusPreviewWindow(TWindow* parent, TPrinter* printer, korpusMDIChild* fenster,
                         std::string_view title, TLayoutWindow* client);

protected:
    bool SeiteNachHoehe(TSize client) const override;
    int SeitenProzent(bool nachHoehe) const override;
};
