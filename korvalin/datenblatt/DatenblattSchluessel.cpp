#include "korvalin/datenblatt/DatenblattSchluessel.h"

#include "stammwerk/modell/TProjekt.h"

std::vector<TBTKey> BauteilSchluessel(const TProjekt& p) {
    std::vector<TBTKey> keys;
    for (const TRBauteil& t : p.RBauteile)
        for (const TEinfachBauteil& e : t.Flaechenanteile)
            keys.push_back({int32_t(t.Nummer), int32_t(e.Nummer)});
    return keys;
}

std::vector<TBTFensterKey> FensterSchluessel(const TProjekt& p) {
    std::vector<TBTFensterKey> keys;
    for (const TRFenster& f : p.RFenster) keys.push_back({int32_t(f.Nummer)});
    return keys;
}

void SchluesselVorbelegen(TEBDatenblattDatenArray& feld, const std::vector<TBTKey>& keys) {
    for (const TBTKey& k : keys) feld.FindenOderAnlegen(k);
}

void SchluesselVorbelegen(TFensterDatenblattDatenArray& feld,
                          const std::vector<TBTFensterKey>& keys) {
    for (const TBTFensterKey& k : keys) feld.FindenOderAnlegen(k);
}
