#include "korvalin/datenblatt/TLayoutDialog.h"

#include "korvalin/bauteil/TBauteilInfoDialog.h"
#include "korvalin/bauteil/TFensterInfoDialog.h"

#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CheckBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Menu.h"
#include "platform/window/MenuResource.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

using K = TControlKind;
using D = TLayoutDialog;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Nachweise - Dialog";
    r.size = {420, 228};
    // Transferring controls in the order of the record's fields.
    r.controls = {
        {K::GroupBox, -1, "Nachweise", {4, 4, 138, 150}},
        {K::CheckBox, D::IDC_WAERMESCHUTZ, "Wärmeschutznachweis", {8, 16, 137, 26}},
        {K::CheckBox, D::IDC_FEUCHTE, "Feuchtenachweis", {8, 80, 137, 90}},
        {K::RadioButton, D::IDC_AV, "A/V - Verfahren", {14, 30, 137, 40}, true},
        {K::RadioButton, D::IDC_BAUTEILVERFAHREN, "Bauteilverfahren", {14, 42, 137, 52}},
        {K::RadioButton, D::IDC_BEIDE, "A/V- und Bauteilverfahren", {14, 54, 137, 64}},
        {K::RadioButton, D::IDC_AUSGEWAEHLTE, "Für ausgewählte Bauteile", {14, 94, 137, 104}, true},
        {K::RadioButton, D::IDC_BEDENKLICHE, "Für alle bedenklichen Bauteile", {14, 106, 137, 116}},
        {K::RadioButton, D::IDC_PROJEKT, "Projektbauteile", {140, 6, 220, 16}, true},
        {K::RadioButton, D::IDC_REFERENZ, "Referenzbauteile", {226, 6, 310, 16}},
        {K::Custom, D::IDC_PROJEKTLISTE, "", {142, 20, 414, 184}},
        {K::Custom, D::IDC_REFERENZLISTE, "", {142, 20, 414, 184}},
        {K::Button, D::IDC_ALLE, "Alle Bauteile auswählen", {140, 188, 236, 202}},
        {K::Button, D::IDC_KEINE, "Kein Bauteil auswählen", {318, 188, 414, 202}},
        {K::DefButton, IDOK, "OK", {6, 208, 56, 222}},
        {K::Button, IDCANCEL, "Abbrechen", {60, 208, 110, 222}},
        {K::Button, IDHELP, "&Hilfe", {114, 208, 164, 222}},
        {K::Button, D::IDC_INFO, "Info", {364, 208, 414, 222}},
    };
    return r;
}

// The trees' bold 8-point font at the reference resolution of 96 pixels per
// inch: -MulDiv(8, 96, 72).
constexpr int kSchrifthoehe = -((8 * 96 + 36) / 72);

// The current variant's lists as the visible list shows them: its
// components first, then its windows.
int bauteilZahl(const TProjekt& p, bool projekt) {
    return int(projekt ? p.PBauteile.GetItemsInContainer() : p.RBauteile.GetItemsInContainer());
}

const TRBauteil* bauteilTyp(TProjekt& p, bool projekt, int i) {
    if (projekt) return p.PBauteile[size_t(i)].RBauteil;
    return &p.RBauteile[size_t(i)];
}

const TRFenster* fensterTyp(TProjekt& p, bool projekt, int j) {
    if (projekt) return p.PFenster[size_t(j)].RFenster;
    return &p.RFenster[size_t(j)];
}

std::string typName(const TRBauteil* t) {
    return t && t->Bauteilart < 10 ? BauteilTypNamen[t->Bauteilart] : "";
}

std::string fassadenName(TProjekt& p, uint16_t nummer) {
    return nummer < p.Fassaden.GetItemsInContainer() ? p.Fassaden[nummer].Name : "";
}

} // namespace

