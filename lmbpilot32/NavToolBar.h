#pragma once
// The navigator's tool bar: the author's full bar or the reader's, from which
// the navigator file removes the buttons the author did not allow.
#include <array>
#include <cstdint>

class TControlBar;
class TWindow;

TControlBar* MakeNavToolBar(TWindow* parent, bool authorMode);
// Expand All/Collapse All, Parent, Previous/Next, Font, Print, Help Contents,
// Context help.
void RemoveReaderButtons(TControlBar& bar, const std::array<uint16_t, 7>& flags);
