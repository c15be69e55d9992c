#include "platform/gdi/Font.h"

#include "platform/base/TextCompare.h"

#include <algorithm>
#include <cstring>

std::string FaceNameOf(const LOGFONT& log) {
    return std::string(log.lfFaceName, strnlen(log.lfFaceName, LF_FACESIZE));
}

void SetFaceName(LOGFONT& log, std::string_view face) {
    size_t n = std::min(face.size(), size_t(LF_FACESIZE - 1));
    while (n > 0 && n < face.size() && (uint8_t(face[n]) & 0xC0) == 0x80) --n;
    std::memset(log.lfFaceName, 0, sizeof log.lfFaceName);
    std::memcpy(log.lfFaceName, face.data(), n);
}

TFont::TFont() : TFont(Stock(SYSTEM_FONT)) {}

TFont::TFont(std::string_view faceName, int32_t height, int32_t width, int32_t escapement,
             int32_t orientation, int32_t weight, uint8_t pitchAndFamily, uint8_t italic,
             uint8_t underline, uint8_t strikeOut, uint8_t charSet) {
    log_.lfHeight = height;
    log_.lfWidth = width;
    log_.lfEscapement = escapement;
    log_.lfOrientation = orientation;
    log_.lfWeight = weight;
    log_.lfItalic = italic;
    log_.lfUnderline = underline;
    log_.lfStrikeOut = strikeOut;
    log_.lfCharSet = charSet;
    log_.lfPitchAndFamily = pitchAndFamily;
    SetFaceName(log_, faceName);
}

TFont TFont::Stock(int index) {
    // Heights are those of the stock fonts at 96 pixels per inch.
    switch (index) {
    case ANSI_FIXED_FONT:
        return TFont("Courier", -13, 0, 0, 0, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    case ANSI_VAR_FONT:
        return TFont("MS Sans Serif", -11, 0, 0, 0, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
    case DEFAULT_GUI_FONT:
        return TFont("MS Shell Dlg", -11, 0, 0, 0, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
    default:
        return TFont("System", 16, 0, 0, 0, FW_BOLD, VARIABLE_PITCH | FF_SWISS);
    }
}

std::string TFont::FaceName() const {
    return FaceNameOf(log_);
}

bool TFont::IsSymbol() const {
    return EqualNoCase(FaceName(), "Symbol");
}

bool operator==(const TFont& a, const TFont& b) {
    const LOGFONT &x = a.log_, &y = b.log_;
    return x.lfHeight == y.lfHeight && x.lfWidth == y.lfWidth && x.lfEscapement == y.lfEscapement &&
           x.lfOrientation == y.lfOrientation && x.lfWeight == y.lfWeight &&
           x.lfItalic == y.lfItalic && x.lfUnderline == y.lfUnderline &&
           x.lfStrikeOut == y.lfStrikeOut && x.lfCharSet == y.lfCharSet &&
           x.lfPitchAndFamily == y.lfPitchAndFamily && a.FaceName() == b.FaceName();
}
