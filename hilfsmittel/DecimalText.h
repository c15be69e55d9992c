#pragma once
// Decimal numbers at the start of settings values, read as strtol reads them:
// leading white space and a sign, digits up to the first other character, no
// digits give 0.
#include <cstdint>
#include <string_view>

// The number, its magnitude held to 2^33: beyond every 32-bit reading, so the
// callers can tell their out-of-range cases apart.
int64_t LeadingDecimal(std::string_view text);

// As a 32-bit atol: beyond the 32-bit range saturates.
int32_t DecimalTextToLong(std::string_view text);
