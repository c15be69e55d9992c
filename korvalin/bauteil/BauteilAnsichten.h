#pragma once
// The data sheets and diagrams of one component type, as the component
// editor and the component catalogue browsers open them: an open window of
// the same component (and area range) comes to the top instead.
#include <functional>
#include <vector>

class TEinfachBauteil;
class TRBauteil;
class TRFenster;

void BauteilDatenblattZeigen(TRBauteil* bauteil);
// Computes the periodic heat storage of every area range first.
void PeriodenDatenblattZeigen(TRBauteil* bauteil);
void TemperaturDatenblattZeigen(TRBauteil* bauteil);
void FensterDatenblattZeigen(TRFenster* fenster);
// The output sheet of a catalogue's chosen entries; it replaces the one shown.
void BauteilDateiAusgeben(const std::vector<const TRBauteil*>& liste);
void FensterDateiAusgeben(const std::vector<TRFenster*>& liste);

// The checks before the window opens, each refusal a message.
void TemperaturverlaufZeigen(TRBauteil& bauteil, const TEinfachBauteil& bereich);
// Which notices of the moisture result come before the Glaser window.
enum class GlaserHinweise {
    // Only for a range not free of moisture; a considerable condensate mass
    // not judged yet goes to the editor's judgement first.
    Editor,
    // Only for a range not free of moisture, each reported.
    Katalog,
    // Every result reported, a judged condensate mass with its judgement.
    Projekt,
};
// Also the notices of the moisture result; tauwasserBeurteilen is the
// editor's judgement of a considerable condensate mass.
void GlaserDiagrammZeigen(TRBauteil& bauteil, TEinfachBauteil& bereich, GlaserHinweise hinweise,
                          const std::function<void()>& tauwasserBeurteilen = {});
