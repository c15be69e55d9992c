#pragma once
// The recent-files list: up to `Kapazitaet` file names, most recent first,
// of which the first `Anzeige` stand numbered in the "&Projekt" menu above
// "&Beenden" with the ids BasisId + 1 + index; BasisId is the list's own
// separator. Stored in the registry store (key "Software\QTX\Korvalin\MRU")
// or in korpus.ini (section "Projekte"), keys "File1" to "File9".
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TMenu;
class RegistryStore;

struct MruList {
    uint16_t Fuellstand = 0;
    uint16_t Anzeige = 0;
    uint16_t Kapazitaet = 0;
    uint16_t EintragGroesse = 0; // bytes per name, terminating zero included
    uint16_t BasisId = 0;
    std::vector<std::string> Eintraege; // Kapazitaet names

    static std::unique_ptr<MruList> Erzeugen(uint16_t anzeige, uint16_t kapazitaet,
                                             uint16_t eintragGroesse, uint16_t basisId);
    // 6 shown, 9 kept, 260 bytes, ids from 8000.
    static std::unique_ptr<MruList> ErzeugenStandard();

    // False for an index beyond the capacity, or a name that does not fit
    // an entry: a cut path would name another file.
    bool EintragSetzen(int index, std::string_view name);
    // id is a menu id (BasisId + 1 + index) or an index; false when there is
    // no such entry. The name is cut to pufferGroesse - 1 bytes.
    bool EintragHolen(int id, bool menueId, std::string& name, size_t pufferGroesse = 260) const;
    // Puts the name first; a name already listed (the same bytes) moves there.
    void DateiHinzufuegen(std::string_view name);
    bool EintragEntfernen(int id, bool menueId);
    // Rebuilds the entries and the separator before the item vorId.
    void MenueAufbauen(TMenu* menue, int vorId) const;

    bool InIniSpeichern(std::string_view abschnitt, std::string_view iniDatei) const;
    bool AusIniLesen(std::string_view abschnitt, std::string_view iniDatei);
    bool InRegistrySpeichern(RegistryStore& registry, std::string_view schluessel) const;
    bool AusRegistryLesen(const RegistryStore& registry, std::string_view schluessel);

    // Where the list lives: 0 korpus.ini, otherwise the registry store.
    static int WindowsArt();
    // Loads or saves by WindowsArt, in the places the program uses.
    bool Laden();
    bool Speichern() const;

private:
    bool passt(std::string_view name) const;
    int index(int id, bool menueId) const;
};

inline constexpr const char* kMruSchluessel = "Software\\QTX\\Korvalin\\MRU";
