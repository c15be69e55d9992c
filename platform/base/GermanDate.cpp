#include "platform/base/GermanDate.h"

#include <cstdio>
#include <ctime>

GermanDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::string FormatGermanDate(const GermanDate& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d.day % 100, d.month % 100, d.year % 10000);
    return buf;
}
