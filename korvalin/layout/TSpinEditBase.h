#pragma once
// What the two spin edits share: a number in a read-only field, changed only
// by the field's arrows, the keys and SetValue, and kept within Min..Max
// (the upper bound applied last). Every change sets the field's text and
// notifies the parent (EN_UPDATE, EN_CHANGE).
#include "platform/window/Edit.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

template <class T>
class TSpinEditBase : public TEdit {
public:
    T Step;
    T PageStep;
    T Min;
    T Max;
    T Value;

    void SetValue(T value);
    // Shows the value as it is, without clamping, and notifies the parent
    // like SetValue (the settings pages show stored values so).
    void ShowValue(T value);
    void SetupWindow() override;

protected:
    TSpinEditBase(TWindow* parent, int resourceId, unsigned textLimit, T step, T pageStep, T min,
                  T max);
    void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) override;
    virtual std::string Format(T value) const = 0;

private:
    // Steps are added in a wider type, so that a step past the type's range
    // is clamped and does not wrap.
    using Wide = std::conditional_t<std::is_integral_v<T>, int64_t, double>;
    void setWide(Wide value);
    void evVScroll(uint32_t code, uint32_t thumbPos);
    // The new value for a scroll code; false for a code that changes nothing.
    bool step(uint32_t code, uint32_t thumbPos);
    void takeFocus();
};

extern template class TSpinEditBase<int32_t>;
extern template class TSpinEditBase<double>;
