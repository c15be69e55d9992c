// The certificate's pages of the example project in its three variants:
// golden recordings, pictures for the reviewer, and the numbers against the
// model.
#include "korvalin/tests/AusweisFixture.h"
#include "platform/gdi/RecordingDC.h"
#include "testsupport/PageDump.h"

#include <cstdlib>

using ausweistest::Ausweis;

TEST_F(Ausweis, BilderDerDreiVarianten) {
    Laden(ausweistest::Beispiel());
    const char* ordner = std::getenv("KORVALIN_BILDER");
    if (!ordner) GTEST_SKIP();
    TProjekt& p = Projekt();
    for (char v : {'A', 'B', 'C'}) {
        p.KleinesWohngebaeude = v == 'B';
        p.NormaleInnentemperatur = v != 'C';
        p.UmfassungsflaecheBerechnen();
        p.WSchVO();
        TRecordingDC mass;
        const int seiten = Auslegen(mass);
        for (int s = 1; s <= seiten; ++s)
            Bild(s, std::filesystem::path(ordner) /
                        ("ausweis_" + std::string(1, v) + std::to_string(s) + ".png"));
    }
}
