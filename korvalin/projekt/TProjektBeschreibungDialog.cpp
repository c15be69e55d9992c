#include "korvalin/projekt/TProjektBeschreibungDialog.h"

#include "korvalin/shell/KorpusZustand.h"
#include "platform/base/Cp1252.h"
#include "platform/services/Services.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/property/SeitenHilfen.h"

namespace {

constexpr int kFelder[] = {601, 602, 603, 604, 605, 606, 607, 610, 611};
constexpr const char* kLabels[] = {"Projektname", "Straße", "Ort",       "Bauherr",     "Architekt",
                                   "Bearbeiter",  "Datum",  "Gemarkung", "Flurstücknr."};

TDialogResource beschreibungResource() {
    TDialogResource r{"Beschreibung", {300, 200}, {}};
    auto& v = r.controls;
    for (int i = 0; i < 9; ++i) {
        const int x = i < 5 ? 5 : 150, y = 5 + 14 * (i < 5 ? i : i - 5);
        v.push_back(seite::Text(kLabels[i], x, y, 45));
        v.push_back({TControlKind::Edit, kFelder[i], "", {x + 48, y, x + 143, y + 12}});
    }
    v.push_back({TControlKind::GroupBox, 9290, "Notizen", {5, 78, 295, 198}});
    v.push_back({TControlKind::Edit,
                 TProjektBeschreibungDialog::IDC_NOTIZEN,
                 "",
                 {10, 90, 290, 193},
                 true});
    return r;
}

} // namespace

TProjektBeschreibungDialog::TProjektBeschreibungDialog(TPropertyDialog* dialog,
                                                       const TProjekt& projekt)
    : TPropertyPage(dialog, beschreibungResource()), projekt_(projekt) {}

void TProjektBeschreibungDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    for (int i = 0; i < 9; ++i)
        if (auto* e = Item<TEdit>(kFelder[i])) {
            e->LimitText(TProjekt::kNameWidth);
            e->SetText(projekt_.Projektangaben[size_t(i)]);
        }
    std::string notizen;
    for (const TTextString& t : projekt_.Textliste1) notizen += t.Text;
    if (auto* e = Item<TEdit>(IDC_NOTIZEN)) e->SetText(notizen);
}

bool TProjektBeschreibungDialog::SaveData() {
    if (!TPropertyPage::SaveData()) return false;
    for (int i = 0; i < 9; ++i) {
        auto* e = Item<TEdit>(kFelder[i]);
        std::string zeile = e ? e->GetText() : std::string();
        zeile = zeile.substr(0, zeile.find_first_of("\r\n"));
        texte_[size_t(i)] = zeile;
    }
    if (auto* e = Item<TEdit>(IDC_NOTIZEN)) {
        notizen_ = e->GetText();
        e->ClearModify();
    }
    gelesen_ = true;
    return true;
}

void TProjektBeschreibungDialog::CallHelp() {
    Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1138);
}

void TProjektBeschreibungDialog::Zurueckschreiben(TProjekt& projekt) const {
    if (!gelesen_) return;
    projekt.Projektangaben = texte_;
    // Records of 127 Windows-1252 characters, what a stored text line holds.
    projekt.Textliste1.Flush();
    const std::string bytes = cp1252::EncodeLossy(notizen_);
    uint16_t nummer = 0;
    for (size_t start = 0; start < bytes.size(); start += kNotizStueck) {
        TTextString t;
        t.Nummer = nummer++;
        t.Text = cp1252::Decode(bytes.substr(start, kNotizStueck));
        projekt.Textliste1.Add(t);
    }
}
