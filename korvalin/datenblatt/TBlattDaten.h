#pragma once
// What the user changes on a data sheet and what survives the window: the
// texts typed into its edit blocks, the column widths of its tables and a
// switch (the first page number of its section). One record per sheet kind;
// the named records below differ only in their defaults.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct TDatenblattEditfeld {
    int32_t Zahl1 = 800;
    int32_t Zahl2 = 10; // height of the text's block when it was last committed
    std::string Text;
};

// Column widths in percent of the table width; a sheet copies the first 20.
struct TSpaltenSatz {
    static constexpr int Anzahl = 30;
    TSpaltenSatz() { Breite.fill(50.0); }
    // The listed widths from the first column on; the rest stay 50.
    TSpaltenSatz(std::initializer_list<double> breiten);

    std::array<uint8_t, 16> Kopf{};
    std::array<double, Anzahl> Breite;
};

// Identity order of a stored record: byte i = i.
std::array<uint8_t, 64> Identitaetsordnung();

class TBlattDaten {
public:
    TBlattDaten(int editfelder, std::vector<TSpaltenSatz> saetze)
        : Editfelder(size_t(editfelder)), Spaltensaetze(std::move(saetze)) {}

    std::vector<TDatenblattEditfeld> Editfelder;
    std::vector<TSpaltenSatz> Spaltensaetze;
    int32_t Schalter = 1; // first page number of the section
};

// Column widths of the component sheet (section 4): set 2 holds columns
// 1-11 and 12-22, one of which the sheet shows.
struct TBauteilSpaltenDaten : TBlattDaten {
    TBauteilSpaltenDaten();
};
struct TFensterSpaltenDaten : TBlattDaten {
    TFensterSpaltenDaten();
};
struct TProjektDatenblattDaten : TBlattDaten {
    TProjektDatenblattDaten();
};
struct TFassadenDatenblattDaten : TBlattDaten {
    TFassadenDatenblattDaten();
};
struct TBauteilUeberblickDaten : TBlattDaten {
    TBauteilUeberblickDaten();
};
struct TBauteilVerfahrenDaten : TBlattDaten {
    TBauteilVerfahrenDaten();
};
struct TBauteilErneuernDaten : TBlattDaten {
    TBauteilErneuernDaten();
};
struct TVolumenberechnungDaten : TBlattDaten {
    TVolumenberechnungDaten();
};
struct TFlaechenberechnungDaten : TBlattDaten {
    TFlaechenberechnungDaten();
};
struct TEnergieDatenblattDaten : TBlattDaten {
    TEnergieDatenblattDaten();
};
struct TMassenermittlungDatenblattDaten : TBlattDaten {
    TMassenermittlungDatenblattDaten();
};
struct TPeriodenDatenblattDaten : TBlattDaten {
    TPeriodenDatenblattDaten();
};
struct TTemperaturDatenblattDaten : TBlattDaten {
    TTemperaturDatenblattDaten();
};
struct TGlaserVergleichsDatenblattDaten : TBlattDaten {
    TGlaserVergleichsDatenblattDaten();
};
