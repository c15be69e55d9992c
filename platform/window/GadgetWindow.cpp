#include "platform/window/GadgetWindow.h"

#include "platform/window/ButtonGadget.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/Picture.h"
#include "platform/window/SeparatorGadget.h"
#include "platform/window/StringTable.h"
#include "platform/window/TextGadget.h"
#include "platform/window/detail/PictureRenderer.h"
#include "platform/window/detail/WindowImpl.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVariant>

#include <algorithm>

using window_detail::Qs;

namespace {
const char* const kGadgetProperty = "korvalin.gadget";

Qt::Alignment alignOf(TTextGadget::TAlign a) {
    switch (a) {
    case TTextGadget::Center:
        return Qt::AlignCenter;
    case TTextGadget::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QWidget* viewOf(QWidget* bar, const TGadget* gadget) {
    if (!bar) return nullptr;
    for (auto* w : bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->property(kGadgetProperty).value<void*>() == gadget) return w;
    return nullptr;
}
} // namespace

void TGadget::Changed() {
    if (window_) window_->GadgetChanged(*this);
}

TGadgetWindow::TGadgetWindow(TWindow* parent) : TWindow(parent) {}
TGadgetWindow::~TGadgetWindow() = default;

void TGadgetWindow::Insert(TGadget* gadget, TPlacement placement, TGadget* sibling) {
    auto it = sibling ? std::find_if(gadgets_.begin(), gadgets_.end(),
                                     [&](const auto& g) { return g.get() == sibling; })
                      : (placement == After ? gadgets_.end() : gadgets_.begin());
    if (sibling && it != gadgets_.end() && placement == After) ++it;
    gadget->window_ = this;
    const int index = int(it - gadgets_.begin());
    gadgets_.insert(it, std::unique_ptr<TGadget>(gadget));
    if (IsCreated()) realize(*gadget, index);
}

TGadget* TGadgetWindow::Remove(TGadget& gadget) {
    auto it = std::find_if(gadgets_.begin(), gadgets_.end(),
                           [&](const auto& g) { return g.get() == &gadget; });
    if (it == gadgets_.end()) return nullptr;
    delete viewOf(GetImpl().widget, &gadget);
    TGadget* g = it->release();
    gadgets_.erase(it);
    g->window_ = nullptr;
    return g;
}

TGadget* TGadgetWindow::GadgetAt(int index) const {
    return index >= 0 && index < GadgetCount() ? gadgets_[size_t(index)].get() : nullptr;
}

TGadget* TGadgetWindow::GadgetWithId(int id) const {
    for (const auto& g : gadgets_)
        if (g->GetId() == id) return g.get();
    return nullptr;
}

void TGadgetWindow::CreateNativeWidget() {
    auto* w = new QFrame(window_detail::ParentWidget(this));
    auto* layout = new QHBoxLayout(w);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    layout->addStretch(1);
    if (fontPoints_ > 0) {
        QFont f = w->font();
        f.setPointSize(fontPoints_);
        w->setFont(f);
    }
    GetImpl().Adopt(w);
}

void TGadgetWindow::SetupWindow() {
    TWindow::SetupWindow();
    for (int i = 0; i < GadgetCount(); ++i) realize(*gadgets_[size_t(i)], i);
}

void TGadgetWindow::realize(TGadget& gadget, int index) {
    auto* bar = GetImpl().widget.data();
    auto* layout = static_cast<QHBoxLayout*>(bar->layout());
    QWidget* view = nullptr;
    int stretch = 0;
    if (auto* text = dynamic_cast<TTextGadget*>(&gadget)) {
        auto* label = new QLabel(Qs(text->GetText()), bar);
        label->setAlignment(alignOf(text->GetAlign()));
        if (gadget.GetBorderStyle() == TGadget::Recessed)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(3, 0, 3, 0);
        if (text->NumChars() == 0)
            stretch = 1;
        else
            label->setFixedWidth(int(text->NumChars()) * label->fontMetrics().averageCharWidth() +
                                 8);
        view = label;
    } else if (auto* button = dynamic_cast<TButtonGadget*>(&gadget)) {
        auto* tb = new QToolButton(bar);
        tb->setAutoRaise(true);
        tb->setIconSize(QSize(20, 20));
        if (const auto* pic = FindPicture(button->GetBitmapId()))
            tb->setIcon(RenderPicture(*pic, 20));
        tb->setEnabled(button->IsEnabled());
        tb->setCheckable(button->GetType() != TButtonGadget::Command);
        tb->setChecked(button->GetButtonState() == TButtonGadget::Down);
        const int id = button->CommandId();
        tb->setToolTip(Qs(ToolTipOf(id)));
        QObject::connect(tb, &QToolButton::clicked, GetImpl().hooks.get(),
                         [this, id] { PressButton(id); });
        window_detail::OnEvent(*this, tb, QEvent::Enter, [this, id] { ShowHint(id); });
        window_detail::OnEvent(*this, tb, QEvent::Leave, [this] { ShowHint(0); });
        view = tb;
    } else if (auto* sep = dynamic_cast<TSeparatorGadget*>(&gadget)) {
        view = new QWidget(bar);
        view->setFixedWidth(sep->GetSize());
    } else {
        view = new QWidget(bar);
    }
    view->setProperty(kGadgetProperty, QVariant::fromValue<void*>(&gadget));
    // The stretch at the end keeps gadgets left; a stretching gadget replaces it.
    layout->insertWidget(index, view, stretch);
    if (stretch && layout->count() > 0) {
        auto* last = layout->itemAt(layout->count() - 1);
        if (last->spacerItem()) delete layout->takeAt(layout->count() - 1);
    }
}

void TGadgetWindow::GadgetChanged(TGadget& gadget) {
    auto* view = viewOf(GetImpl().widget, &gadget);
    if (!view) return;
    if (auto* text = dynamic_cast<TTextGadget*>(&gadget))
        static_cast<QLabel*>(view)->setText(Qs(text->GetText()));
    if (auto* button = dynamic_cast<TButtonGadget*>(&gadget)) {
        view->setEnabled(button->IsEnabled());
        if (auto* tb = qobject_cast<QToolButton*>(view))
            tb->setChecked(button->GetButtonState() == TButtonGadget::Down);
    }
}

void TGadgetWindow::pressState(TButtonGadget& button) {
    if (button.GetType() == TButtonGadget::NonExclusive) {
        button.SetButtonState(button.GetButtonState() == TButtonGadget::Down ? TButtonGadget::Up
                                                                             : TButtonGadget::Down);
        return;
    }
    if (button.GetType() != TButtonGadget::Exclusive) return;
    // The group: the unbroken run of exclusive buttons around the pressed one.
    auto exclusive = [this](int i) {
        auto* b = dynamic_cast<TButtonGadget*>(GadgetAt(i));
        return b && b->GetType() == TButtonGadget::Exclusive ? b : nullptr;
    };
    int at = 0;
    while (GadgetAt(at) != &button) ++at;
    for (int i = at - 1; auto* b = exclusive(i); --i) b->SetButtonState(TButtonGadget::Up);
    for (int i = at + 1; auto* b = exclusive(i); ++i) b->SetButtonState(TButtonGadget::Up);
    button.SetButtonState(TButtonGadget::Down);
}

TWindow* TGadgetWindow::CommandTarget() const {
    for (auto* w = GetParent(); w; w = w->GetParent())
        if (dynamic_cast<TFrameWindow*>(w)) return w;
    return GetParent();
}

bool TGadgetWindow::PressButton(int commandId) {
    auto* button = dynamic_cast<TButtonGadget*>(GadgetWithId(commandId));
    auto* target = CommandTarget();
    if (!button || !button->IsEnabled() || !target) return false;
    pressState(*button);
    // The widget may have toggled itself on the click: it shows the state again.
    GadgetChanged(*button);
    return target->PostMessage(WM_COMMAND, WPARAM(commandId), 0);
}

void TGadgetWindow::ShowHint(int commandId) {
    if (auto* frame = dynamic_cast<TFrameWindow*>(CommandTarget()))
        frame->SetHintText(HintOf(commandId));
}

void TGadgetWindow::UpdateCommandStates() {
    auto* frame = dynamic_cast<TFrameWindow*>(CommandTarget());
    for (const auto& g : gadgets_) {
        if (!g->CommandId()) continue;
        TCommandEnabler ce(g->CommandId());
        if (frame) frame->EvCommandEnable(ce);
        g->CommandEnable(ce.IsHandled() && ce.IsEnabled());
    }
}
