#pragma once
// The logical descriptions of fonts, pens and brushes, with the fields and
// widths of the original's records: settings files store them field by field
// (hilfsmittel's ProfileMake/ProfileParse), TFont and TPen keep them whole so
// that a load and a save give the same text.
#include "platform/base/Geometry.h"

#include <cstdint>

constexpr int LF_FACESIZE = 32; // face name including its NUL

struct LOGFONT {
    int32_t lfHeight = 0; // > 0: cell height, < 0: character height (both logical units)
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0; // tenths of a degree, counter-clockwise: 900 reads upwards
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0; // FW_NORMAL 400, FW_BOLD 700, 0 = default
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {}; // UTF-8, NUL-terminated
};

struct LOGPEN {
    uint32_t lopnStyle = 0; // PS_SOLID ...
    TPoint lopnWidth;       // x is the width; y unused
    uint32_t lopnColor = 0; // 0x00BBGGRR
};

struct LOGBRUSH {
    uint32_t lbStyle = 0; // BS_SOLID ...
    uint32_t lbColor = 0;
    int32_t lbHatch = 0; // HS_* for BS_HATCHED
};

enum : uint32_t {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
};

enum : uint32_t { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2 };

enum : int32_t {
    HS_HORIZONTAL = 0,
    HS_VERTICAL = 1,
    HS_FDIAGONAL = 2,
    HS_BDIAGONAL = 3,
    HS_CROSS = 4,
    HS_DIAGCROSS = 5,
};

enum : int32_t {
    FW_DONTCARE = 0,
    FW_THIN = 100,
    FW_LIGHT = 300,
    FW_NORMAL = 400,
    FW_MEDIUM = 500,
    FW_SEMIBOLD = 600,
    FW_BOLD = 700,
    FW_HEAVY = 900,
};

enum : uint8_t { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2 };

enum : uint8_t {
    DEFAULT_PITCH = 0,
    FIXED_PITCH = 1,
    VARIABLE_PITCH = 2,
    FF_DONTCARE = 0x00,
    FF_ROMAN = 0x10,
    FF_SWISS = 0x20,
    FF_MODERN = 0x30,
};

// Text metrics in logical units, as GetTextMetrics reports them.
struct TEXTMETRIC {
    int32_t tmHeight = 0; // cell height: ascent + descent
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0; // cell height minus character height
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0;
    uint8_t tmCharSet = 0;
};

// The style fields of text metrics come from the font as asked for.
inline void SetMetricStyle(TEXTMETRIC& m, const LOGFONT& f) {
    m.tmWeight = f.lfWeight ? f.lfWeight : FW_NORMAL;
    m.tmItalic = f.lfItalic;
    m.tmUnderlined = f.lfUnderline;
    m.tmStruckOut = f.lfStrikeOut;
    m.tmCharSet = f.lfCharSet;
}

// DrawText formats.
enum : uint32_t {
    DT_TOP = 0x0000,
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,
    DT_BOTTOM = 0x0008,
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_NOCLIP = 0x0100,
    DT_CALCRECT = 0x0400,
    DT_NOPREFIX = 0x0800,
};

enum : int { TRANSPARENT = 1, OPAQUE = 2 };

enum : int { MM_TEXT = 1, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };

// Stock objects, numbered as GetStockObject numbers them.
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = NULL_BRUSH,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    ANSI_FIXED_FONT = 11,
    ANSI_VAR_FONT = 12,
    SYSTEM_FONT = 13,
    DEFAULT_GUI_FONT = 17,
};

// GetDeviceCaps indices and the TECHNOLOGY answers.
enum : int {
    TECHNOLOGY = 2,
    HORZSIZE = 4, // millimetres
    VERTSIZE = 6,
    HORZRES = 8, // pixels of the printable area
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    NUMCOLORS = 24,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
    PHYSICALWIDTH = 110, // the whole sheet, pixels
    PHYSICALHEIGHT = 111,
    PHYSICALOFFSETX = 112, // unprintable margin, pixels
    PHYSICALOFFSETY = 113,
};
enum : int { DT_PLOTTER = 0, DT_RASDISPLAY = 1, DT_RASPRINTER = 2 };

// Raster operations of BitBlt and PatBlt.
enum : uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    NOTSRCCOPY = 0x00330008,
    PATCOPY = 0x00F00021,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};
