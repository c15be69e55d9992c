#include "platform/window/GroupBox.h"

#include "platform/window/detail/WindowImpl.h"

#include <QGroupBox>

TGroupBox::TGroupBox(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TControl(parent, id, text, x, y, w, h) {}

void TGroupBox::CreateNativeWidget() {
    auto* g = new QGroupBox(window_detail::Qs(GetCaption()), window_detail::ParentWidget(this));
    // Controls inside are siblings placed over it, as in the resource.
    g->lower();
    AdoptControl(g);
}