TLayoutDialog::TLayoutDialog(TWindow* parent, TLayoutDialogStruct* daten)
    : TDialog(parent, ressource()), daten_(daten), projekt_(new TSftTree(this, IDC_PROJEKTLISTE)),
      referenz_(new TSftTree(this, IDC_REFERENZLISTE)),
      schrift_("MS Sans Serif", kSchrifthoehe, 0, 0, 0, FW_BOLD),
      menue_(std::make_unique<TMenu>(std::vector<TMenuResource>{
          MenuPopup("Nachweis", {MenuItem(CM_INFO, "Info"), MenuSeparator(),
                                 MenuItem(CM_ALLE, "Alle Bauteile auwählen"),
                                 MenuItem(CM_KEINE, "Kein Bauteil auswählen")})})) {
    BauteilInfo = [](TWindow* w, const TRBauteil& t) { return TBauteilInfoDialog(w, t).Execute(); };
    FensterInfo = [](TWindow* w, const TRFenster& f) { return TFensterInfoDialog(w, f).Execute(); };
    puffer_.Check(daten->Waermeschutz).Check(daten->Feuchte).Check(daten->AVVerfahren);
    puffer_.Check(daten->Bauteilverfahren).Check(daten->BeideVerfahren);
    puffer_.Check(daten->FeuchteAusgewaehlte).Check(daten->FeuchteBedenkliche);
    puffer_.Check(daten->Projektbauteile).Check(daten->Referenzbauteile);
    SetTransferBuffer(&puffer_);

    auto& r = Responses();
    r.Command(IDHELP, [] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1151); });
    r.Command(IDC_WAERMESCHUTZ, [this] { WaermeschutzGeklickt(); });
    r.Command(IDC_FEUCHTE, [this] { FeuchteGeklickt(); });
    const auto verfahren = [](bool av, bool bauteil) {
        Datenblaetter().NachweisAVVerfahren = av;
        Datenblaetter().NachweisBauteilverfahren = bauteil;
    };
    r.Command(IDC_AV, [verfahren] { verfahren(true, false); });
    r.Command(IDC_BAUTEILVERFAHREN, [verfahren] { verfahren(false, true); });
    r.Command(IDC_BEIDE, [verfahren] { verfahren(true, true); });
    r.Command(IDC_AUSGEWAEHLTE, [this] { AusgewaehlteBauteile(); });
    r.Command(IDC_BEDENKLICHE, [this] { BedenklicheBauteile(); });
    r.Command(IDC_PROJEKT, [this] { ListeWechseln(true); });
    r.Command(IDC_REFERENZ, [this] { ListeWechseln(false); });
    for (int id : {int(IDC_ALLE), int(CM_ALLE)}) r.Command(id, [this] { AlleAuswaehlen(); });
    for (int id : {int(IDC_KEINE), int(CM_KEINE)}) r.Command(id, [this] { KeinesAuswaehlen(); });
    for (int id : {int(IDC_INFO), int(CM_INFO)}) r.Command(id, [this] { InfoZeigen(); });
    r.CommandEnable(CM_INFO, [this](TCommandEnabler& ce) { ce.Enable(Gewaehlt >= 1); });
    for (TSftTree* baum : {projekt_, referenz_}) {
        r.Notify(baum->GetId(), TN_SELCHANGE, [this] { AuswahlLesen(); });
        r.Notify(baum->GetId(), TN_RIGHTCLICK, [this] {
            SichtbareListe()->SendMessage(WM_CANCELMODE);
            TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
        });
    }
    // Find and replace do nothing while the dialog is open.
    r.Command(24351, [] {});
    r.Command(24352, [] {});
}

TLayoutDialog::~TLayoutDialog() = default;

void TLayoutDialog::check(int id, bool an) {
    if (auto* c = Item<TCheckBox>(id)) c->SetCheck(an ? 1 : 0);
}

void TLayoutDialog::enable(int id, bool an) {
    if (TControl* c = GetDlgItem(id)) c->EnableWindow(an);
}

bool TLayoutDialog::checked(int id) const {
    const auto* c = Item<TCheckBox>(id);
    return c && c->GetCheck() == 1;
}

TSftTree* TLayoutDialog::SichtbareListe() const {
    return Datenblaetter().NachweisProjektbauteile ? projekt_ : referenz_;
}

