#include "korvalin/projekt/TFlaechenVolumenDialog.h"

#include "hilfsmittel/DecimalText.h"
#include "hilfsmittel/DoubleValidator2.h"
#include "hilfsmittel/Formatter.h"
#include "korvalin/projekt/FormelAuswertung.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CheckBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Static.h"

#include <charconv>

namespace {

using K = TControlKind;
constexpr double kWertGrenze = 999999.99; // m² or m³, either sign

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Formel-Editor";
    r.size = {300, 318};
    r.controls = {
        {K::Custom, 111, "", {7, 7, 293, 90}},
        {K::GroupBox, 582, "", {7, 93, 293, 113}},
        {K::Static,
         581,
         "Geben Sie die Fläche inclusive der Flächen der zugeordneten Unter-Bauteile ein!",
         {12, 99, 288, 109}},
        {K::Static, 120, "Nummer", {7, 120, 40, 128}},
        {K::Edit, 109, "", {42, 118, 100, 130}},
        {K::Static, -1, "Summe", {170, 120, 200, 128}},
        {K::Static, 560, "", {202, 120, 293, 128}},
        {K::Button, 106, "Formel >>", {7, 134, 57, 148}},
        {K::Button, 122, "&Neu", {61, 134, 111, 148}},
        {K::Button, 105, "&Kopieren", {115, 134, 165, 148}},
        {K::Button, 124, "&Löschen", {169, 134, 219, 148}},
        {K::DefButton, IDOK, "OK", {7, 152, 57, 166}},
        {K::Button, IDCANCEL, "Abbrechen", {61, 152, 111, 166}},
        {K::Button, IDHELP, "&Hilfe", {115, 152, 165, 166}},
        {K::GroupBox, 400, "", {7, 170, 293, 312}},
        {K::Static, 107, "Winkelfunktionen in", {12, 178, 82, 186}},
        {K::RadioButton, 112, "radiant", {84, 177, 124, 187}, true},
        {K::RadioButton, 113, "Grad", {126, 177, 160, 187}},
        {K::Static, 562, "Variablen-Definition", {12, 191, 148, 199}},
        {K::Edit, 104, "", {12, 201, 148, 272}, true},
        {K::Static, 573, "Formel", {152, 191, 288, 199}},
        {K::Edit, 101, "", {152, 201, 288, 272}, true},
        {K::Button, 110, "Formel löschen", {12, 277, 72, 291}},
        {K::Button, 108, "Formelsammlung", {76, 277, 142, 291}},
        {K::Button, 102, "&Berechnen", {146, 277, 196, 291}},
        {K::Static, 564, "=", {200, 280, 206, 288}},
        {K::Static, 561, "", {208, 280, 288, 288}},
        {K::Button, 103, "Speichern in Formelsammlung", {12, 295, 132, 309}},
    };
    return r;
}

// The first n characters of a UTF-8 text.
std::string anfang(const std::string& text, size_t n) {
    size_t i = 0;
    for (size_t zeichen = 0; i < text.size(); ++i)
        if ((uint8_t(text[i]) & 0xC0) != 0x80 && zeichen++ == n) break;
    return text.substr(0, i);
}

// "%1.0lf" with a decimal point.
std::string ganz(double wert) {
    char text[400];
    const auto r = std::to_chars(text, text + sizeof text, wert, std::chars_format::fixed, 0);
    return std::string(text, r.ptr);
}

std::string nummerText(int32_t n) {
    return n ? std::to_string(n) : std::string();
}

} // namespace

