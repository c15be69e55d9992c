#include "korvalin/datenblatt/TBauteilEdit.h"

#include "platform/window/ResponseTable.h"

namespace {
constexpr int CM_ALLES_MARKIEREN = 6509;
}

TBauteilEdit::TBauteilEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w,
                           int h, unsigned textLimit, bool multiline)
    : TEdit(parent, id, text, x, y, w, h, textLimit, multiline) {
    Responses().Command(CM_ALLES_MARKIEREN, [this] { SetSelection(0, int(GetText().size())); });
}

TBauteilEdit::~TBauteilEdit() = default;

void TBauteilEdit::SetupWindow() {
    TEdit::SetupWindow();
    if (schrift_) SetWindowFont(*schrift_);
}

void TBauteilEdit::SchriftSetzen(const TFont& font) {
    schrift_ = std::make_unique<TFont>(font);
}