void TLayoutDialog::SetupWindow() {
    TDialog::SetupWindow();
    // The dialog opens the same way for the same project, whatever the
    // record held.
    Datenblaetter().NachweisAVVerfahren = Datenblaetter().NachweisBauteilverfahren = false;
    projekt_->SetColumns({{130, TTreeColumn::Left, "Name"},
                          {65, TTreeColumn::Left, "Kurzname"},
                          {90, TTreeColumn::Left, "Typ"},
                          {-1, TTreeColumn::Left, "Hüllfläche"}});
    referenz_->SetColumns({{200, TTreeColumn::Left, "Name"}, {-1, TTreeColumn::Left, "Typ"}});
    for (TSftTree* baum : {projekt_, referenz_}) {
        baum->SetMultiSelect(true);
        baum->SetBackgroundColor(TColor::White);
        baum->SetWindowFont(schrift_, true);
    }
    check(IDC_WAERMESCHUTZ, true);
    check(IDC_FEUCHTE, false);
    VerfahrenVorbelegen();
    for (int id : {int(IDC_AUSGEWAEHLTE), int(IDC_BEDENKLICHE)}) {
        check(id, false);
        enable(id, false);
    }
    check(IDC_PROJEKT, true);
    check(IDC_REFERENZ, false);
    Datenblaetter().NachweisProjektbauteile = true;
    projekt_->ShowWindow(SW_SHOW);
    referenz_->ShowWindow(SW_HIDE);
    Eintraege = Gewaehlt = 0;
    Auswahl.clear();
    ListenFuellen();
    AlleAuswaehlen();
    Eintraege = projekt_->GetCount();
}

void TLayoutDialog::VerfahrenVorbelegen() {
    const TProjekt* p = AktuelleVariante();
    if (p && p->Baumassnahme == 2) {
        // Outer components of an existing building: Anlage 3 only.
        check(IDC_BAUTEILVERFAHREN, true);
        check(IDC_AV, false);
        check(IDC_BEIDE, false);
        enable(IDC_BAUTEILVERFAHREN, true);
        enable(IDC_AV, false);
        enable(IDC_BEIDE, false);
        Datenblaetter().NachweisAVVerfahren = Datenblaetter().NachweisBauteilverfahren = false;
        return;
    }
    check(IDC_AV, true);
    check(IDC_BAUTEILVERFAHREN, false);
    check(IDC_BEIDE, false);
    enable(IDC_AV, true);
    enable(IDC_BAUTEILVERFAHREN, false);
    enable(IDC_BEIDE, false);
    Datenblaetter().NachweisAVVerfahren = true;
    Datenblaetter().NachweisBauteilverfahren = false;
    if (p && p->NormaleInnentemperatur && p->KleinesWohngebaeude) {
        // Anlage 1 Ziffer 7 allows the simplified proof beside the balance.
        check(IDC_AV, false);
        check(IDC_BEIDE, true);
        enable(IDC_BAUTEILVERFAHREN, true);
        enable(IDC_BEIDE, true);
        Datenblaetter().NachweisBauteilverfahren = true;
    }
}

void TLayoutDialog::ListenFuellen() {
    projekt_->DeleteAll();
    referenz_->DeleteAll();
    TProjekt* p = AktuelleVariante();
    if (!p) return;
    auto zeile = [](TSftTree* baum, std::initializer_list<std::string> texte) {
        const int z = baum->AddItem(*texte.begin());
        int k = 0;
        for (const std::string& t : texte)
            if (k++ > 0) baum->SetCellText(z, k - 1, t);
    };
    for (const TPBauteil& b : p->PBauteile)
        zeile(projekt_,
              {b.Name, b.Zusatztext, typName(b.RBauteil), fassadenName(*p, b.FassadenNummer)});
    for (const TPFenster& f : p->PFenster)
        zeile(projekt_, {f.Name, f.Zusatztext, "Fenster", fassadenName(*p, f.FassadenNummer)});
    for (const TRBauteil& t : p->RBauteile) zeile(referenz_, {t.Name, typName(&t)});
    for (const TRFenster& f : p->RFenster) zeile(referenz_, {f.Name, "Fenster"});
}

void TLayoutDialog::bedenklichVonAusgewaehlt() {
    if (checked(IDC_BEDENKLICHE)) {
        check(IDC_AUSGEWAEHLTE, true);
        check(IDC_BEDENKLICHE, false);
    }
}

void TLayoutDialog::infoKnopf() {
    enable(IDC_INFO, Gewaehlt >= 1);
}

void TLayoutDialog::AuswahlLesen() {
    TSftTree* baum = SichtbareListe();
    Eintraege = baum->GetCount();
    Auswahl = baum->GetSelectedItems();
    Gewaehlt = int(Auswahl.size());
    infoKnopf();
}