TFlaechenVolumenDialog::TFlaechenVolumenDialog(TWindow* parent, TDimVolumenListe& liste,
                                               int32_t bauteilNummer, std::string_view besitzer,
                                               int modus)
    : TDialog(parent, ressource()), eintraege_(liste), bauteilNummer_(bauteilNummer),
      besitzer_(anfang(std::string(besitzer), 29)), modus_(modus == Flaechen ? Flaechen : Volumen),
      liste_(new TSftTree(this, IDC_LISTE)), nummer_(new TEdit(this, IDC_NUMMER, 30)),
      variablen_(new TEdit(this, IDC_VARIABLEN, 0, true)),
      formel_(new TEdit(this, IDC_FORMEL, 0, true)),
      menue_(std::make_unique<TMenu>(std::vector<TMenuResource>{MenuPopup(
          "Formel",
          {MenuItem(CM_EINTRAG_NEU, "Neu"), MenuItem(CM_EINTRAG_KOPIEREN, "Kopieren"),
           MenuItem(CM_EINTRAG_LOESCHEN, "Löschen"), MenuSeparator(), MenuItem(CM_FORMEL, "Formel"),
           MenuItem(CM_FORMEL_LOESCHEN, "Formel löschen")})})) {
    auto& r = Responses();
    r.Command(IDHELP, [this] {
        Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, modus_ == Flaechen ? 1152 : 1129);
    });
    const auto befehl = [&r](std::initializer_list<int> ids, std::function<void()> h) {
        for (int id : ids) r.Command(id, h);
    };
    befehl({IDC_NEU, CM_EINTRAG_NEU}, [this] { CmNeu(); });
    befehl({IDC_KOPIEREN, CM_EINTRAG_KOPIEREN}, [this] { CmKopieren(); });
    befehl({IDC_LOESCHEN, CM_EINTRAG_LOESCHEN}, [this] { CmLoeschen(); });
    befehl({IDC_FORMEL_AN, CM_FORMEL}, [this] { CmFormel(); });
    befehl({IDC_FORMEL_LOESCHEN, CM_FORMEL_LOESCHEN}, [this] { CmFormelLoeschen(); });
    befehl({IDC_IN_SAMMLUNG}, [this] { CmInFormelsammlungSpeichern(); });
    befehl({IDC_BERECHNEN, IDC_RADIANT, IDC_GRAD}, [this] { CmBerechnen(); });
    befehl({IDC_FORMELSAMMLUNG}, [this] { CmFormelsammlung(); });
    const auto ausgewaehlt = [this](TCommandEnabler& ce) { ce.Enable(auswahl_ >= 0); };
    r.CommandEnable(CM_EINTRAG_KOPIEREN, ausgewaehlt);
    r.CommandEnable(CM_EINTRAG_LOESCHEN, ausgewaehlt);
    r.CommandEnable(CM_FORMEL, [this](TCommandEnabler& ce) {
        ce.Enable(aktuell() && aktuell()->Formelmodus == 0);
    });
    r.CommandEnable(CM_FORMEL_LOESCHEN, [this](TCommandEnabler& ce) {
        ce.Enable(aktuell() && aktuell()->Formelmodus != 0);
    });
    // In the formula edits Enter breaks the line; the default is "Berechnen".
    for (int id : {int(IDC_VARIABLEN), int(IDC_FORMEL)}) {
        r.Notify(id, EN_SETFOCUS, [this] { SetDefaultButton(IDC_BERECHNEN); });
        r.Notify(id, EN_KILLFOCUS, [this] { SetDefaultButton(IDOK); });
    }
    r.Notify(IDC_NUMMER, EN_CHANGE, [this] { nummerGeaendert(); });
    r.Notify(IDC_LISTE, TN_SELCHANGE, [this] { AuswahlGeaendert(); });
    r.Notify(IDC_LISTE, TN_CELLACTIVATE, [this] { ZelleBearbeiten(); });
    r.Notify(IDC_LISTE, TN_EDITCANCEL, [this] { liste_->CloseEditor(); });
    r.Notify(IDC_LISTE, TN_EDITEND, [this] { ZelleBeenden(); });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] { kontextmenue(); });
}

TFlaechenVolumenDialog::~TFlaechenVolumenDialog() = default;

TDimVolumen* TFlaechenVolumenDialog::eintrag(int index) const {
    if (index < 0 || size_t(index) >= eintraege_.GetItemsInContainer()) return nullptr;
    return &eintraege_[size_t(index)];
}

