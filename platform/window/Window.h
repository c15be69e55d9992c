#pragma once
// The base of every window: a place in the window tree, a handle, a response
// table, and the small virtual handlers that messages are decoded into. The
// widget behind it is made by Create(); posted messages are queued events,
// sent messages direct calls.
#include "platform/base/Geometry.h"
#include "platform/window/Messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBrush;
class TCommandEnabler;
class TCursor;
class TDC;
struct TDropInfo;
class TResponseTable;
class TScroller;

class TWindow {
public:
    // A place left to the parent or the layout; any other value, negative
    // ones too, is a place (a pop-up one pixel left of the screen's edge).
    static constexpr int32_t CW_USEDEFAULT = INT32_MIN;
    struct TAttr {
        int32_t X = CW_USEDEFAULT, Y = CW_USEDEFAULT, W = 0, H = 0; // W, H 0: the layout decides
        int Id = 0;
        uint32_t Style = 0; // WS_ flags
    };

    explicit TWindow(TWindow* parent, std::string_view title = {});
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // Makes the widget, then SetupWindow (whose base creates the children).
    // A child window then shows, also one made after its parent is on screen.
    bool Create();
    HWND GetHandle() const;
    bool IsCreated() const { return GetHandle() != 0; }
    static TWindow* FromHandle(HWND handle);
    virtual void SetupWindow();
    // Asks the children; a window that refuses keeps everything open.
    virtual bool CanClose();
    // WM_CLOSE: CanClose, then Destroy.
    virtual void CloseWindow(int retValue = 0);
    void Destroy(int retValue = 0);

    TWindow* GetParent() const;
    // Moves the window under another parent (which then owns it); a made
    // widget moves along and keeps its visibility.
    void SetParent(TWindow* newParent);
    // Children that auto-create are made by their parent's SetupWindow (the
    // default); others wait for their own Create.
    void EnableAutoCreate(bool enable = true);
    bool IsAutoCreate() const;
    const std::vector<TWindow*>& Children() const;
    TWindow* ChildWithId(int id) const;
    TAttr& Attr();
    const TAttr& Attr() const;
    int GetId() const { return Attr().Id; }

    void SetCaption(std::string_view text);
    std::string GetCaption() const;
    virtual void SetWindowText(std::string_view text) { SetCaption(text); }
    virtual std::string GetWindowText() const { return GetCaption(); }

    void ShowWindow(int showCommand);
    bool IsWindowVisible() const;
    bool IsIconic() const; // a minimised top-level window
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void SetFocus();
    bool HasFocus() const;
    // Whether Tab stops at the window in its dialog (WS_TABSTOP); by default
    // the controls that take the focus do, labels and frames do not.
    void SetTabStop(bool tabStop);
    bool IsTabStop() const;
    TRect GetClientRect() const;
    TRect GetWindowRect() const; // screen coordinates
    void MoveWindow(const TRect& rect, bool repaint = false);
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    void Invalidate(bool erase = true);
    void InvalidateRect(const TRect& rect, bool erase = true);
    // Moves the client area's pixels; what comes into view is painted.
    void ScrollWindow(int dx, int dy);
    void UpdateWindow();

