#include "platform/window/CheckBox.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/detail/WindowImpl.h"

#include <QAbstractButton>
#include <QCheckBox>

TCheckBox::TCheckBox(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TControl(parent, id, text, x, y, w, h) {
    EnableTransfer();
}

void TCheckBox::CreateNativeWidget() {
    auto* b = new QCheckBox(window_detail::Qs(GetCaption()), window_detail::ParentWidget(this));
    b->setChecked(check_ == BF_CHECKED);
    QObject::connect(b, &QCheckBox::clicked, [this](bool on) {
        check_ = on ? BF_CHECKED : BF_UNCHECKED;
        NotifyParent(BN_CLICKED);
    });
    AdoptControl(b);
}

void TCheckBox::SetCheck(uint32_t state) {
    check_ = state;
    if (auto* b = qobject_cast<QAbstractButton*>(GetImpl().widget.data())) {
        const bool block = b->blockSignals(true);
        b->setChecked(state == BF_CHECKED);
        b->blockSignals(block);
    }
}

void TCheckBox::Click() {
    if (!IsCreated() || !IsWindowEnabled()) return;
    SetCheck(check_ == BF_CHECKED ? BF_UNCHECKED : BF_CHECKED);
    NotifyParent(BN_CLICKED);
}

bool TCheckBox::Transfer(TTransferBuffer::Field& field, TTransferDirection dir) {
    auto* word = std::get_if<uint16_t*>(&field);
    if (!word) return false;
    if (dir == TTransferDirection::GetData)
        **word = uint16_t(check_ == BF_CHECKED ? 1 : 0);
    else
        SetCheck(**word == 1 ? BF_CHECKED : BF_UNCHECKED);
    return true;
}
