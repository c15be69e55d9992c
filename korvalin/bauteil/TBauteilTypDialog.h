#pragma once
// The kind of a component type (dialog resource 1210, "Bauteil-Einstellungen"):
// what it is in the building, its heat-transfer situation with Rsi and Rse,
// the inverted roof, multi-leaf masonry, hardship and renewal options, and
// its description. It changes the type it is given with every click; the
// caller hands it a copy and takes it over on OK.
#include "platform/window/Dialog.h"

class TProjekt;
class TRBauteil;

class TBauteilTypDialog : public TDialog {
public:
    // projekt: the open project for a project component, null for a catalogue one.
    TBauteilTypDialog(TWindow* parent, TRBauteil* bauteil, TProjekt* projekt);
    void SetupWindow() override;
    void CmOk() override;

    void BauteilartGewaehlt();
    void UebergangGewaehlt();
    void AnforderungAktualisieren();
    void DatenUebernehmen();
    void MassnahmeBearbeiten();

    // Ids of the kind and situation radios, in the order of their numbers.
    static const int ArtIds[7];
    static const int GlasIds[3];
    static const int UebergangIds[10];

private:
    int art() const;
    int uebergang() const;
    int uebergaengeFreigeben();
    void uebergangsWerte(int situation);
    bool projektbauteil() const;
    TRBauteil* bauteil_;
    TProjekt* projekt_;
};
