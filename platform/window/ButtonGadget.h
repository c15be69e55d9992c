#pragma once
// A tool bar button showing the picture of bitmapId that sends commandId; its
// enabled state follows the command's enabler. An exclusive button stays
// pressed when clicked and releases the exclusive buttons next to it; a
// non-exclusive one toggles.
#include "platform/window/Gadget.h"

class TButtonGadget : public TGadget {
public:
    enum TType { Command, Exclusive, NonExclusive };
    enum TState { Up, Down, Indeterminate };
    TButtonGadget(int bitmapId, int commandId, TType type = Command, bool enabled = false,
                  TState state = Up);
    int GetBitmapId() const { return bitmapId_; }
    int CommandId() const override { return GetId(); }
    bool IsEnabled() const { return enabled_; }
    TType GetType() const { return type_; }
    TState GetButtonState() const { return state_; }
    void SetButtonState(TState state);
    void CommandEnable(bool enabled) override;

private:
    int bitmapId_;
    TType type_;
    bool enabled_;
    TState state_;
};
