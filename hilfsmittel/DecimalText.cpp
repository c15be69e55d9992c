#include "hilfsmittel/DecimalText.h"

#include <algorithm>
#include <limits>

int64_t LeadingDecimal(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    constexpr int64_t limit = int64_t(1) << 33;
    int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (s[i] - '0'), limit);
    return negative ? -value : value;
}

int32_t DecimalTextToLong(std::string_view s) {
    return int32_t(std::clamp<int64_t>(LeadingDecimal(s), std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}
