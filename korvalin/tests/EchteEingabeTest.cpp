// Dialogs driven with real mouse and key events, and pictures of them for a
// look: KORVALIN_BILDER names a folder that keeps the pictures.
#include "korvalin/datenblatt/TLayoutDialog.h"
#include "korvalin/tests/LayoutEinstellungenFixture.h"
#include "korvalin/tests/ProjektDialogFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/CheckBox.h"
#include "platform/window/Control.h"
#include "platform/window/Messages.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/tests/WSchVOHaus.h"
#include "testsupport/UserInput.h"

#include <cstdlib>
#include <string>

namespace {

void Bild(TWindow& w, const std::string& name) {
    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        TApplication::PumpWaitingMessages();
        EXPECT_TRUE(testsupport::SaveWindowPicture(w, (std::string(ordner) + "/" + name).c_str()));
    }
}

// A click in the middle of a control of the dialog.
void Klick(TDialog& d, int id) {
    TWindow* c = d.GetDlgItem(id);
    ASSERT_NE(c, nullptr) << id;
    const TRect r = c->GetClientRect();
    testsupport::LeftClick(*c, TPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

struct NachweiseMitMaus : projekttest::ProjektDialogTest {
    TLayoutDialogStruct daten;
    void SetUp() override { ProjektSetzen(wschvotest::Haus(dirs.Dirs().programData)); }
};

TEST_F(NachweiseMitMaus, KlickAufSchalterUndKnoepfe) {
    using D = TLayoutDialog;
    services.Dialogs().Expect([](TDialog& dlg) {
        auto& d = dynamic_cast<D&>(dlg);
        d.ShowWindow(SW_SHOW);
        TApplication::PumpWaitingMessages();
        Bild(d, "nachweise_maus.png");
        ASSERT_EQ(d.Gewaehlt, 11);
        Klick(d, D::IDC_KEINE);
        EXPECT_EQ(d.Gewaehlt, 0);
        EXPECT_FALSE(d.GetDlgItem(D::IDC_INFO)->IsWindowEnabled());
        Klick(d, D::IDC_ALLE);
        EXPECT_EQ(d.Gewaehlt, 11);
        Klick(d, D::IDC_FEUCHTE);
        EXPECT_EQ(d.Item<TCheckBox>(D::IDC_FEUCHTE)->GetCheck(), 1);
        Klick(d, D::IDC_REFERENZ);
        EXPECT_TRUE(d.Referenzliste()->IsWindowVisible());
        EXPECT_FALSE(d.Projektliste()->IsWindowVisible());
        Bild(d, "nachweise_maus_referenz.png");
        Klick(d, IDOK);
    });
    D dialog(nullptr, &daten);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(daten.Feuchte, 1);
    EXPECT_EQ(daten.Referenzbauteile, 1);
}

TEST_F(NachweiseMitMaus, FuerAusgewaehlteBehaeltDieWahl_OhneBauteilBleibtDerDialogOffen) {
    using D = TLayoutDialog;
    bool offenNachOk = false;
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& d = dynamic_cast<D&>(dlg);
        d.ShowWindow(SW_SHOW);
        TApplication::PumpWaitingMessages();
        ASSERT_EQ(d.Gewaehlt, 11);
        Klick(d, D::IDC_FEUCHTE);
        Klick(d, D::IDC_AUSGEWAEHLTE);
        EXPECT_EQ(d.Item<TCheckBox>(D::IDC_AUSGEWAEHLTE)->GetCheck(), 1);
        EXPECT_EQ(d.Gewaehlt, 11) << "the rows chosen stay chosen";
        EXPECT_TRUE(d.GetDlgItem(D::IDC_INFO)->IsWindowEnabled());
        // Nothing chosen: OK says so and the dialog stays.
        Klick(d, D::IDC_KEINE);
        services.Messages().Answer(IDOK);
        Klick(d, IDOK);
        ASSERT_EQ(services.Messages().Calls().size(), 1u);
        EXPECT_EQ(services.Messages().Calls()[0].caption, "Nachweise - Dialog");
        EXPECT_NE(services.Messages().Calls()[0].text.find("kein Bauteil"), std::string::npos);
        offenNachOk = d.IsWindowVisible();
        Klick(d, D::IDC_ALLE);
        Klick(d, IDOK);
    });
    D dialog(nullptr, &daten);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(offenNachOk);
    EXPECT_EQ(dialog.Gewaehlt, 11);
    EXPECT_EQ(daten.FeuchteAusgewaehlte, 1);
}

using layouttest::LayoutBlattTest;

TEST_F(LayoutBlattTest, JedeSeiteImBildUndEscapeBricktAb) {
    const auto e = oeffnen(LayoutZiel::Projekt, [](layouttest::Blatt& b) {
        b.ShowWindow(SW_SHOW);
        for (int t = layouttest::Seite; t <= layouttest::Adresse; ++t) {
            b.SelectTab(t);
            Bild(b, "layout_seite_" + std::to_string(t) + ".png");
        }
        testsupport::PressKey(b, VK_ESCAPE);
    });
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(dateien().empty());
}

} // namespace
