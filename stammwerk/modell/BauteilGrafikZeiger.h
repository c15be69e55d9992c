#pragma once
// The cross-section's owning pointer to its drawing. The model knows nothing
// of drawings: the drawing layer registers how a drawing is made, copied and
// deleted. A new pointer holds a default drawing (empty only while the
// drawing layer has registered nothing).
class TBauteilGrafik;

class BauteilGrafikZeiger {
public:
    struct Operationen {
        TBauteilGrafik* (*erzeugen)();
        TBauteilGrafik* (*kopieren)(const TBauteilGrafik&);
        void (*loeschen)(TBauteilGrafik*);
    };
    // Called once by the drawing layer before it hands out drawings.
    static void Registrieren(const Operationen& ops);

    BauteilGrafikZeiger();
    BauteilGrafikZeiger(const BauteilGrafikZeiger& other);
    BauteilGrafikZeiger& operator=(const BauteilGrafikZeiger& other);
    ~BauteilGrafikZeiger();

    TBauteilGrafik* get() const { return grafik_; }
    TBauteilGrafik* operator->() const { return grafik_; }
    explicit operator bool() const { return grafik_ != nullptr; }
    // Takes ownership of g, deleting the drawing held before.
    void reset(TBauteilGrafik* g = nullptr);

private:
    TBauteilGrafik* grafik_ = nullptr;
};
