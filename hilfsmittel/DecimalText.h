#pragma once
// Decimal numbers in settings values as the original's 32-bit run-time
// library read them: leading white space and a sign, digits up to the first
// other character, no digits gives 0, beyond the 32-bit range saturates.
#include <cstdint>
#include <string_view>

int32_t DecimalTextToLong(std::string_view text);
