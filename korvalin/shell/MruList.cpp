#include "korvalin/shell/MruList.h"

#include "platform/base/Cp1252.h"
#include "platform/profile/Profile.h"
#include "platform/profile/RegistryStore.h"
#include "platform/window/Menu.h"

#include <algorithm>

namespace {
std::string schluesselName(int i) {
    return "File" + std::to_string(i + 1);
}

size_t dateiLaenge(std::string_view name) {
    const auto bytes = cp1252::Encode(name);
    return bytes ? bytes->size() : name.size();
}
} // namespace

std::unique_ptr<MruList> MruList::Erzeugen(uint16_t anzeige, uint16_t kapazitaet,
                                           uint16_t eintragGroesse, uint16_t basisId) {
    if (kapazitaet == 0 || eintragGroesse < 2) return nullptr;
    auto liste = std::make_unique<MruList>();
    liste->Anzeige = anzeige;
    liste->Kapazitaet = kapazitaet;
    liste->EintragGroesse = eintragGroesse;
    liste->BasisId = basisId;
    liste->Eintraege.resize(kapazitaet);
    return liste;
}

std::unique_ptr<MruList> MruList::ErzeugenStandard() {
    return Erzeugen(6, 9, 260, 8000);
}

bool MruList::passt(std::string_view name) const {
    return dateiLaenge(name) <= size_t(EintragGroesse - 1);
}

int MruList::index(int id, bool menueId) const {
    return menueId ? id - (BasisId + 1) : id;
}

bool MruList::EintragSetzen(int i, std::string_view name) {
    if (i < 0 || i >= Kapazitaet || !passt(name)) return false;
    Eintraege[size_t(i)] = name;
    Fuellstand = std::max<uint16_t>(Fuellstand, uint16_t(i + 1));
    return true;
}

bool MruList::EintragHolen(int id, bool menueId, std::string& name, size_t pufferGroesse) const {
    const int i = index(id, menueId);
    if (i < 0 || i >= Fuellstand || pufferGroesse == 0) return false;
    name = Eintraege[size_t(i)].substr(0, pufferGroesse - 1);
    return true;
}

void MruList::DateiHinzufuegen(std::string_view name) {
    if (!passt(name)) return;
    // Exact paths: on Linux "HAUS.PRO" and "haus.pro" are two files.
    auto gleich = [&](const std::string& e) { return e == name; };
    const auto ende = Eintraege.begin() + Fuellstand;
    auto gefunden = std::find_if(Eintraege.begin(), ende, gleich);
    if (gefunden == ende) {
        Fuellstand = std::min<uint16_t>(Fuellstand + 1, Kapazitaet);
        gefunden = Eintraege.begin() + Fuellstand - 1; // the oldest drops out when full
    }
    // Entries above the found one move down by one; the name takes the front.
    std::rotate(Eintraege.begin(), gefunden, gefunden + 1);
    Eintraege.front() = name;
}

bool MruList::EintragEntfernen(int id, bool menueId) {
    const int i = index(id, menueId);
    if (i < 0 || i >= Fuellstand) return false;
    std::rotate(Eintraege.begin() + i, Eintraege.begin() + i + 1, Eintraege.begin() + Fuellstand);
    --Fuellstand;
    Eintraege[Fuellstand].clear();
    return true;
}

void MruList::MenueAufbauen(TMenu* menue, int vorId) const {
    if (!menue) return;
    for (int id = BasisId; id <= BasisId + Kapazitaet; ++id)
        while (menue->DeleteMenu(id, MF_BYCOMMAND)) {
        }
    if (Fuellstand == 0) return;
    if (!menue->InsertMenu(vorId, MF_BYCOMMAND | MF_SEPARATOR, BasisId)) return;
    const int n = std::min(Anzeige, Fuellstand);
    for (int i = n - 1; i >= 0; --i) {
        const std::string text = "&" + std::to_string(i + 1) + " " + Eintraege[size_t(i)];
        menue->InsertMenu(i == n - 1 ? BasisId : BasisId + i + 2, MF_BYCOMMAND | MF_STRING,
                          BasisId + 1 + i, text);
    }
}

namespace {
// What the files can hold: names without a Windows-1252 form would come back
// as another path, so they are left out and the rest move up.
std::vector<std::string> speicherbar(const MruList& l) {
    std::vector<std::string> namen;
    for (int i = 0; i < l.Fuellstand; ++i)
        if (cp1252::Representable(l.Eintraege[size_t(i)])) namen.push_back(l.Eintraege[size_t(i)]);
    namen.resize(l.Kapazitaet);
    return namen;
}
} // namespace

bool MruList::InIniSpeichern(std::string_view abschnitt, std::string_view iniDatei) const {
    TProfile profil(abschnitt, std::string(iniDatei));
    const auto namen = speicherbar(*this);
    for (int i = 0; i < Kapazitaet; ++i) profil.WriteString(schluesselName(i), namen[size_t(i)]);
    return true;
}

bool MruList::AusIniLesen(std::string_view abschnitt, std::string_view iniDatei) {
    TProfile profil(abschnitt, std::string(iniDatei));
    // A name that is refused leaves no gap: the later ones move up.
    int j = 0;
    for (int i = 0; i < Kapazitaet; ++i) {
        const std::string name = profil.GetString(schluesselName(i), "", EintragGroesse + 10);
        if (name.empty()) break;
        if (EintragSetzen(j, name)) ++j;
    }
    return true;
}

bool MruList::InRegistrySpeichern(RegistryStore& registry, std::string_view schluessel) const {
    const auto namen = speicherbar(*this);
    for (int i = 0; i < Kapazitaet; ++i)
        registry.SetValue(schluessel, schluesselName(i), namen[size_t(i)]);
    return true;
}

bool MruList::AusRegistryLesen(const RegistryStore& registry, std::string_view schluessel) {
    int j = 0;
    for (int i = 0; i < Kapazitaet; ++i) {
        const auto name = registry.GetValue(schluessel, schluesselName(i));
        if (!name || name->empty()) break;
        if (EintragSetzen(j, *name)) ++j;
    }
    return true;
}

int MruList::WindowsArt() {
    // The registry store stands for the registry of Windows NT.
    return 1;
}

bool MruList::Laden() {
    if (WindowsArt() == 0) return AusIniLesen("Projekte", "korpus.ini");
    return AusRegistryLesen(RegistryStore(), kMruSchluessel);
}

bool MruList::Speichern() const {
    if (WindowsArt() == 0) return InIniSpeichern("Projekte", "korpus.ini");
    RegistryStore registry;
    return InRegistrySpeichern(registry, kMruSchluessel);
}