void TFlaechenVolumenDialog::SetupWindow() {
    TDialog::SetupWindow();
    gradSetzen(false);
    liste_->SetClickCodes(TTreeClickCodes::DoubleClicks);
    liste_->SetColumns({{75, TTreeColumn::Left, "Nummer"},
                        {160, TTreeColumn::Left, "Name"},
                        {-1, TTreeColumn::Right, ""}});
    liste_->SetBackgroundColor(TColor::White);

    volleHoehe_ = GetWindowRect().Height();
    if (auto* gruppe = GetDlgItem(IDC_FORMELBEREICH))
        kurzeHoehe_ = gruppe->GetWindowRect().top - GetWindowRect().top;

    const bool flaechen = modus_ == Flaechen;
    SetCaption((flaechen ? "Flächenberechnung: " : "Volumenberechnung: ") + besitzer_);
    liste_->SetColumnTitle(2, flaechen ? "Fläche [m²]" : "Volumen [m³]");
    for (int id : {582, 581, 120, int(IDC_NUMMER)})
        if (auto* w = GetDlgItem(id)) w->ShowWindow(flaechen ? SW_SHOW : SW_HIDE);

    const bool leer = eintraege_.IsEmpty();
    auswahl_ = leer ? -1 : 0;
    if (leer) {
        steuerungFreigeben(false);
        ergebnis("");
    }
    ListeFuellen();
    formelGezeigt_ = true;
    FormelbereichUmschalten();
    if (leer) return;
    aktuell_ = 0;
    if (aktuell()->Formelmodus) FormelbereichUmschalten();
    if (flaechen) nummerSchreiben(nummerText(bauteilNummer_));
    EintragAnzeigen();
}

void TFlaechenVolumenDialog::steuerungFreigeben(bool an) {
    if (!an) {
        nummerSchreiben("");
        variablen_->SetText("");
        formel_->SetText("");
    }
    for (int id : {int(IDC_KOPIEREN), int(IDC_LOESCHEN), int(IDC_FORMEL_AN),
                   int(IDC_FORMEL_LOESCHEN), int(IDC_NUMMER), int(IDC_VARIABLEN), int(IDC_FORMEL),
                   int(IDC_FORMELSAMMLUNG), int(IDC_BERECHNEN)})
        if (auto* w = GetDlgItem(id)) w->EnableWindow(an);
}

void TFlaechenVolumenDialog::nummerSchreiben(const std::string& text) {
    nummerSchreiben_ = true;
    nummer_->SetText(text);
    nummer_->ClearModify();
    nummerSchreiben_ = false;
}

void TFlaechenVolumenDialog::ergebnis(const std::string& text) {
    if (auto* s = Item<TStatic>(IDC_ERGEBNIS)) s->SetText(text);
}

bool TFlaechenVolumenDialog::grad() const {
    auto* g = Item<TCheckBox>(IDC_GRAD);
    return g && g->GetCheck() == BF_CHECKED;
}

void TFlaechenVolumenDialog::gradSetzen(bool an) {
    if (auto* g = Item<TCheckBox>(IDC_GRAD)) g->SetCheck(an ? BF_CHECKED : BF_UNCHECKED);
    if (auto* r = Item<TCheckBox>(IDC_RADIANT)) r->SetCheck(an ? BF_UNCHECKED : BF_CHECKED);
}

void TFlaechenVolumenDialog::ListeFuellen() {
    liste_->DeleteAll();
    int i = 0;
    for (const TDimVolumen& d : eintraege_) {
        const int z = liste_->AddItem(
            modus_ == Volumen
                ? nummerText(int32_t(d.Wert3))
                : (bauteilNummer_ ? std::to_string(bauteilNummer_) + "." + std::to_string(i + 1)
                                  : std::string()));
        liste_->SetCellText(z, 1, d.Name);
        liste_->SetCellText(z, 2, ListenWertText(d.Wert));
        ++i;
    }
    if (auswahl_ >= 0) {
        liste_->SelectItem(auswahl_);
        liste_->EnsureVisible(auswahl_);
    }
    SummeAnzeigen();
}

void TFlaechenVolumenDialog::SummeAnzeigen() {
    double summe = 0.0;
    for (const TDimVolumen& d : eintraege_) summe += d.Wert;
    if (auto* s = Item<TStatic>(IDC_SUMME)) s->SetText(ErgebnisText(summe));
}

