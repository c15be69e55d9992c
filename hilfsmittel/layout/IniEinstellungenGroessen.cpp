#include "hilfsmittel/layout/IniEinstellungenGroessen.h"

#include "hilfsmittel/ProfileValueReports.h"
#include "hilfsmittel/layout/CurrentProjectFile.h"
#include "platform/base/ApplicationState.h"
#include "platform/base/Directories.h"
#include "platform/services/MessageBox.h"

#include <set>

namespace fs = std::filesystem;

namespace {

fs::path InConfig(const char* name) {
    return CurrentDirectories().config / name;
}

bool IsNormalFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace

fs::path TIniEinstellungenGroessen::ProjektIniDatei() {
    const fs::path& projekt = ApplicationState::Current().Get<CurrentProjectFile>().path;
    if (projekt.empty()) return {};
    // A relative path means the working folder, not the settings folder
    // that the profile reads relative names from.
    std::error_code fehler;
    fs::path ini = fs::absolute(projekt, fehler);
    if (fehler) ini = projekt;
    return ini.replace_extension(".ini");
}

// Without an open project the project's file cannot be named: such a sheet
// belongs to no project, so it reads and writes datei.ini like one.
fs::path TIniEinstellungenGroessen::IniDateiZumLesen(bool bGlobal, bool bProjekt) {
    if (!bGlobal) {
        const fs::path eigene = bProjekt ? ProjektIniDatei() : fs::path();
        if (!eigene.empty()) {
            if (IsNormalFile(eigene)) return eigene;
        } else if (IsNormalFile(InConfig("datei.ini"))) {
            return InConfig("datei.ini");
        }
    }
    return InConfig("global.ini");
}

fs::path TIniEinstellungenGroessen::IniDateiZumSchreiben(bool bGlobal, bool bProjekt) {
    if (bGlobal) return InConfig("global.ini");
    const fs::path eigene = bProjekt ? ProjektIniDatei() : fs::path();
    return eigene.empty() ? InConfig("datei.ini") : eigene;
}

void TIniEinstellungenGroessen::LadenMitMeldung(
    std::initializer_list<TIniEinstellungenGroessen*> objekte, bool bGlobal, bool bProjekt) {
    ProfileValueReports ungueltig;
    for (auto* o : objekte) o->Laden(bGlobal, bProjekt);
    if (ungueltig.Values().empty()) return;
    std::string text = "Die Einstellungsdatei \"" + IniDateiZumLesen(bGlobal, bProjekt).string() +
                       "\" enthält ungültige Werte:";
    for (const auto& wert : ungueltig.Values()) text += "\n  \"" + wert + "\"";
    text += "\nBitte prüfen Sie die Layout-Einstellungen.";
    // A sheet reads its settings again on every change; the user is told once.
    static std::set<std::string> gemeldet;
    if (!gemeldet.insert(text).second) return;
    MessageBox(text, "Layout-Einstellungen", MB_OK | MB_ICONEXCLAMATION);
}
