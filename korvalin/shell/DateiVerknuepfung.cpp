#include "korvalin/shell/DateiVerknuepfung.h"

#include "platform/base/Directories.h"
#include "platform/base/FileIO.h"
#include "platform/profile/RegistryStore.h"

#include <system_error>

namespace {
// The Exec key's quoting rules of the desktop entry format.
std::string angefuehrt(const std::string& pfad) {
    std::string q = "\"";
    for (char c : pfad) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') q += '\\';
        q += c;
    }
    return q + "\"";
}
} // namespace

void DateiVerknuepfungSchreiben(RegistryStore& registry, const std::filesystem::path& programm,
                                const std::filesystem::path& anwendungen) {
    registry.SetValue(kVerknuepfungSchluessel, "@", programm.string() + " %1");

    const std::string eintrag = "[Desktop Entry]\n"
                                "Type=Application\n"
                                "Name=Korvalin\n"
                                "GenericName=Bauphysik\n"
                                "Comment=Wärmeschutz- und Feuchteschutznachweise für Gebäude\n"
                                "Exec=" +
                                angefuehrt(programm.string()) +
                                " %f\n"
                                "Terminal=false\n"
                                "Categories=Science;Engineering;\n";
    const auto datei = anwendungen / "korvalin.desktop";
    std::error_code fehler;
    std::filesystem::create_directories(anwendungen, fehler);
    if (fehler) return;
    const FileContents alt = ReadWholeFile(datei);
    if (alt.ok && std::string(alt.bytes.begin(), alt.bytes.end()) == eintrag) return;
    WriteFileAtomically(datei, eintrag);
}

std::filesystem::path ProgrammDatei() {
    std::error_code fehler;
    auto pfad = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return fehler ? std::filesystem::path("korvalin") : pfad;
}

std::filesystem::path AnwendungsVerzeichnis() {
    return CurrentDirectories().programData.parent_path() / "applications";
}
