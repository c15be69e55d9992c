#pragma once
// A tool bar button showing the picture of bitmapId that sends commandId; its
// enabled state follows the command's enabler.
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
    TState GetButtonState() const { return state_; }
    void CommandEnable(bool enabled) override;

private:
    int bitmapId_;
    TType type_;
    bool enabled_;
    TState state_;
};
