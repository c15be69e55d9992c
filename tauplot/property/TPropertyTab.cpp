// The tab strip's construction, geometry, widths, scrolling, mouse and keys.
#include "tauplot/property/TPropertyTab.h"

#include "platform/gdi/BitmapResources.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/window/Application.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/TabColors.h"

#include <algorithm>

using namespace tab_colors;

namespace {
TMetricMode g_measure = TMetricMode::Real;

// A device context to measure titles on, as a client DC of the strip would.
TRecordingDC measuringDC() {
    return TRecordingDC(g_measure);
}
} // namespace

void TPropertyTab::SetMeasureMetrics(TMetricMode mode) {
    g_measure = mode;
}

TPropertyTab::TPropertyTab(TPropertyDialog* parent, Tab::Style style, int bitmapId,
                           int maskedBitmaps)
    : TControl(parent, IDC_TABSTRIP, "", 0, 0, 1, 1), Style(style),
      Font(TFont::Stock(ANSI_VAR_FONT)), BitmapId(bitmapId), MaskedBitmaps(maskedBitmaps) {
    if (Style & Tab::UseTabBitmaps) TabBitmaps = LoadBitmapResource(bitmapId);
    if (Style & Tab::WizardFrame) Style &= ~(Tab::Stacked | Tab::Justified | Tab::DoubleHeight);
    if (Style & Tab::Stacked) Style = (Style & ~Tab::Collapsing) | Tab::Justified;
    LOGFONT bold = Font.GetLogFont();
    bold.lfWeight = 700;
    BoldFont = TFont(bold);
    auto dc = measuringDC();
    dc.SelectObject(BoldFont);
    TRect r(0, 0, 0, 0);
    dc.DrawText("(|&y#", r, DT_CALCRECT | DT_CENTER);
    TextHeight = r.Height();
    TabHeight = TextHeight + ((Style & Tab::DoubleHeight) ? TextHeight : 2) + 9;
    Rows.assign(1, TRow{});
    RowOrder.assign(1, 0);
    SetFixedTabWidth(64);
    SetWideMarginWidth(6);
    TabColorChange();
}

TPropertyTab::~TPropertyTab() = default;

TPropertyDialog* TPropertyTab::dialog() const {
    return static_cast<TPropertyDialog*>(GetParent());
}

TSize TPropertyTab::clientSize() const {
    if (!IsCreated()) return {Attr().W, Attr().H};
    const TRect r = GetClientRect();
    return {r.Width(), r.Height()};
}

TRect TPropertyTab::clientRect() const {
    const TSize s = clientSize();
    return {0, 0, s.cx, s.cy};
}

void TPropertyTab::TabColorChange() {
    // The three-dimensional set: every system this runs on has it.
    HighlightColor = BtnHighlight;
    FaceColor = BtnFace;
    ShadowColor = BtnShadow;
    FrameColor = WindowFrame;
    if (IsCreated()) Invalidate();
}

void TPropertyTab::SetActiveColor(TColor color) {
    ActiveColor = color;
    if (IsCreated()) Invalidate(false);
}

void TPropertyTab::SetFixedTabWidth(int width) {
    FixedTabWidth = width ? width : 64;
    if (IsCreated()) {
        CalculateTabWidths();
        Invalidate();
    }
}

void TPropertyTab::SetWideMarginWidth(int width) {
    WideMarginWidth = width;
    if (IsCreated()) {
        CalculateTabWidths();
        Invalidate();
    }
}

// Geometry.

int TPropertyTab::SetRect(TRect& rect, int position) const {
    rect = clientRect();
    if (position < 0) {
        rect.top = 0;
        rect.bottom = TabHeight * RowCount - 1;
    } else {
        rect.top = (RowCount - 1 - position) * TabHeight;
        rect.bottom = rect.top + TabHeight - 1;
    }
    if (buttonsShown()) {
        TRect buttons;
        GetScrollRect(buttons, -1);
        rect.right = buttons.left - 8;
    }
    return 1;
}

void TPropertyTab::GetScrollRect(TRect& rect, int which) const {
    const int right = clientSize().cx;
    rect.top = TabHeight - ScrollArrow;
    rect.bottom = TabHeight;
    switch (which) {
    case 0:
        rect.left = right - 2 * ScrollArrow + 1;
        rect.right = right - ScrollArrow;
        break;
    case 1:
        rect.left = right - ScrollArrow;
        rect.right = right;
        break;
    default:
        rect.left = right - 2 * ScrollArrow + 1;
        rect.right = right;
    }
}

int TPropertyTab::GetTabRow(int index) const {
    for (int p = 0; p < RowCount; ++p) {
        const TRow& row = Rows[size_t(RowOrder[size_t(p)])];
        if (row.First <= index && index <= row.Last) return p;
    }
    return -1;
}

