#include "platform/window/MDIClient.h"

#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/MDIChild.h"
#include "platform/window/detail/WindowImpl.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopedValueRollback>
#include <QStyle>

#include <algorithm>

namespace {
QMdiArea* areaOf(const TMDIClient& c) {
    return qobject_cast<QMdiArea*>(c.GetImpl().widget.data());
}
QMdiSubWindow* subOf(const TMDIChild* c) {
    return qobject_cast<QMdiSubWindow*>(c->GetImpl().widget.data());
}
// The children that are not minimised, which cascading and tiling arrange.
std::vector<QMdiSubWindow*> shownSubWindows(const TMDIClient& client) {
    std::vector<QMdiSubWindow*> subs;
    for (auto* c : client.MDIChildren())
        if (auto* s = subOf(c); s && !s->isMinimized()) subs.push_back(s);
    return subs;
}
} // namespace

TMDIClient::TMDIClient() : TWindow(nullptr) {
    auto& r = Responses();
    r.Command(CM_CASCADECHILDREN, [this] { CascadeChildren(); });
    r.Command(CM_TILECHILDREN, [this] { TileChildren(Vertical); });
    r.Command(CM_TILECHILDRENHORIZ, [this] { TileChildren(Horizontal); });
    r.Command(CM_ARRANGEICONS, [this] { ArrangeIcons(); });
    r.Command(CM_CLOSECHILDREN, [this] { CloseChildren(); });
    // The window commands need at least one child.
    for (int id : {CM_CASCADECHILDREN, CM_TILECHILDREN, CM_TILECHILDRENHORIZ, CM_ARRANGEICONS,
                   CM_CLOSECHILDREN})
        r.CommandEnable(id, [this](TCommandEnabler& ce) { ce.Enable(!MDIChildren().empty()); });
}

TMDIClient::~TMDIClient() {
    // The area outlives this part of the object and still reports its
    // activations while it is torn down; they must no longer reach us.
    if (auto* area = areaOf(*this))
        QObject::disconnect(area, nullptr, GetImpl().tasks.get(), nullptr);
    // The children still waiting go now; their tokens must not find them.
    auto doomed = std::move(condemned_);
    condemned_.clear();
    for (auto* c : doomed) delete c;
}

void TMDIClient::CreateNativeWidget() {
    auto* area = new QMdiArea(window_detail::ParentWidget(this));
    area->setBackground(qt_detail::Qc(background_));
    // A closed child hands the activation to the one active before it, the
    // next one down, not to the child made first.
    area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    GetImpl().Adopt(area);
    // WM_MDIACTIVATE goes to the child that loses and to the one that gains
    // the activation: wParam the one deactivated, lParam the one activated.
    QObject::connect(area, &QMdiArea::subWindowActivated, GetImpl().tasks.get(),
                     [this](QMdiSubWindow* sub) {
                         TMDIChild* activated = nullptr;
                         for (auto* c : MDIChildren())
                             if (subOf(c) == sub) activated = c;
                         if (activated == lastActive_) return;
                         TMDIChild* deactivated = nullptr;
                         for (auto* c : MDIChildren())
                             if (c == lastActive_) deactivated = c;
                         lastActive_ = activated;
                         const WPARAM off = deactivated ? WPARAM(deactivated->GetHandle()) : 0;
                         const LPARAM on = activated ? LPARAM(activated->GetHandle()) : 0;
                         if (deactivated) deactivated->SendMessage(WM_MDIACTIVATE, off, on);
                         if (activated) activated->SendMessage(WM_MDIACTIVATE, off, on);
                         // The commands follow the active child.
                         window_detail::RequestIdleUpdate();
                     });
}

void TMDIClient::SetBkgndColor(TColor color) {
    background_ = color;
    if (auto* a = areaOf(*this)) a->setBackground(qt_detail::Qc(color));
}

std::vector<TMDIChild*> TMDIClient::MDIChildren() const {
    std::vector<TMDIChild*> result;
    for (auto* w : Children())
        if (auto* c = dynamic_cast<TMDIChild*>(w); c && c->IsCreated()) result.push_back(c);
    return result;
}

TMDIChild* TMDIClient::GetActiveMDIChild() const {
    auto* a = areaOf(*this);
    if (!a) return nullptr;
    auto* active = a->activeSubWindow();
    for (auto* c : MDIChildren())
        if (subOf(c) == active) return c;
    return nullptr;
}

