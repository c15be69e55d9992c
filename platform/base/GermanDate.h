#pragma once
// Dates as the program prints them: "10.12.2026".
#include <string>

struct GermanDate {
    int day = 1;
    int month = 1;
    int year = 1970;
};

GermanDate Today();
std::string FormatGermanDate(const GermanDate& d);
