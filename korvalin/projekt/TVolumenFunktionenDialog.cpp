#include "korvalin/projekt/TVolumenFunktionenDialog.h"

#include "korvalin/projekt/BaumKnoepfe.h"
#include "korvalin/projekt/StandardFormeln.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Application.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TFormelSammlung.h"

#include <algorithm>

namespace {

using K = TControlKind;
constexpr uint32_t kWarnung = MB_OK | MB_ICONEXCLAMATION;
constexpr int kGruppen[] = {0, 13, 19, kEigeneFunktionen};
constexpr int kHilfeKontext = 1130;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Formelsammlung";
    r.size = {320, 212};
    r.controls = {
        {K::Custom, 102, "", {7, 7, 313, 172}},
        {K::Button, 515, "", {7, 176, 19, 188}},
        {K::Button, 511, "", {22, 176, 34, 188}},
        {K::Button, 103, "&Neu", {44, 176, 94, 190}},
        {K::Button, 110, "&Löschen", {98, 176, 148, 190}},
        {K::Button, 105, "&Formel verwenden", {152, 176, 232, 190}},
        {K::DefButton, IDOK, "OK", {7, 194, 57, 208}},
        {K::Button, IDCANCEL, "Abbrechen", {61, 194, 111, 208}},
        {K::Button, IDHELP, "&Hilfe", {115, 194, 165, 208}},
    };
    return r;
}

// The text up to the first line break, and whether it went on.
std::pair<std::string, bool> ersteZeile(const std::string& text) {
    const size_t ende = text.find_first_of("\r\n");
    if (ende == std::string::npos) return {text, false};
    return {text.substr(0, ende), true};
}

} // namespace

bool FormelnameVergeben(const TFormelSammlung& sammlung, const std::string& name, int ausser) {
    const auto& l = sammlung.Liste();
    for (size_t i = 0; i < l.size(); ++i)
        if (int(i) != ausser && l[i].Name == name) return true;
    return false;
}

std::optional<std::string> FormelnameErfragen(const TFormelSammlung& sammlung) {
    for (;;) {
        auto name = Input().InputBox("Formelname eingeben ", "Name", "", 49);
        if (!name) return std::nullopt;
        if (name->empty()) {
            MessageBox("Geben Sie einen Formelnamen ein!", "Eingabe-Prüfung", kWarnung);
            continue;
        }
        // Edit and delete find a formula by its row, but the calculator and
        // the user tell them apart by name only.
        if (FormelnameVergeben(sammlung, *name)) {
            MessageBox("Eine Formel mit dem Namen \"" + *name +
                           "\" gibt es schon.\nGeben Sie einen anderen Namen ein!",
                       "Eingabe-Prüfung", kWarnung);
            continue;
        }
        return name;
    }
}

