#include "korvalin/projekt/TVariantenManagerDialog.h"

#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Edit.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TGesamtProjekt.h"

namespace {

using K = TControlKind;
constexpr const char* kEndungen[] = {".pb", ".fb", ".eb"};

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Varianten";
    r.size = {250, 190};
    r.controls = {
        {K::GroupBox, -1, "Varianten", {7, 4, 243, 92}},
        {K::Custom, 200, "", {12, 14, 188, 88}},
        {K::Button, 107, "&Kopieren", {192, 14, 238, 28}},
        {K::Button, 103, "&Löschen", {192, 32, 238, 46}},
        {K::GroupBox, -1, "Ausgewählte Variante", {7, 96, 243, 166}},
        {K::Static, -1, "Kommentar", {12, 106, 100, 114}},
        {K::Edit, 108, "", {12, 116, 238, 162}, true},
        {K::DefButton, IDOK, "OK", {7, 170, 57, 184}},
        {K::Button, IDHELP, "&Hilfe", {61, 170, 111, 184}},
    };
    return r;
}

// Pieces of at most n characters, cut between characters.
std::vector<std::string> stuecke(const std::string& text, size_t n) {
    std::vector<std::string> teile;
    size_t zeichen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool anfang = (uint8_t(text[i]) & 0xC0) != 0x80;
        if (anfang && zeichen++ % n == 0) teile.emplace_back();
        teile.back().push_back(text[i]);
    }
    return teile;
}

void info(const char* text) {
    MessageBox(text, "Info", MB_OK);
}

} // namespace

TVariantenManagerDialog::TVariantenManagerDialog(TWindow* parent)
    : TDialog(parent, ressource()), liste_(new TSftTree(this, IDC_LISTE)),
      kommentar_(new TEdit(this, IDC_KOMMENTAR, 0, true)),
      menue_(std::make_unique<TMenu>(std::vector<TMenuResource>{
          MenuPopup("Varianten", {MenuItem(CM_VARIANTE_KOPIEREN, "Kopieren"),
                                  MenuItem(CM_VARIANTE_LOESCHEN, "Löschen")})})) {
    auto& r = Responses();
    r.Command(IDHELP, [] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1124); });
    for (int id : {int(IDC_KOPIEREN), int(CM_VARIANTE_KOPIEREN)})
        r.Command(id, [this] { Kopieren(); });
    for (int id : {int(IDC_LOESCHEN), int(CM_VARIANTE_LOESCHEN)})
        r.Command(id, [this] { Loeschen(); });
    r.CommandEnable(CM_VARIANTE_LOESCHEN, [this](TCommandEnabler& ce) {
        ce.Enable(projekt().Projekte.GetItemsInContainer() > 1);
    });
    r.Notify(IDC_LISTE, TN_SELCHANGE, [this] { Waehlen(); });
    r.Notify(IDC_LISTE, TN_RIGHTCLICK, [this] { kontextmenue(); });
    r.Notify(IDC_LISTE, TN_CELLACTIVATE, [this] { UmbenennenBeginnen(); });
    r.Notify(IDC_LISTE, TN_EDITEND, [this] { UmbenennenBeenden(); });
    r.Notify(IDC_LISTE, TN_EDITCANCEL, [this] {
        const bool fokus = liste_->GetEditor() && liste_->GetEditor()->HasFocus();
        liste_->CloseEditor();
        if (fokus) liste_->SetFocus();
    });
}

TVariantenManagerDialog::~TVariantenManagerDialog() = default;

TGesamtProjekt& TVariantenManagerDialog::projekt() const {
    return *Korpus().AktuellesProjekt;
}

void TVariantenManagerDialog::SetupWindow() {
    TDialog::SetupWindow();
    auswahl_ = projekt().AktuellesProjekt ? projekt().AktuellesProjekt->Nummer : 0;
    liste_->SetClickCodes(TTreeClickCodes::DoubleClicks);
    liste_->SetColumns({{-1, TTreeColumn::Left, "Name"}});
    liste_->SetBackgroundColor(TColor::White);
    ListeFuellen();
    KommentarAnzeigen();
}

void TVariantenManagerDialog::ListeFuellen() {
    liste_->DeleteAll();
    for (const TProjekt& p : projekt().Projekte) liste_->AddItem(p.Name);
    liste_->SelectItem(auswahl_);
    liste_->EnsureVisible(auswahl_);
    if (auto* w = GetDlgItem(IDC_LOESCHEN))
        w->EnableWindow(projekt().Projekte.GetItemsInContainer() > 1);
}

