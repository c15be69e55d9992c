// Files in the temporary folder are any bytes: the recovery scan reads each
// as a possible autosave copy, against a fixed project name and against the
// name the file itself carries, and must neither crash nor call a copy
// readable that the project reader refuses.
#include "korvalin/shell/Sicherungskopie.h"
#include "platform/base/ByteImage.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void pruefen(std::span<const uint8_t> datei, const std::filesystem::path& projekt) {
    if (KopieArtBestimmen(datei, projekt) != KopieArt::Kopie) return;
    TGesamtProjekt g(projekt.parent_path());
    if (g.Oeffnen(datei, projekt) != 0) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> datei(data, size);
    pruefen(datei, "/tmp/haus.pro");
    // The name field behind the header and the variant count.
    constexpr size_t kName = TDateiKopf::kImageSize + 2;
    if (size >= kName + TGesamtProjekt::kPfadWidth) {
        const ByteImage feld(data + kName, TGesamtProjekt::kPfadWidth);
        pruefen(datei, feld.Text(0, TGesamtProjekt::kPfadWidth));
    }
    return 0;
}
