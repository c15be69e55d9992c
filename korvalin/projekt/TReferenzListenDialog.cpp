#include "korvalin/projekt/TReferenzListenDialog.h"

#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Menu.h"
#include "platform/window/Picture.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"

#include <algorithm>

namespace {

constexpr const char* kPruefung = "Eingabe-Prüfung";
constexpr size_t kNameZeichen = 39;

// The user's entries carry a small pencil.
void anwenderBildRegistrieren(int id) {
    const TColor stift(0, 0, 128);
    TPicture bild;
    bild.AddPolygon({{3, 12}, {11, 4}, {13, 6}, {5, 14}}, stift, TColor(255, 255, 0));
    bild.AddLine({3, 12}, {2, 15}, stift);
    RegisterPicture(id, bild);
}

} // namespace

template <class T>
TReferenzListenDialog<T>::TReferenzListenDialog(TWindow* parent, const char* caption,
                                                TReferenzListenTexte texte,
                                                const std::filesystem::path& verzeichnis,
                                                int breite)
    : TDialog(
          parent,
          TDialogResource{
              caption,
              {breite, 170},
              {
                  {TControlKind::Custom, IDC_LISTE, "", {6, 6, breite - 6, 136}},
                  {TControlKind::Button, IDC_NEU, "&Neu", {6, 144, 50, 158}},
                  {TControlKind::Button, IDC_LOESCHEN, "&Löschen", {54, 144, 98, 158}},
                  {TControlKind::Button, IDC_VERWENDEN, "&Verwenden", {102, 144, 152, 158}},
                  {TControlKind::DefButton, IDOK, "OK", {160, 144, 204, 158}},
                  {TControlKind::Button, IDCANCEL, "Abbrechen", {208, 144, 252, 158}},
                  {TControlKind::Button, IDC_HILFE, "&Hilfe", {breite - 44, 144, breite - 6, 158}},
              }}),
      texte_(texte), sammlung_(std::make_unique<TReferenzSammlung<T>>(verzeichnis)),
      liste_(new TSftTree(this, IDC_LISTE)),
      menue_(std::make_unique<TMenu>(std::vector<TMenuResource>{
          MenuPopup("Liste", {MenuItem(CM_NEU, "Neu"), MenuItem(CM_LOESCHEN, "Löschen"),
                              MenuItem(CM_VERWENDEN, "Verwenden")})})) {
    anwenderBildRegistrieren(kBildAnwender);
    auto& r = Responses();
    for (int id : {int(IDC_NEU), int(CM_NEU)}) r.Command(id, [this] { NeuerEintrag(); });
    for (int id : {int(IDC_LOESCHEN), int(CM_LOESCHEN)})
        r.Command(id, [this] { EintragLoeschen(); });
    for (int id : {int(IDC_VERWENDEN), int(CM_VERWENDEN)})
        r.Command(id, [this] { EintragVerwenden(); });
    r.Command(IDC_HILFE,
              [this] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, texte_.Hilfe); });
    r.Notify(IDC_LISTE, TN_CELLACTIVATE, [this] { EditBeginnen(); });
    r.Notify(IDC_LISTE, TN_EDITCANCEL, [this] { EditAbbrechen(); });
    r.Notify(IDC_LISTE, TN_EDITEND, [this] { EditBeenden(); });
    r.Notify(IDC_LISTE, TN_SELCHANGE, [this] { nehmen(); });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] {
        liste_->SendMessage(WM_CANCELMODE);
        TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
    });
}

template <class T>
TReferenzListenDialog<T>::~TReferenzListenDialog() = default;

template <class T>
void TReferenzListenDialog<T>::SetupWindow() {
    TDialog::SetupWindow();
    const std::string liste = texte_.Liste;
    for (int art : {1, 2}) {
        const int code = sammlung_->Oeffnen(art);
        if (code != 0 && code != -1) continue;
        MessageBox(std::string("Fehler bei Datei öffnen. \n") + (art == 1 ? "QTX-" : "Anwender-") +
                       liste + "liste steht nicht zur Verfügung!" +
                       (code == 0 ? "Falsches Dateiformat!" : "Falsche Versionsnummer"),
                   "Ortliste öffnen", MB_OK | MB_ICONEXCLAMATION);
    }
    liste_->SetClickCodes(TTreeClickCodes::DoubleClicks);
    liste_->SetColumns(Spalten());
    liste_->SetBackgroundColor(TColor::White);
    fuellen();
    zeileWaehlen(0);
}

template <class T>
void TReferenzListenDialog<T>::fuellen() {
    liste_->DeleteAll();
    const auto& eintraege = sammlung_->Liste();
    const int spalten = int(liste_->GetColumns().size());
    for (const T& e : eintraege) {
        const int zeile = liste_->AddItem(Zelle(e, 0));
        for (int s = 1; s < spalten; ++s) liste_->SetCellText(zeile, s, Zelle(e, s));
        if (e.Quelle == QuelleAnwender) liste_->SetCellPicture(zeile, 0, kBildAnwender);
    }
}

template <class T>
void TReferenzListenDialog<T>::zeileWaehlen(int zeile) {
    const int anzahl = int(sammlung_->Liste().size());
    zeile = anzahl == 0 ? -1 : std::clamp(zeile, 0, anzahl - 1);
    if (zeile >= 0) {
        liste_->SelectItem(zeile);
        liste_->EnsureVisible(zeile);
    }
    nehmen();
}

