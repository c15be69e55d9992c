#pragma once
// A frame with a title around related controls.
#include "platform/window/Control.h"

class TGroupBox : public TControl {
public:
    TGroupBox(TWindow* parent, int id, std::string_view text = {}, int x = -1, int y = -1,
              int w = 0, int h = 0);

protected:
    void CreateNativeWidget() override;
};
