#pragma once
// Numbers as the component editor and its dialogs show and read them: with
// a decimal point and no grouping, so that a shown value can be edited in
// place and read back as it is; ',' is read as '.'. The group names, and the
// message boxes of the editor.
#include <cstdint>
#include <string>
#include <string_view>

// The value with that many decimals ("%1.*lf").
std::string Zahl(int stellen, double wert);
// The number at the start of the text, ',' taken as '.'; 0 when none.
double DezimalLesen(std::string_view text);
// At most `bytes` - 1 bytes in Windows-1252 (a record's text field of that width).
std::string Abschneiden(std::string_view text, size_t bytes);

// The name of a component group (the type's kind, 0..9) in the result panel.
const char* BauteilGruppenName(int gruppe);
// The key group of a component stored in the user catalogue, by its kind.
uint16_t KatalogGruppe(int bauteilart);

class TSftTree;
class TRBauteil;
class TEinfachBauteil;
// The rows of a layer table for one area range: Rsi, the layers, Rse and
// the sums, as the editor and the information dialog show them.
void SchichtTabelleSchreiben(TSftTree* t, const TRBauteil& bauteil, const TEinfachBauteil& e);

// A message with the exclamation icon.
int Warnung(std::string_view text, std::string_view caption, uint32_t buttons = 0);
// A catalogue write that did not happen: what did not happen, after the
// catalogue's own reason where it knows one, else after the general guess.
void KatalogFehler(std::string_view grund, std::string_view folge, std::string_view caption,
                   std::string_view ohneGrund = "Zu viele Dateien geöffnet! ");
// The reason a catalogue gave for its last failure; none without a catalogue.
template <class Katalog>
std::string_view FehlerVon(const Katalog* k) {
    return k ? std::string_view(k->LetzterFehler()) : std::string_view();
}
// The help file at a dialog's context number.
void HilfeZeigen(uint32_t kontext);
