#pragma once
// How the client opens the material, window and component catalogues at
// start-up and hands each result to the old-catalogue check, and where the
// rest of the program finds the catalogues and the reference lists of
// locations and fuels. ModellKataloge holds the building model's files in
// the program directory.
#include <filesystem>
#include <memory>

class TBaustoffDatei;
class TFensterDatei;
class TBauteilDatei;
class TOrtSammlung;
class TBrennstoffSammlung;

// Numbered as the old-catalogue check numbers the kinds.
enum class KatalogArt { Baustoffe = 0, Bauteile = 1, Fenster = 2 };

class KatalogZugang {
public:
    virtual ~KatalogZugang() = default;
    // The material catalogue empties its two index lists before its editions open.
    virtual void IndexLeeren(KatalogArt art) {}
    // Opens edition 0 (DIN), 1 (maker's) or 2 (user's); the catalogue's code.
    virtual int Oeffnen(KatalogArt art, int ausgabe) = 0;
    // The old-catalogue check: converts an older file or reports the code.
    virtual void AlteKatalogePruefen(KatalogArt art, int ausgabe, int ergebnis) {}

    // The catalogues and reference lists; null where there are none.
    virtual TBaustoffDatei* Baustoffe() { return nullptr; }
    virtual TFensterDatei* Fenster() { return nullptr; }
    virtual TBauteilDatei* Bauteile() { return nullptr; }
    virtual TOrtSammlung* Orte() { return nullptr; }
    virtual TBrennstoffSammlung* Brennstoffe() { return nullptr; }
};

// The catalogue files of the building model in one directory. The reference
// lists are read, maker's file then user's, when they are first asked for.
class ModellKataloge : public KatalogZugang {
public:
    explicit ModellKataloge(const std::filesystem::path& verzeichnis);
    ~ModellKataloge() override;
    void IndexLeeren(KatalogArt art) override;
    int Oeffnen(KatalogArt art, int ausgabe) override;
    // Code 1 is reported; a file of an older version is converted (the old
    // file kept as a backup copy) and the conversion reported.
    void AlteKatalogePruefen(KatalogArt art, int ausgabe, int ergebnis) override;

    TBaustoffDatei* Baustoffe() override { return baustoffe_.get(); }
    TFensterDatei* Fenster() override { return fenster_.get(); }
    TBauteilDatei* Bauteile() override { return bauteile_.get(); }
    TOrtSammlung* Orte() override;
    TBrennstoffSammlung* Brennstoffe() override;

private:
    void katalogKonvertieren(KatalogArt art, int ausgabe, int code);

    std::filesystem::path verzeichnis_;
    std::unique_ptr<TBaustoffDatei> baustoffe_;
    std::unique_ptr<TFensterDatei> fenster_;
    std::unique_ptr<TBauteilDatei> bauteile_;
    std::unique_ptr<TOrtSammlung> orte_;
    std::unique_ptr<TBrennstoffSammlung> brennstoffe_;
};
