// The tab strip's painting: the page frame, the tabs with their chamfered
// corners, the scroll buttons with the jagged edge of a cut-off tab, and the
// wizard frame's etched line.
#include "platform/gdi/DC.h"
#include "platform/gdi/MemoryDC.h"
#include "tauplot/property/TPropertyTab.h"
#include "tauplot/property/TabColors.h"

using namespace tab_colors;

namespace {
void line(TDC& dc, TColor color, int x1, int y1, int x2, int y2) {
    dc.SelectObject(TPen(color));
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void polyline(TDC& dc, TColor color, const std::vector<TPoint>& points) {
    dc.SelectObject(TPen(color));
    dc.Polyline(points);
}

void fillPolygon(TDC& dc, TColor color, const std::vector<TPoint>& points) {
    dc.SelectObject(TPen(color));
    dc.SelectObject(TBrush(color));
    dc.Polygon(points);
}

bool meets(const TRect& a, const TRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The clip that leaves out one rectangle of an area.
TRegion without(const TRect& area, const TRect& hole) {
    TRegion r;
    r |= TRect(area.left, area.top, area.right, hole.top);
    r |= TRect(area.left, hole.bottom, area.right, area.bottom);
    r |= TRect(area.left, hole.top, hole.left, hole.bottom);
    r |= TRect(hole.right, hole.top, area.right, hole.bottom);
    return r;
}
} // namespace

void TPropertyTab::Paint(TDC& dc, bool, TRect& rect) {
    if (Style & Tab::WizardFrame) {
        DrawWizardFrame(dc);
        return;
    }
    const TRect client = clientRect();
    const TRect frame(client.left, TabHeight, client.right - 1, client.bottom - 1);
    dc.SaveDC();
    if (buttonsShown()) {
        TRect left, right, both;
        GetScrollRect(left, 0);
        GetScrollRect(right, 1);
        GetScrollRect(both, -1);
        if (meets(rect, TRect(both.left - 8, 0, both.right, both.bottom))) {
            dc.FillRect(TRect(both.left - 8, 0, both.right, both.top), TBrush(FaceColor));
            dc.FillRect(TRect(both.left - 8, both.top, both.left, both.bottom), TBrush(FaceColor));
            drawArrow(dc, left, true, ScrollLeft);
            drawArrow(dc, right, false, ScrollRight);
            line(dc, HighlightColor, both.left - 8, TabHeight, both.right, TabHeight);
        }
        // Tabs paint at most up to four pixels before the buttons.
        dc.SelectClipRgn(without(client, TRect(both.left - 4, 0, both.right, both.bottom)));
    }
    if (meets(rect, TRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1))) {
        line(dc, HighlightColor, frame.left, frame.bottom, frame.left, TabHeight);
        polyline(
            dc, FrameColor,
            {{frame.left, frame.bottom}, {frame.right, frame.bottom}, {frame.right, TabHeight}});
        polyline(dc, ShadowColor,
                 {{frame.left + 1, frame.bottom - 1},
                  {frame.right - 1, frame.bottom - 1},
                  {frame.right - 1, TabHeight + 1}});
        dc.FillRect(TRect(frame.left + 1, TabHeight + 1, frame.right - 1, frame.bottom - 1),
                    TBrush(FaceColor));
    }
    TRect area;
    SetRect(area, -1);
    area.right = client.right;
    if (meets(rect, TRect(area.left, area.top, area.right, area.bottom + 1))) {
        if (Style & Tab::Stacked)
            DrawStackedTabs(dc);
        else
            DrawTabs(dc);
    }
    dc.RestoreDC();
}

void TPropertyTab::drawArrow(TDC& dc, const TRect& r, bool left, bool active) {
    dc.FillRect(r, TBrush(FaceColor));
    polyline(dc, HighlightColor, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 1, r.top}});
    polyline(dc, ShadowColor,
             {{r.left + 1, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top}});
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const int d = left ? -1 : 1;
    const TColor c = active ? WindowText : ShadowColor;
    fillPolygon(dc, c, {{cx + 2 * d, cy}, {cx - 2 * d, cy - 4}, {cx - 2 * d, cy + 4}});
}

void TPropertyTab::DrawTabs(TDC& dc) {
    TRect area;
    SetRect(area, -1);
    int x = area.left;
    for (int i = Origin; i < GetEntryCount(); ++i) {
        if (!IsTabVisible(i)) continue;
        if (x > TabAreaRight) break;
        const int left = x;
        DrawTab(dc, x, i, 0, 1);
        if (i != Current) {
            line(dc, HighlightColor, left, TabHeight, x, TabHeight);
            line(dc, FaceColor, left, TabHeight - 1, x, TabHeight - 1);
        }
    }
    if (x < area.right) {
        line(dc, HighlightColor, x, TabHeight, area.right, TabHeight);
        dc.FillRect(TRect(x, 0, area.right, TabHeight), TBrush(FaceColor));
    }
}

void TPropertyTab::DrawStackedTabs(TDC& dc) {
    for (int p = 0; p < RowCount; ++p) {
        const int y = (RowCount - 1 - p) * TabHeight;
        const TRow& row = Rows[size_t(RowOrder[size_t(p)])];
        int x = 0;
        for (int i = row.First; i <= row.Last; ++i) {
            if (!IsTabVisible(i)) continue;
            const int left = x;
            DrawTab(dc, x, i, y, p == 0);
            if (p == 0 && i != Current) {
                line(dc, HighlightColor, left, y + TabHeight, x, y + TabHeight);
                line(dc, FaceColor, left, y + TabHeight - 1, x, y + TabHeight - 1);
            }
        }
    }
}

