#include "platform/window/Window.h"

#include "platform/window/Application.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Cursor.h"
#include "platform/window/DropInfo.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/Scroller.h"
#include "platform/window/detail/KeyboardRouter.h"
#include "platform/window/detail/PaintSurface.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"
#include "platform/window/detail/WindowScrollBars.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace {
std::unordered_map<HWND, TWindow*>& handles() {
    static std::unordered_map<HWND, TWindow*> map;
    return map;
}
HWND g_nextHandle = 1;

Qt::CursorShape shapeOf(TCursor::TShape s) {
    switch (s) {
    case TCursor::Wait:
        return Qt::WaitCursor;
    case TCursor::IBeam:
        return Qt::IBeamCursor;
    case TCursor::Cross:
        return Qt::CrossCursor;
    case TCursor::Help:
        return Qt::WhatsThisCursor;
    case TCursor::NoDrop:
        return Qt::ForbiddenCursor;
    case TCursor::DragMove:
        return Qt::DragMoveCursor;
    case TCursor::DragCopy:
        return Qt::DragCopyCursor;
    case TCursor::SizeNS:
        return Qt::SizeVerCursor;
    case TCursor::SizeWE:
        return Qt::SizeHorCursor;
    case TCursor::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case TCursor::SizeNESW:
        return Qt::SizeBDiagCursor;
    case TCursor::Hand:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}
class EventHook : public QObject {
public:
    EventHook(QObject* owner, QObject* object, QEvent::Type type, std::function<void()> fn)
        : QObject(owner), type_(type), fn_(std::move(fn)) {
        // Either end finishes the hook.
        QObject::connect(object, &QObject::destroyed, this, &QObject::deleteLater);
        object->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == type_) fn_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> fn_;
};
} // namespace

namespace window_detail {
void OnEvent(TWindow& owner, QObject* object, QEvent::Type type, std::function<void()> fn) {
    new EventHook(owner.GetImpl().hooks.get(), object, type, std::move(fn));
}
QWidget* ParentWidget(const TWindow* w) {
    auto* p = w->GetParent();
    return p && p->IsCreated() ? p->GetImpl().ChildContainer() : nullptr;
}
QWidget* WidgetOf(const TWindow* w) {
    return w->GetImpl().widget;
}
TWindow* WindowOf(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        auto v = w->property("korvalin.window");
        if (v.isValid()) return static_cast<TWindow*>(v.value<void*>());
    }
    return nullptr;
}
} // namespace window_detail

using window_detail::Qs;

void TWindow::Impl::Adopt(QWidget* outer, QWidget* inner) {
    widget = outer;
    client = inner ? inner : outer;
    outer->setProperty("korvalin.window", QVariant::fromValue<void*>(self));
    client->setProperty("korvalin.window", QVariant::fromValue<void*>(self));
    outer->installEventFilter(bridge);
    if (client != widget) client->installEventFilter(bridge);
    if (attr.W > 0 && attr.H > 0) outer->resize(attr.W, attr.H);
    if (attr.X != CW_USEDEFAULT && attr.Y != CW_USEDEFAULT) outer->move(attr.X, attr.Y);
    ApplyTabStop();
}

void TWindow::Impl::ApplyTabStop() {
    if (!client || tabStop < 0) return;
    const auto policy = client->focusPolicy();
    if (tabStop)
        client->setFocusPolicy(Qt::FocusPolicy(policy | Qt::StrongFocus));
    else
        client->setFocusPolicy(Qt::FocusPolicy(policy & ~Qt::TabFocus));
}

TWindow::TWindow(TWindow* parent, std::string_view title) : impl_(std::make_unique<Impl>()) {
    impl_->self = this;
    impl_->parent = parent;
    impl_->title = title;
    if (parent) parent->impl_->children.push_back(this);
}

TWindow::~TWindow() {
    Destroy();
    // Children are owned by their parent window.
    auto children = std::move(impl_->children);
    for (auto* c : children) {
        c->impl_->parent = nullptr;
        delete c;
    }
    if (impl_->parent) {
        auto& sib = impl_->parent->impl_->children;
        sib.erase(std::remove(sib.begin(), sib.end(), this), sib.end());
    }
}

