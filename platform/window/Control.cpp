#include "platform/window/Control.h"

#include "platform/gdi/Font.h"
#include "platform/window/detail/ControlLook.h"
#include "platform/window/detail/WindowImpl.h"

TControl::TControl(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TWindow(parent, text) {
    Attr().Id = id;
    // A control's -1 leaves its place to the dialog's layout.
    if (x >= 0 && y >= 0) {
        Attr().X = x;
        Attr().Y = y;
    }
    Attr().W = w;
    Attr().H = h;
}

TControl::~TControl() = default;

void TControl::AdoptControl(QWidget* widget, QWidget* inner) {
    GetImpl().Adopt(widget, inner);
    if (font_) ApplyControlFont(widget, font_->GetLogFont());
    FollowParentColors(this, widget);
}

void TControl::SetWindowFont(const TFont& font, bool redraw) {
    font_ = std::make_unique<TFont>(font);
    if (auto* w = GetImpl().widget.data()) {
        ApplyControlFont(w, font.GetLogFont());
        if (redraw) w->update();
    }
}

void TControl::DrawItem(DRAWITEMSTRUCT& draw) {
    if (draw.itemAction & ODA_DRAWENTIRE)
        ODADrawEntire(draw);
    else if (draw.itemAction & ODA_FOCUS)
        ODAFocus(draw);
    else if (draw.itemAction & ODA_SELECT)
        ODASelect(draw);
}
