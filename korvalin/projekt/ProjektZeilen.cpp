#include "korvalin/projekt/ProjektZeilen.h"

#include "platform/base/Cp1252.h"
#include "stammwerk/modell/TProjekt.h"

#include <unordered_map>

const char* const BauteilTypNamen[10] = {"Außenwand",
                                         "Außenwand",
                                         "Abseitenwand",
                                         "Dach/Decke",
                                         "Grundfläche",
                                         "Decke, unten Außenluft",
                                         "Trennwand",
                                         "Außenwand/Glasvorbau",
                                         "Außenwand/Glasvorbau",
                                         "Außenwand/Glasvorbau"};

int BauteilGruppe(int bauteilart) {
    if (bauteilart <= 1) return 0;
    if (bauteilart <= 7) return bauteilart - 1;
    return 6;
}

std::vector<HuellZeile> HuellZeilen(TProjekt& p) {
    std::unordered_map<int16_t, TPBauteil*> bauteile;
    std::unordered_map<int16_t, TPFenster*> fenster;
    for (TPBauteil& b : p.PBauteile) bauteile.emplace(int16_t(b.Nummer), &b);
    for (TPFenster& f : p.PFenster) fenster.emplace(int16_t(f.Nummer), &f);
    std::vector<HuellZeile> zeilen;
    zeilen.reserve(p.Fassaden.GetItemsInContainer() + bauteile.size() + fenster.size());
    // An entry whose placed item is not in the variant shows no row.
    auto element = [&](TFassade* f, const TTypNummer& t, int ebene) -> const TTypNummerListe* {
        if (t.Typ == TTypNummer::Fenster) {
            auto it = fenster.find(t.Nummer);
            if (it == fenster.end()) return nullptr;
            if (ebene == 1 && it->second->Traeger.Nummer != -1) return nullptr;
            zeilen.push_back({ebene, f, nullptr, it->second});
            return &it->second->Einbauten;
        }
        auto it = bauteile.find(t.Nummer);
        if (it == bauteile.end()) return nullptr;
        if (ebene == 1 && it->second->Traeger.Nummer != -1) return nullptr;
        zeilen.push_back({ebene, f, it->second, nullptr});
        return &it->second->Einbauten;
    };
    for (TFassade& f : p.Fassaden) {
        zeilen.push_back({0, &f, nullptr, nullptr});
        for (const TTypNummer& t : f.Elemente)
            if (const TTypNummerListe* einbauten = element(&f, t, 1))
                for (const TTypNummer& e : *einbauten) element(&f, e, 2);
    }
    return zeilen;
}

std::vector<ReferenzZeile> ReferenzZeilen(TProjekt& p) {
    std::vector<ReferenzZeile> zeilen;
    int gruppe = -1;
    for (TRBauteil& t : p.RBauteile) {
        const int g = BauteilGruppe(t.Bauteilart);
        if (g != gruppe) zeilen.push_back({g});
        gruppe = g;
        zeilen.push_back({-1, &t, nullptr});
    }
    if (!p.RFenster.IsEmpty()) {
        zeilen.push_back({kFensterGruppe});
        for (TRFenster& f : p.RFenster) zeilen.push_back({-1, nullptr, &f});
    }
    return zeilen;
}

std::string Gekuerzt(std::string_view text, size_t zeichen) {
    const std::string bytes = cp1252::EncodeLossy(text);
    return cp1252::Decode(std::string_view(bytes).substr(0, zeichen));
}
