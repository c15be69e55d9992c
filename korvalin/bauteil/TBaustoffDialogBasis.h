#pragma once
// What the two material dialogs share: the record they edit, the read-only
// mode, the hatch list with its button, the five maker's lines, the
// description and the further-data button. OK writes only in editable mode.
#include "platform/window/Dialog.h"

class TBaustoff;
class TSchichtgrafikButton;

class TBaustoffDialogBasis : public TDialog {
public:
    TBaustoffDialogBasis(TWindow* parent, const TDialogResource& resource, TBaustoff& baustoff,
                         bool nurLesen, int schraffurListe, int schraffurKnopf, int beschreibung);
    void SetupWindow() override;
    void CmOk() override;

    // The description in pieces of 127 characters, numbered 0, 1, 2, ...
    static void BeschreibungSetzen(TBaustoff& b, std::string_view text);
    static std::string BeschreibungText(const TBaustoff& b);

protected:
    // The dialog's own fields, to the controls and back.
    virtual void Fuellen() = 0;
    virtual void Lesen() = 0;
    TBaustoff& baustoff_;
    bool nurLesen_;

private:
    int schraffurListe_, schraffurKnopf_, beschreibung_;
};

// The five maker's lines in dialog order.
inline constexpr int kHerstellerZeilen[5] = {101, 102, 103, 116, 106};
