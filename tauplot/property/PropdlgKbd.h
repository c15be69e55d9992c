#pragma once
// The keyboard across the border between a property dialog and its pages:
// the key filter that moves the focus on Tab and Shift+Tab (tab strip, the
// current page's controls, the dialog's buttons and round again) and
// switches tabs on Ctrl+Page Up and Ctrl+Page Down, and the small window
// operations it and the dialog share.
#include "platform/window/Messages.h"

#include <string_view>

class TDialog;
class TPropertyDialog;
class TPropertyPage;
class TWindow;

// The key filter while a property dialog is open; true swallows the key.
bool PropdlgKbdProc(const MSG& key);

// The dialog or page that holds the control with the focus (out: focus).
TWindow* FindFocusOwner(TWindow*& focus);
void ClassifyWindow(TWindow* window, TPropertyPage*& page, TPropertyDialog*& dialog);
// Nonzero when it moved the focus.
int NavigateTabKey(TWindow* owner, TWindow* focus, int forward);
// The first (1) or last (0) tab stop among the dialog's own controls.
TWindow* FindEdgeTabStop(TDialog* window, int first);
// Posts the focus change to both dialog levels; 0 when control is null.
int MoveFocusInto(TWindow* from, TWindow* to, TWindow* control);
// Whether the text's mnemonic ("&x", "&&" skipped) is ch in upper case.
int MatchesMnemonic(std::string_view text, char32_t ch);
// The variable-pitch system font for the window's controls.
void SetSmallFont(TWindow* window);
void CenterOnScreen(TWindow* window);
