// The component choice dialog of the proofs: its defaults by the kind of
// building measure and the proof the project admits, the scope of the
// moisture proof, the two lists and the information walk.
#include "ProjektDialogFixture.h"

#include "korvalin/bauteil/TBauteilInfoDialog.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/NachweisBefehl.h"
#include "korvalin/datenblatt/TLayoutDialog.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/CommandIds.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/tests/WSchVOHaus.h"
#include "testsupport/UserInput.h"

#include <cstdlib>

namespace projekttest {
namespace {

using D = TLayoutDialog;

struct Auswahl : ProjektDialogTest {
    TLayoutDialogStruct daten;
    TProjekt* p = nullptr;

    void SetUp() override {
        ProjektSetzen(wschvotest::Haus(dirs.Dirs().programData));
        p = Korpus().AktuellesProjekt->AktuellesProjekt;
    }
    // Runs the dialog with the script; its answer.
    int Ausfuehren(std::function<void(D&)> script) {
        services.Dialogs().Expect([script](TDialog& dlg) { script(dynamic_cast<D&>(dlg)); });
        D dialog(nullptr, &daten);
        return dialog.Execute();
    }
    static bool an(const D& d, int id) { return d.Item<TCheckBox>(id)->GetCheck() == 1; }
    static bool frei(const D& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled(); }
    static void klick(D& d, int id) { d.Item<TCheckBox>(id)->Click(); }
    static void druecken(D& d, int id) { d.Item<TButton>(id)->Click(); }
};

TEST_F(Auswahl, VorgabenNachMassnahmeUndNachweisart) {
    struct Fall {
        const char* was;
        uint16_t massnahme, normal, klein;
        bool av, bv, beide;             // checked
        bool avFrei, bvFrei, beideFrei; // enabled
        int schalterAV, schalterBV;
    };
    const Fall faelle[] = {
        {"outer components (Anlage 3)", 2, 1, 1, false, true, false, false, true, false, 0, 0},
        {"low internal temperatures", 0, 0, 1, true, false, false, true, false, false, 1, 0},
        {"small residential building", 0, 1, 1, false, false, true, true, true, true, 1, 1},
        {"new building", 0, 1, 0, true, false, false, true, false, false, 1, 0},
        {"extension", 1, 1, 0, true, false, false, true, false, false, 1, 0},
    };
    for (const Fall& f : faelle) {
        p->Baumassnahme = f.massnahme;
        p->NormaleInnentemperatur = f.normal;
        p->KleinesWohngebaeude = f.klein;
        // Whatever the record held, the dialog opens the same way.
        daten = {0, 1, 0, 1, 1, 1, 1, 0, 1};
        Datenblaetter().NachweisAVVerfahren = Datenblaetter().NachweisBauteilverfahren = false;
        Datenblaetter().NachweisProjektbauteile = false;
        EXPECT_EQ(Ausfuehren([&](D& d) {
                      d.ShowWindow(SW_SHOW);
                      EXPECT_TRUE(an(d, D::IDC_WAERMESCHUTZ)) << f.was;
                      EXPECT_FALSE(an(d, D::IDC_FEUCHTE)) << f.was;
                      EXPECT_EQ(an(d, D::IDC_AV), f.av) << f.was;
                      EXPECT_EQ(an(d, D::IDC_BAUTEILVERFAHREN), f.bv) << f.was;
                      EXPECT_EQ(an(d, D::IDC_BEIDE), f.beide) << f.was;
                      EXPECT_EQ(frei(d, D::IDC_AV), f.avFrei) << f.was;
                      EXPECT_EQ(frei(d, D::IDC_BAUTEILVERFAHREN), f.bvFrei) << f.was;
                      EXPECT_EQ(frei(d, D::IDC_BEIDE), f.beideFrei) << f.was;
                      EXPECT_FALSE(frei(d, D::IDC_AUSGEWAEHLTE));
                      EXPECT_FALSE(frei(d, D::IDC_BEDENKLICHE));
                      EXPECT_TRUE(an(d, D::IDC_PROJEKT));
                      EXPECT_TRUE(d.Projektliste()->IsWindowVisible());
                      EXPECT_FALSE(d.Referenzliste()->IsWindowVisible());
                      d.CmOk();
                  }),
                  IDOK);
        EXPECT_EQ(Datenblaetter().NachweisAVVerfahren, f.schalterAV == 1) << f.was;
        EXPECT_EQ(Datenblaetter().NachweisBauteilverfahren, f.schalterBV == 1) << f.was;
        EXPECT_TRUE(Datenblaetter().NachweisProjektbauteile);
        EXPECT_EQ(daten.Waermeschutz, 1);
        EXPECT_EQ(daten.Feuchte, 0);
        EXPECT_EQ(daten.BeideVerfahren, f.beide ? 1 : 0);
    }
}

TEST_F(Auswahl, WaermeschutzWiederAnStelltDieVorgabenHer) {
    p->KleinesWohngebaeude = 1;
    Ausfuehren([&](D& d) {
        klick(d, D::IDC_BAUTEILVERFAHREN);
        EXPECT_FALSE(Datenblaetter().NachweisAVVerfahren);
        EXPECT_TRUE(Datenblaetter().NachweisBauteilverfahren);
        klick(d, D::IDC_WAERMESCHUTZ);
        for (int id : {int(D::IDC_AV), int(D::IDC_BAUTEILVERFAHREN), int(D::IDC_BEIDE)}) {
            EXPECT_FALSE(an(d, id));
            EXPECT_FALSE(frei(d, id));
        }
        EXPECT_TRUE(Datenblaetter().NachweisBauteilverfahren) << "the switches keep their values";
        klick(d, D::IDC_WAERMESCHUTZ);
        EXPECT_TRUE(an(d, D::IDC_BEIDE)) << "the defaults, not the user's last method";
        EXPECT_FALSE(an(d, D::IDC_BAUTEILVERFAHREN));
        d.CmCancel();
    });
}

TEST_F(Auswahl, ListenUndAlleAuswaehlen) {
    Ausfuehren([&](D& d) {
        // Six placed components, then five placed windows.
        TSftTree* liste = d.Projektliste();
        ASSERT_EQ(liste->GetCount(), 11);
        EXPECT_EQ(Zeile(liste, 0), "Außenwand KS: 1 |  | Außenwand | Süd");
        EXPECT_EQ(Zeile(liste, 6), "Isolierglasfenster: 1 |  | Fenster | Süd");
        EXPECT_EQ(d.Gewaehlt, 11);
        EXPECT_EQ(d.Eintraege, 11);
        EXPECT_TRUE(frei(d, D::IDC_INFO));
        druecken(d, D::IDC_KEINE);
        EXPECT_EQ(d.Gewaehlt, 0);
        EXPECT_FALSE(frei(d, D::IDC_INFO));
        // The reference list: three types, one window type, all chosen.
        d.ShowWindow(SW_SHOW);
        klick(d, D::IDC_REFERENZ);
        EXPECT_FALSE(Datenblaetter().NachweisProjektbauteile);
        EXPECT_TRUE(d.Referenzliste()->IsWindowVisible());
        EXPECT_FALSE(d.Projektliste()->IsWindowVisible());
        EXPECT_EQ(Zeilen(d.Referenzliste()),
                  (std::vector<std::string>{"Außenwand KS | Außenwand", "Dach | Dach/Decke",
                                            "Bodenplatte | Grundfläche",
                                            "Isolierglasfenster | Fenster"}));
        EXPECT_EQ(d.Auswahl, (std::vector<int>{0, 1, 2, 3}));
        // A click on a row chooses that row alone.
        d.Referenzliste()->ClickCell(2, 0);
        EXPECT_EQ(d.Auswahl, (std::vector<int>{2}));
        klick(d, D::IDC_PROJEKT);
        EXPECT_EQ(d.Gewaehlt, 11);
        if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
            TApplication::PumpWaitingMessages();
            testsupport::SaveWindowPicture(d,
                                           (std::string(ordner) + "/nachweise_dialog.png").c_str());
        }
        d.CmOk();
    });
}

TEST_F(Auswahl, BedenklicheNachFrischerFeuchteberechnung) {
    // A wall sealed on its cold side: condensate far above 1.0 kg/m².
    auto t = wschvotest::Typ("Innendämmung", 0, 0, 0.13, 0.04,
                             {{"Mineralwolle", 5, 0.04, 30, 100}, {"Blech", 1, 50, 7800, 2}});
    t->Flaechenanteile[0].Schichten[1].Mu = 1e6;
    TRBauteil& feucht = p->BauteilNeu(std::move(t));
    feucht.FeuchteErfuellt = 1; // as an earlier edit left it
    p->RBauteile[0].FeuchteErfuellt = 0;
    wschvotest::Platzieren(*p, feucht, p->Fassaden[0], 5);
    Ausfuehren([&](D& d) {
        klick(d, D::IDC_REFERENZ);
        klick(d, D::IDC_BEDENKLICHE);
        EXPECT_FALSE(an(d, D::IDC_BEDENKLICHE)) << "disabled without the moisture proof";
        klick(d, D::IDC_FEUCHTE);
        EXPECT_TRUE(an(d, D::IDC_AUSGEWAEHLTE));
        klick(d, D::IDC_BEDENKLICHE);
        EXPECT_TRUE(an(d, D::IDC_FEUCHTE));
        EXPECT_EQ(feucht.FeuchteErfuellt, 0);
        EXPECT_EQ(p->RBauteile[0].FeuchteErfuellt, 1);
        // Only the critical type; the window type never.
        ASSERT_EQ(d.Auswahl.size(), 1u);
        EXPECT_EQ(d.Referenzliste()->GetCellText(d.Auswahl[0], 0), "Innendämmung");
        EXPECT_TRUE(frei(d, D::IDC_INFO));
        druecken(d, D::IDC_ALLE);
        EXPECT_TRUE(an(d, D::IDC_AUSGEWAEHLTE));
        EXPECT_FALSE(an(d, D::IDC_BEDENKLICHE));
        EXPECT_EQ(d.Gewaehlt, 5);
        d.CmOk();
    });
    EXPECT_EQ(daten.Feuchte, 1);
    EXPECT_EQ(daten.FeuchteAusgewaehlte, 1);
}

TEST_F(Auswahl, InfoBauteileVorFensternBisAbbrechen) {
    std::vector<std::string> gezeigt;
    Ausfuehren([&](D& d) {
        d.BauteilInfo = [&](TWindow*, const TRBauteil& t) {
            gezeigt.push_back(t.Name);
            return IDOK;
        };
        d.FensterInfo = [&](TWindow*, const TRFenster& f) {
            gezeigt.push_back("F " + f.Name);
            return gezeigt.size() >= 3 ? IDCANCEL : IDOK;
        };
        klick(d, D::IDC_REFERENZ);
        d.InfoZeigen();
        EXPECT_EQ(gezeigt, (std::vector<std::string>{"Außenwand KS", "Dach", "Bodenplatte",
                                                     "F Isolierglasfenster"}));
        gezeigt.clear();
        d.BauteilInfo = [&](TWindow*, const TRBauteil& t) {
            gezeigt.push_back(t.Name);
            return IDCANCEL;
        };
        d.InfoZeigen();
        EXPECT_EQ(gezeigt, (std::vector<std::string>{"Außenwand KS"}));
        d.CmCancel();
    });
}

TEST_F(Auswahl, InfoZeigtDieInformationDesBauteils) {
    Ausfuehren([&](D& d) {
        klick(d, D::IDC_REFERENZ);
        services.Dialogs().Expect([](TDialog& info) {
            auto* b = dynamic_cast<TBauteilInfoDialog*>(&info);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->GetCaption(), "Bauteil-Info");
            info.CmCancel();
        });
        d.InfoZeigen();
        d.CmCancel();
    });
}