void TFlaechenVolumenDialog::FormelbereichUmschalten() {
    TRect r = GetWindowRect();
    r.bottom = r.top + (formelGezeigt_ ? kurzeHoehe_ : volleHoehe_);
    formelGezeigt_ = !formelGezeigt_;
    if (IsCreated() && kurzeHoehe_ > 0 && volleHoehe_ > kurzeHoehe_) MoveWindow(r);
}

void TFlaechenVolumenDialog::formelbereichFolgen() {
    const bool formel = aktuell() && aktuell()->Formelmodus;
    if (formelGezeigt_ != formel) FormelbereichUmschalten();
}

void TFlaechenVolumenDialog::wertInZelle() {
    if (const TDimVolumen* d = aktuell()) liste_->SetCellText(aktuell_, 2, ListenWertText(d->Wert));
}

void TFlaechenVolumenDialog::AuswahlGeaendert() {
    const int neu = liste_->GetSelectedItem();
    if (neu >= 0 && aktuell()) {
        // A formula without a value would leave 0 behind without a word:
        // it speaks as "Berechnen" does, and the record keeps its edits.
        if (!EintragUebernehmen(Rechnung::MussGelingen)) {
            liste_->SelectItem(aktuell_);
            return;
        }
        SummeAnzeigen();
    }
    auswahl_ = neu;
    aktuell_ = neu;
    if (!aktuell()) return;
    formelbereichFolgen();
    EintragAnzeigen();
}

void TFlaechenVolumenDialog::nummerLesen() {
    const int32_t n = DecimalTextToLong(anfang(nummer_->GetText(), 9));
    if (modus_ == Flaechen)
        bauteilNummer_ = n;
    else if (TDimVolumen* d = aktuell())
        d->Wert3 = uint32_t(n);
}

void TFlaechenVolumenDialog::nummerGeaendert() {
    if (nummerSchreiben_) return;
    nummerLesen();
    if (modus_ == Flaechen) ListeFuellen();
}

void TFlaechenVolumenDialog::CmNeu() {
    if (aktuell() && formelGezeigt_) {
        if (!EintragUebernehmen(Rechnung::MussGelingen)) return;
        CmBerechnen();
    }
    auto d = std::make_unique<TDimVolumen>();
    const size_t anzahl = eintraege_.GetItemsInContainer();
    d->Name = (modus_ == Volumen ? "Volumen " : "Fläche ") + std::to_string(anzahl + 1);
    d->Nummer = uint16_t(anzahl);
    d->Wert3 = 0;
    if (formelGezeigt_) d->Formelmodus = 1;
    eintraege_.Add(std::move(d));
    auswahl_ = aktuell_ = int(anzahl);
    const int z =
        liste_->AddItem(modus_ == Flaechen && bauteilNummer_ >= 1
                            ? std::to_string(bauteilNummer_) + "." + std::to_string(anzahl + 1)
                            : std::string());
    liste_->SetCellText(z, 1, aktuell()->Name);
    liste_->SetCellText(z, 2, "0");
    liste_->SelectItem(z);
    liste_->EnsureVisible(z);
    EintragAnzeigen();
    if (eintraege_.GetItemsInContainer() == 1) steuerungFreigeben(true);
}

void TFlaechenVolumenDialog::CmKopieren() {
    const int index = liste_->GetSelectedItem();
    if (!eintrag(index)) return;
    aktuell_ = auswahl_ = index;
    if (formelGezeigt_) {
        if (!EintragUebernehmen(Rechnung::MussGelingen)) return;
        CmBerechnen();
    }
    auto kopie = std::make_unique<TDimVolumen>(*aktuell());
    const size_t anzahl = eintraege_.GetItemsInContainer();
    kopie->Nummer = uint16_t(anzahl);
    eintraege_.Add(std::move(kopie));
    auswahl_ = aktuell_ = int(anzahl);
    ListeFuellen();
    EintragAnzeigen();
}