TVolumenFunktionenDialog::TVolumenFunktionenDialog(TWindow* parent, int)
    : TDialog(parent, ressource()), baum_(new TSftTree(this, IDC_BAUM)),
      sammlung_(std::make_unique<TFormelSammlung>(Korpus().Programmverzeichnis)),
      menue_(std::make_unique<TMenu>(std::vector<TMenuResource>{
          MenuPopup("Funktionen bearbeiten",
                    {MenuItem(CM_FORMEL_NEU, "Neu"), MenuItem(CM_FORMEL_LOESCHEN, "Löschen"),
                     MenuItem(CM_FORMEL_VERWENDEN, "Formel verwenden")})})) {
    auto& r = Responses();
    r.Command(IDHELP, [] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, kHilfeKontext); });
    for (int id : {int(IDC_NEU), int(CM_FORMEL_NEU)}) r.Command(id, [this] { CmNeu(); });
    for (int id : {int(IDC_LOESCHEN), int(CM_FORMEL_LOESCHEN)})
        r.Command(id, [this] { CmLoeschen(); });
    for (int id : {int(IDC_VERWENDEN), int(CM_FORMEL_VERWENDEN)})
        r.Command(id, [this] { CmFormelVerwenden(); });
    r.CommandEnable(CM_FORMEL_LOESCHEN,
                    [this](TCommandEnabler& ce) { ce.Enable(auswahl() >= kErsteEigene); });
    r.CommandEnable(CM_FORMEL_VERWENDEN, [this](TCommandEnabler& ce) {
        ce.Enable(auswahl() >= 0 && !IstFormelGruppe(auswahl()));
    });
    r.Command(kBildAlleZu, [this] { gruppenSetzen(false); });
    r.Command(kBildAlleAuf, [this] { gruppenSetzen(true); });
    r.Notify(IDC_BAUM, TN_EXPANDBUTTON, [this] { umschalten(); });
    r.Notify(IDC_BAUM, TN_EXPANDKEY, [this] { umschalten(); });
    r.Notify(IDC_BAUM, TN_SELCHANGE, [this] { AuswahlGeaendert(); });
    r.Notify(IDC_BAUM, TN_CELLACTIVATE, [this] { ZelleBearbeiten(); });
    r.Notify(IDC_BAUM, TN_CELLDBLCLICK, [this] { CmFormelVerwenden(); });
    r.Notify(IDC_BAUM, TN_EDITCANCEL, [this] {
        const bool fokus = baum_->GetEditor() && baum_->GetEditor()->HasFocus();
        baum_->CloseEditor();
        if (fokus) baum_->SetFocus();
    });
    r.Notify(IDC_BAUM, TN_EDITEND, [this] { ZelleBeenden(); });
    r.Notify(IDC_BAUM, TN_RIGHTCLICK, [this] { kontextmenue(); });
}

TVolumenFunktionenDialog::~TVolumenFunktionenDialog() = default;

void TVolumenFunktionenDialog::SetupWindow() {
    TDialog::SetupWindow();
    BaumKnoepfeBebildern(*this, {{kBildAlleZu, kBildAlleZu}, {kBildAlleAuf, kBildAlleAuf}});
    gruppen_.fill(false);
    const int r = sammlung_->Oeffnen();
    const char* const kopf = "Fehler bei Datei öffnen. \nAnwenderformelsammlung steht nicht zur "
                             "Verfügung!";
    if (r == 0)
        MessageBox(std::string(kopf) + "Falsches Dateiformat!", "Formelsammlung öffnen", kWarnung);
    else if (r == -1)
        MessageBox(std::string(kopf) + "Falsche Versionsnummer", "Formelsammlung öffnen", kWarnung);
    // A missing file is written by OK even when nothing was added.
    geaendert_ = r == -2;

    baum_->SetClickCodes(TTreeClickCodes::DoubleClicks);
    baum_->SetColumns({{170, TTreeColumn::Left, "Name"},
                       {230, TTreeColumn::Left, "Formel"},
                       {-1, TTreeColumn::Left, "Variablen"}});
    baum_->SetBackgroundColor(TColor::White);
    BaumFuellen();
    zeileAuswaehlen(0);
}

int TVolumenFunktionenDialog::auswahl() const {
    return baum_->GetSelectedItem();
}

void TVolumenFunktionenDialog::zeileSetzen(int zeile, const std::string& formel,
                                           const std::string& variablen) {
    const std::string* texte[] = {&formel, &variablen};
    for (int spalte = 1; spalte <= 2; ++spalte) {
        const auto [text, mehr] = ersteZeile(*texte[spalte - 1]);
        baum_->SetCellText(zeile, spalte, text);
        baum_->SetCellPicture(zeile, spalte, mehr ? kBildMehrzeilig : 0);
    }
}