bool TWindow::Create() {
    if (IsCreated()) return true;
    window_detail::EnsureKeyboardRouter();
    impl_->bridge = new WindowBridge(this);
    CreateNativeWidget();
    if (!impl_->widget) {
        delete impl_->bridge;
        impl_->bridge = nullptr;
        return false;
    }
    impl_->handle = g_nextHandle++;
    handles()[impl_->handle] = this;
    impl_->widget->setAcceptDrops(impl_->acceptDrops);
    if (impl_->scrollBars[SB_HORZ].shown || impl_->scrollBars[SB_VERT].shown)
        window_detail::ScrollBarsOf(this)->Sync();
    SetupWindow();
    // Children show once made, as WS_VISIBLE children do: also those made
    // after their parent is on screen. A top-level window waits for
    // ShowWindow unless its style says visible.
    auto* w = impl_->widget.data();
    if (w && (!w->isWindow() || (impl_->attr.Style & WS_VISIBLE))) w->show();
    return true;
}

void TWindow::CreateNativeWidget() {
    auto* w = new PaintSurface(window_detail::ParentWidget(this), this);
    if (!impl_->title.empty()) w->setWindowTitle(Qs(impl_->title));
    impl_->Adopt(w);
}

void TWindow::SetupWindow() {
    for (auto* c : std::vector<TWindow*>(impl_->children)) {
        // A child's set-up may take over a later sibling (SetParent).
        if (c->GetParent() != this || !c->impl_->autoCreate || c->IsCreated()) continue;
        c->Create();
    }
}

HWND TWindow::GetHandle() const {
    return impl_->handle;
}

TWindow* TWindow::FromHandle(HWND handle) {
    auto it = handles().find(handle);
    return it == handles().end() ? nullptr : it->second;
}

bool TWindow::CanClose() {
    for (auto* c : impl_->children)
        if (c->IsCreated() && !c->CanClose()) return false;
    return true;
}

void TWindow::CloseWindow(int retValue) {
    if (CanClose()) Destroy(retValue);
}

void TWindow::Destroy(int) {
    if (!IsCreated() || impl_->destroying) return;
    impl_->destroying = true;
    window_detail::DropKeyFilters(this);
    CleanupWindow();
    for (auto* c : impl_->children) c->Destroy();
    for (auto [id, qtId] : impl_->timers) impl_->bridge->killTimer(qtId);
    impl_->timers.clear();
    handles().erase(impl_->handle);
    impl_->handle = 0;
    impl_->bridge->Detach();
    impl_->bridge->deleteLater();
    impl_->bridge = nullptr;
    impl_->hooks = std::make_unique<QObject>();
    // Qt deletes the widgets later: until then they must not lead back to
    // this window, which may be gone first.
    for (QWidget* w : {impl_->widget.data(), impl_->client.data()})
        if (w) w->setProperty("korvalin.window", QVariant());
    if (impl_->widget) {
        // Until Qt deletes them, the widgets name no window: a key still on
        // its way to them must not reach this one once it is gone.
        impl_->widget->setProperty("korvalin.window", QVariant());
        if (impl_->client) impl_->client->setProperty("korvalin.window", QVariant());
        impl_->widget->hide();
        impl_->widget->deleteLater();
    }
    impl_->widget = nullptr;
    impl_->client = nullptr;
    impl_->destroying = false;
    auto* app = TApplication::Current();
    if (app && static_cast<TWindow*>(app->GetMainWindow()) == this) app->PostQuitMessage(0);
}

TWindow* TWindow::GetParent() const {
    return impl_->parent;
}

void TWindow::SetParent(TWindow* newParent) {
    if (newParent == impl_->parent) return;
    if (auto* old = impl_->parent) {
        auto& sib = old->impl_->children;
        sib.erase(std::remove(sib.begin(), sib.end(), this), sib.end());
    }
    impl_->parent = newParent;
    if (newParent) newParent->impl_->children.push_back(this);
    auto* w = impl_->widget.data();
    if (!w || w->isWindow()) return;
    const bool visible = !w->isHidden();
    w->setParent(window_detail::ParentWidget(this), w->windowFlags());
    if (visible) w->show();
}

void TWindow::EnableAutoCreate(bool enable) {
    impl_->autoCreate = enable;
}
bool TWindow::IsAutoCreate() const {
    return impl_->autoCreate;
}
const std::vector<TWindow*>& TWindow::Children() const {
    return impl_->children;
}
TWindow* TWindow::ChildWithId(int id) const {
    for (auto* c : impl_->children)
        if (c->GetId() == id) return c;
    return nullptr;
}
TWindow::TAttr& TWindow::Attr() {
    return impl_->attr;
}
const TWindow::TAttr& TWindow::Attr() const {
    return impl_->attr;
}