int TPropertyTab::GetTabRect(TRect& rect, int index, int origin) const {
    SetRect(rect, -1);
    int from = origin < 0 ? Origin : origin;
    int to = GetEntryCount() - 1;
    if (Style & Tab::Stacked) {
        const int p = GetTabRow(index);
        if (p < 0) return 0;
        SetRect(rect, p);
        rect.right = clientSize().cx;
        const TRow& row = Rows[size_t(RowOrder[size_t(p)])];
        from = row.First;
        to = row.Last;
    }
    for (int i = from; i <= to; ++i) {
        const int w = IsTabVisible(i) ? Entries[size_t(i)].Width : 0;
        if (i == index) {
            rect.right = rect.left + w - 1;
            return IsTabVisible(i);
        }
        rect.left += w;
    }
    return 0;
}

int TPropertyTab::GetMouseTab(TPoint point) const {
    for (int i = (Style & Tab::Stacked) ? 0 : Origin; i < GetEntryCount(); ++i) {
        TRect r;
        if (!GetTabRect(r, i) || !IsTabVisible(i)) continue;
        if (point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom)
            return IsTabEnabled(i) ? i : -1;
    }
    return -1;
}

int TPropertyTab::GetLastTab(int flag) const {
    const int last = std::max(0, GetEntryCount() - 1);
    if (!flag) return last;
    for (int i = last; i > 0; --i) {
        TRect r;
        if (GetTabRect(r, i) && r.right < TabAreaRight) return i;
    }
    return 0;
}

// Widths.

int TPropertyTab::CalcTabWidth(TDC& dc, int index) const {
    if (Style & Tab::FixedWidth) return FixedTabWidth;
    const std::string& title = Entries[size_t(index)].Text;
    dc.SelectObject(BoldFont);
    int width = 0;
    const bool wraps = title.find_first_of(" \r") != std::string::npos;
    if ((Style & Tab::DoubleHeight) && wraps) {
        int w = FixedTabWidth;
        for (;;) {
            TRect r(0, 0, w, TextHeight);
            dc.DrawText(title, r, DT_CALCRECT | DT_WORDBREAK);
            width = r.Width();
            if (r.Height() < 3 * TextHeight) break;
            w += 8;
        }
    } else {
        TRect r(0, 0, FixedTabWidth, TextHeight);
        dc.DrawText(title, r, DT_CALCRECT);
        width = r.Width();
    }
    width += 9;
    if (Style & Tab::WideMargins) width += 2 * WideMarginWidth;
    if (!TabBitmaps.IsNull()) width += celSize().cx + 12;
    return std::max(width, FixedTabWidth);
}

int TPropertyTab::areaRight() const {
    TRect r;
    SetRect(r, -1);
    return r.right;
}

void TPropertyTab::CalculateBasicTabWidths() {
    auto dc = measuringDC();
    for (int i = 0; i < GetEntryCount(); ++i) Entries[size_t(i)].Width = CalcTabWidth(dc, i);
    Rows.clear();
    if (!(Style & Tab::Stacked)) {
        Rows.push_back({0, GetEntryCount() - 1});
    } else {
        const int right = areaRight();
        int k = 0;
        while (k < GetEntryCount()) {
            TRow row{k, k};
            int x = 0;
            int i = k;
            for (; i < GetEntryCount(); ++i) {
                x += IsTabVisible(i) ? Entries[size_t(i)].Width : 0;
                if (x < right) {
                    row.Last = i;
                    continue;
                }
                // Too wide: the row ends before it, unless it is the row's first.
                if (i == k) {
                    row.Last = i;
                    ++i;
                }
                break;
            }
            Rows.push_back(row);
            k = row.Last + 1;
        }
        if (Rows.empty()) Rows.push_back({0, -1});
    }
    const int oldCount = RowCount;
    RowCount = int(Rows.size());
    // A new row count starts the display order afresh; the current tab's
    // row stays in front.
    if (oldCount != RowCount || int(RowOrder.size()) != RowCount) {
        RowOrder.resize(size_t(RowCount));
        for (int p = 0; p < RowCount; ++p) RowOrder[size_t(p)] = p;
        for (int r = 0; r < RowCount; ++r)
            if (Rows[size_t(r)].First <= Current && Current <= Rows[size_t(r)].Last)
                std::swap(RowOrder[0], RowOrder[size_t(r)]);
    }
}

void TPropertyTab::CalculateTabWidths() {
    if (clientSize().cx <= 1) return;
    CalculateBasicTabWidths();
    if (!(Style & Tab::Justified)) return;
    if (!(Style & Tab::Stacked) && buttonsShown()) return;
    const int area = areaRight();
    for (const TRow& row : Rows) {
        int spare = area;
        int n = 0;
        for (int i = row.First; i <= row.Last; ++i)
            if (IsTabVisible(i)) {
                spare -= Entries[size_t(i)].Width;
                ++n;
            }
        if (spare < 0) break; // from a row wider than the strip on, rows stand as they are
        for (int i = row.First; i <= row.Last && n > 0; ++i) {
            if (!IsTabVisible(i)) continue;
            const int more = spare / n;
            Entries[size_t(i)].Width += more;
            spare -= more;
            --n;
        }
    }
}

