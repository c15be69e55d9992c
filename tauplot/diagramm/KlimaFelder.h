#pragma once
// What the project's and a component's climate pages share: the fields of
// the two periods of the condensation proof, their checks and their values
// after DIN 4108 Teil 3.
#include <initializer_list>
#include <utility>

class TDialog;

namespace klima {

// The period fields 105 106 107 108 113 114 115 116 109 110 with their DIN
// values.
inline constexpr std::pair<int, const char*> kDinPerioden[] = {
    {105, "20"}, {106, "-10"}, {107, "50"}, {108, "80"}, {113, "1440"},
    {114, "12"}, {115, "12"},  {116, "70"}, {109, "70"}, {110, "2160"}};
inline constexpr const char* kDinKommentar = "Randbedingungen nach DIN 4108 Teil 3";

// Range checks of the period fields and of the further temperature fields,
// and the comment's length (field 130).
void FelderPruefen(TDialog& d, std::initializer_list<int> weitereTemperaturen);
// Writes the DIN values into the period fields.
void DinPeriodenSetzen(TDialog& d);

} // namespace klima
