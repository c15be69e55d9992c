#pragma once
// One element of a gadget window (tool bar, status bar). The gadget window
// owns its gadgets and shows them; a gadget tells it when it changed.
#include <string>

class TGadgetWindow;

class TGadget {
public:
    enum TBorderStyle { None, Plain, Raised, Recessed, Embossed };
    explicit TGadget(int id = 0, TBorderStyle border = None) : id_(id), border_(border) {}
    virtual ~TGadget() = default;
    TGadget(const TGadget&) = delete;
    TGadget& operator=(const TGadget&) = delete;

    int GetId() const { return id_; }
    TBorderStyle GetBorderStyle() const { return border_; }
    TGadgetWindow* GetGadgetWindow() const { return window_; }
    // The command id whose enabler decides this gadget's state, 0 for none.
    virtual int CommandId() const { return 0; }
    virtual void CommandEnable(bool enabled) {}

protected:
    void Changed();

private:
    friend class TGadgetWindow;
    int id_;
    TBorderStyle border_;
    TGadgetWindow* window_ = nullptr;
};
