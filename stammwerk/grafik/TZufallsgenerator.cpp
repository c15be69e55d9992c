#include "stammwerk/grafik/TZufallsgenerator.h"

#include <ctime>
#include <random>

namespace {

class UhrZufallsgenerator : public TZufallsgenerator {
public:
    // Seconds, so that hatches first drawn within one second share their pattern.
    void Saeen() override { engine_.seed(uint32_t(std::time(nullptr))); }
    uint32_t Zahl() override { return uint32_t(engine_() & 0x7FFF); }

private:
    std::minstd_rand engine_{uint32_t(std::time(nullptr))};
};

UhrZufallsgenerator uhr;
TZufallsgenerator* aktuell = &uhr;

} // namespace

TZufallsgenerator& TZufallsgenerator::Aktuell() {
    return *aktuell;
}

TZufallsgenerator* TZufallsgenerator::Setzen(TZufallsgenerator* g) {
    TZufallsgenerator* vorher = aktuell == &uhr ? nullptr : aktuell;
    aktuell = g ? g : &uhr;
    return vorher;
}

uint32_t TFesterZufallsgenerator::Zahl() {
    // The C standard's sample rand(): 15-bit numbers, as the runtime gave.
    zustand_ = zustand_ * 1103515245u + 12345u;
    return (zustand_ / 65536u) % 32768u;
}
