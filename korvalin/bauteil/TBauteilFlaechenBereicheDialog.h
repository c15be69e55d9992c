#pragma once
// The area ranges of a component (dialog resource 1141, "Flächenbereiche"):
// new, copy, change, delete and in-place edits of name and share, on working
// copies that the caller takes over after OK. The shares must add up to 100 %.
#include "platform/window/Dialog.h"

#include <memory>
#include <vector>

class TEinfachBauteil;
class TRBauteil;
class TSftTree;

class TBauteilFlaechenBereicheDialog : public TDialog {
public:
    TBauteilFlaechenBereicheDialog(TWindow* parent, TRBauteil* bauteil);
    ~TBauteilFlaechenBereicheDialog() override;
    void SetupWindow() override;
    bool CanClose() override;
    void CmOk() override;

    void Neu();
    void Kopieren();
    void Aendern();
    void Loeschen();
    bool ZelleUebernehmen();

    std::vector<std::unique_ptr<TEinfachBauteil>> Bereiche; // the working copies
    int AktuellerBereich = -1;
    double Summe = 0;
    bool Geaendert = false;
    TSftTree* Baum() const { return baum_; }

private:
    void fuellen();
    void summeZeigen();
    void knoepfe(bool an);
    bool anteilDialog(TEinfachBauteil& e, const char* titel);
    // A new or copied range as the next one, after the share dialog's OK.
    bool anhaengen(std::unique_ptr<TEinfachBauteil> e, const char* titel);
    void kontextmenue();
    TRBauteil* bauteil_;
    TSftTree* baum_;
};
