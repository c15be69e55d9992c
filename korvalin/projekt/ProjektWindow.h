#pragma once
// What the shell needs of the project window: the open and new commands
// make the project dialog and the project window around the current project
// (Korpus().AktuellesProjekt) and keep both in the program-wide state.
class korpusMDIClient;
class TMDIChild;
class TWindow;

struct ProjektFenster {
    TMDIChild* Window = nullptr; // the project window, an MDI child of the client
    TWindow* Dialog = nullptr;   // the project dialog, the window's client
};

// Creates the project dialog (resource 1002, no parent), then the project
// window (parent the client, caption the project's full file name) with the
// dialog as its client, links them and creates the window. The window takes
// itself and its dialog out of Korpus() (ProjektWindow, ProjektDialog) when
// it is destroyed. The client forwards the project commands it does not
// handle itself (5001, 5006, 6100, 1190, 2600) to the dialog as commands.
ProjektFenster ProjektWindowErzeugen(korpusMDIClient& client);
