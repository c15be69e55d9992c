#include "korvalin/bauteil/TFensterWahlDialog.h"

#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"

#include <algorithm>

namespace {

using K = TControlKind;
using W = TFensterWahlDialog;
using E = TFensterEinfuegenDialog;

std::vector<TControlResource> wahlControls(bool einfuegen) {
    std::vector<TControlResource> c = {
        {K::RadioButton, W::IDC_ALLE, "Alle", {40, 7, 80, 16}, true},
        {K::RadioButton, W::IDC_DIN, "DIN", {86, 7, 126, 16}},
        {K::RadioButton, W::IDC_QTX, "QTX", {132, 7, 172, 16}},
        {K::RadioButton, W::IDC_ANWENDER, "Anwender", {178, 7, 240, 16}},
        {K::GroupBox, 704, "", {287, 9, 289, 128}},
        {K::DefButton, IDOK, "OK", {294, 4, 334, 18}},
        {K::Button, IDCANCEL, "Abbrechen", {294, 37, 334, 51}},
        {K::Button, W::IDC_INFO, "Info", {294, 70, 334, 84}},
        {K::Button, 9, "Hilfe", {294, 103, 334, 117}},
    };
    if (!einfuegen) {
        c.push_back({K::GroupBox, 705, "", {5, 133, 333, 232}});
        c.push_back({K::Custom, W::IDC_LISTE, "", {8, 139, 329, 229}});
    } else {
        c.push_back({K::GroupBox, 705, "", {5, 133, 165, 232}});
        c.push_back({K::Custom, W::IDC_LISTE, "", {8, 139, 160, 229}});
        c.push_back({K::Button, E::IDC_HINZU, ">>", {169, 160, 187, 172}});
        c.push_back({K::Button, E::IDC_WEG, "<<", {169, 178, 187, 190}});
        c.push_back({K::GroupBox, 706, "", {191, 133, 333, 232}});
        c.push_back({K::Custom, E::IDC_GEWAEHLT, "", {194, 139, 329, 229}});
    }
    return c;
}

void warnung(const char* text, const char* titel) {
    MessageBox(text, titel, MB_OK | MB_ICONEXCLAMATION);
}

TFont fett() {
    return TFont("MS Sans Serif", -MulDiv(8, kReferenceScreenDpi, 72), 0, 0, 0, FW_BOLD);
}

} // namespace

TFensterWahlDialog::TFensterWahlDialog(TWindow* parent, TFensterSchluessel& schluessel)
    : TFensterWahlDialog(parent, "Fenster auswählen", wahlControls(false), &schluessel) {
    Responses().Command(9, [] { HilfeZeigen(1119); });
}

TFensterWahlDialog::TFensterWahlDialog(TWindow* parent, std::string caption,
                                       std::vector<TControlResource> extra,
                                       TFensterSchluessel* schluessel)
    : TFensterBasisDialog(parent, std::move(caption), std::move(extra), schluessel) {
    einrichten();
}

void TFensterWahlDialog::einrichten() {
    SetMinimumSize({600, 400});
    menue_ = std::make_unique<TMenu>(std::vector<TMenuResource>{MenuPopup(
        "Übernehmen", {MenuItem(CM_EINFUEGEN, "Einfügen"), MenuItem(CM_ERSETZEN, "Ersetzen"),
                       MenuSeparator(), MenuItem(CM_INFO, "Info")})});
    std::vector<int32_t> b(4, 0);
    ProfileParseIntegers(
        TProfile("Einstellungen", "korpus.ini").GetString("FensterWahlWindowSp", "0,0,0,0"), b);
    std::copy(b.begin(), b.end(), breiten_.begin());
    auto& r = Responses();
    r.Notify(IDC_LISTE, TN_ROWACTIVATE, [this] { Uebernehmen(); });
    r.Command(CM_EINFUEGEN, [this] { Uebernehmen(); });
    r.Command(CM_INFO, [this] { FensterInfo(); });
    for (int id : {int(IDC_ALLE), int(IDC_DIN), int(IDC_QTX), int(IDC_ANWENDER)})
        r.Command(id, [this] { InhaltAktualisieren(); });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] {
        liste_->SendMessage(WM_CANCELMODE);
        TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
    });
}

TFensterWahlDialog::~TFensterWahlDialog() = default;

