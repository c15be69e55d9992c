// The component sheet of the hand-worked wall beside the component editor
// showing the same wall: both list the same layers with the same U-value.
// KORVALIN_BILDER names a folder that keeps both pictures for a look.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/GlaserWand.h"
#include "testsupport/UserInput.h"

#include <cstdlib>
#include <filesystem>

namespace {

struct BauteilBild : shelltest::Programm {};

TEST_F(BauteilBild, BlattUndEditorZeigenDieselbeWand) {
    Starten();
    Pump();
    auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
    auto p = std::make_unique<TProjekt>();
    p->Projektangaben[0] = "Handrechnung";
    auto t = std::make_unique<TRBauteil>();
    t->Name = "Handwand";
    t->Nummer = 0;
    TEinfachBauteil w = GlaserWand({{100, 1.0, 10, 10}, {88, 0.04, 1, 1}, {15, 0.5, 15, 100}});
    const char* namen[3] = {"Kalksandstein", "Mineralwolle", "Putz"};
    int i = 0;
    for (TSchicht& s : w.Schichten) s.Name = namen[i++];
    w.Nummer = 0;
    t->Flaechenanteile.Add(w);
    t->WSchVO(0, 1, 0);
    t->FeuchteBerechnen(1);
    TRBauteil& typ = p->RBauteile.Add(std::move(t));
    g->ProjektHinzufuegen(std::move(p));
    TGesamtProjekt* projekt = g.get();
    ProjektSetzen(std::move(g));

    TBauteilDialog* d = BauteilEditorOeffnen(*app->Client(), &typ, 0, nullptr, true);
    ASSERT_NE(d, nullptr);
    testsupport::ProcessEvents();
    TSftTree& tabelle = *d->SchichtTabelle();
    for (int k = 0; k < 3; ++k) EXPECT_EQ(*tabelle.GetCellText(k + 1, 0), namen[k]);

    SetSPRINTFCharacters('.', ',');
    datenblatt_test::TestBlatt b;
    b.Gesamtprojekt = projekt;
    b.Block.Abschnitt = b.AktuellerAbschnitt = 4;
    b.Block.Art = 2;
    TImageDC mass(891, 1260);
    b.SchichtTabelleZeichnen(mass, &typ, &typ.Flaechenanteile[0], 3, 0);
    TImageDC blatt(891, 1260);
    b.SchichtTabelleZeichnen(blatt, &typ, &typ.Flaechenanteile[0], 3, 1);
    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        const std::filesystem::path o(ordner);
        EXPECT_TRUE(blatt.SavePng(o / "bauteilblatt_handwand.png"));
        EXPECT_TRUE(testsupport::SaveWindowPicture(*d->Fenster,
                                                   (o / "bauteileditor_handwand.png").c_str()));
    }
}

} // namespace
