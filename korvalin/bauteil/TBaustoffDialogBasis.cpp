#include "korvalin/bauteil/TBaustoffDialogBasis.h"

#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBaustoffHerstellerDialog.h"
#include "korvalin/bauteil/TSchichtgrafikButton.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBaustoff.h"

TBaustoffDialogBasis::TBaustoffDialogBasis(TWindow* parent, const TDialogResource& resource,
                                           TBaustoff& baustoff, bool nurLesen, int schraffurListe,
                                           int schraffurKnopf, int beschreibung)
    : TDialog(parent, resource), baustoff_(baustoff), nurLesen_(nurLesen),
      schraffurListe_(schraffurListe), schraffurKnopf_(schraffurKnopf),
      beschreibung_(beschreibung) {
    new TSchichtgrafikButton(this, schraffurKnopf);
    new TComboBox(this, schraffurListe);
    new TEdit(this, beschreibung, 0, true);
    for (int id : kHerstellerZeilen) new TEdit(this, id, TBaustoff::kTextWidth);
    auto& r = Responses();
    r.Command(9, [] { HilfeZeigen(1115); });
    r.Command(120, [this] { TBaustoffHerstellerDialog(this, baustoff_, nurLesen_).Execute(); });
    r.Notify(schraffurListe, CBN_SELCHANGE, [this] {
        Item<TSchichtgrafikButton>(schraffurKnopf_)
            ->SetIndex(Item<TComboBox>(schraffurListe_)->GetSelIndex());
    });
}

void TBaustoffDialogBasis::SetupWindow() {
    TDialog::SetupWindow();
    auto* liste = Item<TComboBox>(schraffurListe_);
    for (const auto& a : SchraffurArten) liste->AddString(a.name);
    const int index = SchraffurIndex(baustoff_.GrafikArt);
    liste->SetSelIndex(index);
    Item<TSchichtgrafikButton>(schraffurKnopf_)->SetIndex(index);
    for (size_t i = 0; i < 5; ++i) Item<TEdit>(kHerstellerZeilen[i])->SetText(baustoff_.Texte[i]);
    auto* text = Item<TEdit>(beschreibung_);
    text->SetText(BeschreibungText(baustoff_));
    text->ClearModify();
    Fuellen();
    if (nurLesen_) {
        for (auto* w : Children())
            if (auto* e = dynamic_cast<TEdit*>(w)) e->SetReadOnly(true);
        for (auto* w : Children())
            if (dynamic_cast<TCheckBox*>(w)) w->EnableWindow(false);
        liste->EnableWindow(false);
        SetCaption("Baustoff - Information");
    } else {
        SetCaption("Baustoff bearbeiten");
    }
}

void TBaustoffDialogBasis::CmOk() {
    if (!CanClose()) return;
    if (!nurLesen_) {
        Lesen();
        const int index = Item<TComboBox>(schraffurListe_)->GetSelIndex();
        if (index >= 0 && index < 13) baustoff_.GrafikArt = uint16_t(SchraffurArten[index].code);
        for (size_t i = 0; i < 5; ++i)
            baustoff_.Texte[i] = Item<TEdit>(kHerstellerZeilen[i])->GetText();
        if (auto* text = Item<TEdit>(beschreibung_); text->IsModified()) {
            BeschreibungSetzen(baustoff_, text->GetText());
            text->ClearModify();
        }
    }
    EndDialog(IDOK);
}

void TBaustoffDialogBasis::BeschreibungSetzen(TBaustoff& b, std::string_view text) {
    b.Textliste.Flush();
    uint16_t nummer = 0;
    size_t i = 0;
    while (i < text.size()) {
        // 127 characters, whole UTF-8 sequences.
        size_t ende = i;
        for (int zeichen = 0; zeichen < 127 && ende < text.size(); ++zeichen) {
            ++ende;
            while (ende < text.size() && (static_cast<unsigned char>(text[ende]) & 0xC0) == 0x80)
                ++ende;
        }
        auto zeile = std::make_unique<TTextString>();
        zeile->Nummer = nummer++;
        zeile->Text = std::string(text.substr(i, ende - i));
        b.Textliste.Add(std::move(zeile));
        i = ende;
    }
}

std::string TBaustoffDialogBasis::BeschreibungText(const TBaustoff& b) {
    std::string text;
    for (const TTextString& z : b.Textliste) text += z.Text;
    return text;
}