void TVolumenFunktionenDialog::BaumFuellen() {
    baum_->DeleteAll();
    for (int zeile = 0; zeile < kEigeneFunktionen; ++zeile) {
        if (IstFormelGruppe(zeile)) {
            baum_->AddItem(FormelGruppenName(zeile));
            continue;
        }
        const int z = baum_->AddItem(StandardFormelText(StandardFormelTextId(zeile, 0)));
        baum_->SetLevel(z, 1);
        zeileSetzen(z, StandardFormelText(StandardFormelTextId(zeile, 1)),
                    StandardFormelText(StandardFormelTextId(zeile, 2)));
    }
    baum_->AddItem(FormelGruppenName(kEigeneFunktionen));
    for (const TFormel& f : sammlung_->Liste()) {
        const int z = baum_->AddItem(f.Name);
        baum_->SetLevel(z, 1);
        zeileSetzen(z, f.Formel, f.Definitionen);
    }
    for (size_t g = 0; g < gruppen_.size(); ++g) baum_->Expand(kGruppen[g], gruppen_[g]);
}

void TVolumenFunktionenDialog::zeileAuswaehlen(int zeile) {
    baum_->SelectItem(zeile);
    baum_->EnsureVisible(zeile);
    AuswahlGeaendert();
}

void TVolumenFunktionenDialog::KnoepfeSetzen() {
    const int z = auswahl();
    const bool gruppe = z < 0 || IstFormelGruppe(z);
    if (auto* w = GetDlgItem(IDC_LOESCHEN)) w->EnableWindow(!gruppe && z >= kErsteEigene);
    if (auto* w = GetDlgItem(IDC_VERWENDEN)) w->EnableWindow(!gruppe);
}

void TVolumenFunktionenDialog::AuswahlGeaendert() {
    KnoepfeSetzen();
    const int z = auswahl();
    if (z >= kErsteEigene) {
        const auto& l = sammlung_->Liste();
        if (size_t(z - kErsteEigene) < l.size()) Formel = l[size_t(z - kErsteEigene)];
    } else if (z >= 0 && !IstFormelGruppe(z)) {
        // The angle unit stays: the built-in formulas convert degrees themselves.
        Formel.Name = StandardFormelText(StandardFormelTextId(z, 0));
        Formel.Formel = StandardFormelText(StandardFormelTextId(z, 1));
        Formel.Definitionen = StandardFormelText(StandardFormelTextId(z, 2));
    }
}

void TVolumenFunktionenDialog::umschalten() {
    const int z = baum_->GetCaret();
    if (z < 0) return;
    const bool auf = !baum_->IsExpanded(z);
    baum_->Expand(z, auf, IsKeyDown(VK_CONTROL));
    const auto* g = std::find(std::begin(kGruppen), std::end(kGruppen), z);
    if (g != std::end(kGruppen)) gruppen_[size_t(g - std::begin(kGruppen))] = auf;
}

void TVolumenFunktionenDialog::gruppenSetzen(bool auf) {
    gruppen_.fill(auf);
    BaumFuellen();
    zeileAuswaehlen(0);
}

void TVolumenFunktionenDialog::CmNeu() {
    const auto name = FormelnameErfragen(*sammlung_);
    if (!name) return;
    TFormel f;
    f.Name = *name;
    sammlung_->Einfuegen(f);
    geaendert_ = true;
    const auto& l = sammlung_->Liste();
    const auto k =
        std::find_if(l.begin(), l.end(), [&](const TFormel& x) { return x.Name == *name; });
    gruppen_[3] = true;
    BaumFuellen();
    zeileAuswaehlen(kErsteEigene + int(k - l.begin()));
}

void TVolumenFunktionenDialog::CmLoeschen() {
    const int z = auswahl();
    auto& l = sammlung_->Liste();
    if (z < kErsteEigene || size_t(z - kErsteEigene) >= l.size()) return;
    // The chosen row, also where an older file holds a name twice.
    l.erase(l.begin() + (z - kErsteEigene));
    geaendert_ = true;
    baum_->DeleteItem(z);
    zeileAuswaehlen(z - 1);
}

void TVolumenFunktionenDialog::CmFormelVerwenden() {
    const int z = auswahl();
    if (z < 0 || StandardFormelTextId(z, 0) == -1) return;
    if (!speichern()) return;
    Verwenden = true;
    EndDialog(IDOK);
}

