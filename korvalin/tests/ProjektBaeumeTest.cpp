// The two trees of the project dialog built from the model. The areas of the
// example house follow from the formulas of its CAD transfer file
// (data/beispiel/divarod.txt), computed by hand below.
#include "ProjektDialogFixture.h"

#include "korvalin/projekt/ProjektZeilen.h"

namespace projekttest {
namespace {

constexpr TColor kGelb(0xFF, 0xFF, 0x7F); // COLORREF 0x7FFFFF
constexpr TColor kRot(0xFF, 0, 0);

TEST_F(ProjektDialogTest, HuellbaumDesBeispielhauses) {
    Oeffnen();
    Zeigen();
    auto* baum = dialog->HuellBaum();
    ASSERT_EQ(baum->GetColumns().size(), 4u);
    EXPECT_EQ(baum->GetColumns()[0].title, "Hüllflächen");
    EXPECT_EQ(baum->GetColumns()[1].title, "Kurzname");
    EXPECT_EQ(baum->GetColumns()[2].title, "Typ");
    EXPECT_EQ(baum->GetColumns()[3].title, "Fläche");
    EXPECT_EQ(baum->GetColumns()[3].align, TTreeColumn::Right);
    // The envelope areas of a new project, each wall on the facade of its
    // side with its windows inside. Components show their gross areas, areas
    // and facades the sum of their net areas and windows:
    // Nord, Süd 10*2.75 = 27.5; West, Ost 8*2.75 = 22; gables
    // 0.5*8*sqrt(4.85^2-4^2) = 10.9709; Dach 2*10*4.85 = 97; Boden 10*8 = 80;
    // windows 1.01*1.26 = 1.2726, 1.26*1.385 = 1.7451, 1.01*2.26 = 2.2826.
    const std::vector<std::string> erwartet = {
        "Grundfläche |  | Hüllfläche | 80,00",      "  Bodenplatte |  | Grundfläche | 80,00",
        "Fassade Nord |  | Fassade | 27,50",        "  Außenwand Nord |  | Außenwand | 27,50",
        "    Fenster Nord 1 |  | Fenster | 1,27",   "    Fenster Nord 2 |  | Fenster | 1,27",
        "Fassade West |  | Fassade | 32,97",        "  Außenwand West |  | Außenwand | 22,00",
        "    Fenster West |  | Fenster | 1,27",     "  Giebelwand West |  | Außenwand | 10,97",
        "Fassade Süd |  | Fassade | 27,50",         "  Außenwand Süd |  | Außenwand | 27,50",
        "    Fenster Süd 1 |  | Fenster | 1,75",    "    Fenster Süd 2 |  | Fenster | 1,75",
        "    Terrassentür Süd |  | Fenster | 2,28", "Fassade Ost |  | Fassade | 32,97",
        "  Außenwand Ost |  | Außenwand | 22,00",   "    Fenster Ost |  | Fenster | 1,27",
        "  Giebelwand Ost |  | Außenwand | 10,97",  "Dach |  | Hüllfläche | 97,00",
        "  Dach |  | Dach/Decke | 97,00",
    };
    EXPECT_EQ(Zeilen(baum), erwartet);
    // Area groups and facades yellow, what is on them white.
    for (int z = 0; z < baum->GetCount(); ++z) {
        const bool gruppe = erwartet[size_t(z)][0] != ' ';
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(baum->GetCellColors(z, s)->background, gruppe ? kGelb : TColor::White)
                << z << " " << s;
        if (!gruppe) EXPECT_EQ(baum->GetCellColors(z, 3)->text, TColor::Black) << z;
    }
}

TEST_F(ProjektDialogTest, ReferenzbaumDesBeispielhauses) {
    Oeffnen();
    Zeigen();
    auto* baum = dialog->BauteilBaum();
    ASSERT_EQ(baum->GetColumns().size(), 1u);
    EXPECT_EQ(baum->GetColumns()[0].title, "Referenzbauteile");
    const std::vector<std::string> erwartet = {
        "Außenwand",        "  Außenwand Nord",   "  Außenwand Süd",
        "  Außenwand West", "  Außenwand Ost",    "  Giebelwand West",
        "  Giebelwand Ost", "Dach/Decke",         "  Dach",
        "Grundfläche",      "  Bodenplatte",      "Fenster",
        "  Fenster Nord 1", "  Fenster Nord 2",   "  Fenster Süd 1",
        "  Fenster Süd 2",  "  Terrassentür Süd", "  Fenster West",
        "  Fenster Ost"};
    EXPECT_EQ(Zeilen(baum), erwartet);
    // Headings by group, types by number.
    EXPECT_EQ(dialog->BauteilZeileSuchen(0, TProjektDialog::Fassade), 0);
    EXPECT_EQ(dialog->BauteilZeileSuchen(2, TProjektDialog::Fassade), 7);  // kind 3 Dach/Decke
    EXPECT_EQ(dialog->BauteilZeileSuchen(3, TProjektDialog::Fassade), 9);  // kind 4 Grundfläche
    EXPECT_EQ(dialog->BauteilZeileSuchen(7, TProjektDialog::Fassade), 11); // Fenster
    EXPECT_EQ(dialog->BauteilZeileSuchen(1, TProjektDialog::Fassade), -1); // no Abseitenwand
    auto& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    EXPECT_EQ(dialog->BauteilZeileSuchen(p.RFenster[4].Nummer, TProjektDialog::Fenster), 16);
    EXPECT_EQ(dialog->HuellZeileSuchen(p.PFenster[4].Nummer, TProjektDialog::Fenster), 14);
    EXPECT_EQ(dialog->HuellZeileSuchen(0, TProjektDialog::Fassade), 0);
    EXPECT_EQ(dialog->HuellZeileSuchen(99, TProjektDialog::Bauteil), -1);
}

// A variant built for the trees: kinds 0, 1, 7, 8, 9, no window types, a
// window inserted into a wall, and negative areas.
struct Gebaut {
    std::unique_ptr<TProjekt> p = std::make_unique<TProjekt>();
    TProjekt& v = *p;
    TPBauteil* wand = nullptr;
    TPFenster* fenster = nullptr;
    Gebaut(bool mitFenster) {
        for (uint16_t i = 0; i < 2; ++i) {
            auto f = std::make_unique<TFassade>();
            f->Nummer = i;
            f->Name = i ? "Garage" : "Fassade Nord";
            f->IstFassade = i == 0;
            v.Fassaden.Add(std::move(f));
        }
        for (uint16_t art : {0, 1, 7, 8, 9}) {
            auto t = std::make_unique<TRBauteil>();
            t->Name = "Typ " + std::to_string(art);
            t->Bauteilart = art;
            v.BauteilNeu(std::move(t));
        }
        wand = v.PBauteilNeu(&v.RBauteile[0], &v.Fassaden[0], 0);
        wand->Zusatztext = "AW1";
        wand->Bruttoflaeche = 20.0;
        wand->Nettoflaeche = 18.5;
        if (mitFenster) {
            auto w = std::make_unique<TRFenster>();
            w->Name = "Holzfenster";
            fenster = v.PFensterNeu(&v.FensterNeu(std::move(w)), &v.Fassaden[0], 0);
            fenster->Bruttoflaeche = fenster->Nettoflaeche = 1.5;
            fenster->Traeger = {0, int16_t(wand->Nummer)};
            wand->Einbauten.Add(TTypNummer{TTypNummer::Fenster, int16_t(fenster->Nummer)});
        }
        TPBauteil* garage = v.PBauteilNeu(&v.RBauteile[2], &v.Fassaden[1], 0);
        garage->Bruttoflaeche = garage->Nettoflaeche = -3.0;
        v.Fassaden[1].A_gesamt = -3.0;
    }
};

TEST_F(ProjektDialogTest, GemeinsameUeberschriftenUndKeinFensterOhneFenstertypen) {
    Gebaut g(false);
    Setzen(std::move(g.p));
    Zeigen();
    const std::vector<std::string> erwartet = {
        "Außenwand", "  Typ 0", "  Typ 1", "Außenwand/Glasvorbau", "  Typ 7", "  Typ 8", "  Typ 9"};
    EXPECT_EQ(Zeilen(dialog->BauteilBaum()), erwartet);
    EXPECT_EQ(dialog->BauteilZeileSuchen(kFensterGruppe, TProjektDialog::Fassade), -1);
    EXPECT_EQ(dialog->BauteilZeileSuchen(6, TProjektDialog::Fassade), 3);
}

TEST_F(ProjektDialogTest, EingebautesFensterUnterSeinerWandUndFlaecheNachZustand) {
    Gebaut g(true);
    TProjekt& p = Setzen(std::move(g.p));
    Zeigen();
    auto* baum = dialog->HuellBaum();
    const std::vector<std::string> erwartet = {
        "Fassade Nord |  | Fassade | 0,00", "  Typ 0: 1 | AW1 | Außenwand | 20,00",
        "    Holzfenster: 1 |  | Fenster | 1,50", "Garage |  | Hüllfläche | -3,00",
        "  Typ 7: 1 |  | Außenwand/Glasvorbau | -3,00"};
    EXPECT_EQ(Zeilen(baum), erwartet);
    // Expanded, a wall shows its net area: the window is listed below it.
    g.wand->Merker6 = 1;
    p.Fassaden[0].Merker7 = 1;
    dialog->FassadenBaumAufbauen();
    EXPECT_EQ(*baum->GetCellText(1, 3), "18,50");
    EXPECT_TRUE(baum->IsExpanded(0));
    EXPECT_TRUE(baum->IsExpanded(1));
    EXPECT_FALSE(baum->IsExpanded(3));
}

TEST_F(ProjektDialogTest, NegativeFlaechenRot) {
    Gebaut g(false);
    Setzen(std::move(g.p));
    Zeigen();
    auto* baum = dialog->HuellBaum();
    // Row 2: the area group "Garage", -3 m²; row 3 its component.
    EXPECT_EQ(baum->GetCellColors(2, 2)->text, kRot);
    EXPECT_EQ(baum->GetCellColors(2, 3)->text, kRot);
    EXPECT_EQ(baum->GetCellColors(2, 2)->background, kGelb);
    EXPECT_EQ(baum->GetCellColors(3, 3)->text, kRot);
    EXPECT_EQ(baum->GetCellColors(3, 2)->text, TColor::Black);
    EXPECT_EQ(baum->GetCellColors(0, 2)->text, TColor::Black);
}

TEST_F(ProjektDialogTest, NeuaufbauBehaeltAuswahlOderNimmtDieDarueber) {
    Gebaut g(false);
    TProjekt& p = Setzen(std::move(g.p));
    Zeigen();
    dialog->HuellBaum()->ClickCell(3, 0);
    EXPECT_EQ(dialog->AuswahlPBauteil, &p.PBauteile[1]);
    // The selected component goes: its row now lies past the end.
    p.PBauteilLoeschen(int16_t(p.PBauteile[1].Nummer), 0);
    dialog->FassadenBaumAufbauen();
    EXPECT_EQ(dialog->HuellZeile, 2);
    EXPECT_EQ(dialog->AuswahlFassade, &p.Fassaden[1]);
    EXPECT_EQ(dialog->AuswahlPBauteil, nullptr);
}

} // namespace
} // namespace projekttest
