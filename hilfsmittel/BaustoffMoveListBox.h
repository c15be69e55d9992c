#pragma once
// The move list box of a cross-section's layers: the first and the last
// entry (the surfaces) stay where they are; they can be selected but not
// dragged, and nothing is dropped above the first or below the last.
#include "hilfsmittel/MoveListBox.h"

class TBaustoffMoveListBox : public TMoveListBox {
public:
    using TMoveListBox::TMoveListBox;
    void EvLButtonDown(uint32_t modKeys, TPoint point) override;

protected:
    void ProcessDragResult() override;
};
