#include "tauplot/diagramm/Fuelllinie.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

#include <algorithm>

void TextMitFuelllinie(TDC& dc, std::string_view text, const TRect& r, uint32_t format) {
    if (text.find("__") == std::string_view::npos) {
        TRect kopie = r;
        dc.DrawText(text, kopie, format | DT_NOPREFIX);
        return;
    }
    TEXTMETRIC tm{};
    dc.GetTextMetrics(tm);
    const int32_t breite = dc.GetTextExtent(text).cx;
    int32_t x = r.left;
    if (format & DT_CENTER)
        x = r.left + (r.Width() - breite) / 2;
    else if (format & DT_RIGHT)
        x = r.right - breite;
    int32_t y = r.top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        y = r.top + (r.Height() - tm.tmHeight) / 2;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        y = r.bottom - tm.tmHeight;
    // Where the underscore's stroke lies: below the baseline, in the descent.
    const int32_t linieY = y + tm.tmAscent + (tm.tmDescent * 3) / 4;
    const TPen alt = dc.SelectObject(TPen(TColor::Black, 1));
    size_t i = 0;
    while (i < text.size()) {
        const bool strich = text[i] == '_';
        size_t ende = i;
        while (ende < text.size() && (text[ende] == '_') == strich) ++ende;
        const int32_t von = x + dc.GetTextExtent(text.substr(0, i)).cx;
        if (strich) {
            const int32_t bis = std::min(x + dc.GetTextExtent(text.substr(0, ende)).cx, r.right);
            if (bis > std::max(von, r.left)) {
                dc.MoveTo(std::max(von, r.left), linieY);
                dc.LineTo(bis, linieY);
            }
        } else if (text.find_first_not_of(' ', i) < ende) {
            dc.TextOut(von, y, text.substr(i, ende - i));
        }
        i = ende;
    }
    dc.SelectObject(alt);
}
