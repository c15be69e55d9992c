#pragma once
// The system colours the tab strip and its dialog paint with: those of the
// three-dimensional look of Windows 95.
#include "platform/base/Color.h"

namespace tab_colors {
inline constexpr TColor BtnFace{192, 192, 192};
inline constexpr TColor BtnHighlight{255, 255, 255};
inline constexpr TColor BtnShadow{128, 128, 128};
inline constexpr TColor WindowFrame{0, 0, 0};
inline constexpr TColor WindowText{0, 0, 0};
inline constexpr TColor GrayText{128, 128, 128};
// The width and height of a scroll arrow (SM_CXHSCROLL, SM_CYHSCROLL).
inline constexpr int ScrollArrow = 16;
} // namespace tab_colors
