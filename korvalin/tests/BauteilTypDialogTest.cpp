// The component type dialog clicked by the user: the climate that a kind
// and a heat-transfer situation take from the project.
#include "korvalin/bauteil/TBauteilTypDialog.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/Control.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A click on a control of the dialog near its left end, where a radio
// button has its circle (a click beside a short label misses the button).
void Klick(TDialog& d, int id) {
    TWindow* c = d.GetDlgItem(id);
    ASSERT_NE(c, nullptr) << id;
    const TRect r = c->GetClientRect();
    testsupport::LeftClick(*c, TPoint(r.left + 6, (r.top + r.bottom) / 2));
}

struct BauteilTyp : ::testing::Test {
    testsupport::TestDirectories dirs;
    testsupport::ScriptedServices services;
};

TEST_F(BauteilTyp, KlimaFolgtArtUndUebergangMitDenWertenDesProjekts) {
    // Distinct values, so that any mix-up shows.
    TProjekt projekt;
    projekt.Klima.ThetaE = -10;
    projekt.Klima.KlimaWert1 = 5;  // unheated rooms
    projekt.Klima.KlimaWert2 = 10; // ground
    projekt.Klima.ThetaOberflaeche_V = 12;
    projekt.Wert20 = 18; // roofs in the evaporation period
    struct Fall {
        std::vector<int> klicks;
        double tauAussen, verdunstungOberflaeche;
    };
    const Fall faelle[] = {
        {{127}, 10, 12},      // "Grundfläche oder Kellerdecke ": ground
        {{105}, 5, 12},       // partition to unheated rooms
        {{126}, -10, 18},     // roof
        {{118}, -10, 12},     // exterior wall
        {{127, 142}, 5, 12},  // "Kellerdecke": unheated room below
        {{127, 135}, 10, 12}, // wall against the ground
        {{127, 140}, 10, 12}, // above a crawl space counts as ground
        {{105, 136}, 5, 12},  // its own situation: a permanently unheated room
        {{122}, 5, 12},       // glass porch: borders unheated space too
        {{122, 136}, 5, 12},
    };
    for (const Fall& f : faelle) {
        TRBauteil t;
        t.Nummer = 3; // a project component
        services.Dialogs().Expect([&](TDialog& d) {
            d.ShowWindow(SW_SHOW);
            TApplication::PumpWaitingMessages();
            for (int id : f.klicks) Klick(d, id);
            Klick(d, IDOK);
        });
        TBauteilTypDialog dlg(nullptr, &t, &projekt);
        EXPECT_EQ(dlg.Execute(), IDOK);
        EXPECT_EQ(t.Klima.ThetaE, f.tauAussen) << f.klicks.back();
        EXPECT_EQ(t.Klima.ThetaOberflaeche_V, f.verdunstungOberflaeche) << f.klicks.back();
    }
}

} // namespace
