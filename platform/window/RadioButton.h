#pragma once
// A radio button: checking it unchecks the others of its group, which runs
// from a button marked as group start to the next one.
#include "platform/window/CheckBox.h"

class TRadioButton : public TCheckBox {
public:
    TRadioButton(TWindow* parent, int id, std::string_view text = {}, bool groupStart = false,
                 int x = -1, int y = -1, int w = 0, int h = 0);
    bool IsGroupStart() const { return groupStart_; }
    void Click() override;

protected:
    void CreateNativeWidget() override;

private:
    void uncheckGroup();
    bool groupStart_;
};
