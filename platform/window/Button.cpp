#include "platform/window/Button.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/detail/WindowImpl.h"

#include <QPushButton>

TButton::TButton(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h,
                 bool isDefault)
    : TControl(parent, id, text, x, y, w, h), default_(isDefault) {}

void TButton::CreateNativeWidget() {
    auto* b = new QPushButton(window_detail::Qs(GetCaption()), window_detail::ParentWidget(this));
    b->setDefault(default_);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, [this] { NotifyParent(BN_CLICKED); });
    AdoptControl(b);
}

void TButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    if (auto* b = qobject_cast<QPushButton*>(GetImpl().widget.data())) b->setDefault(isDefault);
}

void TButton::Click() {
    if (IsCreated() && IsWindowEnabled()) NotifyParent(BN_CLICKED);
}
