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
