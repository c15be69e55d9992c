#pragma once
// Empty space between gadgets, size pixels wide.
#include "platform/window/Gadget.h"

class TSeparatorGadget : public TGadget {
public:
    explicit TSeparatorGadget(int size = 6) : TGadget(0, None), size_(size) {}
    int GetSize() const { return size_; }

private:
    int size_;
};
