#pragma once
// The program's tree and list control: every list and tree of the program is
// one of these, over the layer's tree control, which offers its operations
// and notifications through a typed API.
#include "platform/tree/TreeControl.h"

#include <string>

class TSftTree : public TTreeControl {
public:
    // A control placed by the program.
    TSftTree(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h);
    // A control of a dialog resource.
    TSftTree(TWindow* parent, int resourceId);

    std::string GetClassName() const { return "SoftelTreeControl32"; }
    // Selects (flag 1) or deselects (0) each listed row; answers how many of
    // them exist. A negative count applies the flag to all rows once and
    // answers 0, or -1 when that failed.
    int AuswahlSetzen(const int* items, int count, int flag);
};

// The layer's control needs no registration; kept for the start and end order.
bool SftTree_RegisterApp2();
bool SftTree_UnregisterApp2();
