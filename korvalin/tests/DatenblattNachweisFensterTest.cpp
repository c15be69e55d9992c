// The proof and energy sheets in their windows: opened by their commands on
// the example project, their pages against goldens, printed into a PDF of as
// many pages; the proofs command with hundreds of chosen components.
#include "korvalin/tests/DatenfensterFixture.h"

#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/NachweisBefehl.h"
#include "korvalin/datenblatt/TLayoutDialog.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/print/Printer.h"
#include "platform/window/CheckBox.h"
#include "stammwerk/tests/WSchVOHaus.h"
#include "testsupport/ScriptedPrintDialogs.h"

#include <cstdlib>
#include <set>
#include <string>

namespace {

using namespace datenfenster_test;

struct Nachweisfenster : Datenfenster {
    // The sheet printed into a PDF; its page count.
    int drucken(TDatenWindow& w, const std::string& name) {
        TPrinter& drucker = app->GetPrinter();
        const auto pdf = dirs.Root() / (name + ".pdf");
        drucker.GetSetup().OutputFile = pdf.string();
        services.PrintDialogs().ExpectPrint(testsupport::AcceptAsOffered);
        w.BildschirmSeiteSetzen(0);
        w.CmDrucken();
        if (const char* ordner = std::getenv("KORVALIN_BILDER"))
            testsupport::RunCommand("pdftoppm -r 60 -png '" + pdf.string() + "' '" + ordner + "/" +
                                    name + "'");
        return PdfSeiten(pdf);
    }
    // The pages of the sections `bis` and below (title page, proof, energy).
    void goldens(TDatenWindow& w, const std::string& name, int bis = 3) {
        std::set<int> seiten;
        for (const TBlock& b : w.Bloecke)
            if (b.Abschnitt <= bis) seiten.insert(b.Seite - 1);
        for (int s : seiten)
            EXPECT_TRUE(testsupport::MatchesGolden(
                Seite(w, s), testsupport::GoldenPath("korvalin/tests/golden/datenblatt/" + name +
                                                     "_" + std::to_string(s + 1) + ".txt")));
    }
    // The proofs command with the choice dialog answered by `wahl`.
    void nachweise(std::function<void(TLayoutDialog&)> wahl) {
        services.Dialogs().Expect([wahl](TDialog& d) {
            auto& dialog = dynamic_cast<TLayoutDialog&>(d);
            if (wahl) wahl(dialog);
            dialog.CmOk();
        });
        TLayoutDialogStruct auswahl;
        NachweiseAnzeigen(nullptr, auswahl);
    }
};

TEST_F(Nachweisfenster, EnergieblattDesBeispielprojekts) {
    Beispiel();
    befehl(CM_ENERGIEDATEN);
    auto* w = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.EnergieDaten);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Blattart, 2);
    EXPECT_TRUE(befehle.ereignisse.empty());
    ASSERT_GE(w->Seitenzahl, 1);
    goldens(*w, "fenster_energie");
    EXPECT_EQ(drucken(*w, "fenster_energie"), w->Seitenzahl);
    const std::string text = testsupport::RunCommand(
        "pdftotext '" + (dirs.Root() / "fenster_energie.pdf").string() + "' -");
    for (const char* s : {"Energiebedarf für Heizwärme und Warmwasser", "Heizsystem",
                          "Heizwärmebedarf", "Energieverbrauch", "Jahresheizwärmebedarf"})
        EXPECT_NE(text.find(s), std::string::npos) << s;
}

TEST_F(Nachweisfenster, WaermeschutznachweisDesBeispielprojekts) {
    Beispiel();
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    wschvotest::Rechnen(p);
    // Nothing chosen: the proof alone.
    nachweise([](TLayoutDialog& d) { d.KeinesAuswaehlen(); });
    auto* w = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.Waermeschutz);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GetCaption(), " Wärmeschutznachweis ");
    EXPECT_EQ(w->Blattart, 0);
    goldens(*w, "fenster_nachweis", 1);
    EXPECT_EQ(drucken(*w, "fenster_nachweis"), w->Seitenzahl);
    const std::string text = testsupport::RunCommand(
        "pdftotext '" + (dirs.Root() / "fenster_nachweis.pdf").string() + "' -");
    for (const char* s : {"Wärmeschutznachweis nach Wärmeschutzverordnung 1995",
                          "Jahresheizwärmebedarf", "Transmissionswärmebedarf",
                          "Der Wärmeschutznachweis gemäß der Wärmeschutzverordnung ist erfüllt!"})
        EXPECT_NE(text.find(s), std::string::npos) << s;

    // A second command replaces the open proof window.
    nachweise([](TLayoutDialog& d) { d.KeinesAuswaehlen(); });
    Pump();
    EXPECT_NE(Korpus().Ansichten.Waermeschutz, nullptr);
    EXPECT_EQ(app->Client()->MDIChildren().size(), 1u);
}

