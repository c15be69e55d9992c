#pragma once
// Cell texts of one row of the proof tables: the component table (12
// columns) and the facade sheet (18 columns). Numbers go through the
// program's formatter with the configured separators; values at or above the
// threshold are written "%5.4G" with a point.
#include <cstddef>

class TGesamtProjekt;
class TFassade;
class TPBauteil;
class TRBauteil;
class TRFenster;
struct TTypNummer;

// Bytes every column buffer must hold, NUL included; longer texts are cut.
constexpr std::size_t kZeilenSpaltenBreite = 64;
constexpr std::size_t kBauteilTabSpalten = 12;
constexpr std::size_t kFassadenSpalten = 18;
// Width of one entry of the names table of the component kinds 0..9.
constexpr std::size_t kArtNamenBreite = 40;

void FormatFassadenBauteilDaten(TGesamtProjekt* g, const TTypNummer& t, double threshold,
                                const char names[][kArtNamenBreite], char** columns);
void FormatFassadenDaten(TGesamtProjekt* g, const TFassade& f, char** columns, double threshold);
void FormatBauteilDaten(TGesamtProjekt* g, const TTypNummer& t, const char names[][kArtNamenBreite],
                        char** columns, double threshold);
// Columns 10 and 12 are left as they are.
void FormatRBauteilDaten(TGesamtProjekt* g, const TPBauteil& p, const char names[][kArtNamenBreite],
                         char** columns, double threshold);
void FormatBauteilTabFassadenDaten(TGesamtProjekt* g, const TFassade& f, char** columns,
                                   double threshold);
void FormatFensterTabReferenzDaten(TGesamtProjekt* g, const TRFenster& t, char** columns,
                                   double threshold);
void FormatBauteilTabReferenzDaten(TGesamtProjekt* g, const TRBauteil& t, char** columns,
                                   double threshold);
