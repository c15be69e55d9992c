#pragma once
// The tool bar: a horizontal gadget window at the top of a decorated frame.
#include "platform/window/GadgetWindow.h"

class TControlBar : public TGadgetWindow {
public:
    explicit TControlBar(TWindow* parent = nullptr) : TGadgetWindow(parent) {}
};
