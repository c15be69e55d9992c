#include "platform/gdi/DrawCall.h"

const char* DrawKindName(TDrawKind kind) {
    switch (kind) {
    case TDrawKind::MoveTo:
        return "MoveTo";
    case TDrawKind::LineTo:
        return "LineTo";
    case TDrawKind::Rectangle:
        return "Rectangle";
    case TDrawKind::RoundRect:
        return "RoundRect";
    case TDrawKind::Ellipse:
        return "Ellipse";
    case TDrawKind::Arc:
        return "Arc";
    case TDrawKind::Chord:
        return "Chord";
    case TDrawKind::Pie:
        return "Pie";
    case TDrawKind::Polygon:
        return "Polygon";
    case TDrawKind::Polyline:
        return "Polyline";
    case TDrawKind::SetPixel:
        return "SetPixel";
    case TDrawKind::FillRect:
        return "FillRect";
    case TDrawKind::FrameRect:
        return "FrameRect";
    case TDrawKind::PatBlt:
        return "PatBlt";
    case TDrawKind::TextOut:
        return "TextOut";
    case TDrawKind::DrawText:
        return "DrawText";
    case TDrawKind::TextRun:
        return "TextRun";
    case TDrawKind::BitBlt:
        return "BitBlt";
    }
    return "?";
}
