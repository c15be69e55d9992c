#pragma once
// The font and colour choice dialogs.
#include "platform/base/Color.h"

struct LOGFONT;

class ChooseService {
public:
    virtual ~ChooseService() = default;
    // True when the user chose; the record then holds the choice.
    virtual bool ChooseFont(LOGFONT& font, TColor& color) = 0;
    virtual bool ChooseColor(TColor& color) = 0;
};

bool ChooseFont(LOGFONT& font, TColor& color);
bool ChooseColor(TColor& color);
