#pragma once
// One line of the CAD transfer file "divarod.txt": an element of the
// building envelope with its identifier, name, kind, direction, partial-area
// number and area expression, in fixed columns of Windows-1252 text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TCADBauteilDaten {
    static constexpr uint16_t ArtFenster = 10;

    std::string Kennung;          // first token, at most 12 characters
    int32_t CADNummer = 0;        // element identifier; 0 never in a valid line
    std::string Name;             // at most 29 characters, trailing blanks removed
    uint16_t Art = 0;             // 0, 3, 4, 5, 6 a component kind; 10 a window
    std::string WertA;            // not read by the take-over
    int16_t Himmelsrichtung = -1; // 0 north, 1 south, 2 west, 3 east, -1 other
    std::string WertB;            // not read by the take-over
    uint16_t Anzahl = 0;          // partial-area number (1, 2, ...)
    std::string Formel;           // area expression, m²
};

// Results of parsing one line.
enum TCADZeilenStatus : int {
    CADZeileGelesen = 0,
    CADKennungNull = 1,  // identifier 0, blank or not a number: the file is malformed
    CADArtUnbekannt = 2, // a kind token other than W, F, D, G, DL, AB
};

// Parses one line (Windows-1252, without its line end) into d.
TCADZeilenStatus CADZeileParsen(std::string_view zeile, TCADBauteilDaten& d);

// Gives the lines of a transfer file one after the other, without their
// line ends, and counts them from 1.
class TCADZeilenleser {
public:
    explicit TCADZeilenleser(std::string_view datei) : datei_(datei) {}
    // False at the end of the file.
    bool Naechste(std::string_view& zeile);
    int Zeilennummer() const { return nummer_; }

private:
    std::string_view datei_;
    size_t pos_ = 0;
    int nummer_ = 0;
};

// A line of the file that was not taken over, and why.
struct TCADMeldung {
    int Zeile = 0;
    std::string Text;
};

// Evaluates an area expression of a CAD line. False, with the reason in
// `fehler`, for an expression the evaluator rejects, a German decimal comma,
// an empty expression, and a value that is not a finite area >= 0 m²; a
// wrong area is worse than none.
bool CADFlaecheAuswerten(std::string_view formel, uint16_t rechenoption, double& wert,
                         std::string& fehler);
