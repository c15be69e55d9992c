// The cross-section's drawing is made here, in the drawing layer; the model
// holds it through a pointer whose making, copy and delete this layer registers.
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TRBauteil.h"

namespace {

TBauteilGrafik* Erzeugen() {
    return new TBauteilGrafik;
}

TBauteilGrafik* Kopieren(const TBauteilGrafik& g) {
    return new TBauteilGrafik(g);
}

void Loeschen(TBauteilGrafik* g) {
    delete g;
}

// Registered when the library loads, before any drawing is made.
const bool registriert = [] {
    BauteilGrafikZeiger::Registrieren({&Erzeugen, &Kopieren, &Loeschen});
    return true;
}();

} // namespace

void TEinfachBauteil::SetBauteilGrafikNeu(const TRBauteil* t) {
    if (!Grafik) Grafik.reset(new TBauteilGrafik);
    Grafik->Close();
    Grafik->SetBauteilKlimaDaten(t);
    Grafik->Init(this);
}

void TRBauteil::SetEBGrafikDatenNeu() {
    for (TEinfachBauteil& e : Flaechenanteile) e.SetBauteilGrafikNeu(this);
}