TEST_F(Auswahl, MehrAlsVierhundertZeilenBleibenGewaehlt) {
    while (p->PBauteile.GetItemsInContainer() < 450)
        wschvotest::Platzieren(*p, p->RBauteile[0], p->Fassaden[0], 1);
    Ausfuehren([&](D& d) {
        EXPECT_EQ(d.Gewaehlt, 455);
        ASSERT_EQ(d.Auswahl.size(), 455u);
        EXPECT_EQ(d.Auswahl.back(), 454);
        d.CmOk();
    });
}

// The proofs command: the choice dialog first, every question before an open
// proof window is closed, then the sheets with the chosen numbers.
struct Nachweisbefehl : Auswahl {
    std::vector<std::string> ablauf;
    std::vector<NachweisAuftrag> auftraege;
    void SetUp() override {
        Auswahl::SetUp();
        Nachweisfenster() = {[this] { ablauf.push_back("schliessen"); },
                             [this](const NachweisAuftrag& a) {
                                 ablauf.push_back("waermeschutz");
                                 auftraege.push_back(a);
                             },
                             [this](const NachweisAuftrag& a) {
                                 ablauf.push_back("feuchte");
                                 auftraege.push_back(a);
                             }};
    }
    void TearDown() override { Nachweisfenster() = {}; }
};

