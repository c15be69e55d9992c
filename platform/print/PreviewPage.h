#pragma once
// Print preview: one page of a print-out painted into a picture of the
// given width, as the printer would print it (the height follows the sheet's
// proportions; resolution and sizes are the printer's, scaled).
#include "platform/gdi/Bitmap.h"

class TPrinter;
class TPrintout;

TBitmap RenderPreviewPage(const TPrinter& printer, TPrintout& printout, int page, int widthPixels);