TRect TPropertyTab::cutOffRect(int top) const {
    TRect both;
    GetScrollRect(both, -1);
    return TRect(both.left - 8, top, both.right, both.bottom);
}

void TPropertyTab::DrawTab(TDC& dc, int& x, int index, int y, int frontRow) {
    const auto& entry = Entries[size_t(index)];
    const int w = entry.Width;
    const bool current = index == Current;
    const int d = current ? 0 : 2;
    const int a = x + (current ? 0 : 1);
    const int b = x + w;
    const int top = y + d;
    const int bottomEdge = y + TabHeight;
    dc.SaveDC();
    // A tab cut off by the scroll buttons ends in a jagged line.
    bool cut = false;
    if (buttonsShown()) {
        TRect both;
        GetScrollRect(both, -1);
        const int c = both.left - 8;
        if (b - 2 > c) {
            cut = true;
            const int k = (TabHeight - top) / 3;
            polyline(dc, ShadowColor,
                     {{c + 1, top},
                      {c + 2, top + k},
                      {c, top + 2 * k},
                      {c + 2, TabHeight - 2},
                      {c + 1, TabHeight}});
            TRect client = clientRect();
            dc.SelectClipRgn(without(client, cutOffRect(top)));
        }
    }
    const bool colored = current && (Style & Tab::ColorActive);
    dc.FillRect(TRect(a + 1, top + 1, b - 2, bottomEdge + frontRow),
                TBrush(colored ? ActiveColor : FaceColor));
    polyline(dc, HighlightColor, {{a, bottomEdge - d}, {a, top + 4}, {a + 4, top}, {b - 4, top}});
    polyline(dc, colored ? HighlightColor : ShadowColor,
             {{b - 4, top + 1}, {b - 2, top + 3}, {b - 2, bottomEdge + 1 - d}});
    line(dc, FrameColor, b - 1, top + 4, b - 1, bottomEdge + 1 - d);
    if (current) {
        fillPolygon(dc, FaceColor, {{a, top + 4}, {a, top}, {a + 4, top}});
        fillPolygon(dc, FaceColor, {{b, top + 4}, {b, top}, {b - 4, top}});
    } else {
        fillPolygon(dc, FaceColor,
                    {{a, top + 4}, {a + 4, top}, {b - 4, top}, {b, top + 4}, {b, y}, {a, y}});
        line(dc, FaceColor, x, y, x, y + TabHeight);
    }
    dc.SelectStockObject(BLACK_PEN);
    dc.SaveDC();
    dc.IntersectClipRect(TRect(a + 1, top + 1, b - 1, bottomEdge - d + 1));
    if (cut) dc.IntersectClipRect(TRect(a + 1, top + 1, cutOffRect(top).left, bottomEdge));
    dc.SelectObject(current ? BoldFont : Font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(entry.Enabled ? WindowText : GrayText);
    const TRect text(a + 3, top + 3, b - 4, bottomEdge);
    TRect measured = text;
    dc.DrawText(entry.Text, measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    uint32_t format = DT_SINGLELINE | DT_VCENTER;
    if ((Style & Tab::DoubleHeight) && measured.Height() > TextHeight + 4) format = DT_WORDBREAK;
    TRect title = text;
    drawPicture(dc, index, title);
    dc.DrawText(entry.Text, title, format | DT_CENTER);
    if (current && HasFocus()) {
        dc.SelectObject(TPen(WindowText, 1, PS_DOT));
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(text);
    }
    dc.RestoreDC();
    dc.RestoreDC();
    x += w;
}

TSize TPropertyTab::celSize() const {
    if (TabBitmaps.IsNull() || GetEntryCount() == 0) return {0, 0};
    const int h = TabBitmaps.Height();
    return {TabBitmaps.Width() / GetEntryCount(), MaskedBitmaps ? h / 2 : h};
}

void TPropertyTab::drawPicture(TDC& dc, int index, TRect& title) const {
    const TSize cel = celSize();
    if (cel.cx <= 0 || cel.cy <= 0) return;
    const int x = title.left + 6;
    const int y = title.top + (title.Height() - cel.cy) / 2;
    if (MaskedBitmaps) {
        DrawMaskedCel(dc, x, y, TabBitmaps, index * cel.cx, cel.cx);
    } else {
        TMemoryDC cels(dc);
        cels.SelectObject(TabBitmaps);
        dc.BitBlt(TRect(x, y, x + cel.cx, y + cel.cy), cels, {index * cel.cx, 0});
    }
    title.left += cel.cx + 12;
}

bool TPropertyTab::DrawMaskedCel(TDC& dc, int x, int y, const TBitmap& bitmap, int srcX, int cx) {
    if (bitmap.IsNull()) return false;
    const int h = bitmap.Height() / 2;
    if (cx == 0) cx = bitmap.Width() - srcX;
    // The mask clears where the picture goes, the picture is laid into the gap.
    TMemoryDC cels(dc);
    cels.SelectObject(bitmap);
    const TRect to(x, y, x + cx, y + h);
    return dc.BitBlt(to, cels, {srcX, h}, SRCAND) && dc.BitBlt(to, cels, {srcX, 0}, SRCPAINT);
}

void TPropertyTab::DrawWizardFrame(TDC& dc) {
    const TRect client = clientRect();
    dc.FillRect(TRect(0, client.bottom - 2, client.right, client.bottom), TBrush(FaceColor));
    line(dc, HighlightColor, 12, client.bottom - 1, client.right - 12, client.bottom - 1);
    line(dc, ShadowColor, 12, client.bottom - 2, client.right - 12, client.bottom - 2);
}