void TWindow::SetCaption(std::string_view text) {
    impl_->title = text;
    if (impl_->widget) impl_->widget->setWindowTitle(Qs(text));
}
std::string TWindow::GetCaption() const {
    return impl_->title;
}

void TWindow::ShowWindow(int cmd) {
    auto* w = impl_->widget.data();
    if (!w) return;
    switch (cmd) {
    case SW_HIDE:
        w->hide();
        break;
    case SW_SHOWMAXIMIZED:
        w->showMaximized();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        w->showMinimized();
        break;
    case SW_SHOWMINNOACTIVE:
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->showMinimized();
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        w->showNormal();
        break;
    default:
        w->show();
        break;
    }
    // A window shown by another program's request finds its buttons up to date.
    if (cmd != SW_HIDE) window_detail::RequestIdleUpdate();
}
bool TWindow::IsWindowVisible() const {
    return impl_->widget && impl_->widget->isVisible();
}
bool TWindow::IsIconic() const {
    return impl_->widget && impl_->widget->isWindow() && impl_->widget->isMinimized();
}
void TWindow::EnableWindow(bool enable) {
    if (impl_->widget) impl_->widget->setEnabled(enable);
}
bool TWindow::IsWindowEnabled() const {
    return impl_->widget && impl_->widget->isEnabled();
}
void TWindow::SetFocus() {
    if (impl_->client) impl_->client->setFocus();
}
bool TWindow::HasFocus() const {
    return impl_->client && impl_->client->hasFocus();
}

void TWindow::SetTabStop(bool tabStop) {
    impl_->tabStop = tabStop ? 1 : 0;
    impl_->ApplyTabStop();
}

bool TWindow::IsTabStop() const {
    if (impl_->tabStop >= 0) return impl_->tabStop == 1;
    return impl_->client && (impl_->client->focusPolicy() & Qt::TabFocus);
}

TRect TWindow::GetClientRect() const {
    if (!impl_->client) return {};
    const auto* bars = impl_->scrollWidgets.data();
    return {0, 0, impl_->client->width() - (bars ? bars->RightSpace() : 0),
            impl_->client->height() - (bars ? bars->BottomSpace() : 0)};
}
TRect TWindow::GetWindowRect() const {
    if (!impl_->widget) return {};
    const QPoint p = impl_->widget->mapToGlobal(QPoint(0, 0));
    return {TPoint{p.x(), p.y()}, TSize{impl_->widget->width(), impl_->widget->height()}};
}
void TWindow::MoveWindow(const TRect& r, bool) {
    impl_->attr.X = r.left;
    impl_->attr.Y = r.top;
    impl_->attr.W = r.Width();
    impl_->attr.H = r.Height();
    if (impl_->widget) impl_->widget->setGeometry(r.left, r.top, r.Width(), r.Height());
}
TPoint TWindow::ClientToScreen(TPoint p) const {
    if (!impl_->client) return p;
    const QPoint q = impl_->client->mapToGlobal(QPoint(p.x, p.y));
    return {q.x(), q.y()};
}
TPoint TWindow::ScreenToClient(TPoint p) const {
    if (!impl_->client) return p;
    const QPoint q = impl_->client->mapFromGlobal(QPoint(p.x, p.y));
    return {q.x(), q.y()};
}
void TWindow::Invalidate(bool) {
    if (impl_->client) impl_->client->update();
}
void TWindow::InvalidateRect(const TRect& r, bool) {
    if (impl_->client) impl_->client->update(r.left, r.top, r.Width(), r.Height());
}
void TWindow::ScrollWindow(int dx, int dy) {
    const TRect r = GetClientRect();
    // Within the client area only: children and the window's bars stay put.
    if (impl_->client) impl_->client->scroll(dx, dy, QRect(0, 0, r.Width(), r.Height()));
}
void TWindow::UpdateWindow() {
    if (impl_->client) impl_->client->repaint();
}

TResult TWindow::SendMessage(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    return HandleMessage(msg, wParam, lParam);
}

bool TWindow::PostMessage(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (!impl_->bridge) return false;
    impl_->bridge->Post(MSG{impl_->handle, msg, wParam, lParam, {}});
    return true;
}

TResponseTable& TWindow::Responses() {
    return impl_->responses;
}

