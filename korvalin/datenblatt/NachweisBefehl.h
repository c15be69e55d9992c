#pragma once
// The proofs command "&Nachweise" (1190) of the project dialog: the component
// choice dialog, the project checks, then the heat-protection and moisture
// proof sheets, each replacing an open one.
#include <functional>
#include <vector>

class TRBauteil;
class TRFenster;
class TWindow;
struct TLayoutDialogStruct;

// What the proof sheets get: the chosen components and windows, as types
// (a placed one by its type, once per placement) and the scope (0 the
// chosen components, 1 all critical ones).
struct NachweisAuftrag {
    std::vector<TRBauteil*> Bauteile;
    std::vector<TRFenster*> Fenster;
    int Umfang = 0;
};

// The proof sheet windows: close the open proof windows, open a
// heat-protection or a moisture proof window. Unset entries open the
// program's own sheet windows; tests put recorders in.
struct NachweisFenster {
    std::function<void()> Schliessen;
    std::function<void(const NachweisAuftrag&)> WaermeschutzOeffnen;
    std::function<void(const NachweisAuftrag&)> FeuchteschutzOeffnen;
};
NachweisFenster& Nachweisfenster();

// Every question is asked before an open proof window is closed: a command
// cancelled or refused leaves the open windows as they were.
void NachweiseAnzeigen(TWindow* eltern, TLayoutDialogStruct& auswahl);
