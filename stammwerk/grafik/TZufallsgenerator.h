#pragma once
// Where the random hatch patterns take their numbers from. The program
// starts a new sequence from the clock (seconds), as the runtime's rand()
// was seeded; tests put in a generator of fixed numbers.
#include <cstdint>
#include <memory>

class TZufallsgenerator {
public:
    virtual ~TZufallsgenerator() = default;
    // Starts a new sequence; the program's generator seeds from the clock.
    virtual void Saeen() = 0;
    // The next number of the sequence, never negative.
    virtual uint32_t Zahl() = 0;
    // Zahl() modulo the bound; 0 when the bound is 0 or below.
    int Unter(int grenze) { return grenze > 0 ? int(Zahl() % uint32_t(grenze)) : 0; }

    // The generator the hatches use: the clock-seeded one unless a test has
    // set another. Setzen returns the one set before; nullptr restores the
    // clock-seeded one.
    static TZufallsgenerator& Aktuell();
    static TZufallsgenerator* Setzen(TZufallsgenerator* g);
};

// The same numbers after every Saeen: for tests and reproducible pictures.
class TFesterZufallsgenerator : public TZufallsgenerator {
public:
    explicit TFesterZufallsgenerator(uint32_t startwert = 1) : startwert_(startwert) { Saeen(); }
    void Saeen() override { zustand_ = startwert_; }
    uint32_t Zahl() override;

private:
    uint32_t startwert_;
    uint32_t zustand_ = 0;
};
