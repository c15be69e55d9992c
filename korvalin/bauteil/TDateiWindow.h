#pragma once
// The MDI child that hosts one catalogue browser. On activation it shows the
// open project in the status bar and has the browser rebuild its list, since
// other windows may have changed the catalogue or the project meanwhile.
#include "platform/window/MDIChild.h"

#include <functional>

class TDateiDialog;

class TDateiWindow : public TMDIChild {
public:
    TDateiWindow(TMDIClient& parent, std::string_view title, TWindow* clientWindow);
    ~TDateiWindow() override;

    TMDIClient* Client;
    TDateiDialog* Dialog = nullptr; // the client window; not owned
    // The material choice turns it off: its list stays as the user left it.
    bool AktualisierenBeiAktivierung = true;
    // Small screens start the window maximised (by the screen font).
    bool Maximiert = false;
    // Cleared when the window goes, so that its opener knows it is closed.
    TWindow** Merker = nullptr;

protected:
    void CleanupWindow() override;

private:
    void aktivieren(HWND aktiviert);
};

// The catalogue commands: the browser that `offen` holds comes to the top;
// otherwise machen() makes the dialog, which gets a host window titled
// `titel` in the client, and `offen` holds that window until it is
// destroyed. Answers the host window.
TDateiWindow* DateiWindowOeffnen(TMDIClient& client, TWindow*& offen, std::string_view titel,
                                 const std::function<TDateiDialog*()>& machen);
