// Periodic heat transfer (matrix method for periodic heat conduction, as in
// ISO 13786): dynamic U-value, amplitude damping and phase shift.
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/THeindlMatrix.h"

#include <cmath>
#include <memory>
#include <vector>

void TSchicht::WaermespeicherBerechnen(double T) {
    R = Lambda >= 1e-6 ? 0.001 * Schichtdicke / Lambda : Schichtdicke * 1000;
    if (Schluessel.IsSystemBaustoff()) {
        Eindringkoeffizient = Periodenkennwert = 0;
        ChCos = ShSin = ChSinPlusShCos = ChSinMinusShCos = 0;
        // Air layers act as pure resistances; slabs and boxes cannot be computed.
        Speicherart = Schluessel.Gruppe == 9 ? 1 : 2;
        return;
    }
    Speicherart = 0;
    const double b2 = Lambda * Rohdichte * Waermekapazitaet / 3600; // c in J/(kg·K), per hour
    Eindringkoeffizient = b2 >= 0 ? std::sqrt(b2) : 0;
    const double periode = T >= 1e-6 ? T : 1e-6;
    constexpr double kPi = 3.141592654; // as the stored values were always computed
    Periodenkennwert = std::sqrt(kPi / periode) * Eindringkoeffizient;
    const double xi = Periodenkennwert * R;
    const double ch = std::cosh(xi), sh = std::sinh(xi), co = std::cos(xi), si = std::sin(xi);
    ChCos = ch * co;
    ShSin = sh * si;
    ChSinPlusShCos = ch * si + sh * co;
    ChSinMinusShCos = ch * si - sh * co;
    if (Periodenkennwert < 1e-6) Speicherart = 2;
}

namespace {
// Phase of x + jy as a time shift in [0, T) hours.
double phase(double T, double y, double x) {
    constexpr double kPi = 3.1415927;
    const double t = T * 0.5 / kPi * std::atan2(y, x);
    return t < 0 ? t + T : t;
}
} // namespace

void TEinfachBauteil::WaermespeicherBerechnen(double T, double Rsi, double Rse) {
    if (kWertVorgegeben != 0) {
        SpeicherGueltig = 0;
        return;
    }
    if (Schichten.IsEmpty()) return;

    // The layers change only when the whole cross-section can be computed.
    std::vector<std::unique_ptr<TSchicht>> kopien;
    kopien.reserve(Schichten.GetItemsInContainer());
    for (const TSchicht& s : Schichten) {
        auto k = std::make_unique<TSchicht>(s);
        k->WaermespeicherBerechnen(T);
        if (k->Speicherart == 2) {
            SpeicherGueltig = 0;
            return;
        }
        kopien.push_back(std::move(k));
    }
    SpeicherGueltig = 1;

    THeindlMatrix M, L;
    M.SchichtZuordnen(kopien[0].get());
    for (size_t i = 1; i < kopien.size(); ++i) {
        L.SchichtZuordnen(kopien[i].get());
        M = Multiplizieren(L, M); // layer 0 is innermost: M maps inside to outside
    }
    THeindlMatrix Si, Se;
    Si.WaermeuebergangZuordnen(Rsi);
    Se.WaermeuebergangZuordnen(Rse);
    const THeindlMatrix B = Multiplizieren(Se, M);
    const THeindlMatrix A = Multiplizieren(B, Si);

    const double z = std::sqrt(A.m[0][2] * A.m[0][2] + A.m[0][3] * A.m[0][3]); // |Z12|
    Daempfung = Rsi >= 1e-6 ? z / Rsi : z * 1e6;
    Y12 = z >= 1e-6 ? 1 / z : 1e6;
    Phasenverschiebung = phase(T, A.m[0][3], A.m[0][2]);
    DaempfungAussen = std::sqrt(B.m[0][0] * B.m[0][0] + B.m[0][1] * B.m[0][1]); // |Z11| without Rsi
    PhasenverschiebungAussen = phase(T, B.m[0][1], B.m[0][0]);

    Schichten.Flush();
    for (auto& k : kopien) Schichten.Add(std::move(k));
}
