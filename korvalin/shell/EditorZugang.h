#pragma once
// The windows of later parts that the project dialog opens on its types:
// the component and window editors and the catalogue pickers. Until they
// exist, the defaults say that they are not available in this edition; the
// editors' part replaces these bodies (or installs its own EditorZugang).
#include "stammwerk/modell/TBaustoffSchluessel.h"

#include <vector>

class TPBauteil;
class TPFenster;
class TRBauteil;
class TRFenster;

// What the editor is opened for: to show the type (pointed at the placed
// item, when one is given), to change the component's kind at once, or to
// enter the placed item's area.
enum class EditorAuftrag { Zeigen, TypBearbeiten, FlaecheEingeben };

class EditorZugang {
public:
    virtual ~EditorZugang() = default;
    // Brings the type's open editor to the top, pointed at the placed item,
    // or opens one ("Ändern", "Neu", double clicks on columns 2 and 3).
    virtual void BauteilEditor(TRBauteil& typ, TPBauteil* platziert, EditorAuftrag auftrag);
    virtual void FensterEditor(TRFenster& typ, TPFenster* platziert, EditorAuftrag auftrag);
    // A type was renamed in place: its open editors take the name into their
    // copies and their captions ("Referenz-Bauteil " + name + ": Bereich " +
    // i + " von " + n, "Referenz-Fenster " + name).
    virtual void TypUmbenannt(const TRBauteil& typ) {}
    virtual void TypUmbenannt(const TRFenster& typ) {}
    // The catalogue pickers: false when cancelled, else the chosen keys.
    virtual bool BauteileWaehlen(std::vector<TBaustoffSchluessel>& gewaehlt);
    virtual bool FensterWaehlen(std::vector<TBaustoffSchluessel>& gewaehlt);
    // The window editor's "Aus Datei einfügen": one catalogue window.
    virtual bool FensterAuswaehlen(TBaustoffSchluessel& gewaehlt);
};

// The current one: Korpus().Editoren, or the default.
EditorZugang& Editoren();
