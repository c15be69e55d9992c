#pragma once
// "Sicherungskopie" (resource 7792): what becomes of an autosave copy that
// is newer than the project file. The caller's record holds three words,
// one per radio button (1 chosen). A project that was never saved has no
// project file: its copy is offered with texts that say so.
#include "platform/window/Dialog.h"

#include <cstdint>

class TSicherungskopieDialog : public TDialog {
public:
    enum : int {
        IDD_SICHERUNGSKOPIE = 7792,
        IDC_OEFFNEN = 101,
        IDC_NEUES_PROJEKT = 102,
        IDC_VERWERFEN = 103,
        HILFE_KONTEXT = 1155,
    };
    enum class Fall { Projektdatei, Unbenannt };
    TSicherungskopieDialog(TWindow* parent, uint16_t (&wahl)[3], Fall fall = Fall::Projektdatei);

private:
    TTransferBuffer transfer_;
};
