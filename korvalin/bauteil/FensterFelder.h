#pragma once
// The window type's stored fields by what the window editor, its dialogs and
// the window sheets make of them; the record keeps the file's neutral names.
#include "stammwerk/modell/TRFenster.h"

template <class T>
auto& Bezeichnung(T& t) {
    return t.Zusatzname;
}
// 1: k_F follows from glazing and frame (check "Glas- und Rahmenanteil").
template <class T>
auto& GlasUndRahmen(T& t) {
    return t.Merker10;
}
// 1: glazing and frame group from the DIN 4108 table (check "nach DIN 4108").
template <class T>
auto& NachDIN(T& t) {
    return t.Merker11;
}
// Row of the glazing value k_V and column of the frame group in KFTabelle.
template <class T>
auto& KVZeile(T& t) {
    return t.Merker8;
}
template <class T>
auto& Rahmengruppe(T& t) {
    return t.Merker9;
}
template <class T>
auto& k_R(T& t) { // W/(m²K)
    return t.Wert6;
}
template <class T>
auto& k_V(T& t) { // W/(m²K)
    return t.Wert7;
}
// Single glazing admitted for a large-area window ("Großflächig").
template <class T>
auto& Grossflaechig(T& t) {
    return t.EinfachverglasungAusnahme;
}
// Class indices, 0 = "k.A.".
template <class T>
auto& Schallschutzklasse(T& t) {
    return t.Merker12;
}
template <class T>
auto& Baustoffklasse(T& t) {
    return t.Merker13;
}
template <class T>
auto& Feuerwiderstandsklasse(T& t) {
    return t.Merker14;
}
// The catalogue the type comes from: 0 DIN, 1 maker's, 2 user's, -1 none.
inline int FensterQuelle(const TRFenster& t) {
    return int16_t(t.Schluessel.Katalog);
}
