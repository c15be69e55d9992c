#pragma once
// The three value records of a variant's annual consumption: heating system
// with its fuel, hot-water demand, and the consumption results.
#include "stammwerk/modell/Ort.h"

#include <string>

class ByteReader;
class ByteWriter;

struct THeizsystem {
    static constexpr size_t Groesse = 157;

    std::string Name = "Standardheizung"; // char[50]
    int16_t Heizwertbezug = 1;            // non-zero heating value, 0 calorific value
    double Wirkungsgrad = 90.0;           // percent
    TBrennstoff Brennstoff;
    double Waermepreis = 0.0; // DM per kWh of delivered heat, set by PreisBerechnen

    // Price of delivered heat: fuel price / energy per unit / efficiency × 100;
    // 100000.0 when the energy or the efficiency is not positive.
    void PreisBerechnen();
    void Schreiben(ByteWriter& out) const;
    void Lesen(ByteReader& in);
};

struct TWarmwasserbedarf {
    static constexpr size_t Groesse = 26;

    int16_t ImVerbrauch = 0;            // 0: hot water is not part of the consumption
    double Warmwassertemperatur = 60.0; // °C
    double Kaltwassertemperatur = 15.0; // °C
    double LiterProTag = 0.0;

    void Schreiben(ByteWriter& out) const;
    void Lesen(ByteReader& in);
};

// -1.0 marks a value not computed.
struct TJahresverbrauch {
    static constexpr size_t Groesse = 120;

    double Q_T_Ort = -1.0;
    double Q_H_Ort = -1.0;
    double Q_Heizung = -1.0;
    double Q_Heizung_A = -1.0;
    double Brennstoffmenge = -1.0;
    double Brennstoffmenge_A = -1.0;
    double Kosten = -1.0;
    double Kosten_A = -1.0;
    double CO2 = -1.0;
    double CO2_A = -1.0;
    double Q_Warmwasser = -1.0;
    double Brennstoffmenge_WW = -1.0;
    double Kosten_WW = -1.0;
    double CO2_WW = -1.0;
    double Bezugsflaeche = -1.0;

    void Schreiben(ByteWriter& out) const;
    void Lesen(ByteReader& in);
};
