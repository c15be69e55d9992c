#pragma once
// The Tab order of a dialog: its windows in child order (the Z order), of
// those that are made, not hidden and enabled.
#include <vector>

class TDialog;
class TWindow;

namespace window_detail {

enum class ChainDepth {
    OwnLevel, // the dialog's own controls, as Windows cycles a dialog
    Nested,   // also the controls of the dialogs embedded in it
};

// Every window of the chain, tab stop or not, in order.
std::vector<TWindow*> ChainOf(const TWindow& root, ChainDepth depth);
// The tab stop after (or before) from, wrapping; from the start (or the end)
// when from is null or not in the chain; null when there is none.
TWindow* NextTabStop(const std::vector<TWindow*>& chain, const TWindow* from, bool previous);
// The dialog whose Tab cycle the window is in: the outermost dialog around
// it within the same top-level window.
TDialog* ChainRoot(TWindow* w);
// The nearest dialog around the window (the window itself when a dialog).
TDialog* NearestDialog(TWindow* w);
// Alt+letter among the windows of a chain (TDialog::ActivateMnemonic).
bool ActivateMnemonicIn(const std::vector<TWindow*>& chain, char32_t letter);
// Gives the control the focus as Tab would; an edit gets its text selected.
void FocusControl(TWindow* control, bool backward = false);

} // namespace window_detail
