#pragma once
// Reading a recording DC back for the drawing tests: lines as segments,
// texts with their positions.
#include "platform/gdi/RecordingDC.h"

#include <string>
#include <utility>
#include <vector>

struct Strecke {
    TPoint von;
    TPoint bis;
    friend bool operator==(const Strecke&, const Strecke&) = default;
};

inline std::vector<Strecke> Strecken(const TRecordingDC& dc) {
    std::vector<Strecke> s;
    for (const TDrawCall& c : dc.CallsOf(TDrawKind::LineTo))
        s.push_back({c.logical[0], c.logical[1]});
    return s;
}

struct Text {
    TPoint bei;
    std::string text;
};

inline std::vector<Text> Texte(const TRecordingDC& dc) {
    std::vector<Text> t;
    for (const TDrawCall& c : dc.Calls())
        if (c.kind == TDrawKind::TextOut || c.kind == TDrawKind::TextRun)
            t.push_back({c.logical.empty() ? TPoint() : c.logical[0], c.text});
    return t;
}

inline bool HatText(const TRecordingDC& dc, const std::string& text) {
    for (const Text& t : Texte(dc))
        if (t.text == text) return true;
    return false;
}

inline const Text* TextBei(const std::vector<Text>& texte, const std::string& text) {
    for (const Text& t : texte)
        if (t.text == text) return &t;
    return nullptr;
}
