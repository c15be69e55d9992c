#pragma once
// Picking windows from the window catalogue without changing it: the window
// choice ("Fenster auswählen", resource 7766) hands one key back to its
// caller; the insertion dialog ("Fenster in Projekt einfügen", resource
// 7767) collects any number of keys in a second list, the dialog's result.
#include "korvalin/bauteil/TFensterBasisDialog.h"

#include <array>
#include <memory>

class TMenu;

class TFensterWahlDialog : public TFensterBasisDialog {
public:
    enum : int {
        IDC_ALLE = 110,
        IDC_DIN = 112,
        IDC_QTX = 113,
        IDC_ANWENDER = 114,
        CM_EINFUEGEN = 12101,
        CM_INFO = 12102,
        CM_ERSETZEN = 12103,
    };
    // On OK the caller's key holds the chosen window's key.
    TFensterWahlDialog(TWindow* parent, TFensterSchluessel& schluessel);
    ~TFensterWahlDialog() override;

    void SetupWindow() override;
    bool CanClose() override;
    void CmOk() override;
    bool FensterPasst(const TRFenster& fenster) const override;
    void Uebernehmen();

protected:
    TFensterWahlDialog(TWindow* parent, std::string caption, std::vector<TControlResource> extra,
                       TFensterSchluessel* schluessel);
    void Anordnen(int breite, int hoehe) override;
    std::unique_ptr<TMenu> menue_;

private:
    void einrichten();
    std::array<int32_t, 4> breiten_{};
};

class TFensterEinfuegenDialog : public TFensterWahlDialog {
public:
    enum : int {
        IDC_GEWAEHLT = 201,
        IDC_HINZU = 118,
        IDC_WEG = 119,
        CM_AUSWAEHLEN = 12101,
        CM_AUFHEBEN = 12201,
    };
    explicit TFensterEinfuegenDialog(TWindow* parent);
    ~TFensterEinfuegenDialog() override;

    void SetupWindow() override;
    void CmOk() override;
    // ">>": the selected windows to the end of the chosen list.
    void Hinzufuegen();
    // "<<": the selected rows of the chosen list out of it.
    void Entfernen();

    // The keys of the chosen windows, in the order of the rows of list 201.
    std::vector<TFensterSchluessel> Gewaehlt;
    TSftTree* GewaehltListe() const { return gewaehlt_; }

protected:
    void Anordnen(int breite, int hoehe) override;

private:
    void dragUeber();
    void drop();
    TFensterSchluessel eigener_;
    TSftTree* gewaehlt_;
    std::unique_ptr<TMenu> auswahlMenue_, aufhebenMenue_;
};
