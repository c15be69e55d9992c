#include "korvalin/layout/TSpinEditBase.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"

template <class T>
TSpinEditBase<T>::TSpinEditBase(TWindow* parent, int resourceId, unsigned textLimit, T step,
                                T pageStep, T min, T max)
    : TEdit(parent, resourceId, textLimit), Step(step), PageStep(pageStep), Min(min), Max(max),
      Value(0) {
    ShowSpinArrows();
    SetReadOnly(true);
    Responses().Message(WM_VSCROLL, [this](WPARAM wp, LPARAM) {
        evVScroll(LOWORD(wp), HIWORD(wp));
        return TResult(0);
    });
}

template <class T>
void TSpinEditBase<T>::SetupWindow() {
    TEdit::SetupWindow();
    SetValue(Value);
}

template <class T>
void TSpinEditBase<T>::SetValue(T value) {
    setWide(value);
}

template <class T>
void TSpinEditBase<T>::ShowValue(T value) {
    Value = value;
    SetText(Format(Value));
    if (!IsCreated()) return;
    NotifyParent(EN_UPDATE);
    NotifyParent(EN_CHANGE);
}

template <class T>
void TSpinEditBase<T>::setWide(Wide value) {
    if (value < Min) value = Min;
    if (value > Max) value = Max;
    ShowValue(T(value));
}

template <class T>
void TSpinEditBase<T>::evVScroll(uint32_t code, uint32_t thumbPos) {
    step(code, thumbPos);
    takeFocus();
}

template <class T>
bool TSpinEditBase<T>::step(uint32_t code, uint32_t thumbPos) {
    switch (code) {
    case SB_LINEUP:
        setWide(Wide(Value) + Step);
        return true;
    case SB_LINEDOWN:
        setWide(Wide(Value) - Step);
        return true;
    case SB_PAGEUP:
        setWide(Wide(Value) + PageStep);
        return true;
    case SB_PAGEDOWN:
        setWide(Wide(Value) - PageStep);
        return true;
    case SB_THUMBPOSITION:
        setWide(Wide(thumbPos));
        return true;
    case SB_TOP:
        SetValue(Min);
        return true;
    case SB_BOTTOM:
        SetValue(Max);
        return true;
    default:
        return false;
    }
}

template <class T>
void TSpinEditBase<T>::EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) {
    // The keys do what the arrows' codes do; End goes down to the lower
    // bound, Home up to the upper one.
    static const std::pair<uint32_t, uint32_t> kKeys[] = {
        {VK_PRIOR, SB_PAGEUP}, {VK_NEXT, SB_PAGEDOWN}, {VK_END, SB_TOP},
        {VK_HOME, SB_BOTTOM},  {VK_UP, SB_LINEUP},     {VK_DOWN, SB_LINEDOWN},
    };
    bool handled = false;
    for (auto [k, code] : kKeys)
        if (k == key) handled = step(code, 0);
    if (!handled) TEdit::EvKeyDown(key, repeatCount, flags);
    takeFocus();
}

template <class T>
void TSpinEditBase<T>::takeFocus() {
    if (!HasFocus()) SetFocus();
}

template class TSpinEditBase<int32_t>;
template class TSpinEditBase<double>;
