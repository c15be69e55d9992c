#include "korvalin/bauteil/TBauteilWahlDialog.h"

#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/profile/Profile.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBauteilDatei.h"

namespace {

using K = TControlKind;
using D = TBauteilWahlDialog;

TDialogResource ressource() {
    TDialogResource r = TBauteilBasisDialog::BasisRessource("Bauteile in Projekt einfügen");
    r.controls.push_back({K::RadioButton, D::IDC_ALLE, "Alle", {40, 6, 75, 15}, true});
    r.controls.push_back({K::RadioButton, D::IDC_QTX, "QTX", {80, 6, 115, 15}});
    r.controls.push_back({K::RadioButton, D::IDC_ANWENDER, "Anwender", {120, 6, 175, 15}});
    r.controls.push_back({K::GroupBox, 505, "", {5, 132, 169, 235}});
    r.controls.push_back({K::GroupBox, 506, "", {191, 132, 336, 233}});
    r.controls.push_back({K::Custom, D::IDC_LISTE, "", {9, 137, 165, 229}});
    r.controls.push_back({K::Custom, D::IDC_GEWAEHLT, "", {196, 137, 332, 229}});
    r.controls.push_back({K::Button, D::IDC_WAEHLEN, ">>", {174, 169, 187, 183}});
    r.controls.push_back({K::Button, D::IDC_ABWAEHLEN, "<<", {174, 189, 187, 203}});
    r.controls.push_back({K::DefButton, IDOK, "OK", {294, 4, 331, 29}});
    r.controls.push_back({K::Button, IDCANCEL, "Abbrechen", {294, 37, 331, 62}});
    r.controls.push_back({K::Button, D::IDC_INFO, "Info", {294, 70, 331, 95}});
    r.controls.push_back({K::Button, IDHELP, "Hilfe", {294, 103, 331, 128}});
    return r;
}

bool an(const TDialog& d, int id) {
    return d.Item<TCheckBox>(id)->GetCheck() == BF_CHECKED;
}

} // namespace

TBauteilWahlDialog::TBauteilWahlDialog(TWindow* parent)
    : TBauteilBasisDialog(parent, ressource()), gewaehlt_(new TSftTree(this, IDC_GEWAEHLT)),
      menueLinks_(std::make_unique<TMenu>(std::vector<TMenuResource>{
          MenuPopup("", {MenuItem(CM_AUSWAEHLEN, "Auswählen"), MenuItem(CM_INFO, "Info")})})),
      menueRechts_(std::make_unique<TMenu>(
          std::vector<TMenuResource>{MenuPopup("", {MenuItem(CM_AUFHEBEN, "Auswahl aufheben")})})) {
    TProfile ini("Einstellungen", "korpus.ini");
    ProfileParseIntegers(ini.GetString("BauteilWahlWindowSp", "0,0", 30), breiten_);
    auto& r = Responses();
    r.Command(IDHELP, [] { HilfeZeigen(1122); });
    for (int id : {int(IDC_WAEHLEN), int(CM_AUSWAEHLEN)}) r.Command(id, [this] { Waehlen(); });
    for (int id : {int(IDC_ABWAEHLEN), int(CM_AUFHEBEN)}) r.Command(id, [this] { Abwaehlen(); });
    r.Command(CM_INFO, [this] { BauteilInfo(); });
    r.Notify(IDC_LISTE, TN_ROWACTIVATE, [this] { Waehlen(); });
    r.Notify(IDC_GEWAEHLT, TN_ROWACTIVATE, [this] { Abwaehlen(); });
    r.Notify(IDC_GRUPPEN, LBN_SELCHANGE, [this] { InhaltAktualisieren(); });
    for (int id : {int(IDC_ALLE), int(IDC_QTX), int(IDC_ANWENDER)})
        r.Command(id, [this] { InhaltAktualisieren(); });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] {
        Liste()->SendMessage(WM_CANCELMODE);
        TrackPopupMenu(*menueLinks_->GetSubMenu(0), GetMessagePos(), *this);
    });
    r.Notify(IDC_GEWAEHLT, TN_RIGHTCLICK, [this] {
        gewaehlt_->SendMessage(WM_CANCELMODE);
        TrackPopupMenu(*menueRechts_->GetSubMenu(0), GetMessagePos(), *this);
    });
    r.Notify(IDC_LISTE, TN_DRAGOVER, [this] { ziehenUeber(); });
    r.Notify(IDC_LISTE, TN_DRAGOVERTARGET, [this] { ziehenUeber(); });
    r.Notify(IDC_LISTE, TN_DROP, [this] { Ablegen(); });
    r.Notify(IDC_LISTE, TN_DRAGCANCEL, [this] { gewaehlt_->SetDropHighlight(-1); });
}

TBauteilWahlDialog::~TBauteilWahlDialog() = default;

