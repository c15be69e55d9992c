#pragma once
// The MDI child around a component editor. Its size is kept in korpus.ini;
// on activation it shows the project in the status bar, and on
// WM_PROJEKT_AKTUALISIEREN it redraws the editor without recomputing.
#include "platform/window/MDIChild.h"

class TBauteilDialog;
class TPBauteil;
class TRBauteil;
class korpusMDIClient;

class TBauteilWindow : public TMDIChild {
public:
    TBauteilWindow(TMDIClient& parent, std::string_view title, TBauteilDialog* client);
    ~TBauteilWindow() override;

    TBauteilDialog* Dialog() const { return dialog_; }
    void EvSize(uint32_t sizeType, const TSize& size) override;

    int32_t Breite = 0, Hoehe = 0; // written back when the window goes
    bool Maximiert = false;

protected:
    // Leaves the client's list of editors.
    void CleanupWindow() override;

private:
    void aktivieren(HWND aktiviert);
    TBauteilDialog* dialog_;
};

// The one way to an editor: an open editor of an equal type comes to the
// top (in project mode pointed at the placed component, when one is given);
// otherwise a new one is made, created and listed. projektmodus: the type
// belongs to the open project. Null without a client.
TBauteilDialog* BauteilEditorOeffnen(korpusMDIClient& client, TRBauteil* bauteil, int bereich,
                                     TPBauteil* pBauteil, bool projektmodus);
// The open editor of a type equal to this one, or null.
TBauteilDialog* BauteilEditorSuchen(korpusMDIClient& client, const TRBauteil& bauteil);
