#include "hilfsmittel/layout/DecimalText.h"

#include <algorithm>
#include <limits>

int32_t DecimalTextToLong(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    // Magnitude up to 2^31, enough to tell the saturated cases apart.
    constexpr int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (s[i] - '0'), limit);
    if (negative) return int32_t(-std::min(value, limit));
    return int32_t(std::min<int64_t>(value, limit - 1));
}