void TLayoutDialog::AlleAuswaehlen() {
    bedenklichVonAusgewaehlt();
    SichtbareListe()->SetSelection(true, -1);
    AuswahlLesen();
}

void TLayoutDialog::auswahlLeeren() {
    SichtbareListe()->SetSelection(false, -1);
    AuswahlLesen();
}

void TLayoutDialog::KeinesAuswaehlen() {
    bedenklichVonAusgewaehlt();
    auswahlLeeren();
}

void TLayoutDialog::AusgewaehlteBauteile() {
    if (!checked(IDC_FEUCHTE)) check(IDC_FEUCHTE, true);
    // The rows chosen so far are the ones meant: they stay chosen.
    AuswahlLesen();
}

// A moisture proof of no component would print only its title page.
void TLayoutDialog::CmOk() {
    AuswahlLesen();
    if (checked(IDC_FEUCHTE) && Gewaehlt == 0) {
        MessageBox("Für den Feuchtenachweis ist kein Bauteil ausgewählt.\n"
                   "Bitte wählen Sie mindestens ein Bauteil aus.",
                   "Nachweise - Dialog", MB_OK | MB_ICONEXCLAMATION);
        SichtbareListe()->SetFocus();
        return;
    }
    TDialog::CmOk();
}

void TLayoutDialog::BedenklicheBauteile() {
    if (!checked(IDC_FEUCHTE)) check(IDC_FEUCHTE, true);
    auswahlLeeren();
    TProjekt* p = AktuelleVariante();
    if (!p) return;
    // The flags are those of the moisture proof as it stands now, not as
    // the last edit left them.
    for (TRBauteil& t : p->RBauteile) t.FeuchteBerechnen(1);
    const bool projekt = Datenblaetter().NachweisProjektbauteile;
    TSftTree* baum = SichtbareListe();
    const int n = bauteilZahl(*p, projekt);
    for (int i = 0; i < n && i < baum->GetCount(); ++i) {
        const TRBauteil* t = bauteilTyp(*p, projekt, i);
        if (t && t->FeuchteErfuellt == 0) baum->SetSelection(true, i);
    }
    AuswahlLesen();
}

void TLayoutDialog::WaermeschutzGeklickt() {
    const bool an = checked(IDC_WAERMESCHUTZ);
    for (int id : {int(IDC_AV), int(IDC_BAUTEILVERFAHREN), int(IDC_BEIDE)}) {
        if (!an) check(id, false);
        enable(id, an);
    }
    if (an) VerfahrenVorbelegen();
}

void TLayoutDialog::FeuchteGeklickt() {
    const bool an = checked(IDC_FEUCHTE);
    check(IDC_AUSGEWAEHLTE, an);
    check(IDC_BEDENKLICHE, false);
    enable(IDC_AUSGEWAEHLTE, an);
    enable(IDC_BEDENKLICHE, an);
}

void TLayoutDialog::ListeWechseln(bool projekt) {
    Datenblaetter().NachweisProjektbauteile = projekt;
    projekt_->ShowWindow(projekt ? SW_SHOW : SW_HIDE);
    referenz_->ShowWindow(projekt ? SW_HIDE : SW_SHOW);
    AlleAuswaehlen();
}

void TLayoutDialog::InfoZeigen() {
    TProjekt* p = AktuelleVariante();
    if (!p) return;
    const bool projekt = Datenblaetter().NachweisProjektbauteile;
    const int n = bauteilZahl(*p, projekt);
    const int m =
        int(projekt ? p->PFenster.GetItemsInContainer() : p->RFenster.GetItemsInContainer());
    // Components first, then windows, in the order of the chosen indices.
    size_t naechster = 0;
    for (int i = 0; i < n && naechster < Auswahl.size(); ++i) {
        if (Auswahl[naechster] != i) continue;
        ++naechster;
        if (const TRBauteil* t = bauteilTyp(*p, projekt, i))
            if (BauteilInfo(this, *t) == IDCANCEL) return;
    }
    for (int j = 0; j < m && naechster < Auswahl.size(); ++j) {
        if (Auswahl[naechster] != n + j) continue;
        ++naechster;
        if (const TRFenster* f = fensterTyp(*p, projekt, j))
            if (FensterInfo(this, *f) == IDCANCEL) return;
    }
}
