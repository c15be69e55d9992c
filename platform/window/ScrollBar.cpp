#include "platform/window/ScrollBar.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/detail/WindowImpl.h"

#include <QScrollBar>

#include <algorithm>

namespace {
QScrollBar* barOf(const TWindow& w) {
    return qobject_cast<QScrollBar*>(w.GetImpl().widget.data());
}
} // namespace

TScrollBar::TScrollBar(TWindow* parent, int id, bool horizontal, int x, int y, int w, int h)
    : TControl(parent, id, {}, x, y, w, h), horizontal_(horizontal) {
    EnableTransfer();
}

void TScrollBar::CreateNativeWidget() {
    auto* b = new QScrollBar(horizontal_ ? Qt::Horizontal : Qt::Vertical,
                             window_detail::ParentWidget(this));
    b->setRange(low_, high_);
    b->setValue(pos_);
    QObject::connect(b, &QScrollBar::sliderMoved, [this](int v) { MoveThumb(v); });
    AdoptControl(b);
}

void TScrollBar::SetRange(int low, int high) {
    low_ = low;
    high_ = std::max(low, high);
    pos_ = std::clamp(pos_, low_, high_);
    if (auto* b = barOf(*this)) b->setRange(low_, high_);
}

void TScrollBar::SetPosition(int pos) {
    pos_ = std::clamp(pos, low_, high_);
    if (auto* b = barOf(*this)) {
        const bool block = b->blockSignals(true);
        b->setValue(pos_);
        b->blockSignals(block);
    }
}

void TScrollBar::MoveThumb(int pos) {
    SetPosition(pos);
    if (auto* p = GetParent())
        p->SendMessage(horizontal_ ? WM_HSCROLL : WM_VSCROLL,
                       MAKEWPARAM(uint16_t(SB_THUMBPOSITION), uint16_t(pos_)), LPARAM(GetHandle()));
}

bool TScrollBar::Transfer(TTransferBuffer::Field& field, TTransferDirection dir) {
    auto* data = std::get_if<TScrollBarData*>(&field);
    if (!data) return false;
    if (dir == TTransferDirection::GetData)
        **data = {low_, high_, pos_};
    else {
        SetRange((*data)->lowValue, (*data)->highValue);
        SetPosition((*data)->position);
    }
    return true;
}
