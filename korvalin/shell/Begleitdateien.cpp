#include "korvalin/shell/Begleitdateien.h"

#include "korvalin/shell/KorpusZustand.h"
#include "platform/base/TextCompare.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <array>

namespace {

struct Paar {
    const char* arbeit;
    const char* sicherung;
    bool einzeln;
};
constexpr std::array<Paar, 4> kPaare = {{
    {".pb", ".px", false},
    {".eb", ".ex", false},
    {".fb", ".fx", false},
    {".ini", ".ixi", true},
}};

} // namespace

std::string BegleitBasis(const std::filesystem::path& projektdatei) {
    return (projektdatei.parent_path() / projektdatei.stem()).string();
}

bool GleicheBasis(const std::string& a, const std::string& b) {
    return EqualNoCase(a, b);
}

bool BackupsAnlegen(const TGesamtProjekt& g, const std::string& basis) {
    bool ok = true;
    for (const auto& p : kPaare)
        ok = g.ZusatzFilesKopieren(basis, basis, p.arbeit, p.sicherung, p.einzeln) && ok;
    return ok;
}

bool BackupsLoeschen(const TGesamtProjekt& g, const std::string& basis) {
    bool ok = true;
    for (const auto& p : kPaare) ok = g.ZusatzFilesLoeschen(basis, p.sicherung, p.einzeln) && ok;
    return ok;
}

bool BackupsZurueckkopieren(const TGesamtProjekt& g, const std::string& basis) {
    bool ok = true;
    for (const auto& p : kPaare)
        ok = g.ZusatzFilesKopieren(basis, basis, p.sicherung, p.arbeit, p.einzeln) && ok;
    return ok;
}

bool DatenblattDateienLoeschen(const TGesamtProjekt& g, const std::string& basis,
                               bool mitEinstellungen) {
    bool ok = true;
    for (const auto& p : kPaare)
        if (!p.einzeln || mitEinstellungen)
            ok = g.ZusatzFilesLoeschen(basis, p.arbeit, p.einzeln) && ok;
    return ok;
}

bool DatenblattDateienKopieren(const TGesamtProjekt& g, const std::string& von,
                               const std::string& nach) {
    bool ok = true;
    for (const auto& p : kPaare)
        ok = g.ZusatzFilesKopieren(von, nach, p.arbeit, p.arbeit, p.einzeln) && ok;
    return ok;
}

std::string UnbenanntBasis() {
    return Korpus().Programmverzeichnis + "unbenannt";
}
