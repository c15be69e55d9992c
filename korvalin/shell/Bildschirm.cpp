#include "korvalin/shell/Bildschirm.h"

#include "platform/gdi/ImageDC.h"

bool GrosseBildschirmschrift() {
    TImageDC dc(1, 1);
    TEXTMETRIC tm;
    return dc.GetTextMetrics(tm) && tm.tmHeight > 18;
}