void TVariantenManagerDialog::KommentarAnzeigen() {
    std::string text;
    if (const TProjekt* p = projekt().AktuellesProjekt)
        for (const TTextString& t : p->Textliste2) text += t.Text;
    kommentar_->SetText(text);
    kommentar_->ClearModify();
}

void TVariantenManagerDialog::KommentarSpeichern() {
    TProjekt* p = projekt().AktuellesProjekt;
    if (!p || !kommentar_->IsModified()) return;
    p->Textliste2.Flush();
    uint16_t nummer = 0;
    for (const std::string& teil : stuecke(kommentar_->GetText(), kKommentarStueck)) {
        auto t = std::make_unique<TTextString>();
        t->Nummer = nummer++;
        t->Text = teil;
        p->Textliste2.AddAfterEquals(std::move(t));
    }
    kommentar_->ClearModify();
    ProjektGeaendertSetzen(true);
}

void TVariantenManagerDialog::Waehlen() {
    const int zeile = liste_->GetSelectedItem();
    if (zeile < 0) return;
    KommentarSpeichern();
    auswahl_ = zeile;
    projekt().ProjektAuswaehlen(auswahl_);
    ListeFuellen();
    KommentarAnzeigen();
}

void TVariantenManagerDialog::Kopieren() {
    TGesamtProjekt& g = projekt();
    const std::string name = g.GetFileName(false);
    KommentarSpeichern();
    const int anzahl = int(g.Projekte.GetItemsInContainer());
    if (anzahl >= kHoechstzahl) {
        MessageBox("Sie können nicht mehr als 10 Varianten anlegen! Löschen Sie eine Variante und "
                   "wiederholen Sie den Kopiervorgang!",
                   "Variante kopieren", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!g.ProjektKopieren(auswahl_)) return;
    bool ok = true;
    for (const char* endung : kEndungen)
        if (!g.ZusatzFilesKopierenVariante(name, endung, auswahl_, anzahl)) ok = false;
    if (!ok) info("Datenblatt-Dateien konnten nicht kopiert werden");
    auswahl_ = anzahl;
    ProjektGeaendertSetzen(true);
    ListeFuellen();
    KommentarAnzeigen();
}

void TVariantenManagerDialog::Loeschen() {
    TGesamtProjekt& g = projekt();
    if (g.Projekte.GetItemsInContainer() < 2 || !g.AktuellesProjekt) return;
    if (MessageBox(g.AktuellesProjekt->Name + " löschen? Alle Daten der Variante gehen verloren.",
                   "Variante löschen", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        const std::string name = g.GetFileName(false);
        bool ok = true;
        for (const char* endung : kEndungen)
            if (!g.ZusatzFilesUmbenennenVariante(auswahl_, name, endung)) ok = false;
        if (!ok) info("Datenblatt-Dateien konnten nicht gelöscht werden");
        g.ProjektLoeschen(auswahl_);
        auswahl_ = 0;
        ProjektGeaendertSetzen(true);
    }
    ListeFuellen();
    KommentarAnzeigen();
}

void TVariantenManagerDialog::UmbenennenBeginnen() {
    const int zeile = liste_->GetCaret();
    if (zeile < 0) return;
    liste_->OpenEditor(zeile, 0);
}

void TVariantenManagerDialog::UmbenennenBeenden() {
    if (!liste_->IsEditing()) return;
    std::string text = liste_->GetEditorText();
    if (text.empty()) {
        MessageBox("Geben Sie einen Variantennamen ein!", "Eingabe Prüfung",
                   MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
        if (auto* e = liste_->GetEditor()) e->SetFocus();
        return;
    }
    text = stuecke(text, 29).front();
    const int zeile = liste_->EditItem();
    liste_->SetCellText(zeile, 0, text);
    liste_->CloseEditor();
    if (TProjekt* p = projekt().AktuellesProjekt) p->Name = text;
    ProjektGeaendertSetzen(true);
}

void TVariantenManagerDialog::CmOk() {
    auto* ok = GetDlgItem(IDOK);
    if (liste_->IsEditing() && !(ok && ok->HasFocus())) {
        UmbenennenBeenden();
        liste_->SetFocus();
        return;
    }
    KommentarSpeichern();
    EndDialog(IDOK);
}

// Choosing, copying and deleting take effect at once and cannot be undone
// here, so Escape and the close box only end the dialog, keeping the comment.
void TVariantenManagerDialog::CmCancel() {
    if (liste_->IsEditing()) {
        liste_->CloseEditor();
        liste_->SetFocus();
        return;
    }
    KommentarSpeichern();
    EndDialog(IDCANCEL);
}

void TVariantenManagerDialog::kontextmenue() {
    liste_->SendMessage(WM_CANCELMODE);
    TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
}
