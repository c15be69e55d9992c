#pragma once
// The print preview of the heat demand certificate: one or two pages and
// paging; closing the frame ends it. Two pages only on an upright page.
#include "korvalin/shell/VorschauRahmen.h"

class PreviewWBAusweisWindow : public VorschauRahmen {
public:
    PreviewWBAusweisWindow(TWindow* parent, TPrinter* printer, korpusMDIChild* fenster,
                           std::string_view title, TLayoutWindow* client);
    void EvClose() override;

protected:
    void SetupWindow() override;
    bool SeiteNachHoehe(TSize client) const override;
    int SeitenProzent(bool nachHoehe) const override;
    int ErsteHoechsteSeite() const override { return 10; }
};