    TResult SendMessage(uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The one place every message is decoded: response table first, then the
    // virtual handlers below.
    virtual TResult HandleMessage(uint32_t msg, WPARAM wParam, LPARAM lParam);
    TResponseTable& Responses();

    // A command (no control) or a control's notification; true when handled.
    virtual bool EvCommand(int id, HWND control, int notifyCode);
    // Runs the window's own enabler for the command, or enables it when the
    // window handles the command; leaves it unhandled otherwise.
    virtual void EvCommandEnable(TCommandEnabler& enabler);
    // Sends a notification to the parent as WM_COMMAND (id, code); true when
    // the parent handled it.
    bool NotifyParent(int code);

    virtual void EvLButtonDown(uint32_t modKeys, TPoint point) { DefaultProcessing(); }
    virtual void EvLButtonUp(uint32_t modKeys, TPoint point) { DefaultProcessing(); }
    virtual void EvLButtonDblClk(uint32_t modKeys, TPoint point) { DefaultProcessing(); }
    virtual void EvRButtonDown(uint32_t modKeys, TPoint point) { DefaultProcessing(); }
    virtual void EvRButtonUp(uint32_t modKeys, TPoint point) { DefaultProcessing(); }
    // zDelta: 120 per notch, positive away from the user; point in screen
    // coordinates. With a scroller: three line steps per notch.
    virtual void EvMouseWheel(uint32_t modKeys, int zDelta, TPoint point);
    // WM_HSCROLL / WM_VSCROLL: the SB_ code, the thumb position, the scroll
    // bar control (0: the window's own bar). The window's own bars scroll
    // its scroller.
    virtual void EvHScroll(uint32_t code, int thumbPos, HWND control);
    virtual void EvVScroll(uint32_t code, int thumbPos, HWND control);
    virtual void EvMouseMove(uint32_t modKeys, TPoint point) { DefaultProcessing(); }
    virtual void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) {
        DefaultProcessing();
    }
    virtual void EvKeyUp(uint32_t key, uint32_t repeatCount, uint32_t flags) {
        DefaultProcessing();
    }
    virtual void EvTimer(uint32_t timerId) { DefaultProcessing(); }
    virtual void EvSize(uint32_t sizeType, const TSize& size) { DefaultProcessing(); }
    // The window moved; the origin of its client area.
    virtual void EvMove(const TPoint& origin) { DefaultProcessing(); }
    virtual void EvCancelMode() { DefaultProcessing(); }
    // The focus went to getFocus (0: to no window of this program).
    virtual void EvKillFocus(HWND getFocus) { DefaultProcessing(); }
    virtual void EvClose() { CloseWindow(); }
    // Draws the client area when it needs it; rect is what needs drawing.
    virtual void Paint(TDC& dc, bool erase, TRect& rect) {}
    // Files dropped on a window that accepts them; the base hands them to the
    // application.
    virtual void EvDropFiles(TDropInfo& drop);
    // WM_CTLCOLOR: a child control of kind ctlType (CTLCOLOR_*) asks for its
    // colours: set its text and background colour on dc and return the brush
    // of its face, which must outlive the child; null keeps the standard ones.
    virtual const TBrush* EvCtlColor(TDC& dc, HWND child, uint32_t ctlType) { return nullptr; }

    // Timer ids are the caller's; WM_TIMER carries them in wParam.
    bool SetTimer(uint32_t timerId, uint32_t milliseconds);
    bool KillTimer(uint32_t timerId);
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;
    void SetCursor(const TCursor* cursor);
    void DragAcceptFiles(bool accept);

    // The scroller of the client area, owned by the window; null for none.
    TScroller* SetScroller(std::unique_ptr<TScroller> scroller);
    TScroller* GetScroller() const;
    // The window's own scroll bars (SB_HORZ, SB_VERT, SB_BOTH) along its
    // client area, which they make smaller. A shown bar with an empty range
    // is hidden. May be called before Create.
    void ShowScrollBar(int bar, bool show = true);
    void SetScrollRange(int bar, int minPos, int maxPos);
    void GetScrollRange(int bar, int& minPos, int& maxPos) const;
    void SetScrollPos(int bar, int pos);
    int GetScrollPos(int bar) const;
    // The thumb's share: positions per page.
    void SetScrollPage(int bar, int page);

    struct Impl;
    Impl& GetImpl() const { return *impl_; }

protected:
    // Lets the widget's own behaviour run after the handler (typing into an
    // edit, clicking a button).
    void DefaultProcessing();
    // Makes the widget; the layer's window classes override it.
    virtual void CreateNativeWidget();
    virtual void CleanupWindow() {}
    // For controls that draw themselves: Paint runs after them, over their
    // client area. Call once the window is created.
    void PaintOverControl();
    // Runs fn once the current event is done, unless the window is deleted first.
    void Defer(std::function<void()> fn);

private:
    std::unique_ptr<Impl> impl_;
};

// The window that holds the keyboard focus (the control, also when the focus
// is in a part of it such as the edit field of a combo box); 0 for none.
HWND GetFocus();

// The size of the (primary) screen in pixels.
TSize GetScreenSize();
// Where the cursor was, in screen coordinates, at the latest mouse message;
// context menus open there.
TPoint GetMessagePos();
// Negative while the key is down (VK_SHIFT, VK_CONTROL, VK_MENU), as the
// latest input event left the modifiers; 0 otherwise.
int16_t GetKeyState(uint32_t virtualKey);