void TFensterWahlDialog::SetupWindow() {
    TFensterBasisDialog::SetupWindow();
    if (breiten_[0] > 0) {
        auto spalten = liste_->GetColumns();
        for (size_t i = 0; i < 4 && i < spalten.size(); ++i) spalten[i].width = breiten_[i];
        liste_->SetColumns(spalten);
    }
    Item<TCheckBox>(IDC_ALLE)->SetCheck(BF_CHECKED);
    for (int id : {int(IDC_DIN), int(IDC_QTX), int(IDC_ANWENDER)})
        Item<TCheckBox>(id)->SetCheck(BF_UNCHECKED);
    InhaltAktualisieren();
}

bool TFensterWahlDialog::FensterPasst(const TRFenster& f) const {
    int datei = -1;
    if (Item<TCheckBox>(IDC_DIN)->GetCheck() == BF_CHECKED) datei = 0;
    if (Item<TCheckBox>(IDC_QTX)->GetCheck() == BF_CHECKED) datei = 1;
    if (Item<TCheckBox>(IDC_ANWENDER)->GetCheck() == BF_CHECKED) datei = 2;
    if (datei >= 0 && FensterQuelle(f) != datei) return false;
    return TFensterBasisDialog::FensterPasst(f);
}

bool TFensterWahlDialog::CanClose() {
    const auto& spalten = liste_->GetColumns();
    std::vector<int32_t> b(4, 0);
    for (size_t i = 0; i < 4 && i < spalten.size(); ++i) b[i] = spalten[i].width;
    TProfile("Einstellungen", "korpus.ini")
        .WriteString("FensterWahlWindowSp", ProfileMakeIntegers(b));
    return TFensterBasisDialog::CanClose();
}

void TFensterWahlDialog::CmOk() {
    Uebernehmen();
}

void TFensterWahlDialog::Uebernehmen() {
    if (!GenauEinFenster()) {
        warnung("Wählen Sie genau ein Fenster aus, das Sie übernehmen wollen!",
                "Fenster übernehmen");
        return;
    }
    if (CanClose()) EndDialog(IDOK);
}

void TFensterWahlDialog::Anordnen(int, int) {}

// The insertion dialog --------------------------------------------------------------

TFensterEinfuegenDialog::TFensterEinfuegenDialog(TWindow* parent)
    : TFensterWahlDialog(parent, "Fenster in Projekt einfügen", wahlControls(true), &eigener_),
      gewaehlt_(new TSftTree(this, IDC_GEWAEHLT)) {
    auswahlMenue_ = std::make_unique<TMenu>(std::vector<TMenuResource>{
        MenuPopup("Auswählen", {MenuItem(CM_AUSWAEHLEN, "Auswählen"), MenuItem(CM_INFO, "Info")})});
    aufhebenMenue_ = std::make_unique<TMenu>(std::vector<TMenuResource>{
        MenuPopup("Auswahl aufheben", {MenuItem(CM_AUFHEBEN, "Auswahl aufheben")})});
    auto& r = Responses();
    // Searched before the choice dialog's entries of the same sources.
    r.Command(IDC_HINZU, [this] { Hinzufuegen(); });
    r.Notify(IDC_LISTE, TN_ROWACTIVATE, [this] { Hinzufuegen(); });
    r.Command(CM_AUSWAEHLEN, [this] { Hinzufuegen(); });
    r.Command(IDC_WEG, [this] { Entfernen(); });
    r.Notify(IDC_GEWAEHLT, TN_ROWACTIVATE, [this] { Entfernen(); });
    r.Command(CM_AUFHEBEN, [this] { Entfernen(); });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] {
        liste_->SendMessage(WM_CANCELMODE);
        TrackPopupMenu(*auswahlMenue_->GetSubMenu(0), GetMessagePos(), *this);
    });
    r.Notify(IDC_GEWAEHLT, TN_RIGHTCLICK, [this] {
        gewaehlt_->SendMessage(WM_CANCELMODE);
        TrackPopupMenu(*aufhebenMenue_->GetSubMenu(0), GetMessagePos(), *this);
    });
    r.Notify(IDC_LISTE, TN_DRAGOVER, [this] { dragUeber(); });
    r.Notify(IDC_LISTE, TN_DRAGOVERTARGET, [this] { dragUeber(); });
    r.Notify(IDC_LISTE, TN_DROP, [this] { drop(); });
    r.Notify(IDC_LISTE, TN_DRAGCANCEL, [this] { gewaehlt_->SetDropHighlight(-1); });
    r.Command(9, [] { HilfeZeigen(1137); });
}