void TPropertyTab::ReassessTabWidths() {
    if (!(Style & Tab::Justified)) return;
    CalculateTabWidths();
    if (IsCreated()) Invalidate();
}

// Scrolling.

int TPropertyTab::AssessScroll() {
    if (Style & Tab::Stacked) {
        TabAreaRight = clientSize().cx;
        return 0;
    }
    const bool oldLeft = ScrollLeft, oldRight = ScrollRight;
    ScrollLeft = Origin > 0;
    const int last = GetEntryCount() - 1;
    int lastRight = 0;
    if (last >= 0) {
        TRect r;
        GetTabRect(r, last, Origin);
        lastRight = r.right;
    }
    TRect buttons;
    GetScrollRect(buttons, -1);
    const int limit = ScrollLeft ? buttons.left - 8 : clientSize().cx;
    ScrollRight = last >= 0 && lastRight >= limit;
    TabAreaRight = buttonsShown() ? buttons.left - 8 : clientSize().cx;
    if (ScrollLeft != oldLeft || ScrollRight != oldRight) {
        if (IsCreated()) Invalidate();
        ReassessTabWidths();
    }
    return buttonsShown();
}

int TPropertyTab::NextOrigin(int direction) {
    const int last = std::max(0, GetEntryCount() - 1);
    int o = Origin;
    for (;;) {
        o += direction;
        if (o <= 0) {
            o = 0;
            break;
        }
        if (o >= last) {
            o = last;
            break;
        }
        if (IsTabEnabled(o)) break;
    }
    if (o == Origin) return 0;
    Origin = o;
    AssessScroll();
    if (IsCreated()) Invalidate();
    return 1;
}

int TPropertyTab::AdjustOrigin(int index) {
    if (Style & Tab::Stacked) return 0;
    const int old = Origin;
    if (index < Origin) {
        Origin = index;
    } else {
        for (;;) {
            TRect r;
            GetTabRect(r, index, Origin);
            if (Origin >= index || r.right < TabAreaRight) break;
            ++Origin;
        }
    }
    if (Origin == old) return 0;
    if (IsCreated()) Invalidate(false);
    return 1;
}

void TPropertyTab::RedrawDialogs() {
    const TSize s = clientSize();
    PageRect = TRect(1, TabHeight * RowCount + 1, s.cx - 2, s.cy - 2);
    for (const auto& e : Entries)
        if (e.Page && e.Page->IsCreated()) placePage(e.Page);
}

void TPropertyTab::placePage(TPropertyPage* page) {
    page->MoveWindow(PageRect);
}

// Mouse, keys, focus, size.

void TPropertyTab::EvLButtonDown(uint32_t, TPoint point) {
    if (buttonsShown()) {
        TRect left, right, both;
        GetScrollRect(left, 0);
        GetScrollRect(right, 1);
        GetScrollRect(both, -1);
        auto inside = [&](const TRect& r) {
            return point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom;
        };
        if (ScrollLeft && inside(left)) {
            NextOrigin(-1);
            return;
        }
        if (ScrollRight && inside(right)) {
            NextOrigin(+1);
            return;
        }
        if (point.x >= both.left - 8 && point.x < both.right && point.y < both.bottom) return;
    }
    const int tab = GetMouseTab(point);
    if (tab >= 0) SelectTab(tab);
}

void TPropertyTab::EvRButtonDown(uint32_t modKeys, TPoint point) {
    for (int i = 0; i < GetEntryCount(); ++i) {
        TRect r;
        if (!GetTabRect(r, i) || !IsTabVisible(i)) continue;
        if (point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom) {
            if (auto* page = GetPage(i)) page->TabRightClick(modKeys, point);
            return;
        }
    }
}

void TPropertyTab::EvKeyDown(uint32_t key, uint32_t, uint32_t) {
    // Ctrl+Page Up/Down belong to the key filter, which switches already.
    if (IsKeyDown(VK_CONTROL)) return;
    switch (key) {
    case VK_PRIOR:
    case VK_LEFT:
    case VK_UP:
        SelectNext(-1);
        return;
    case VK_NEXT:
    case VK_RIGHT:
    case VK_DOWN:
        SelectNext(+1);
        return;
    default:
        DefaultProcessing();
    }
}

void TPropertyTab::EvKillFocus(HWND) {
    DefaultProcessing();
    Invalidate(false); // the focus rectangle goes
}

void TPropertyTab::EvSize(uint32_t sizeType, const TSize& size) {
    DefaultProcessing();
    Relayout();
}

void TPropertyTab::Relayout() {
    CalculateTabWidths();
    AssessScroll();
    RedrawDialogs();
}

bool TPropertyTab::EvCommand(int id, HWND control, int notifyCode) {
    // Menu commands and accelerators are the dialog's.
    if (!control && GetParent()) return GetParent()->EvCommand(id, control, notifyCode);
    return TControl::EvCommand(id, control, notifyCode);
}
