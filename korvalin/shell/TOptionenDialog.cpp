#include "korvalin/shell/TOptionenDialog.h"

#include "korvalin/layout/TSpinEdit.h"
#include "korvalin/projekt/AutoSicherung.h"
#include "korvalin/shell/Einstellungen.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Application.h"
#include "platform/window/CheckBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/ResponseTable.h"

#include <string>

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Optionen";
    r.size = {200, 86};
    r.controls = {
        {K::CheckBox, TOptionenDialog::IDC_STATUSZEILE, "Statuszeile anzeigen", {10, 10, 130, 20}},
        {K::CheckBox,
         TOptionenDialog::IDC_SYMBOLLEISTE,
         "Symbolleiste anzeigen",
         {10, 24, 130, 34}},
        {K::CheckBox,
         TOptionenDialog::IDC_AUTOSPEICHERN,
         "Automatisches Speichern alle",
         {10, 38, 132, 48}},
        {K::Edit, TOptionenDialog::IDC_INTERVALL, "", {134, 37, 162, 49}},
        {K::Static, -1, "Minuten", {166, 39, 196, 48}},
        {K::DefButton, IDOK, "OK", {14, 64, 64, 78}},
        {K::Button, IDCANCEL, "Abbrechen", {75, 64, 125, 78}},
        {K::Button, IDHELP, "&Hilfe", {136, 64, 186, 78}},
    };
    return r;
}

bool angekreuzt(const TDialog& d, int id) {
    const auto* box = d.Item<TCheckBox>(id);
    return box && box->GetCheck() == 1;
}

void ankreuzen(const TDialog& d, int id, bool an) {
    if (auto* box = d.Item<TCheckBox>(id)) box->SetCheck(an ? 1 : 0);
}

} // namespace

TOptionenDialog::TOptionenDialog(TWindow* parent)
    : TDialog(parent, ressource()), intervall_(new TSpinEdit(this, IDC_INTERVALL, 3)) {
    intervall_->Step = 1;
    intervall_->PageStep = 5;
    intervall_->Min = 1;
    intervall_->Max = 60; // minutes
    Responses().Command(IDHELP, [this] { CmHelp(); });
}

void TOptionenDialog::SetupWindow() {
    TDialog::SetupWindow();
    const auto& k = Korpus();
    ankreuzen(*this, IDC_STATUSZEILE, k.StatuszeileAnzeigen);
    ankreuzen(*this, IDC_SYMBOLLEISTE, k.SymbolleisteAnzeigen);
    ankreuzen(*this, IDC_AUTOSPEICHERN, k.AutoSpeichern);
    // An interval of 0 from the file shows as the spin edit's lower bound.
    intervall_->SetText(std::to_string(k.AutoSpeichernIntervall));
    intervall_->SetValue(int32_t(k.AutoSpeichernIntervall));
}

bool TOptionenDialog::CanClose() {
    auto& k = Korpus();
    k.StatuszeileAnzeigen = angekreuzt(*this, IDC_STATUSZEILE);
    k.SymbolleisteAnzeigen = angekreuzt(*this, IDC_SYMBOLLEISTE);
    k.AutoSpeichern = angekreuzt(*this, IDC_AUTOSPEICHERN);
    k.AutoSpeichernIntervall = uint32_t(intervall_->Value);
    return true;
}

void TOptionenDialog::CmHelp() {
    Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, HILFE_KONTEXT);
}

void CmOptionen(korpusMDIClient& client) {
    EinstellungenLesen();
    auto& k = Korpus();
    const bool statuszeile = k.StatuszeileAnzeigen, symbolleiste = k.SymbolleisteAnzeigen,
               auto_ = k.AutoSpeichern;
    TOptionenDialog dialog(&client);
    if (dialog.Execute() != IDOK) return;
    EinstellungenSchreiben();
    auto* app = TApplication::Current();
    if (auto* frame = app ? app->GetMainWindow() : nullptr) {
        if (k.StatuszeileAnzeigen != statuszeile) frame->SendMessage(WM_COMMAND, IDW_STATUSBAR, 0);
        if (k.SymbolleisteAnzeigen != symbolleiste) frame->SendMessage(WM_COMMAND, IDW_TOOLBAR, 0);
    }
    if (!k.ProjektOffen || k.AutoSpeichern == auto_) return;
    if (k.AutoSpeichern)
        AutoSicherungTimerStarten();
    else
        AutoSicherungTimerStoppen();
}
