#pragma once
// What all data-sheet windows of the program share: the count of open
// project sheets and the stored sheet records they edit together, the proof
// choices of the component choice dialog, and the flags that the component
// editor and the in-place editor leave for the sheets.
#include "korvalin/datenblatt/TDatenblattDatenArray.h"

#include <memory>

class TFixDaten;

struct DatenblattZustand {
    DatenblattZustand();
    ~DatenblattZustand();
    int OffeneProjektblaetter = 0;
    // Made and read by the first project sheet that opens, freed by the last one.
    std::unique_ptr<TEBDatenblattDatenArray> BtDaten;
    std::unique_ptr<TFensterDatenblattDatenArray> FnDaten;
    std::unique_ptr<TFixDaten> FixDaten;
    // Proof choices; the project sheet sets both.
    bool NachweisAVVerfahren = true;
    bool NachweisBauteilverfahren = false;
    bool NachweisProjektbauteile = true;
    bool BauteilGrafikGeaendert = false;
    bool EditorMeldung = false;
    bool SeitenEditSchliessen = false;
    // The one sheet that holds page-edit mode; none: any sheet may take it.
    const void* SeiteInBearbeitung = nullptr;
};

// The state of the current application state object.
DatenblattZustand& Datenblaetter();
