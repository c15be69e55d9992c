#include "korvalin/projekt/TSicherungskopieDialog.h"

#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CommandIds.h"
#include "platform/window/ResponseTable.h"

namespace {

using K = TControlKind;
using D = TSicherungskopieDialog;

TDialogResource ressource(D::Fall fall) {
    const bool unbenannt = fall == D::Fall::Unbenannt;
    TDialogResource r;
    r.caption = "Sicherungskopie";
    r.size = {236, 112};
    r.controls = {
        {K::Static,
         201,
         unbenannt ? "Es existiert eine Sicherungskopie eines nicht gespeicherten Projekts."
                   : "Es existiert eine Sicherungskopie des Projekts.",
         {10, 8, 226, 17}},
        {K::Static,
         202,
         unbenannt ? "Das Programm wurde nicht normal beendet."
                   : "Die Sicherungskopie ist neuer als die Projektdatei!",
         {10, 18, 226, 27}},
        {K::RadioButton,
         D::IDC_OEFFNEN,
         unbenannt ? "Sicherungskopie als unbenanntes Projekt öffnen"
                   : "Sicherungskopie öffnen und Projektdatei überschreiben",
         {14, 36, 226, 46},
         true},
        {K::RadioButton,
         D::IDC_NEUES_PROJEKT,
         "Sicherungskopie als neues Projekt speichern",
         {14, 50, 226, 60}},
        {K::RadioButton,
         D::IDC_VERWERFEN,
         unbenannt ? "Sicherungskopie löschen"
                   : "Projektdatei öffnen. Sicherungskopie wird gelöscht",
         {14, 64, 226, 74}},
        {K::DefButton, IDOK, "OK", {10, 90, 70, 104}},
        {K::Button, IDCANCEL, "Abbrechen", {88, 90, 148, 104}},
        {K::Button, IDHELP, "&Hilfe", {166, 90, 226, 104}},
    };
    return r;
}

} // namespace

TSicherungskopieDialog::TSicherungskopieDialog(TWindow* parent, uint16_t (&wahl)[3], Fall fall)
    : TDialog(parent, ressource(fall)) {
    transfer_.Check(wahl[0]).Check(wahl[1]).Check(wahl[2]);
    SetTransferBuffer(&transfer_);
    Responses().Command(
        IDHELP, [] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, uint32_t(HILFE_KONTEXT)); });
}