bool TVolumenFunktionenDialog::speichern() {
    if (!geaendert_) return true;
    if (sammlung_->Speichern() == 0) {
        MessageBox("Die Formelsammlung konnte nicht gespeichert werden.\n" +
                       sammlung_->LetzterFehler(),
                   "Formelsammlung speichern", kWarnung);
        return false;
    }
    geaendert_ = false;
    return true;
}

void TVolumenFunktionenDialog::CmOk() {
    if (baum_->IsEditing()) {
        auto* ok = GetDlgItem(IDOK);
        if (!ok || !ok->HasFocus()) {
            ZelleBeenden();
            baum_->SetFocus();
            return;
        }
    }
    if (speichern()) EndDialog(IDOK);
}

void TVolumenFunktionenDialog::ZelleBearbeiten() {
    const int z = baum_->GetCaret();
    const int spalte = baum_->GetLastClickedColumn();
    if (z < 0 || spalte < 0 || spalte > 2 || IstFormelGruppe(z)) return;
    std::string text;
    if (z < kEigeneFunktionen)
        text = StandardFormelText(StandardFormelTextId(z, spalte));
    else
        text = spalte == 0 ? Formel.Name : spalte == 1 ? Formel.Formel : Formel.Definitionen;
    TTreeEditorStyle stil;
    stil.kind = spalte == 0 ? TTreeEditorStyle::SingleLine : TTreeEditorStyle::MultiLine;
    stil.textLimit = spalte == 0 ? 50 : 2048;
    // Built-in texts are shown whole, to be read, not changed.
    stil.readOnly = z < kEigeneFunktionen;
    if (!baum_->OpenEditor(z, spalte, stil)) return;
    baum_->SetEditorText(text);
}

void TVolumenFunktionenDialog::ZelleBeenden() {
    if (!baum_->IsEditing()) return;
    const int z = baum_->EditItem();
    const int spalte = baum_->EditColumn();
    const size_t index = size_t(z - kErsteEigene);
    auto& l = sammlung_->Liste();
    if (z < kErsteEigene || index >= l.size()) {
        baum_->CloseEditor();
        return;
    }
    const std::string text = baum_->GetEditorText();
    if (spalte == 0 && (text.empty() || FormelnameVergeben(*sammlung_, text, int(index)))) {
        MessageBox(text.empty() ? std::string("Geben Sie einen Formelnamen ein!")
                                : "Eine Formel mit dem Namen \"" + text +
                                      "\" gibt es schon.\nGeben Sie einen anderen Namen ein!",
                   "Eingabe-Prüfung", kWarnung | MB_TASKMODAL);
        if (auto* e = baum_->GetEditor()) e->SetFocus();
        return;
    }
    baum_->CloseEditor();
    TFormel kopie = l[index];
    (spalte == 0 ? kopie.Name : spalte == 1 ? kopie.Formel : kopie.Definitionen) = text;
    if (spalte == 0) {
        // The edited row leaves the list, not the first of its name, and
        // goes back in its place by the new name.
        l.erase(l.begin() + ptrdiff_t(index));
        sammlung_->Einfuegen(kopie);
    } else {
        l[index] = kopie;
    }
    geaendert_ = true;
    Formel = kopie;
    if (spalte == 0) {
        const auto k = std::find_if(l.begin(), l.end(),
                                    [&](const TFormel& x) { return x.Name == kopie.Name; });
        gruppen_[3] = true;
        BaumFuellen();
        zeileAuswaehlen(kErsteEigene + int(k - l.begin()));
    } else {
        baum_->SetCellText(z, 0, kopie.Name);
        zeileSetzen(z, kopie.Formel, kopie.Definitionen);
    }
}

void TVolumenFunktionenDialog::kontextmenue() {
    baum_->SendMessage(WM_CANCELMODE);
    TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
}
