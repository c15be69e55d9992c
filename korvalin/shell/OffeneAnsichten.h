#pragma once
// The open views of the project as the client records them (the lists by
// kind on the client, the single sheets on Korpus().Ansichten), the one
// change notification that reaches them all, and the closing of the output
// windows before the project changes its name or is closed.
#include <cstdint>
#include <vector>

class TEinfachBauteil;
class TMDIChild;
class TWindow;

// A listed view that shows one component or window type answers whether
// that type is a catalogue entry (facade index 0xFFFF) rather than the
// project's; views of catalogue entries stay open when the project goes.
class TypAnsicht {
public:
    virtual ~TypAnsicht() = default;
    virtual bool ZeigtKatalogeintrag() const = 0;
};

// A periodic-data sheet: the components it shows and its two surface
// resistances, with which their heat storage is recomputed on a change.
class PeriodenAnsicht {
public:
    virtual ~PeriodenAnsicht() = default;
    virtual std::vector<TEinfachBauteil*> PeriodenBauteile() = 0;
    virtual double PeriodenRsi() const = 0; // m²K/W
    virtual double PeriodenRse() const = 0; // m²K/W
};

// A listed view or editor that shows an object of the project (an area, a
// type, a placed item, an area range of a type) answers for it, so that it
// never outlives the object. An editor may point itself elsewhere instead
// of closing (Umlenken answers true).
class ObjektAnsicht {
public:
    virtual ~ObjektAnsicht() = default;
    virtual bool Zeigt(const void* objekt) const = 0;
    virtual bool Umlenken(const void* objekt) { return false; }
};

// Before the object is deleted: every listed view and editor that shows it
// is pointed elsewhere or closed and leaves its list.
void AnsichtenSchliessen(const void* objekt);
// The heat-protection and moisture-protection proof sheets.
void NachweisAnsichtenSchliessen();

// Brings the views up to date after an edit: recomputes what some views
// keep by themselves, then posts WM_PROJEKT_AKTUALISIEREN (0x5FE) with
// `art` (2 structure, 1 component editor, 0 component stored) and `extra`
// to every open view, the project window among them.
void ProjektNeuBerechnen(uintptr_t art, intptr_t extra);

// Data sheets or diagrams that a save under a new name would leave stale.
bool AusgabeWindowsOffen();
// Makes a new view, shows it and brings it to the top; a view that cannot
// be made is deleted and false returned.
bool AnsichtZeigen(TMDIChild* ansicht, bool maximiert = false);
// Destroys one view and clears the pointer that held it.
void AnsichtSchliessen(TWindow*& ansicht);
// Destroys every output window that shows the project's data.
void AusgabeWindowsSchliessen();