template <class T>
void TReferenzListenDialog<T>::nehmen() {
    const int zeile = liste_->GetCaret();
    if (zeile < 0 || size_t(zeile) >= sammlung_->Liste().size()) return;
    zeile_ = zeile;
    gewaehlt_ = sammlung_->Liste()[size_t(zeile)];
}

template <class T>
int TReferenzListenDialog<T>::zeileVon(const std::string& name) const {
    T probe;
    probe.Name = name;
    const auto& l = sammlung_->Liste();
    const auto it = std::find(l.begin(), l.end(), probe);
    return it == l.end() ? -1 : int(it - l.begin());
}

template <class T>
bool TReferenzListenDialog<T>::nameVergeben(const std::string& name) const {
    return zeileVon(name) >= 0;
}

template <class T>
void TReferenzListenDialog<T>::NeuerEintrag() {
    std::string name;
    for (;;) {
        const auto text = Input().InputBox(texte_.NeuTitel, "Name", name, kNameZeichen);
        if (!text) return;
        name = *text; // the input keeps to the file's 39 characters
        if (name.empty()) {
            MessageBox(texte_.NameFehlt, kPruefung, MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        if (nameVergeben(name)) {
            MessageBox(texte_.EinfuegenDoppelt, kPruefung, MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        break;
    }
    T neu;
    neu.Name = name;
    neu.Quelle = QuelleAnwender;
    sammlung_->Einfuegen(neu);
    geaendert_ = true;
    fuellen();
    zeileWaehlen(zeileVon(name));
}

template <class T>
void TReferenzListenDialog<T>::EintragLoeschen() {
    nehmen();
    if (zeile_ < 0) return;
    if (gewaehlt_.Quelle != QuelleAnwender) {
        MessageBox("Aktion nicht möglich! \nSie können nur selbstdefinierte Einträge löschen!",
                   texte_.LoeschenTitel, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The row itself goes, not the first entry of that name.
    auto& l = sammlung_->Liste();
    l.erase(l.begin() + zeile_);
    geaendert_ = true;
    const int oben = std::max(0, zeile_ - 1);
    zeile_ = -1;
    fuellen();
    zeileWaehlen(oben);
}

template <class T>
void TReferenzListenDialog<T>::EintragVerwenden() {
    Verwenden = true;
    CmOk();
}

template <class T>
void TReferenzListenDialog<T>::EditBeginnen() {
    nehmen();
    const int zeile = liste_->GetCaret();
    const int spalte = liste_->GetLastClickedColumn();
    if (zeile < 0 || zeile != zeile_ || gewaehlt_.Quelle != QuelleAnwender) return;
    const auto stil = Editor(gewaehlt_, spalte);
    if (!stil) return;
    liste_->EnsureVisible(zeile);
    liste_->EnsureColumnVisible(spalte);
    liste_->OpenEditor(zeile, spalte, *stil);
}

template <class T>
void TReferenzListenDialog<T>::EditAbbrechen() {
    if (!liste_->IsEditing()) return;
    const bool fokus = liste_->GetEditor() && liste_->GetEditor()->HasFocus();
    liste_->CloseEditor();
    if (fokus) liste_->SetFocus();
}

template <class T>
void TReferenzListenDialog<T>::EditBeenden() {
    if (!liste_->IsEditing()) return;
    const int zeile = liste_->EditItem();
    const int spalte = liste_->EditColumn();
    const std::string text = liste_->GetEditorText();
    if (zeile != zeile_ || size_t(zeile) >= sammlung_->Liste().size()) {
        liste_->CloseEditor();
        return;
    }
    if (text.empty() && WertFehlt(spalte)) {
        MessageBox(WertFehlt(spalte), kPruefung, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
        if (auto* e = liste_->GetEditor()) e->SetFocus();
        return;
    }
    T kopie = gewaehlt_;
    if (!Uebernehmen(kopie, spalte, text)) kopie = gewaehlt_;
    auto& l = sammlung_->Liste();
    l.erase(l.begin() + zeile);
    if (spalte == 0 && nameVergeben(kopie.Name)) {
        MessageBox(texte_.AendernDoppelt, kPruefung, MB_OK | MB_ICONEXCLAMATION);
        kopie = gewaehlt_;
    }
    liste_->CloseEditor();
    sammlung_->Einfuegen(kopie);
    geaendert_ = true;
    fuellen();
    zeileWaehlen(zeileVon(kopie.Name));
}

template <class T>
void TReferenzListenDialog<T>::CmOk() {
    auto* ok = GetDlgItem(IDOK);
    if (liste_->IsEditing() && !(ok && ok->HasFocus())) {
        EditBeenden();
        liste_->SetFocus();
        return;
    }
    // The user's file must hold what the list shows: a failed write keeps
    // the dialog open with every change. Unchanged, it is not touched.
    if (geaendert_ && !sammlung_->Speichern(2)) {
        MessageBox("Fehler beim Speichern der " + std::string(texte_.Liste) + "liste:\n" +
                       sammlung_->LetzterFehler(),
                   "Speichern", MB_OK | MB_ICONEXCLAMATION);
        Verwenden = false;
        return;
    }
    EndDialog(IDOK);
}

template class TReferenzListenDialog<TOrt>;
template class TReferenzListenDialog<TBrennstoff>;
