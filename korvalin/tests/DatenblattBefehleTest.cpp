// The project dialog's commands for the sheets of one component or window:
// every refusal with its text and caption, and the sheets they open.
#include "ProjektDialogFixture.h"

#include "korvalin/datenblatt/TDatenWindow.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/tests/GlaserWand.h"

namespace projekttest {
namespace {

struct Blattbefehle : ProjektDialogTest {
    void SetUp() override {
        Setzen(std::make_unique<TProjekt>());
        Zeigen();
    }
    // Runs a command with the selection given; the message it shows.
    std::pair<std::string, std::string> meldung(int befehl) {
        services.Messages().Answer(IDOK);
        const size_t vorher = services.Messages().Calls().size();
        dialog->EvCommand(befehl, 0, 0);
        if (services.Messages().Calls().size() == vorher) return {};
        const auto& c = services.Messages().Calls().back();
        EXPECT_EQ(c.type, MB_OK | MB_ICONEXCLAMATION);
        return {c.text, c.caption};
    }
    void auswahl(bool huelle, TFassade* f, TPBauteil* pb, TPFenster* pf, TRBauteil* rb,
                 TRFenster* rf, int gruppe) {
        auto& d = *dialog;
        d.HuellBaumAktiv = huelle;
        d.AuswahlFassade = f;
        d.AuswahlPBauteil = pb;
        d.AuswahlPFenster = pf;
        d.AuswahlRBauteil = rb;
        d.AuswahlRFenster = rf;
        d.AuswahlGruppe = gruppe;
    }
};

TEST_F(Blattbefehle, JedeAblehnungMitIhremText) {
    TFassade fassade;
    TPFenster pf;
    TRFenster rf;
    TRBauteil ohneSchichten;
    ohneSchichten.Flaechenanteile.Add(TEinfachBauteil());
    TPBauteil pb;
    pb.RBauteil = &ohneSchichten;
    struct Fall {
        int befehl;
        bool huelle;
        TFassade* f;
        TPFenster* pf;
        TRFenster* rf;
        int gruppe;
        const char* text;
        const char* titel;
    };
    const Fall faelle[] = {
        {12104, true, nullptr, nullptr, nullptr, -1, "Keine Projekt-Bauteile / Fenster vorhanden!",
         "Datenblatt öffnen"},
        {12208, true, &fassade, nullptr, nullptr, -1,
         "Datenblatt anzeigen nicht möglich.\nSie haben eine Fassade ausgewählt. Wählen Sie ein "
         "Bauteil oder ein Fenster aus!",
         "Datenblatt anzeigen"},
        {2490, false, nullptr, nullptr, nullptr, -1, "Keine Referenz-Bauteile / Fenster vorhanden!",
         "Datenblatt öffnen"},
        {2490, false, nullptr, nullptr, nullptr, 2,
         "Datenblatt anzeigen nicht möglich.\nSie haben einen Oberbegriff ausgewählt. Wählen Sie "
         "ein Bauteil oder ein Fenster aus!",
         "Datenblatt anzeigen"},
        {11844, true, nullptr, nullptr, nullptr, -1, "Keine Projekt-Bauteile / Fenster vorhanden!",
         "Temperaturverlauf anzeigen"},
        {11846, true, nullptr, &pf, nullptr, -1,
         "Sie haben ein Fenster ausgewählt!\n\nTemperaturverlauf läßt sich nicht anzeigen",
         "Temperaturverlauf anzeigen!"},
        {2481, true, &fassade, nullptr, nullptr, -1,
         "Temperaturverlauf anzeigen nicht möglich.\nSie haben eine Fassade ausgewählt. Wählen "
         "Sie ein Bauteil aus!",
         "Temperaturverlauf anzeigen"},
        {2481, false, nullptr, nullptr, nullptr, -1, "Keine Referenz-Bauteile / Fenster vorhanden!",
         "Temperaturverlauf öffnen"},
        {2481, false, nullptr, nullptr, &rf, -1,
         "Sie haben ein Fenster ausgewählt!\n\nTemperaturverlauf läßt sich nicht anzeigen",
         "Temperaturverlauf anzeigen!"},
        {2481, false, nullptr, nullptr, nullptr, 0,
         "Temperatur anzeigen nicht möglich.\nSie haben einen Oberbegriff ausgewählt. Wählen Sie "
         "ein Bauteil aus!",
         "Temperaturverlauf anzeigen"},
        {2498, true, &fassade, nullptr, nullptr, -1,
         "Datenblatt anzeigen nicht möglich.\nWählen Sie ein Bauteil aus!", "Datenblatt anzeigen"},
        {11843, false, nullptr, nullptr, &rf, -1,
         "Datenblatt anzeigen nicht möglich.\nWählen Sie ein Bauteil aus!", "Datenblatt anzeigen"},
    };
    for (const Fall& f : faelle) {
        auswahl(f.huelle, f.f, nullptr, f.pf, nullptr, f.rf, f.gruppe);
        EXPECT_EQ(meldung(f.befehl), std::make_pair(std::string(f.text), std::string(f.titel)))
            << f.befehl << " " << f.text;
    }
    // The temperature checks of a component: they tell, and the sheet opens anyway.
    TRBauteil direkt;
    TEinfachBauteil eb;
    eb.kWertVorgegeben = 1;
    direkt.Flaechenanteile.Add(eb);
    TRBauteil duenn;
    duenn.Flaechenanteile.Add(GlaserWand({{0, 1.0, 1, 1}}));
    struct Pruefung {
        TRBauteil* b;
        const char* text;
    };
    for (const Pruefung& p : {Pruefung{&ohneSchichten, "Keine Bauteil - Schichten angelegt!"},
                              Pruefung{&direkt, "Kein Schichtaufbau!\n\n Keine weiteren Daten "
                                                "verfügbar!"},
                              Pruefung{&duenn, "Bauteildicke ist 0!"}}) {
        services.Messages().Answer(IDOK);
        EXPECT_FALSE(dialog->TemperaturPruefen(*p.b, "Temperaturverlauf anzeigen"));
        EXPECT_EQ(services.Messages().Calls().back().text, p.text);
        EXPECT_EQ(services.Messages().Calls().back().caption, "Temperaturverlauf anzeigen");
    }
}

struct BlattOeffnen : shelltest::Programm {};

TEST_F(BlattOeffnen, DatenblattUndVergleichEinmalJeBauteil) {
    Starten();
    Pump();
    auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
    auto p = std::make_unique<TProjekt>();
    auto t = std::make_unique<TRBauteil>();
    t->Name = "Handwand";
    t->Nummer = 0;
    TEinfachBauteil w = GlaserWand({{100, 1.0, 10, 10}, {88, 0.04, 1, 1}, {15, 0.5, 15, 100}});
    w.Nummer = 0;
    t->Flaechenanteile.Add(w);
    t->WSchVO(0, 1, 0);
    t->FeuchteBerechnen(1);
    TRBauteil& typ = p->RBauteile.Add(std::move(t));
    g->ProjektHinzufuegen(std::move(p));
    ProjektSetzen(std::move(g));
    TProjektDialog d;
    d.Client = app->Client();
    d.HuellBaumAktiv = false;
    d.AuswahlRBauteil = &typ;
    auto& a = app->Client()->Ansichten;
    d.BauteilFensterDatenblatt();
    d.BauteilFensterDatenblatt();
    ASSERT_EQ(a.BauteilDaten.size(), 1u);
    EXPECT_EQ(static_cast<TDatenWindow*>(a.BauteilDaten[0])->GetCaption(),
              " Bauteil-Daten Handwand");
    d.TemperaturVergleichsblatt();
    d.TemperaturVergleichsblatt();
    ASSERT_EQ(a.VergleichDaten.size(), 1u);
    EXPECT_EQ(static_cast<TDatenWindow*>(a.VergleichDaten[0])->GetCaption(),
              "Temperaturverlauf: Handwand");
    d.PeriodischesDatenblatt();
    ASSERT_EQ(a.PeriodenDaten.size(), 1u);
    Pump();
}

} // namespace
} // namespace projekttest
