#pragma once
// The editor of the window catalogue ("Fenster-Datei", dialog resource 6003)
// in its host window: one catalogue file at a time; only the user's file
// (fnst_anw.dat) is changed, and copying from the DIN and maker's files puts
// the copy into the user's file.
#include "korvalin/bauteil/TFensterBasisDialog.h"

#include <memory>

class TMenu;
class korpusMDIClient;

class TFensterDialog : public TFensterBasisDialog {
public:
    enum : int {
        IDC_DIN = 112,
        IDC_QTX = 113,
        IDC_ANWENDER = 114,
        IDC_EINFUEGEN = 123,
        IDC_AENDERN = 124,
        IDC_LOESCHEN = 125,
        IDC_NAME_AENDERN = 120,
        IDC_KOPIEREN = 126,
        IDC_AUSGABE = 110,
        CM_EINFUEGEN = 12000,
        CM_AENDERN = 12001,
        CM_KOPIEREN = 12002,
        CM_LOESCHEN = 12003,
        CM_NAME = 12004,
        CM_INFO = 12005,
        CM_DATENBLATT_POPUP = 12006,
    };

    explicit TFensterDialog(TWindow* parent = nullptr);
    ~TFensterDialog() override;

    void SetupWindow() override;
    bool CanClose() override;
    // OK closes the host window.
    void CmOk() override;
    bool FensterPasst(const TRFenster& fenster) const override;

    // The file shown: 0 DIN, 1 QTX, 2 Anwender.
    int Datei() const;
    void DateiWechseln();
    void Einfuegen();
    void Kopieren();
    void Aendern();
    void Loeschen();
    void Umbenennen();
    void Ausgeben();

protected:
    void Anordnen(int breite, int hoehe) override;

private:
    void editorOeffnen(TRFenster* fenster);
    void kontextmenue();
    TFensterSchluessel schluessel_;
    std::unique_ptr<TMenu> menue_;
};

// Command 4005 "Fenster-Datei bearbeiten...": the open one to the top, or a new one.
void FensterDateiOeffnen(korpusMDIClient& client);
