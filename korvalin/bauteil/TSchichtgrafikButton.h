#pragma once
// The button that shows a material's hatch (32 x 32 pixels), drawn anew
// with the component drawing's hatch classes; a small window of its own
// that paints through TDC.
#include "platform/window/Control.h"

// The hatch kinds offered, in list order: name and stored code.
struct TSchraffurArt {
    const char* name;
    int code;
};
extern const TSchraffurArt SchraffurArten[13];
// The list index of a stored code ("keine Grafik" for unknown codes; 10 is "Mauerwerk").
int SchraffurIndex(int code);

class TSchichtgrafikButton : public TControl {
public:
    TSchichtgrafikButton(TWindow* parent, int id);
    // -1 shows nothing.
    void SetIndex(int index);
    int GetIndex() const { return index_; }
    void Paint(TDC& dc, bool erase, TRect& rect) override;

private:
    int index_ = 12;
};
