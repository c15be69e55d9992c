#pragma once
// A push button; clicking it sends its id as a command to the parent.
#include "platform/window/Control.h"

class TButton : public TControl {
public:
    TButton(TWindow* parent, int id, std::string_view text = {}, int x = -1, int y = -1, int w = 0,
            int h = 0, bool isDefault = false);
    void SetDefault(bool isDefault);
    // A registered picture (RegisterPicture) in place of the text; 0 for none.
    void SetPicture(int pictureId);
    int GetPicture() const { return picture_; }
    bool IsDefault() const { return default_; }
    // What a click by the user does.
    void Click();

protected:
    void CreateNativeWidget() override;

private:
    void showPicture();
    bool default_;
    int picture_ = 0;
};
