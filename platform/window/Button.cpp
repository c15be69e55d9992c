#include "platform/window/Button.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/Picture.h"
#include "platform/window/detail/OwnerDrawPainter.h"
#include "platform/window/detail/PictureRenderer.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QPainter>
#include <QPushButton>

namespace {
// A button whose face its control paints.
class OwnerDrawnButton : public QPushButton {
public:
    OwnerDrawnButton(QWidget* parent, TControl* control)
        : QPushButton(parent), bridge_(control->GetImpl().bridge) {}

protected:
    void paintEvent(QPaintEvent*) override {
        auto* control = bridge_ ? dynamic_cast<TControl*>(bridge_->Window()) : nullptr;
        if (!control) return;
        QPainter painter(this);
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_BUTTON;
        draw.itemID = 0;
        if (isDown()) draw.itemState |= ODS_SELECTED;
        if (hasFocus()) draw.itemState |= ODS_FOCUS;
        if (!isEnabled()) draw.itemState |= ODS_DISABLED;
        draw.rcItem = {0, 0, width(), height()};
        PaintOwnerDrawn(*control, painter, draw);
    }

private:
    QPointer<WindowBridge> bridge_;
};
} // namespace

TButton::TButton(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h,
                 bool isDefault)
    : TControl(parent, id, text, x, y, w, h), default_(isDefault) {}

void TButton::CreateNativeWidget() {
    auto* parent = window_detail::ParentWidget(this);
    QPushButton* b = GetOwnerDraw() == TOwnerDraw::None ? new QPushButton(parent)
                                                        : new OwnerDrawnButton(parent, this);
    b->setText(window_detail::Qs(GetCaption()));
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