void TWindow::DefaultProcessing() {
    impl_->defaultProcessing = true;
}

namespace {
TPoint pointOf(LPARAM lp) {
    return {int16_t(LOWORD(uint32_t(lp))), int16_t(HIWORD(uint32_t(lp)))};
}
} // namespace

TResult TWindow::HandleMessage(uint32_t msg, WPARAM wp, LPARAM lp) {
    if (auto* h = impl_->responses.FindMessage(msg)) return (*h)(wp, lp);
    switch (msg) {
    case WM_COMMAND:
        return EvCommand(LOWORD(wp), HWND(lp), HIWORD(wp)) ? 1 : 0;
    case WM_CLOSE:
        EvClose();
        return 0;
    case WM_TIMER:
        EvTimer(wp);
        return 0;
    case WM_SIZE:
        EvSize(wp, {LOWORD(uint32_t(lp)), HIWORD(uint32_t(lp))});
        return 0;
    case WM_MOVE:
        EvMove(pointOf(lp));
        return 0;
    case WM_CANCELMODE:
        EvCancelMode();
        return 0;
    case WM_KILLFOCUS:
        EvKillFocus(HWND(wp));
        return 0;
    case WM_KEYDOWN:
        EvKeyDown(wp, LOWORD(uint32_t(lp)), HIWORD(uint32_t(lp)));
        return 0;
    case WM_KEYUP:
        EvKeyUp(wp, LOWORD(uint32_t(lp)), HIWORD(uint32_t(lp)));
        return 0;
    case WM_LBUTTONDOWN:
        EvLButtonDown(wp, pointOf(lp));
        return 0;
    case WM_LBUTTONUP:
        EvLButtonUp(wp, pointOf(lp));
        return 0;
    case WM_LBUTTONDBLCLK:
        EvLButtonDblClk(wp, pointOf(lp));
        return 0;
    case WM_RBUTTONDOWN:
        EvRButtonDown(wp, pointOf(lp));
        return 0;
    case WM_RBUTTONUP:
        EvRButtonUp(wp, pointOf(lp));
        return 0;
    case WM_MOUSEWHEEL:
        EvMouseWheel(LOWORD(uint32_t(wp)), int16_t(HIWORD(uint32_t(wp))), pointOf(lp));
        return 0;
    case WM_HSCROLL:
        EvHScroll(LOWORD(uint32_t(wp)), HIWORD(uint32_t(wp)), HWND(lp));
        return 0;
    case WM_VSCROLL:
        EvVScroll(LOWORD(uint32_t(wp)), HIWORD(uint32_t(wp)), HWND(lp));
        return 0;
    case WM_MOUSEMOVE:
        EvMouseMove(wp, pointOf(lp));
        return 0;
    default:
        DefaultProcessing();
        return 0;
    }
}

bool TWindow::EvCommand(int id, HWND control, int notifyCode) {
    if (control != 0) {
        if (auto* h = impl_->responses.FindNotify(id, notifyCode)) {
            (*h)();
            return true;
        }
        // A button's click (code 0) is the command of its id.
        if (notifyCode != 0) return false;
    }
    if (auto* h = impl_->responses.FindCommand(id)) {
        (*h)();
        return true;
    }
    return false;
}

void TWindow::EvCommandEnable(TCommandEnabler& ce) {
    if (auto* h = impl_->responses.FindEnabler(ce.GetId())) {
        ce.MarkHandled();
        (*h)(ce);
    } else if (impl_->responses.FindCommand(ce.GetId())) {
        ce.Enable(true);
    }
}

bool TWindow::NotifyParent(int code) {
    // A parent being torn down hears nothing more: its derived part may be
    // gone already when its base destroys the children.
    return impl_->parent && !impl_->parent->impl_->destroying &&
           impl_->parent->SendMessage(WM_COMMAND, MAKEWPARAM(uint16_t(GetId()), uint16_t(code)),
                                      LPARAM(GetHandle())) != 0;
}

bool TWindow::SetTimer(uint32_t id, uint32_t ms) {
    if (!impl_->bridge) return false;
    KillTimer(id);
    const int qtId = impl_->bridge->startTimer(int(ms));
    if (qtId == 0) return false;
    impl_->timers[id] = qtId;
    return true;
}

bool TWindow::KillTimer(uint32_t id) {
    auto it = impl_->timers.find(id);
    if (it == impl_->timers.end()) return false;
    impl_->bridge->killTimer(it->second);
    impl_->timers.erase(it);
    return true;
}