void TBauteilWahlDialog::SetupWindow() {
    TBauteilBasisDialog::SetupWindow();
    Verankern(basisAnker(Entwurf(IDOK).Width()));
    auto spalten = Liste()->GetColumns();
    if (breiten_[0] > 0) {
        spalten[0].width = breiten_[0];
        spalten[1].width = breiten_[1];
    } else {
        spalten[0].width = 170;
    }
    spalten[0].title = "Datei-Bauteile";
    Liste()->SetColumns(spalten);
    gewaehlt_->SetMultiSelect(true);
    gewaehlt_->SetColumns(
        {{170, TTreeColumn::Left, "Ausgewählte Bauteile"}, {-1, TTreeColumn::Left, "Typ"}});
    gewaehlt_->SetBackgroundColor(TColor::White);
    gewaehlt_->SetWindowFont(TDateiDialog::ListenSchrift());
    Item<TCheckBox>(IDC_ALLE)->SetCheck(BF_CHECKED);
    Item<TCheckBox>(IDC_QTX)->SetCheck(BF_UNCHECKED);
    Item<TCheckBox>(IDC_ANWENDER)->SetCheck(BF_UNCHECKED);
    InhaltAktualisieren();
    const TRect c = GetClientRect();
    EvSize(0, {c.Width(), c.Height()});
}

bool TBauteilWahlDialog::CanClose() {
    const auto& spalten = Liste()->GetColumns();
    breiten_ = {spalten[0].width, spalten.size() > 1 ? spalten[1].width : 0};
    TProfile("Einstellungen", "korpus.ini")
        .WriteString("BauteilWahlWindowSp", ProfileMakeIntegers(breiten_));
    return TBauteilBasisDialog::CanClose();
}

bool TBauteilWahlDialog::BauteilPasst(const TRBauteil& b) {
    if (!an(*this, IDC_ALLE) && b.Schluessel.Katalog != (an(*this, IDC_QTX) ? 1 : 2)) return false;
    return TBauteilBasisDialog::BauteilPasst(b);
}

void TBauteilWahlDialog::EvSize(uint32_t sizeType, const TSize& size) {
    TBauteilBasisDialog::EvSize(sizeType, size);
    const int w = size.cx, h = size.cy;
    if (w <= 0 || h <= 0 || !GetDlgItem(IDC_WAEHLEN)) return;
    const int halb = w / 2, a = Entwurf(IDC_WAEHLEN).Width();
    const auto setzen = [this](int id, int left, int right, int bottom) {
        TRect r = Entwurf(id);
        r.left = left >= 0 ? left : r.left;
        r.right = std::max(r.left, right);
        r.bottom = std::max(r.top, bottom);
        GetDlgItem(id)->MoveWindow(r, true);
    };
    setzen(505, -1, halb - a - 5, h - 10);
    setzen(IDC_LISTE, -1, halb - a - 10, h - 15);
    setzen(506, halb + a, w - 10, h - 10);
    setzen(IDC_GEWAEHLT, halb + a + 5, w - 15, h - 15);
    for (int id : {int(IDC_WAEHLEN), int(IDC_ABWAEHLEN)}) {
        TRect r = Entwurf(id);
        GetDlgItem(id)->MoveWindow(r.Offset(halb - a / 2 - r.left, 0), true);
    }
    for (int id : {int(IDOK), int(IDCANCEL), int(IDC_INFO), int(IDHELP)}) {
        TRect r = Entwurf(id);
        GetDlgItem(id)->MoveWindow(r.Offset(w - 15 - r.right, 0), true);
    }
    TRect trenner = Entwurf(504);
    GetDlgItem(504)->MoveWindow(
        trenner.Offset(w - 15 - Entwurf(IDOK).Width() - 20 - trenner.left, 0));
}

void TBauteilWahlDialog::Waehlen() {
    if (Ausgewaehlt().empty()) {
        Warnung("Kein Bauteil ausgewählt!", "Bauteil einfügen");
        return;
    }
    for (const TRBauteil* b : Ausgewaehlt()) {
        schluessel_.push_back(b->Schluessel);
        const int z = gewaehlt_->AddItem(b->Name);
        gewaehlt_->SetCellText(z, 1, b->Bauteilart < 10 ? BauteilTypNamen[b->Bauteilart] : "");
        gewaehlt_->SetCaret(z);
    }
}

void TBauteilWahlDialog::Abwaehlen() {
    const std::vector<int> zeilen = gewaehlt_->GetSelectedItems();
    if (zeilen.empty()) {
        Warnung("Kein Bauteil ausgewählt!", "Bauteil nicht einfügen");
        return;
    }
    int k = 0;
    for (int z : zeilen) {
        const size_t i = size_t(z - k);
        if (i < schluessel_.size()) schluessel_.erase(schluessel_.begin() + std::ptrdiff_t(i));
        gewaehlt_->DeleteItem(z - k);
        ++k;
    }
    if (gewaehlt_->GetCount() > 0) {
        gewaehlt_->SelectItem(0);
        gewaehlt_->EnsureVisible(0);
    }
}

void TBauteilWahlDialog::ziehenUeber() {
    const auto& d = Liste()->GetDragInfo();
    auto& info = Liste()->DragInfo();
    if (d.windowUnderCursor == gewaehlt_->GetHandle()) {
        info.dropAllowed = true;
        gewaehlt_->SetDropHighlight(d.itemUnderCursor);
    } else {
        info.dropAllowed = false;
        gewaehlt_->SetDropHighlight(-1);
    }
}

void TBauteilWahlDialog::Ablegen() {
    const bool rechts = Liste()->GetDragInfo().windowUnderCursor == gewaehlt_->GetHandle();
    gewaehlt_->SetDropHighlight(-1);
    if (rechts) Waehlen();
}
