#pragma once
// A font keeps its whole LOGFONT record, so that a font read from the
// settings and written back gives the same text. Height sign rule: a
// positive height is the cell height (ascent + descent), a negative one the
// character height (cell minus internal leading), both in logical units;
// 0 asks for the default size. Escapement 900 turns the text to read upwards.
#include "platform/gdi/LogRecords.h"

#include <string>
#include <string_view>

class TFont {
public:
    TFont();
    explicit TFont(const LOGFONT& log) : log_(log) {}
    TFont(std::string_view faceName, int32_t height, int32_t width = 0, int32_t escapement = 0,
          int32_t orientation = 0, int32_t weight = FW_NORMAL,
          uint8_t pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE, uint8_t italic = 0,
          uint8_t underline = 0, uint8_t strikeOut = 0, uint8_t charSet = DEFAULT_CHARSET);

    // ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT, DEFAULT_GUI_FONT.
    static TFont Stock(int index);

    bool GetObject(LOGFONT& out) const {
        out = log_;
        return true;
    }
    const LOGFONT& GetLogFont() const { return log_; }
    std::string FaceName() const;
    int32_t Height() const { return log_.lfHeight; }
    int32_t Escapement() const { return log_.lfEscapement; }
    // True for the "Symbol" face, whose Latin letters stand for Greek ones.
    bool IsSymbol() const;

    friend bool operator==(const TFont& a, const TFont& b);

private:
    LOGFONT log_;
};

// The face name of a record, and setting it: at most LF_FACESIZE - 1 bytes,
// cut at a character boundary so the name stays valid UTF-8.
std::string FaceNameOf(const LOGFONT& log);
void SetFaceName(LOGFONT& log, std::string_view face);

// Whether text in this face can be drawn with its own metrics: the face, or
// the metric-compatible face it maps to ("Arial": Liberation Sans), is installed.
bool IsFaceInstalled(std::string_view face);
