#include "platform/window/ButtonGadget.h"

TButtonGadget::TButtonGadget(int bitmapId, int commandId, TType type, bool enabled, TState state)
    : TGadget(commandId, Plain), bitmapId_(bitmapId), type_(type), enabled_(enabled),
      state_(state) {}

void TButtonGadget::CommandEnable(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed();
}

void TButtonGadget::SetButtonState(TState state) {
    if (state_ == state) return;
    state_ = state;
    Changed();
}
