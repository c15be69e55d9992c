#include "platform/window/Control.h"

#include "platform/window/detail/WindowImpl.h"

TControl::TControl(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TWindow(parent, text) {
    Attr().Id = id;
    Attr().X = x;
    Attr().Y = y;
    Attr().W = w;
    Attr().H = h;
}

void TControl::AdoptControl(QWidget* widget) {
    GetImpl().Adopt(widget);
}
