#pragma once
// The proofs command "&Nachweise" (1190) of the project dialog: the component
// choice dialog, the project checks, then the heat-protection and moisture
// proof sheets, each replacing an open one.
#include <functional>
#include <vector>

class TWindow;
struct TLayoutDialogStruct;

// What the proof sheets get: the numbers of the chosen components and
// windows (placed ones or types, as the dialog's list was) and the scope
// (0 the chosen components, 1 all critical ones).
struct NachweisAuftrag {
    std::vector<int> Bauteile;
    std::vector<int> Fenster;
    int Umfang = 0;
};

// The proof sheet windows, as the sheet windows enter them: close the open
// proof windows, open a heat-protection or a moisture proof window. Unset
// entries hand the command to the list of commands still to come.
struct NachweisFenster {
    std::function<void()> Schliessen;
    std::function<void(const NachweisAuftrag&)> WaermeschutzOeffnen;
    std::function<void(const NachweisAuftrag&)> FeuchteschutzOeffnen;
};
NachweisFenster& Nachweisfenster();

// Every question is asked before an open proof window is closed: a command
// cancelled or refused leaves the open windows as they were.
void NachweiseAnzeigen(TWindow* eltern, TLayoutDialogStruct& auswahl);
