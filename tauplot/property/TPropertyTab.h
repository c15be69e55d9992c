#pragma once
// The tab strip of a property dialog: a control of its own that draws the
// tabs and the frame around the page area, lays the tabs out in one
// scrolling row or in stacked rows, turns clicks and keys into tab changes,
// and keeps the pages: it creates them as its children, shows the current
// one and asks them before a change and on OK. Coordinates are the
// control's client pixels; the tab row starts at its top.
#include "platform/base/Color.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/window/Control.h"
#include "tauplot/property/TPropertyEntry.h"
#include "tauplot/property/TabStyle.h"

#include <string>
#include <vector>

class TDC;
class TPropertyDialog;
class TPropertyPage;

class TPropertyTab : public TControl {
public:
    enum : int { IDC_TABSTRIP = 29000 };
    struct TRow {
        int First = 0, Last = -1;
    };

    // With Tab::UseTabBitmaps the bitmap resource bitmapId holds one picture
    // per tab side by side; with maskedBitmaps, the pictures in its upper
    // half and their AND masks in its lower half. Without the resource the
    // tabs are drawn without pictures.
    TPropertyTab(TPropertyDialog* parent, Tab::Style style, int bitmapId = 0,
                 int maskedBitmaps = 0);
    ~TPropertyTab() override;

    // Tabs and pages.
    void Add(const char* title, TPropertyPage* page, int enabled);
    int SelectTab(int index);
    int SelectNext(int direction);
    int EnableTab(int index, int enable);
    int IsTabEnabled(int index) const;
    int IsTabVisible(int index) const;
    int IsTabSelected(int index) const { return index == Current; }
    std::string GetTabText(int index) const;
    int SetTabText(int index, const char* text);
    int SelectTabByKey(char32_t ch);
    HWND SetPageFocus(int moveFocus);
    HWND GetFirstControl() const;
    int SelectFirstControl();
    // Every page's controls accept what they hold (their validators); the
    // first page that refuses comes to the front. Answers 1 when all do.
    int ValidatePages();
    int CheckCanClose();
    int SavePageData();
    void DestroyPages();
    int GetEntryCount() const { return int(Entries.size()); }
    const std::vector<TPropertyEntry>& GetEntries() const { return Entries; }
    TPropertyPage* GetPage(int index) const;
    int GetCurrent() const { return Current; }
    int GetLastSelected() const { return LastSelected; }

    // Geometry.
    int SetRect(TRect& rect, int position) const;
    int GetTabRect(TRect& rect, int index, int origin = -1) const;
    int GetTabRow(int index) const;
    void GetScrollRect(TRect& rect, int which) const;
    int GetMouseTab(TPoint point) const;
    int GetLastTab(int flag) const;
    int CalcTabWidth(TDC& dc, int index) const;
    void CalculateBasicTabWidths();
    void CalculateTabWidths();
    void ReassessTabWidths();
    int AssessScroll();
    int NextOrigin(int direction);
    int AdjustOrigin(int index);
    void RedrawDialogs();
    // Widths, scroll state and page places for the present size.
    void Relayout();

    // Painting.
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    void DrawTabs(TDC& dc);
    void DrawStackedTabs(TDC& dc);
    void DrawTab(TDC& dc, int& x, int index, int y, int frontRow);
    void DrawWizardFrame(TDC& dc);
    // A picture through its AND mask, at (x, y) from column srcX of a bitmap
    // whose lower half holds the masks; cx 0: the rest of the bitmap's width.
    static bool DrawMaskedCel(TDC& dc, int x, int y, const TBitmap& bitmap, int srcX, int cx);

    // Appearance.
    void SetActiveColor(TColor color);
    void SetFixedTabWidth(int width);
    void SetWideMarginWidth(int width);
    void TabColorChange();

    Tab::Style GetStyle() const { return Style; }
    int GetTabHeight() const { return TabHeight; }
    int GetTextHeight() const { return TextHeight; }
    int GetRowCount() const { return RowCount; }
    const std::vector<TRow>& GetRows() const { return Rows; }
    const std::vector<int>& GetRowOrder() const { return RowOrder; }
    int GetOrigin() const { return Origin; }
    bool IsScrollLeft() const { return ScrollLeft; }
    bool IsScrollRight() const { return ScrollRight; }
    int GetTabAreaRight() const { return TabAreaRight; }
    const TRect& GetPageRect() const { return PageRect; }
    std::string GetClassName() const { return "tbProperty"; }

    // How titles are measured: the real fonts (the default), or the
    // recording DC's fixed metrics for layout tests.
    static void SetMeasureMetrics(TMetricMode mode);

    void EvLButtonDown(uint32_t modKeys, TPoint point) override;
    void EvRButtonDown(uint32_t modKeys, TPoint point) override;
    void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    void EvKillFocus(HWND getFocus) override;
    void SetupWindow() override;
    bool EvCommand(int id, HWND control, int notifyCode) override;

private:
    TPropertyDialog* dialog() const;
    TSize clientSize() const;
    TRect clientRect() const;
    // The tab area's left and right edges while laying out rows.
    int areaRight() const;
    bool buttonsShown() const { return ScrollLeft || ScrollRight; }
    void placePage(TPropertyPage* page);
    void createPage(TPropertyPage* page);
    void drawArrow(TDC& dc, const TRect& r, bool left, bool active);
    // The size of one tab's picture; 0 x 0 without pictures.
    TSize celSize() const;
    // Draws the tab's picture at the left of the title's rectangle and moves
    // the rectangle's left edge past it.
    void drawPicture(TDC& dc, int index, TRect& title) const;
    TRect cutOffRect(int top) const;

    std::vector<TPropertyEntry> Entries;
    int Current = 0;
    int LastSelected = -1;
    Tab::Style Style;
    TFont Font;
    TFont BoldFont;
    int TextHeight = 0;
    int TabHeight = 0;
    int FixedTabWidth = 64;
    int WideMarginWidth = 6;
    TColor ActiveColor = TColor::White;
    TColor HighlightColor, FaceColor, ShadowColor, FrameColor;
    int RowCount = 1;
    // Grow with the rows: a strip of many narrow tabs may need more than 20.
    std::vector<TRow> Rows;
    std::vector<int> RowOrder;
    int Origin = 0;
    bool ScrollLeft = false, ScrollRight = false;
    int TabAreaRight = 0;
    int BitmapId = 0;
    int MaskedBitmaps = 0;
    TBitmap TabBitmaps; // null without pictures
    TRect PageRect;
};