TEST_F(Nachweisbefehl, AbbrechenLaesstDieOffenenFensterStehen) {
    services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); });
    NachweiseAnzeigen(nullptr, daten);
    EXPECT_TRUE(ablauf.empty());

    // A refused project check closes nothing either.
    p->V = 0;
    p->A_Bauteile = p->A_Fenster = 0;
    services.Dialogs().Expect([](TDialog& d) { d.CmOk(); });
    services.Messages().Answer(IDOK);
    NachweiseAnzeigen(nullptr, daten);
    EXPECT_TRUE(ablauf.empty());
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Wärmeschutznachweis anzeigen");
    EXPECT_NE(services.Messages().Calls()[0].text.find("Werte fehlen!"), std::string::npos);

    // Cancel on the question of the simplified proof, too.
    p->KleinesWohngebaeude = 1;
    services.Dialogs().Expect([](TDialog& d) { d.CmOk(); });
    services.Messages().Answer(IDCANCEL);
    NachweiseAnzeigen(nullptr, daten);
    EXPECT_TRUE(ablauf.empty());
    EXPECT_NE(services.Messages().Calls()[1].text.find("Nur Berechnung nach dem Bauteilverfahren"),
              std::string::npos);
}

TEST_F(Nachweisbefehl, SchluesselUndUmfang) {
    services.Dialogs().Expect([](TDialog& dlg) {
        auto& d = dynamic_cast<D&>(dlg);
        d.Item<TCheckBox>(D::IDC_FEUCHTE)->Click();
        d.Item<TCheckBox>(D::IDC_BEDENKLICHE)->Click();
        d.Projektliste()->SetSelection(true, 0);
        d.Projektliste()->SetSelection(true, 7);
        d.AuswahlLesen();
        d.CmOk();
    });
    NachweiseAnzeigen(nullptr, daten);
    EXPECT_EQ(ablauf, (std::vector<std::string>{"schliessen", "waermeschutz", "feuchte"}));
    ASSERT_EQ(auftraege.size(), 2u);
    // Row 0 is the south wall, row 7 the second south window: their types.
    EXPECT_EQ(auftraege[0].Bauteile, (std::vector<TRBauteil*>{&p->RBauteile[0]}));
    EXPECT_EQ(auftraege[0].Fenster, (std::vector<TRFenster*>{&p->RFenster[0]}));
    EXPECT_EQ(auftraege[0].Umfang, 0) << "the heat-protection proof always has scope 0";
    EXPECT_EQ(auftraege[1].Umfang, 1);
}

TEST_F(Nachweisbefehl, VierhundertFuenfzigBauteileGehenAlleMit) {
    while (p->PBauteile.GetItemsInContainer() < 450)
        wschvotest::Platzieren(*p, p->RBauteile[0], p->Fassaden[0], 1);
    wschvotest::Rechnen(*p);
    services.Dialogs().Expect([](TDialog& d) { d.CmOk(); });
    NachweiseAnzeigen(nullptr, daten);
    ASSERT_EQ(auftraege.size(), 1u);
    EXPECT_EQ(auftraege[0].Bauteile.size(), 450u);
    EXPECT_EQ(auftraege[0].Fenster.size(), 5u);
}

} // namespace
} // namespace projekttest
