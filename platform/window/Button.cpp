#include "platform/window/Button.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/Picture.h"
#include "platform/window/detail/PictureRenderer.h"
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
    showPicture();
}

void TButton::SetPicture(int pictureId) {
    picture_ = pictureId;
    showPicture();
}

void TButton::showPicture() {
    auto* b = qobject_cast<QPushButton*>(GetImpl().widget.data());
    const TPicture* picture = picture_ ? FindPicture(picture_) : nullptr;
    if (!b || !picture) return;
    b->setIcon(RenderPicture(*picture, 20));
    b->setIconSize(QSize(20, 20));
}

void TButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    if (auto* b = qobject_cast<QPushButton*>(GetImpl().widget.data())) b->setDefault(isDefault);
}

void TButton::Click() {
    if (IsCreated() && IsWindowEnabled()) NotifyParent(BN_CLICKED);
}
