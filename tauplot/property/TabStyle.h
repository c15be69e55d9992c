#pragma once
// The style word of a property dialog and its tab strip: 32 flag bits.
#include <cstdint>

namespace Tab {
using Style = uint32_t;

constexpr Style SingleHeight = 0;
constexpr Style VariableWidth = 0;
constexpr Style DoubleHeight = 0x1;   // two text lines; titles with a blank wrap
constexpr Style FixedWidth = 0x2;     // every tab FixedTabWidth wide
constexpr Style ColorActive = 0x4;    // the current tab filled with ActiveColor
constexpr Style Collapsing = 0x8;     // disabled tabs are hidden
constexpr Style Justified = 0x10;     // rows stretched to the full width
constexpr Style Stacked = 0x20;       // several rows, the current one in front
constexpr Style AllowDupPages = 0x40; // one page under several tabs
constexpr Style CreateOnDemand = 0x80;
constexpr Style WideMargins = 0x100;
constexpr Style AutoTabResize = 0x200;
constexpr Style ButtonsOnRight = 0x400;
constexpr Style UseSmallFont = 0x800;
constexpr Style SaveOnClosePage = 0x1000;
constexpr Style NoMDIClose = 0x2000;
constexpr Style WizardFrame = 0x4000;
constexpr Style UseTabBitmaps = 0x8000;
constexpr Style CenterDialog = 0x10000;
constexpr Style CreateOnDemandAndKeepIt = 0x20000;
constexpr Style FocusOnFirstControl = 0x40000;
} // namespace Tab
