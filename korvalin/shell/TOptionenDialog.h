#pragma once
// The options dialog "Optionen" (resource 8888, command 2520): status line,
// tool bar, and the autosave switch with its interval in minutes.
#include "platform/window/Dialog.h"

class TSpinEdit;
class korpusMDIClient;

class TOptionenDialog : public TDialog {
public:
    enum : int {
        IDD_OPTIONEN = 8888,
        IDC_STATUSZEILE = 101,
        IDC_AUTOSPEICHERN = 102,
        IDC_INTERVALL = 103,
        IDC_SYMBOLLEISTE = 104,
        HILFE_KONTEXT = 1109,
    };
    explicit TOptionenDialog(TWindow* parent);
    void SetupWindow() override;
    // OK: the boxes and the interval go into the program's option values.
    bool CanClose() override;
    void CmHelp();

    TSpinEdit* Intervall() const { return intervall_; }

private:
    TSpinEdit* intervall_;
};

// Command 2520: reads the options, runs the dialog, and on OK writes them
// and applies what changed (bars, the open project's autosave timer).
void CmOptionen(korpusMDIClient& client);