void TFlaechenVolumenDialog::CmLoeschen() {
    const TDimVolumen* weg = eintrag(auswahl_);
    if (!weg) return;
    const bool flaechen = modus_ == Flaechen;
    if (MessageBox(flaechen ? "Markierte Fläche wird gelöscht" : "Markiertes Volumen wird gelöscht",
                   flaechen ? "Fläche löschen" : "Volumen löschen",
                   MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    const int index = auswahl_;
    eintraege_.Detach([weg](const TDimVolumen& d) { return &d == weg; });
    // The records after it move up one place: positions stay 0 to n - 1.
    int i = 0;
    for (TDimVolumen& d : eintraege_)
        if (i++ >= index) --d.Nummer;
    liste_->DeleteItem(index);
    aktuell_ = -1; // its edits went with it
    if (flaechen) ListeFuellen();
    SummeAnzeigen();
    if (eintraege_.IsEmpty()) {
        steuerungFreigeben(false);
        ergebnis("");
        auswahl_ = -1;
        if (formelGezeigt_) FormelbereichUmschalten();
        return;
    }
    auswahl_ = aktuell_ = std::max(index - 1, 0);
    liste_->SelectItem(auswahl_);
    liste_->EnsureVisible(auswahl_);
    formelbereichFolgen();
    EintragAnzeigen();
}

void TFlaechenVolumenDialog::CmBerechnen() {
    FormelBerechnen(true);
    wertInZelle();
    SummeAnzeigen();
}

void TFlaechenVolumenDialog::CmOk() {
    auto* ok = GetDlgItem(IDOK);
    if (liste_->IsEditing() && !(ok && ok->HasFocus())) {
        // Enter while a cell is edited ends the edit, not the dialog.
        ZelleBeenden();
        liste_->SetFocus();
        return;
    }
    // A formula without a value would set it to 0 without a word.
    if (!EintragUebernehmen(Rechnung::MussGelingen)) return;
    EndDialog(IDOK);
}

void TFlaechenVolumenDialog::ZelleBearbeiten() {
    const int z = liste_->GetCaret();
    const int spalte = liste_->GetLastClickedColumn();
    const TDimVolumen* d = eintrag(z);
    if (!d || spalte < 0 || spalte > 2) return;
    if (spalte == 0 && modus_ == Flaechen) return;
    if (spalte == 2 && d->Formelmodus) return;
    TTreeEditorStyle stil;
    stil.textLimit = spalte == 1 ? unsigned(TDimVolumen::kNameWidth) : 80;
    if (spalte == 2)
        stil.validator = std::make_shared<TDoubleValidator2>(-kWertGrenze, kWertGrenze);
    liste_->OpenEditor(z, spalte, stil);
}

void TFlaechenVolumenDialog::ZelleBeenden() {
    if (!liste_->IsEditing()) return;
    const int z = liste_->EditItem();
    const int spalte = liste_->EditColumn();
    std::string text = anfang(liste_->GetEditorText(), 79);
    std::string fehler;
    double wert = 0.0;
    if (spalte == 2) {
        std::string zahl = text;
        for (char& c : zahl)
            if (c == ',') c = '.';
        const size_t start = zahl.find_first_not_of(" +");
        const char* von = zahl.data() + std::min(start, zahl.size());
        std::from_chars(von, zahl.data() + zahl.size(), wert);
        text = FormelZahlText(wert);
        if (!(wert >= -kWertGrenze && wert <= kWertGrenze))
            fehler = "Wert ist nicht im Bereich zwischen\n\n" + ganz(-kWertGrenze) + " und " +
                     ganz(kWertGrenze) + "!";
    } else if (spalte == 1 && text.empty()) {
        fehler = "Geben Sie einen Namen ein!";
    }
    if (!fehler.empty()) {
        MessageBox(fehler, "Eingabe-Prüfung", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
        if (auto* e = liste_->GetEditor()) e->SetFocus();
        return;
    }
    liste_->SetCellText(z, spalte, text);
    liste_->CloseEditor();
    TDimVolumen* d = eintrag(z);
    if (!d) return;
    if (spalte == 0) {
        d->Wert3 = uint32_t(DecimalTextToLong(text));
    } else if (spalte == 1) {
        d->Name = anfang(text, 29);
    } else {
        d->Wert = wert;
        SummeAnzeigen();
    }
}

void TFlaechenVolumenDialog::kontextmenue() {
    liste_->SendMessage(WM_CANCELMODE);
    TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
}
