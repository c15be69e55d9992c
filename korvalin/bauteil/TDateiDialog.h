#pragma once
// The base of the catalogue browsers (materials, components, windows): a
// modeless dialog that lives as the client of a TDateiWindow and rebuilds
// its list from the catalogue when its window is activated again.
#include "platform/window/Dialog.h"

class TDateiWindow;
class TMDIClient;

class TDateiDialog : public TDialog {
public:
    TDateiDialog(TWindow* parent, const TDialogResource& resource);

    // Rebuilds the list from the catalogue with the current search settings.
    virtual void InhaltAktualisieren() {}

    // Set by the opener: the client that parents the windows the browser
    // opens, and the host window.
    TMDIClient* Client = nullptr;
    TDateiWindow* Fenster = nullptr;
};