void TWindow::SetCapture() {
    if (impl_->client) impl_->client->grabMouse();
}
void TWindow::ReleaseCapture() {
    if (impl_->client) impl_->client->releaseMouse();
}
bool TWindow::HasCapture() const {
    return impl_->client && QWidget::mouseGrabber() == impl_->client;
}
void TWindow::SetCursor(const TCursor* cursor) {
    if (!impl_->client) return;
    if (cursor)
        impl_->client->setCursor(QCursor(shapeOf(cursor->Shape())));
    else
        impl_->client->unsetCursor();
}
void TWindow::DragAcceptFiles(bool accept) {
    impl_->acceptDrops = accept;
    if (impl_->widget) impl_->widget->setAcceptDrops(accept);
}

TScroller* TWindow::SetScroller(std::unique_ptr<TScroller> scroller) {
    impl_->scroller = std::move(scroller);
    return impl_->scroller.get();
}
TScroller* TWindow::GetScroller() const {
    return impl_->scroller.get();
}

void TWindow::EvHScroll(uint32_t code, int thumbPos, HWND control) {
    if (control == 0 && impl_->scroller)
        impl_->scroller->HScroll(code, thumbPos);
    else
        DefaultProcessing();
}
void TWindow::EvVScroll(uint32_t code, int thumbPos, HWND control) {
    if (control == 0 && impl_->scroller)
        impl_->scroller->VScroll(code, thumbPos);
    else
        DefaultProcessing();
}

void TWindow::EvMouseWheel(uint32_t, int zDelta, TPoint) {
    if (!impl_->scroller || zDelta == 0) return DefaultProcessing();
    // Three lines per notch, as the desktop's default; through the scroll
    // messages, so windows with their own scrolling get them too.
    const int lines = std::max(1, std::abs(zDelta) * 3 / 120);
    const uint32_t code = zDelta > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < lines && IsCreated(); ++i) SendMessage(WM_VSCROLL, code, 0);
}

namespace {
// One bar, or both for SB_BOTH.
template <class Fn>
void forBars(TWindow::Impl& impl, int bar, Fn fn) {
    for (int b : {SB_HORZ, SB_VERT})
        if (bar == b || bar == SB_BOTH) fn(impl.scrollBars[b]);
    if (impl.scrollWidgets || impl.scrollBars[SB_HORZ].shown || impl.scrollBars[SB_VERT].shown)
        if (auto* bars = window_detail::ScrollBarsOf(impl.self)) bars->Sync();
}
} // namespace

void TWindow::ShowScrollBar(int bar, bool show) {
    forBars(*impl_, bar, [&](auto& s) { s.shown = show; });
}
void TWindow::SetScrollRange(int bar, int minPos, int maxPos) {
    forBars(*impl_, bar, [&](auto& s) {
        s.min = minPos;
        s.max = std::max(minPos, maxPos);
        s.pos = std::clamp(s.pos, s.min, s.max);
    });
}
void TWindow::GetScrollRange(int bar, int& minPos, int& maxPos) const {
    const auto& s = impl_->scrollBars[bar == SB_VERT ? SB_VERT : SB_HORZ];
    minPos = s.min;
    maxPos = s.max;
}
void TWindow::SetScrollPos(int bar, int pos) {
    forBars(*impl_, bar, [&](auto& s) { s.pos = std::clamp(pos, s.min, s.max); });
}
int TWindow::GetScrollPos(int bar) const {
    return impl_->scrollBars[bar == SB_VERT ? SB_VERT : SB_HORZ].pos;
}
void TWindow::SetScrollPage(int bar, int page) {
    forBars(*impl_, bar, [&](auto& s) { s.page = std::max(0, page); });
}

void TWindow::PaintOverControl() {
    AddPaintOverlay(this);
}

void TWindow::Defer(std::function<void()> fn) {
    QTimer::singleShot(0, impl_->tasks.get(), std::move(fn));
}

void TWindow::EvDropFiles(TDropInfo& drop) {
    if (auto* app = TApplication::Current()) app->EvDropFiles(drop);
}

HWND GetFocus() {
    auto* w = window_detail::WindowOf(QApplication::focusWidget());
    return w ? w->GetHandle() : 0;
}

TSize GetScreenSize() {
    auto* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {screen->geometry().width(), screen->geometry().height()};
}
