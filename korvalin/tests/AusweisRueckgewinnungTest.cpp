// The certificate's item of a ventilation system with heat recovery carries
// the recovery degree for each such system.
#include "korvalin/tests/AusweisFixture.h"
#include "platform/gdi/RecordingDC.h"

using ausweistest::Ausweis;

namespace {

TEST_F(Ausweis, RueckgewinnungsgradJederAnlageMitWaermerueckgewinnung) {
    struct Fall {
        uint16_t anlage;
        bool grad;
    };
    for (const Fall f : {Fall{0, false}, Fall{1, false}, Fall{2, true}, Fall{3, true}}) {
        Laden(ausweistest::Beispiel());
        Projekt().Lueftungsanlage = f.anlage;
        Projekt().Waermerueckgewinnungsgrad = 72.5;
        TRecordingDC dc;
        Auslegen(dc);
        bool gefunden = false;
        for (const TDrawCall& c : dc.Calls())
            if (c.text == "72.5") gefunden = true;
        EXPECT_EQ(gefunden, f.grad) << "ventilation system " << f.anlage;
    }
}

} // namespace
