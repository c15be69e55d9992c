#pragma once
// The multi-line edit that lies over a text block of a data sheet while its
// text is typed in place. One per window; its control exists only while a
// block is edited.
#include "platform/gdi/Font.h"
#include "platform/window/Edit.h"

#include <memory>

class TBauteilEdit : public TEdit {
public:
    TBauteilEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h,
                 unsigned textLimit, bool multiline);
    ~TBauteilEdit() override;

    void SetupWindow() override;
    // The editor shows its text in a copy of this font.
    void SchriftSetzen(const TFont& font);

    // Find, replace and find next of the "Bearbeiten" menu: the searched text
    // is asked for, found from the caret on and selected; replacing changes
    // every place of it, as typing does.
    void Suchen();
    void Ersetzen();
    void WeiterSuchen();

private:
    bool finden(const std::string& text);
    std::unique_ptr<TFont> schrift_;
    std::string suchtext_;
};
