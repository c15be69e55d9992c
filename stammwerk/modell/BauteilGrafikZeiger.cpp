#include "stammwerk/modell/BauteilGrafikZeiger.h"

namespace {
BauteilGrafikZeiger::Operationen registered{nullptr, nullptr, nullptr};
}

void BauteilGrafikZeiger::Registrieren(const Operationen& ops) {
    registered = ops;
}

BauteilGrafikZeiger::BauteilGrafikZeiger() {
    if (registered.erzeugen) grafik_ = registered.erzeugen();
}

BauteilGrafikZeiger::BauteilGrafikZeiger(const BauteilGrafikZeiger& other) {
    if (other.grafik_ && registered.kopieren)
        grafik_ = registered.kopieren(*other.grafik_);
    else if (registered.erzeugen)
        grafik_ = registered.erzeugen();
}

BauteilGrafikZeiger& BauteilGrafikZeiger::operator=(const BauteilGrafikZeiger& other) {
    if (this != &other) {
        BauteilGrafikZeiger copy(other);
        reset(copy.grafik_);
        copy.grafik_ = nullptr;
    }
    return *this;
}

BauteilGrafikZeiger::~BauteilGrafikZeiger() {
    reset();
}

void BauteilGrafikZeiger::reset(TBauteilGrafik* g) {
    // Only the drawing layer makes drawings, and it registers first.
    if (grafik_ && grafik_ != g && registered.loeschen) registered.loeschen(grafik_);
    grafik_ = g;
}
