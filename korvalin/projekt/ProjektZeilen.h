#pragma once
// The rows of the project dialog's two trees as the current variant gives
// them. The rebuilds and the row look-ups walk the same rows, so that they
// always agree.
#include <string>
#include <string_view>
#include <vector>

class TProjekt;
class TFassade;
class TPBauteil;
class TPFenster;
class TRBauteil;
class TRFenster;

// The names of the component kinds 0..9, 40 characters at most.
extern const char* const BauteilTypNamen[10];

// Envelope tree: each facade (level 0), under it each placed item that is
// inserted into no other item (level 1), under that its inserted items (level 2).
struct HuellZeile {
    int Ebene = 0;
    TFassade* Fassade = nullptr; // the facade the row belongs to
    TPBauteil* Bauteil = nullptr;
    TPFenster* Fenster = nullptr;
};
std::vector<HuellZeile> HuellZeilen(TProjekt& p);

// The groups of the reference tree: kinds 0 and 1 share group 0, kinds 2..7
// are groups 1..6, kinds 8 and 9 join group 6; the window types are group 7.
constexpr int kFensterGruppe = 7;
int BauteilGruppe(int bauteilart);

// Reference tree: a heading (level 0) before the first component type of each
// group, the component types (level 1); then, when there are window types,
// the heading "Fenster" and the window types.
struct ReferenzZeile {
    int Gruppe = -1; // a heading row's group, -1 for the other rows
    TRBauteil* Bauteil = nullptr;
    TRFenster* Fenster = nullptr;
};
std::vector<ReferenzZeile> ReferenzZeilen(TProjekt& p);

// Names of the model hold at most this many Windows-1252 characters; longer
// input is cut.
constexpr size_t kNamenLaenge = 29, kKurznamenLaenge = 10;
std::string Gekuerzt(std::string_view text, size_t zeichen);
