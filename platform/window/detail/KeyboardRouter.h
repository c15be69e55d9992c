#pragma once
// The program's first look at every key, before the widget with the focus:
// the installed key filters, the mnemonics of dialogs (Alt+letter) and the
// edit keys (Ctrl+Z, X, C, V) of the layer's edits.
#include "platform/window/Messages.h"

class TWindow;

namespace window_detail {
// Installs the router on the application once.
void EnsureKeyboardRouter();
// The key filters, newest first; true when one swallowed the key.
bool RunKeyFilters(const MSG& key);
void DropKeyFilters(const TWindow* owner);
// Alt+letter with the focus in a dialog: the nearest dialog's controls, then
// WM_SYSCOMMAND SC_KEYMENU from the focus window up to its top-level window,
// then every control of the outermost dialog around it.
bool DispatchMnemonic(char32_t letter);
} // namespace window_detail
