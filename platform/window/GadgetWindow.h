#pragma once
// A window of gadgets side by side: the base of the tool bar and status bar.
// It owns its gadgets. Buttons send their command to the frame; the mouse over
// a button shows the command's hint text.
#include "platform/window/Window.h"

#include <memory>
#include <vector>

class TButtonGadget;
class TGadget;

class TGadgetWindow : public TWindow {
public:
    enum TPlacement { After, Before };
    explicit TGadgetWindow(TWindow* parent = nullptr);
    ~TGadgetWindow() override;

    // Null sibling: at the end (After) or the start (Before).
    void Insert(TGadget* gadget, TPlacement placement = After, TGadget* sibling = nullptr);
    // Gives the gadget back to the caller.
    TGadget* Remove(TGadget& gadget);
    int GadgetCount() const { return int(gadgets_.size()); }
    TGadget* GadgetAt(int index) const;
    TGadget* GadgetWithId(int id) const;
    // Font of the gadgets in points (0: the default font).
    void SetFontPoints(int points) { fontPoints_ = points; }

    // Asks the frame's command route about every button.
    void UpdateCommandStates();
    // A gadget changed: its widget is brought up to date.
    void GadgetChanged(TGadget& gadget);
    // A click on the button of that command, as the user would make it.
    bool PressButton(int commandId);

protected:
    void CreateNativeWidget() override;
    void SetupWindow() override;
    // The text shown when the mouse enters a button: the command's hint;
    // 0 when it leaves, which clears it.
    virtual void ShowHint(int commandId);
    // Where command buttons send their command (the frame).
    TWindow* CommandTarget() const;

private:
    void realize(TGadget& gadget, int index);
    void pressState(TButtonGadget& button);
    std::vector<std::unique_ptr<TGadget>> gadgets_;
    int fontPoints_ = 0;
};
