#include "korvalin/shell/DateiVerknuepfung.h"

#include "platform/base/Directories.h"
#include "platform/base/FileIO.h"
#include "platform/profile/RegistryStore.h"
#include "platform/services/Processes.h"

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

// The project file's header: maker at 0, format identifier at 50, file type
// 0 (project) at 90. The qmake type shares the glob, so that a qmake ".pro"
// is told apart by its content instead of taken for ours.
const char* const kMimePaket =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <mime-type type=\"application/x-korvalin-projekt\">\n"
    "    <comment>Korvalin-Projekt</comment>\n"
    "    <comment xml:lang=\"de\">Korvalin-Projekt</comment>\n"
    "    <glob pattern=\"*.pro\"/>\n"
    "    <magic priority=\"80\">\n"
    "      <match type=\"string\" offset=\"0\" value=\"QTX Datentechnik Weidenfeld\">\n"
    "        <match type=\"string\" offset=\"50\" value=\"Viroruvizaru 95\">\n"
    "          <match type=\"little16\" offset=\"90\" value=\"0\"/>\n"
    "        </match>\n"
    "      </match>\n"
    "    </magic>\n"
    "  </mime-type>\n"
    "  <mime-type type=\"application/vnd.qt.qmakeprofile\">\n"
    "    <comment>qmake project file</comment>\n"
    "    <comment xml:lang=\"de\">qmake-Projektdatei</comment>\n"
    "    <sub-class-of type=\"text/plain\"/>\n"
    "    <glob pattern=\"*.pro\"/>\n"
    "  </mime-type>\n"
    "</mime-info>\n";

// Writes the file unless it already holds the text; false when it could
// not be written or was already so.
bool schreibenWennAnders(const std::filesystem::path& datei, const std::string& text) {
    std::error_code fehler;
    std::filesystem::create_directories(datei.parent_path(), fehler);
    if (fehler) return false;
    const FileContents alt = ReadWholeFile(datei);
    if (alt.ok && std::string(alt.bytes.begin(), alt.bytes.end()) == text) return false;
    return WriteFileAtomically(datei, text).ok;
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
                                "Categories=Science;Engineering;\n"
                                "MimeType=" +
                                std::string(kProjektMimeTyp) + ";\n";
    schreibenWennAnders(anwendungen / "korvalin.desktop", eintrag);
    // The desktop reads the type from the compiled database of the folder,
    // so it is rebuilt whenever the package was (re)written.
    const auto mime = anwendungen.parent_path() / "mime";
    const bool neu = schreibenWennAnders(mime / "packages" / "korvalin-projekt.xml", kMimePaket);
    std::error_code fehler;
    if (neu || !std::filesystem::exists(mime / "mime.cache", fehler))
        StartProcess("update-mime-database", {mime.string()});
}

std::filesystem::path ProgrammDatei() {
    std::error_code fehler;
    auto pfad = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return fehler ? std::filesystem::path("korvalin") : pfad;
}

std::filesystem::path AnwendungsVerzeichnis() {
    return CurrentDirectories().programData.parent_path() / "applications";
}
