// The result panel's texts from the stored proof results. Expected numbers
// are written in the formatter's default German form ("1.234,56").
#include "korvalin/projekt/ErgebnisTexte.h"
#include "stammwerk/modell/TProjekt.h"

#include <gtest/gtest.h>

namespace {

// A variant with one facade, one component type placed once and one window
// type placed once: enough for the proof to be able to start.
struct Variante {
    TProjekt p;
    TRBauteil* wandtyp;
    TRFenster* fenstertyp;
    TPBauteil* wand;
    TPFenster* fenster;
    Variante() {
        auto f = std::make_unique<TFassade>();
        f->Nummer = 0;
        f->Name = "Nord";
        p.Fassaden.Add(std::move(f));
        auto t = std::make_unique<TRBauteil>();
        t->Name = "Wand A";
        t->Bauteilart = 0;
        wandtyp = &p.BauteilNeu(std::move(t));
        auto w = std::make_unique<TRFenster>();
        w->Name = "Fenster A";
        fenstertyp = &p.FensterNeu(std::move(w));
        wand = p.PBauteilNeu(wandtyp, &p.Fassaden[0], 0);
        fenster = p.PFensterNeu(fenstertyp, &p.Fassaden[0], 0);
        p.Projektangaben[0] = "Haus Meier";
        p.Projektangaben[1] = "Lindenweg 3";
        p.Projektangaben[2] = "Kassel";
        p.A_Bauteile = 300.0;
        p.A_Fenster = 40.0;
        p.V = 500.0;
        p.Q2_H = 20.5;
        p.Q2_H_max = 24.25;
        p.Q2_T = 8.0;
        p.Q2_T_max = 9.5;
        p.NachweisErfuellt = 1;
    }
};

TEST(ErgebnisTexte, NeubauWohngebaeudeZeigtFlaechenUndQH) {
    Variante v;
    const ErgebnisTexte t = ErgebnisTexteBilden(v.p);
    EXPECT_EQ(t.Projekt, "Haus Meier      Lindenweg 3      Kassel");
    EXPECT_EQ(t.Massnahme, "Zu errichtendes Gebäude      Wohngebäude");
    EXPECT_TRUE(t.WerteSichtbar);
    EXPECT_EQ(t.Volumen, "500,00 m³");
    EXPECT_EQ(t.Flaeche, "340,00 m²"); // 300 + 40
    EXPECT_EQ(t.AV, "0,68 1/m");       // 340 / 500
    EXPECT_EQ(t.Verfahren, "Prüfung nach dem A/V - Verfahren");
    EXPECT_EQ(t.VorhLabel, "Vorhandenes Q'H =");
    EXPECT_EQ(t.ZulLabel, "Zulässiges Q'H =");
    EXPECT_EQ(t.Vorh, "20,50 kWh/m³*a");
    EXPECT_EQ(t.Zul, "24,25 kWh/m³*a");
    EXPECT_EQ(t.Urteil, "Der Wärmeschutznachweis gemäß der Wärmeschutzverordnung ist erfüllt!");
    EXPECT_FALSE(t.ListeSichtbar);
    EXPECT_EQ(t.ListenTitel, "");
}

TEST(ErgebnisTexte, MassnahmenUndNutzungen) {
    Variante v;
    v.p.Baumassnahme = 1;
    v.p.Gebaeudenutzung = 9;
    EXPECT_EQ(ErgebnisTexteBilden(v.p).Massnahme,
              "Bauliche Erweiterung eines Gebäudes      Sonstige Gebäude mit ähnlicher Nutzung");
    // A code a damaged file may hold gives no text rather than a crash.
    v.p.Baumassnahme = 7;
    v.p.Gebaeudenutzung = 40;
    EXPECT_EQ(ErgebnisTexteBilden(v.p).Massnahme, "      ");
}

TEST(ErgebnisTexte, BauteilverfahrenVerbirgtFlaechenUndWerte) {
    Variante v;
    v.p.Baumassnahme = 2;
    const ErgebnisTexte t = ErgebnisTexteBilden(v.p);
    EXPECT_EQ(t.Massnahme, "Einbau oder Ersatz von Außenbauteilen      Wohngebäude");
    EXPECT_FALSE(t.WerteSichtbar);
    for (const std::string* s :
         {&t.Volumen, &t.Flaeche, &t.AV, &t.Vorh, &t.Zul, &t.VorhLabel, &t.ZulLabel})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(t.Verfahren, "Prüfung nach dem Bauteil - Verfahren!");
}

TEST(ErgebnisTexte, VerfahrenNachKleinemWohngebaeudeUndNutzung) {
    struct Fall {
        uint16_t klein, nutzung;
        double V;
        const char *verfahren, *vorhLabel, *vorh, *zul, *av;
    } faelle[] = {
        {0, 0, 500.0, "Prüfung nach dem A/V - Verfahren", "Vorhandenes Q'H =", "20,50 kWh/m³*a",
         "24,25 kWh/m³*a", "0,68 1/m"},
        {1, 0, 500.0, "Prüfung nach dem A/V sowie dem Bauteil - Verfahren",
         "Vorhandenes Q'H =", "20,50 kWh/m³*a", "24,25 kWh/m³*a", "0,68 1/m"},
        // No volume: only the component method, and no ratio.
        {1, 0, 0.0, "Prüfung nach dem Bauteil - Verfahren", "Vorhandenes Q'H =", "20,50 kWh/m³*a",
         "24,25 kWh/m³*a", " - "},
        // Low inside temperatures take Q'T whatever the small-building flag says.
        {1, 10, 500.0, "Prüfung nach dem A/V - Verfahren", "Vorhandenes Q'T =", "8,00 kWh/m³*a",
         "9,50 kWh/m³*a", "0,68 1/m"},
    };
    for (const Fall& f : faelle) {
        Variante v;
        v.p.KleinesWohngebaeude = f.klein;
        v.p.Gebaeudenutzung = f.nutzung;
        v.p.NormaleInnentemperatur = f.nutzung == 10 ? 0 : 1;
        v.p.V = f.V;
        const ErgebnisTexte t = ErgebnisTexteBilden(v.p);
        SCOPED_TRACE(f.verfahren);
        EXPECT_EQ(t.Verfahren, f.verfahren);
        EXPECT_EQ(t.VorhLabel, f.vorhLabel);
        EXPECT_EQ(t.Vorh, f.vorh);
        EXPECT_EQ(t.Zul, f.zul);
        EXPECT_EQ(t.AV, f.av);
    }
}

TEST(ErgebnisTexte, GrenzenDerFestkommaform) {
    struct Fall {
        double V, A;
        const char *volumen, *flaeche, *av;
    } faelle[] = {
        {9999999.0, 340.0, "9.999.999,00 m³", "340,00 m²", "0,00 1/m"},
        {12345678.9, 340.0, "1.23457E+07 m³", "340,00 m²", "0,00 1/m"},
        {1.0, 99999.0, "1,00 m³", "99.999,00 m²", "99.999,00 1/m"},
        {1.0, 199999.0, "1,00 m³", "199.999,00 m²", "199999 1/m"},
        {1.0, 12345678.0, "1,00 m³", "1.23457E+07 m²", "1.23457E+07 1/m"},
    };
    for (const Fall& f : faelle) {
        Variante v;
        v.p.V = f.V;
        v.p.A_Bauteile = f.A;
        v.p.A_Fenster = 0.0;
        const ErgebnisTexte t = ErgebnisTexteBilden(v.p);
        EXPECT_EQ(t.Volumen, f.volumen);
        EXPECT_EQ(t.Flaeche, f.flaeche);
        EXPECT_EQ(t.AV, f.av);
    }
    // The existing value switches too; the permissible one never does.
    Variante v;
    v.p.Q2_H = 12345678.9;
    v.p.Q2_H_max = 12345678.9;
    const ErgebnisTexte t = ErgebnisTexteBilden(v.p);
    EXPECT_EQ(t.Vorh, "1.23457E+07 kWh/m³*a");
    EXPECT_EQ(t.Zul, "12.345.678,90 kWh/m³*a");
}

TEST(ErgebnisTexte, NachweisNichtMoeglich) {
    Variante v;
    v.p.V = 0.004; // below 0.01 m³: the proof cannot start
    v.p.ZusatzErfuellt = 0;
    const ErgebnisTexte t = ErgebnisTexteBilden(v.p);
    EXPECT_EQ(t.Urteil, "Der Wärmeschutznachweis gemäß der Wärmeschutzverordnung konnte nicht "
                        "durchgeführt werden!");
    EXPECT_EQ(t.Vorh, " -  kWh/m³*a");
    EXPECT_EQ(t.Zul, " -  kWh/m³*a");
    EXPECT_EQ(t.Volumen, "0,00 m³"); // still shown from the stored value
    EXPECT_FALSE(t.ListeSichtbar);
    EXPECT_TRUE(t.Eintraege.empty());
}

TEST(ErgebnisTexte, NichtErfuellt) {
    Variante v;
    v.p.NachweisErfuellt = 0;
    EXPECT_EQ(ErgebnisTexteBilden(v.p).Urteil,
              "Der Wärmeschutznachweis gemäß der Wärmeschutzverordnung ist NICHT erfüllt!");
}

TEST(ErgebnisTexte, BauteilverfahrenListetFensterUeber18) {
    Variante v;
    v.p.Baumassnahme = 2;
    v.p.NachweisErfuellt = 0;
    v.wandtyp->BauteilverfahrenErfuellt = 0;
    v.fenstertyp->k_F = 1.8; // WSchVO Anlage 3: at most 1.8 is enough
    ErgebnisTexte t = ErgebnisTexteBilden(v.p);
    EXPECT_TRUE(t.ListeSichtbar);
    EXPECT_EQ(t.ListenTitel, "Nicht ausreichende Bauteile/Fenster:");
    ASSERT_EQ(t.Eintraege.size(), 1u);
    EXPECT_EQ(t.Eintraege[0], "Bauteil \"Wand A\" in Hüllfläche \"Nord\"");
    EXPECT_EQ(t.Schluessel[0], (ErgebnisEintrag{0, int16_t(v.wand->Nummer)}));

    v.fenstertyp->k_F = 1.81;
    t = ErgebnisTexteBilden(v.p);
    ASSERT_EQ(t.Eintraege.size(), 2u);
    EXPECT_EQ(t.Eintraege[1], "Fenster \"Fenster A\" in Hüllfläche \"Nord\"");
    EXPECT_EQ(t.Schluessel[1], (ErgebnisEintrag{10, int16_t(v.fenster->Nummer)}));

    v.p.NachweisErfuellt = 1;
    EXPECT_FALSE(ErgebnisTexteBilden(v.p).ListeSichtbar);
}

TEST(ErgebnisTexte, ZusatzanforderungenInIhrerReihenfolge) {
    Variante v;
    v.p.ZusatzErfuellt = 0;
    v.p.NachweisTrennwaende = 2;
    v.p.NachweisSommer = 2;
    v.p.Fassaden[0].SommerStatus = 2;
    v.p.NachweisRolladenkasten = 2;
    v.wandtyp->RolladenkastenStatus = 2;
    v.p.NachweisFlaechenheizung = 2;
    v.wandtyp->FlaechenheizungStatus = 2;
    v.p.NachweisHeizkoerper = 2;
    v.fenster->Heizkoerper = 1;
    v.p.NachweisFugen = 2;
    v.fenster->FugendurchlassErfuellt = 0;
    v.p.NachweisEinfachverglasung = 0;
    v.fenster->EinfachverglasungErfuellt = 0;
    const ErgebnisTexte t = ErgebnisTexteBilden(v.p);
    EXPECT_EQ(t.ListenTitel, "Nicht erfüllte Zusatzanforderungen:");
    const ErgebnisEintrag kopf{}, wand{0, int16_t(v.wand->Nummer)},
        fenster{10, int16_t(v.fenster->Nummer)};
    const std::vector<std::pair<std::string, ErgebnisEintrag>> erwartet = {
        {"Zwei Gebäudetrennwände (WSchVO Anlage 1 Ziffer 6.2)", kopf},
        {"Sommerlicher Wärmeschutz (WSchVO Anlage 1 Ziffer 5)", kopf},
        {"      bei Fassade \"Nord\"", kopf},
        {"Rolladenkasten (WSchVO Anlage 1 Ziffer 1.6.1)", kopf},
        {"      bei Bauteil \"Wand A\" in Hüllfläche \"Nord\"", wand},
        {"Flächenheizung (WSchVO Anlage 1 Ziffer 3)", kopf},
        {"      bei Bauteil \"Wand A\" in Hüllfläche \"Nord\"", wand},
        {"Heizkörper vor Fenster (WSchVO Anlage 1 Ziffer 4)", kopf},
        {"      bei Fenster \"Fenster A\" in Hüllfläche \"Nord\"", fenster},
        {"Fugendurchlaßkoeffizient (WSchVO Anlage 4 Ziffer 1.1)", kopf},
        {"      bei Fenster \"Fenster A\" in Hüllfläche \"Nord\"", fenster},
        {"Einfachverglasung (WSchVO § 3 (3) Abs. 5)", kopf},
        {"      bei Fenster \"Fenster A\" in Hüllfläche \"Nord\"", fenster},
    };
    ASSERT_EQ(t.Eintraege.size(), erwartet.size());
    ASSERT_EQ(t.Schluessel.size(), erwartet.size());
    for (size_t i = 0; i < erwartet.size(); ++i) {
        EXPECT_EQ(t.Eintraege[i], erwartet[i].first) << i;
        EXPECT_EQ(t.Schluessel[i], erwartet[i].second) << i;
    }
    // Low inside temperatures cite the other paragraph.
    v.p.NormaleInnentemperatur = 0;
    EXPECT_EQ(ErgebnisTexteBilden(v.p).Eintraege[11], "Einfachverglasung (WSchVO § 6 (2) Abs. 1)");
}

TEST(ErgebnisTexte, ZusatzanforderungenOhneGruppeZeigenLeereListe) {
    Variante v;
    v.p.ZusatzErfuellt = 0;
    const ErgebnisTexte t = ErgebnisTexteBilden(v.p);
    EXPECT_TRUE(t.ListeSichtbar);
    EXPECT_EQ(t.ListenTitel, "Nicht erfüllte Zusatzanforderungen:");
    EXPECT_TRUE(t.Eintraege.empty());
}

} // namespace
