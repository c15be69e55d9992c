#include "platform/window/RadioButton.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/detail/WindowImpl.h"

#include <QRadioButton>

TRadioButton::TRadioButton(TWindow* parent, int id, std::string_view text, bool groupStart, int x,
                           int y, int w, int h)
    : TCheckBox(parent, id, text, x, y, w, h), groupStart_(groupStart) {}

void TRadioButton::CreateNativeWidget() {
    auto* b = new QRadioButton(window_detail::Qs(GetCaption()), window_detail::ParentWidget(this));
    b->setAutoExclusive(false); // the group is ours, by creation order
    b->setChecked(check_ == BF_CHECKED);
    QObject::connect(b, &QRadioButton::clicked, [this](bool) {
        uncheckGroup();
        SetCheck(BF_CHECKED);
        NotifyParent(BN_CLICKED);
    });
    AdoptControl(b);
}

void TRadioButton::Click() {
    if (!IsCreated() || !IsWindowEnabled()) return;
    uncheckGroup();
    SetCheck(BF_CHECKED);
    NotifyParent(BN_CLICKED);
}

void TRadioButton::uncheckGroup() {
    auto* parent = GetParent();
    if (!parent) return;
    // The group: the radio buttons around this one, bounded by group starts.
    const auto& siblings = parent->Children();
    std::vector<TRadioButton*> radios;
    for (auto* w : siblings)
        if (auto* r = dynamic_cast<TRadioButton*>(w)) radios.push_back(r);
    size_t self = 0;
    while (radios[self] != this) ++self;
    size_t first = self;
    while (first > 0 && !radios[first]->groupStart_) --first;
    for (size_t i = first; i < radios.size(); ++i) {
        if (i > first && radios[i]->groupStart_) break;
        if (radios[i] != this) radios[i]->SetCheck(BF_UNCHECKED);
    }
}
