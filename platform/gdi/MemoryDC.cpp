#include "platform/gdi/MemoryDC.h"

TMemoryDC::TMemoryDC(const TDC& compatible)
    : TImageDC(TBitmap(1, 1), compatible.GetDeviceCaps(LOGPIXELSY)) {}

TMemoryDC::TMemoryDC(const TDC& compatible, int32_t width, int32_t height)
    : TImageDC(TBitmap(width, height), compatible.GetDeviceCaps(LOGPIXELSY)) {}