void TMDIClient::ActivateNextChild(TDirection direction) {
    auto children = MDIChildren();
    if (children.empty()) return;
    auto at = std::find(children.begin(), children.end(), GetActiveMDIChild());
    const int n = int(children.size());
    int i = at == children.end() ? 0 : int(at - children.begin());
    i = (i + (direction == Next ? 1 : n - 1)) % n;
    children[size_t(i)]->BringWindowToTop();
}

bool TMDIClient::TranslateMDISysAccel(const MSG& key) {
    if (key.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0)
        return false;
    if (key.wParam == VK_F4) {
        // Posted: the child closes once the key is done with.
        if (auto* active = GetActiveMDIChild()) active->PostMessage(WM_CLOSE);
        return true;
    }
    if (key.wParam == VK_F6) {
        ActivateNextChild(GetKeyState(VK_SHIFT) < 0 ? Previous : Next);
        return true;
    }
    return false;
}

void TMDIClient::CascadeChildren() {
    auto* a = areaOf(*this);
    const auto subs = shownSubWindows(*this);
    if (!a || subs.empty()) return;
    // A child's own size wish may be no more than its title bar.
    const QRect area = a->viewport()->rect();
    const int step = std::max(8, subs.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const int n = int(subs.size());
    const int w = std::max(area.width() * 2 / 3, area.width() - step * (n - 1));
    const int h = std::max(area.height() * 2 / 3, area.height() - step * (n - 1));
    // Once the next one would leave the client, the cascade starts over.
    const int fit = 1 + std::max(0, std::min(area.width() - w, area.height() - h) / step);
    const QScopedValueRollback arranging(arranging_, true);
    // The area keeps its active child above the others: the one that ends
    // on top is made active first, or an active one further back stays over
    // those cascaded after it.
    a->setActiveSubWindow(subs.back());
    for (int i = 0; i < n; ++i) {
        auto* s = subs[size_t(i)];
        if (s->isMaximized()) s->showNormal();
        const int k = i % fit;
        s->setGeometry(k * step, k * step, w, h);
        s->raise();
    }
    a->setActiveSubWindow(subs.back());
}

void TMDIClient::TileChildren(TTile how) {
    auto* a = areaOf(*this);
    const auto subs = shownSubWindows(*this);
    if (!a || subs.empty()) return;
    const QScopedValueRollback arranging(arranging_, true);
    const QRect area = a->viewport()->rect();
    const int n = int(subs.size());
    for (int i = 0; i < n; ++i) {
        if (subs[size_t(i)]->isMaximized()) subs[size_t(i)]->showNormal();
        if (how == Vertical) {
            const int w = area.width() / n;
            subs[size_t(i)]->setGeometry(i * w, 0, w, area.height());
        } else {
            const int h = area.height() / n;
            subs[size_t(i)]->setGeometry(0, i * h, area.width(), h);
        }
    }
}

void TMDIClient::ArrangeIcons() {
    auto* a = areaOf(*this);
    if (!a) return;
    int x = 0;
    const int bottom = a->viewport()->height();
    for (auto* c : MDIChildren()) {
        auto* s = subOf(c);
        if (!s || !s->isMinimized()) continue;
        s->move(x, bottom - s->height());
        x += s->width();
    }
}

bool TMDIClient::CloseChildren() {
    auto children = MDIChildren();
    for (auto* c : children)
        if (!c->CanClose()) return false;
    for (auto* c : children) {
        c->Destroy();
        Condemn(c);
    }
    return true;
}

bool TMDIClient::CanClose() {
    for (auto* c : MDIChildren())
        if (!c->CanClose()) return false;
    return true;
}

void TMDIClient::Condemn(TMDIChild* child) {
    // Two owners may close the same child (a browser and the program): once.
    if (std::find(condemned_.begin(), condemned_.end(), child) != condemned_.end()) return;
    auto& sib = GetImpl().children;
    sib.erase(std::remove(sib.begin(), sib.end(), child), sib.end());
    child->GetImpl().parent = nullptr;
    if (child == lastActive_) lastActive_ = nullptr;
    condemned_.push_back(child);
    // Deleted once control is back in the loop that ran the closing event,
    // never in a loop opened meanwhile (a message box's): whoever listed the
    // windows before closing them can still walk the list. Qt's deferred
    // deletion keeps exactly that rule.
    auto* token = new QObject(GetImpl().tasks.get());
    QObject::connect(token, &QObject::destroyed, GetImpl().tasks.get(), [this, child] {
        auto it = std::find(condemned_.begin(), condemned_.end(), child);
        if (it == condemned_.end()) return;
        condemned_.erase(it);
        delete child;
    });
    token->deleteLater();
}
