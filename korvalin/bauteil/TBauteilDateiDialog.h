#pragma once
// The component catalogue window (command 4010, "Bauteil-Datei"): the
// maker's catalogue can be browsed and copied from; the user's catalogue is
// extended, changed in the component editor, renamed and thinned out, and
// every change is in its file when the command ends.
#include "korvalin/bauteil/TBauteilBasisDialog.h"

#include <memory>

class TMenu;
class korpusMDIClient;

class TBauteilDateiDialog : public TBauteilBasisDialog {
public:
    enum : int {
        IDD_BAUTEILDATEI = 6004,
        IDC_QTX = 112,
        IDC_ANWENDER = 114,
        IDC_EINFUEGEN = 123,
        IDC_AENDERN = 124,
        IDC_LOESCHEN = 125,
        IDC_KOPIEREN = 126,
        IDC_NAME_AENDERN = 120,
        IDC_AUSGABE = 113,
        CM_EINFUEGEN = 12000,
        CM_AENDERN = 12001,
        CM_KOPIEREN = 12002,
        CM_LOESCHEN = 12003,
        CM_NAME = 12004,
        CM_INFO = 12005,
        CM_DATENBLATT = 12006,
    };

    explicit TBauteilDateiDialog(TWindow* parent);
    ~TBauteilDateiDialog() override;

    void SetupWindow() override;
    bool CanClose() override;
    bool BauteilPasst(const TRBauteil& b) override;

    void KatalogWechseln();
    void Einfuegen();
    void Kopieren();
    void Aendern();
    void Umbenennen();
    void Loeschen();
    void Ausgabe();
    // 1 maker's, 2 user's: the checked radio button.
    int Katalog() const;
    TMenu* Kontextmenue() const { return menue_.get(); }

private:
    void knoepfeSchalten();
    // The editor on the catalogue's own entry: raised when open, else made.
    void editorOeffnen(const TRBauteil* eintrag, bool typBearbeiten);
    std::unique_ptr<TMenu> menue_;
};

// Command 4010: the open window comes to the top, else it opens.
void BauteilDateiOeffnen(korpusMDIClient& client);

// Defaults of a new catalogue entry of a component group (1..7).
void BauteilVorgabenSetzen(TRBauteil& b, int gruppe);
