// The blocks of the heat-protection proof under the mouse: the column widths
// of the heat-demand table belong to the layout of the building's internal
// temperatures, and the pie chart's labels show the hand cursor.
#include "korvalin/tests/DatenfensterFixture.h"
#include "stammwerk/tests/WSchVOHaus.h"

#include "korvalin/datenblatt/NachweisBefehl.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "korvalin/datenblatt/TLayoutDialog.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/UserInput.h"

namespace {

using namespace datenfenster_test;

struct NachweisBloecke : Datenfenster {
    TDatenWindow* Nachweis(int normaleInnentemperatur) {
        Beispiel();
        app->Frame()->MoveWindow({0, 0, 1000, 900});
        TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
        p.NormaleInnentemperatur = normaleInnentemperatur;
        wschvotest::Rechnen(p);
        services.Dialogs().Expect([](TDialog& d) {
            auto& dialog = dynamic_cast<TLayoutDialog&>(d);
            dialog.KeinesAuswaehlen();
            dialog.CmOk();
        });
        TLayoutDialogStruct auswahl;
        NachweiseAnzeigen(nullptr, auswahl);
        auto* w = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.Waermeschutz);
        EXPECT_NE(w, nullptr);
        if (!w) return nullptr;
        w->ShowWindow(SW_SHOWMAXIMIZED);
        Pump();
        return w;
    }
    // The page of the first block of the section and kind, shown.
    static int SeiteZeigen(TDatenWindow& w, int abschnitt, int art) {
        for (const TBlock& b : w.Bloecke)
            if (b.Nummer > 0 && b.Abschnitt == abschnitt && b.Art == art) {
                w.BildschirmSeiteSetzen(b.Seite - 1);
                w.Invalidate();
                w.UpdateWindow();
                return b.Nummer;
            }
        return -1;
    }
    static TPoint Client(const TDatenWindow& w, int x, int y) {
        return {x + w.HOffset, y + w.VOffset};
    }
};

TEST_F(NachweisBloecke, SpaltenbreiteGehoertZurTabelleDerInnentemperaturen) {
    struct Fall {
        int normal;
        size_t gezogen, unberuehrt; // the second column's slot in each layout
    };
    for (const Fall f : {Fall{1, 1, 8}, Fall{0, 8, 1}}) {
        SCOPED_TRACE(f.normal);
        TDatenWindow* w = Nachweis(f.normal);
        ASSERT_NE(w, nullptr);
        services.PopupMenus().Answer(CM_SEITE_BEARBEITEN);
        testsupport::RightClick(*w, {400, 300});
        Pump();
        ASSERT_GT(SeiteZeigen(*w, 1, 2), 0) << "the heat-demand table";
        const auto& breite = w->FixDaten->Projekt.Spaltensaetze[1].Breite;
        const double gezogen = breite[f.gezogen], unberuehrt = breite[f.unberuehrt];
        const TRect marke = w->Spaltengriffe[1][2];
        ASSERT_FALSE(marke.IsEmpty());
        const int y = (marke.top + marke.bottom) / 2;
        testsupport::Drag(*w, Client(*w, marke.left + 3, y), Client(*w, marke.left + 43, y));
        Pump();
        EXPECT_GT(breite[f.gezogen], gezogen + 1) << "the table shown widens its column";
        EXPECT_EQ(breite[f.unberuehrt], unberuehrt) << "the other layout stays";
        EXPECT_NEAR(w->Spaltengriffe[1][2].left, marke.left + 40, 1);
        w->CloseWindow();
        Pump();
        app->Client()->CmProjektSchliessen();
        Pump();
        std::filesystem::remove(dirs.Root() / "beispiel.pro");
    }
}

TEST_F(NachweisBloecke, HandUeberDenBeschriftungenDesKreisdiagramms) {
    TDatenWindow* w = Nachweis(1);
    ASSERT_NE(w, nullptr);
    // The chart block follows the heat-demand table on its page.
    const int tabelle = SeiteZeigen(*w, 1, 2);
    ASSERT_GT(tabelle, 0);
    Pump();
    const TRect* beschriftung = nullptr;
    for (const TRect& r : w->Diagrammbeschriftungen)
        if (!r.IsEmpty()) {
            beschriftung = &r;
            break;
        }
    ASSERT_NE(beschriftung, nullptr) << "the pie's labels are drawn";
    const TRect r = *beschriftung;
    testsupport::MoveMouse(*w, Client(*w, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    Pump();
    EXPECT_TRUE(testsupport::ShowsHandCursor(*w));
    testsupport::MoveMouse(*w, Client(*w, r.left - 5, r.top - 5));
    Pump();
    EXPECT_FALSE(testsupport::ShowsHandCursor(*w));
    // Another page shows no labels where this one had them.
    w->BildschirmSeiteSetzen(0);
    testsupport::MoveMouse(*w, Client(*w, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    Pump();
    EXPECT_FALSE(testsupport::ShowsHandCursor(*w));
}

} // namespace
