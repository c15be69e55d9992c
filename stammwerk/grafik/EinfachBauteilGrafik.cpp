// The cross-section's drawing is made here, in the drawing layer; the model
// holds it through a pointer whose copy and delete this layer registers.
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/modell/TEinfachBauteil.h"

namespace {

TBauteilGrafik* Kopieren(const TBauteilGrafik& g) {
    return new TBauteilGrafik(g);
}

void Loeschen(TBauteilGrafik* g) {
    delete g;
}

// Registered when the library loads, before any drawing is made.
const bool registriert = [] {
    BauteilGrafikZeiger::Registrieren({&Kopieren, &Loeschen});
    return true;
}();

} // namespace

void TEinfachBauteil::SetBauteilGrafikNeu(const TKlima& klima) {
    if (!Grafik) Grafik.reset(new TBauteilGrafik);
    Grafik->Close();
    Grafik->SetBauteilKlimaDaten(klima);
    Grafik->Init(this);
}