TEST_F(Nachweisfenster, VierhundertFuenfzigBauteileGebenVierhundertFuenfzigBlaetter) {
    Beispiel();
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    const size_t vorher = p.PBauteile.GetItemsInContainer();
    while (p.PBauteile.GetItemsInContainer() < 450)
        wschvotest::Platzieren(p, p.RBauteile[0], p.Fassaden[0], 1);
    wschvotest::Rechnen(p);
    ASSERT_GT(vorher, 0u);
    // Components only: every placed component of the project list.
    nachweise([&](TLayoutDialog& d) {
        d.KeinesAuswaehlen();
        for (int i = 0; i < 450; ++i) d.Projektliste()->SetSelection(true, i);
        d.AuswahlLesen();
    });
    auto* w = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.Waermeschutz);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->GewaehlteBauteile.size(), 450u) << "no cut at 400";

    // The same sheet laid out: each range of a component has a sheet that
    // opens with its reference table on a page of its own (the example's
    // roof has two, rafters and the insulation between them).
    size_t bereiche = 0;
    for (const TPBauteil& pb : p.PBauteile)
        bereiche += pb.RBauteil->Flaechenanteile.GetItemsInContainer();
    ASSERT_GT(bereiche, 450u);
    TDatenblattAufbau b;
    b.Gesamtprojekt = Korpus().AktuellesProjekt;
    b.SeitenAusrichtung(false);
    b.Blattart = 0;
    b.Quelle = TDatenblattAufbau::QuelleProjekt;
    b.GewaehlteBauteile = w->GewaehlteBauteile;
    b.SeitenLayout().Eingabefelder = 1;
    TRecordingDC dc;
    b.Auslegen(dc);
    std::set<int> seiten;
    int blaetter = 0;
    for (const TBlock& blk : b.Bloecke)
        if (blk.Abschnitt == 4 && blk.Art == 1) {
            seiten.insert(blk.Seite);
            ++blaetter;
        }
    EXPECT_EQ(size_t(blaetter), bereiche);
    EXPECT_EQ(seiten.size(), bereiche);
}

// A small residential building: the proof's subtitle names the method chosen
// in the choice dialog, and the sheet runs that method's sections.
TEST_F(Nachweisfenster, UntertitelNenntDasGewaehlteVerfahren) {
    Beispiel();
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    p.Baumassnahme = 0;
    p.NormaleInnentemperatur = 1;
    p.KleinesWohngebaeude = 1;
    wschvotest::Rechnen(p);
    ASSERT_GT(p.V, 0);
    const char* const z16 = "bei Nachweis nach Anlage 1 Ziffer 1 und 6";
    const char* const z7 = "bei vereinfachtem Nachweis nach Anlage 1 Ziffer 7";
    struct Fall {
        int knopf;
        bool ziffer16, ziffer7;
    };
    for (const Fall& f : {Fall{TLayoutDialog::IDC_AV, true, false},
                          Fall{TLayoutDialog::IDC_BAUTEILVERFAHREN, false, true},
                          Fall{TLayoutDialog::IDC_BEIDE, true, true}}) {
        SCOPED_TRACE(f.knopf);
        nachweise([&](TLayoutDialog& d) {
            d.KeinesAuswaehlen();
            d.Item<TCheckBox>(f.knopf)->Click();
        });
        Pump();
        auto* w = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.Waermeschutz);
        ASSERT_NE(w, nullptr);
        const std::string titel = Seite(*w, 0);
        EXPECT_EQ(titel.find(z16) != std::string::npos, f.ziffer16);
        EXPECT_EQ(titel.find(z7) != std::string::npos, f.ziffer7);
        bool energiebilanz = false, bauteilverfahren = false;
        for (const TBlock& b : w->Bloecke) {
            energiebilanz = energiebilanz || b.Abschnitt == 1;
            bauteilverfahren = bauteilverfahren || b.Abschnitt == 8;
        }
        EXPECT_EQ(energiebilanz, f.ziffer16);
        EXPECT_EQ(bauteilverfahren, f.ziffer7);
    }
}

} // namespace
