#pragma once
// A location with its degree-day number, and a fuel with its heating values,
// price and CO2 factor: the entries of the two reference lists.
#include <cstddef>
#include <cstdint>
#include <string>

class ByteReader;
class ByteWriter;

// Which file of a reference list an entry comes from.
enum TListenQuelle : int16_t { QuelleHersteller = 1, QuelleAnwender = 2 };

struct TOrt {
    static constexpr size_t Groesse = 50;
    static constexpr const char* DateiHersteller = "orte_qtx.dat";
    static constexpr const char* DateiAnwender = "orte_anw.dat";
    static constexpr int16_t DateiTypHersteller = 14;

    std::string Name = "Nach Wärmeschutzverordnung"; // char[40]
    double Gradtagzahl = 3500.0;                     // Kd/a
    int16_t Quelle = QuelleHersteller;

    void Schreiben(ByteWriter& out) const;
    void Lesen(ByteReader& in);
};

struct TBrennstoff {
    static constexpr size_t Groesse = 89;
    static constexpr const char* DateiHersteller = "bren_qtx.dat";
    static constexpr const char* DateiAnwender = "bren_anw.dat";
    static constexpr int16_t DateiTypHersteller = 16;

    std::string Name = "Heizöl EL"; // char[40]
    double Heizwert = 9.0;          // kWh per unit
    double Brennwert = 11.0;        // kWh per unit
    std::string Einheit = "Liter";  // char[15]
    double Preis = 0.0;             // DM per unit
    double CO2 = 0.27;              // kg per kWh
    int16_t Quelle = QuelleHersteller;

    void Schreiben(ByteWriter& out) const;
    void Lesen(ByteReader& in);
};

// Order and equality by the first 40 bytes of the names, case-sensitive.
bool operator<(const TOrt& a, const TOrt& b);
bool operator==(const TOrt& a, const TOrt& b);
bool operator<(const TBrennstoff& a, const TBrennstoff& b);
bool operator==(const TBrennstoff& a, const TBrennstoff& b);
