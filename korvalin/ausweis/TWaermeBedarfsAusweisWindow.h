#pragma once
// The window of the heat demand certificate: the pages of the current
// project variant one below the other, laid out anew on every paint, so that
// a project edit (0x5FE) shows at once; it scrolls, prints and previews.
// There is one at most; it enters itself in Korpus().Ansichten.WBAusweis.
// Its caption names the variant; an edit that changes the variant asks or
// tells, so that no certificate turns into another unannounced.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/shell/korpusMDIChild.h"
#include "platform/base/Color.h"

class TWaermeBedarfsAusweisWindow : public korpusMDIChild {
public:
    TWaermeBedarfsAusweisWindow(TMDIClient& parent, std::string_view title);
    ~TWaermeBedarfsAusweisWindow() override;

    void SetupWindow() override;
    bool CanClose() override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    void EvVScroll(uint32_t code, int thumbPos, HWND control) override;
    void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) override;

    void CmFilePrint();
    void CmFilePrintSetup();
    void CmFilePrintPreview();

    // The largest vertical scroll position for this many pages and lines in
    // view: the last line of the last page can always be reached.
    static int32_t ScrollBereich(int32_t seiten, int32_t zeilenProSeite, int32_t zeilenImBild);

    TColor Stiftfarbe = TColor::Black;
    // 1: the A/V method; 0: the component method. Consulted only when the
    // project admits both.
    int Methode = 0;
    int32_t ZeilenImBild = 0; // of the last paint
    // The variant that the caption names and the pages show.
    ausweis::Variante Gezeigt = ausweis::Variante::Keine;

    // After a project edit: follows a change of variant visibly. Where the
    // settings now admit both methods it asks which the certificate shows,
    // as the command does; else it says which it shows now, or closes the
    // window when no certificate applies.
    void VarianteNachAenderung();

private:
    void layoutWerte();
    void varianteZeigen(ausweis::Variante v);
    bool gezaehlt_ = false;
};
