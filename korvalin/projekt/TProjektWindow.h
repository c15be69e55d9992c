#pragma once
// The MDI child that holds the project dialog while a project is open. It
// keeps its size in korpus.ini, shows the project's file name as its caption
// and refreshes the dialog and the status bar when it is activated or told
// that the project changed (WM_PROJEKT_AKTUALISIEREN).
#include "platform/window/MDIChild.h"

class TProjektDialog;

class TProjektWindow : public TMDIChild {
public:
    TProjektWindow(TMDIClient& parent, std::string_view title, TProjektDialog* client);
    ~TProjektWindow() override;

    TProjektDialog* Dialog() const { return dialog_; }
    // The size it was created with (pixels), written back when it goes.
    int32_t Breite = 0, Hoehe = 0;
    bool Maximiert = false;

    // The user's size in the normal state is the one kept, not one that
    // cascading or tiling gave it.
    void EvSize(uint32_t sizeType, const TSize& size) override;

private:
    void aktivieren(HWND aktiviert);
    void aktualisieren();
    TProjektDialog* dialog_; // a child: deleted with the window
};

// The smallest size the project window can be dragged to, pixels.
constexpr TSize kProjektWindowMinimum{520, 400};
