#pragma once
// The MDI child around a window editor. Its height follows the editor's
// lower half (collapsed without placed windows); on activation it shows the
// project in the status bar and refreshes a project-mode editor, and on
// WM_PROJEKT_AKTUALISIEREN it refreshes unless a window editor sent it.
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektSpeichern.h"
#include "platform/window/MDIChild.h"

class TFensterBearbeitenDialog;
class TPFenster;
class TRFenster;
class korpusMDIClient;

class TFensterWindow : public TMDIChild, public BearbeitungsEditor, public ObjektAnsicht {
public:
    TFensterWindow(TMDIClient& parent, std::string_view title, TFensterBearbeitenDialog* client,
                   bool erweitert);
    ~TFensterWindow() override;

    TFensterBearbeitenDialog* Dialog() const { return dialog_; }
    // Sets the window's height to the collapsed or expanded one, keeping
    // position and width.
    void HoeheSetzen(bool erweitert);

    int32_t EingeklappteHoehe = 0, ErweiterteHoehe = 0;
    bool Maximiert = false;

    // BearbeitungsEditor
    bool HatProjektAenderungen() const override;
    void AenderungenUebernehmen() override;
    // ObjektAnsicht: the type closes the editor; a placed window only moves it.
    bool Zeigt(const void* objekt) const override;
    bool Umlenken(const void* objekt) override;

protected:
    // Leaves the client's list of editors.
    void CleanupWindow() override;

private:
    void aktivieren(HWND aktiviert);
    TFensterBearbeitenDialog* dialog_;
};

// The one way to a window editor: an open editor of the same type comes to
// the top (in project mode pointed at the placed window, when one is given);
// otherwise a new one is made, created and listed. Null without a type.
TFensterBearbeitenDialog* FensterEditorOeffnen(korpusMDIClient& client, TRFenster* typ,
                                               TPFenster* platziert, bool projektmodus);
// The open editor of this very type, or null.
TFensterBearbeitenDialog* FensterEditorSuchen(korpusMDIClient& client, const TRFenster* typ);
