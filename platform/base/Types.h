#pragma once
// The original's int and long are 32-bit; record fields keep those widths.
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using BOOL = std::int32_t;
using COLORREF = std::uint32_t;
using WPARAM = std::uint32_t;
using LPARAM = std::int32_t;