TFensterEinfuegenDialog::~TFensterEinfuegenDialog() = default;

void TFensterEinfuegenDialog::SetupWindow() {
    TFensterWahlDialog::SetupWindow();
    liste_->SetColumnTitle(0, "Datei-Fenster");
    gewaehlt_->SetMultiSelect(true);
    gewaehlt_->SetColumns({{150, TTreeColumn::Left, "Ausgewählte Fenster"},
                           {90, TTreeColumn::Right, "k_F"},
                           {90, TTreeColumn::Right, "g-Faktor"},
                           {-1, TTreeColumn::Right, "Fugenkoeff."}});
    gewaehlt_->SetBackgroundColor(TColor::White);
    gewaehlt_->SetWindowFont(fett());
}

void TFensterEinfuegenDialog::CmOk() {
    // The chosen list is the result, whatever the left list selects.
    if (CanClose()) EndDialog(IDOK);
}

void TFensterEinfuegenDialog::Hinzufuegen() {
    if (Ausgewaehlt().empty()) {
        warnung("Kein Fenster ausgewählt!", "Fenster einfügen");
        return;
    }
    for (const TRFenster* f : Ausgewaehlt()) {
        Gewaehlt.push_back(f->Schluessel);
        const int z = gewaehlt_->AddItem(f->Name);
        gewaehlt_->SetCellText(z, 1, Zahl(2, f->k_F));
        gewaehlt_->SetCellText(z, 2, Zahl(2, f->g));
        gewaehlt_->SetCellText(z, 3, Zahl(2, f->a));
    }
}

void TFensterEinfuegenDialog::Entfernen() {
    const std::vector<int> zeilen = gewaehlt_->GetSelectedItems();
    if (zeilen.empty()) {
        warnung("Kein Fenster ausgewählt!", "Fenster nicht einfügen");
        return;
    }
    // Each removal moves the later rows up by one: list and rows stay in step.
    int k = 0;
    for (int i : zeilen) {
        const int z = i - k++;
        if (z >= 0 && z < int(Gewaehlt.size())) Gewaehlt.erase(Gewaehlt.begin() + z);
        gewaehlt_->DeleteItem(z);
    }
    const int erste[1] = {0};
    gewaehlt_->AuswahlSetzen(erste, 1, 1);
    gewaehlt_->EnsureVisible(0);
}

void TFensterEinfuegenDialog::dragUeber() {
    auto& d = liste_->DragInfo();
    d.supplyCursor = true;
    if (d.windowUnderCursor == gewaehlt_->GetHandle()) {
        d.dropAllowed = true;
        d.cursor = TCursor::DragCopy;
        gewaehlt_->SetDropHighlight(d.itemUnderCursor);
    } else {
        d.dropAllowed = false;
        d.cursor = TCursor::NoDrop;
        gewaehlt_->SetDropHighlight(-1);
    }
}

void TFensterEinfuegenDialog::drop() {
    const auto& d = liste_->GetDragInfo();
    gewaehlt_->SetDropHighlight(-1);
    // The new rows go to the end whatever row was under the cursor.
    if (d.windowUnderCursor == gewaehlt_->GetHandle()) Hinzufuegen();
}

void TFensterEinfuegenDialog::Anordnen(int W, int H) {
    // The two lists share the width around the ">>" / "<<" column at the middle.
    const int m = W / 2;
    const TRect hin = Entwurf(IDC_HINZU), weg = Entwurf(IDC_WEG);
    const int w = hin.Width();
    const auto unten = [H](TRect r, int rand) {
        r.bottom = std::max(r.top, H - rand);
        return r;
    };
    TRect f5 = Entwurf(705), t0 = Entwurf(IDC_LISTE), f6 = Entwurf(706), t1 = Entwurf(IDC_GEWAEHLT);
    f5.right = std::max(f5.left, m - w - 5);
    t0.right = std::max(t0.left, m - w - 10);
    f6.left = m + w;
    f6.right = std::max(f6.left, W - 10);
    t1.left = m + w + 5;
    t1.right = std::max(t1.left, W - 15);
    Setzen(705, unten(f5, 10));
    Setzen(IDC_LISTE, unten(t0, 15));
    Setzen(706, unten(f6, 10));
    Setzen(IDC_GEWAEHLT, unten(t1, 15));
    Setzen(IDC_HINZU, hin.Offset(m - w / 2 - hin.left, 0));
    Setzen(IDC_WEG, weg.Offset(m - w / 2 - weg.left, 0));
}
