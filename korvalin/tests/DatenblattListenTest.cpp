// The list sheets: facade sheet, envelope areas with their row counting,
// volumes, the component overview and the moisture remarks.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "testsupport/PageDump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace datenblatt_test;

namespace {

std::unique_ptr<TGesamtProjekt> beispiel() {
    auto g = std::make_unique<TGesamtProjekt>("/tmp");
    EXPECT_EQ(g->Oeffnen(std::filesystem::path(KORVALIN_DATEN_DIR) / "beispiel.pro"), 0);
    return g;
}

TDimVolumen teil(const char* name, double wert, int variablen = -1, int formeln = 0) {
    TDimVolumen d;
    d.Name = name;
    d.Wert = wert;
    if (variablen >= 0) {
        d.Formelmodus = 1;
        for (int i = 0; i < variablen; ++i) {
            TTextString t;
            t.Text = "a" + std::to_string(i) + " = 2";
            d.Textliste1.AddAfterEquals(std::make_unique<TTextString>(t));
        }
        for (int i = 0; i < formeln; ++i) {
            TTextString t;
            t.Text = "f" + std::to_string(i);
            d.Formelliste.AddAfterEquals(std::make_unique<TTextString>(t));
        }
    }
    return d;
}

struct Listenblatt : ::testing::Test {
    void SetUp() override { SetSPRINTFCharacters('.', ','); }
    // A small project: one facade with a wall and a window, and an empty one.
    TProjekt& klein() {
        auto p = std::make_unique<TProjekt>();
        auto t = std::make_unique<TRBauteil>();
        t->Nummer = 0;
        t->Name = "Wand";
        t->Bauteilart = 0;
        t->k_m = 0.4;
        TRBauteil& typ = p->RBauteile.Add(std::move(t));
        auto wand = std::make_unique<TPBauteil>();
        wand->Nummer = 1;
        wand->CADNummer = 7;
        wand->Name = "Südwand";
        wand->RBauteil = &typ;
        wand->Nettoflaeche = -2.5;
        wand->Flaechenliste.AddAfterEquals(std::make_unique<TDimVolumen>(teil("Giebel", 12, 2, 3)));
        wand->Flaechenliste.AddAfterEquals(std::make_unique<TDimVolumen>(teil("Rest", 3)));
        p->PBauteile.Add(std::move(wand));
        typ.PBauteilListe.Add(TTypNummer{0, 1});
        auto f = std::make_unique<TFassade>();
        f->Nummer = 0;
        f->Name = "Süd";
        f->IstFassade = 1;
        f->Elemente.AddAfterEquals(std::make_unique<TTypNummer>(TTypNummer{0, 1}));
        p->Fassaden.Add(std::move(f));
        auto leer = std::make_unique<TFassade>();
        leer->Nummer = 1;
        leer->Name = "Leer";
        p->Fassaden.Add(std::move(leer));
        p->A_Bauteile = 40;
        p->A_Fenster = 10;
        p->V = 321.5;
        TProjekt& ref = g.ProjektHinzufuegen(std::move(p));
        b.Gesamtprojekt = &g;
        return ref;
    }
    std::vector<std::string> texte(const TRecordingDC& dc) {
        std::vector<std::string> t;
        for (const TDrawCall& c : dc.Calls())
            if ((c.kind == TDrawKind::DrawText && !(c.flags & DT_CALCRECT)) ||
                c.kind == TDrawKind::TextOut)
                t.push_back(c.text);
        return t;
    }
    static bool hat(const std::vector<std::string>& t, const std::string& s) {
        return std::find(t.begin(), t.end(), s) != t.end();
    }
    TGesamtProjekt g{"/tmp"};
    TestBlatt b;
};

} // namespace

TEST_F(Listenblatt, FassadenblattDesBeispielprojekts) {
    const auto gp = beispiel();
    b.Gesamtprojekt = gp.get();
    TProjekt& p = *gp->AktuellesProjekt;
    ASSERT_GT(p.Fassaden.GetItemsInContainer(), 0u);
    b.Block.Abschnitt = b.AktuellerAbschnitt = 6;
    int elemente = 0;
    for (const TFassade& f : p.Fassaden) elemente += int(f.Elemente.GetItemsInContainer());
    const int nf = int(p.Fassaden.GetItemsInContainer());
    TRecordingDC layout;
    b.FassadenTabelle(layout, 0, nf, 0, elemente, elemente + 12, 0);
    EXPECT_TRUE(testsupport::PageDump(layout.Calls()).empty());
    TRecordingDC dc;
    b.FassadenTabelle(dc, 0, nf, 0, elemente, elemente + 12, 1);
    const auto t = texte(dc);
    EXPECT_TRUE(hat(t, " Gesamte Hüllfläche "));
    EXPECT_TRUE(hat(t, "84,00  * (4*6*7) "));
    EXPECT_TRUE(hat(t, " Hüllfläche ")) << "the example's envelope group is no facade";
    EXPECT_TRUE(testsupport::MatchesGolden(
        testsupport::PageDump(dc.Calls()),
        testsupport::GoldenPath("korvalin/tests/golden/datenblatt/fassaden_1.txt")));
    // Every element row carries its element's key, the others the marker.
    int schluessel = 0;
    for (const auto& z : b.Zeilentabelle)
        if (z.Nummer > -5) ++schluessel;
    EXPECT_EQ(schluessel, elemente);

    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        TestBlatt bild;
        bild.Gesamtprojekt = gp.get();
        bild.Block.Abschnitt = bild.AktuellerAbschnitt = 6;
        TImageDC mass(891, 1260);
        bild.FassadenTabelle(mass, 0, nf, 0, elemente, elemente + 12, 0);
        TImageDC bilddc(891, 1260);
        bild.FassadenTabelle(bilddc, 0, nf, 0, elemente, elemente + 12, 1);
        bilddc.SavePng(std::filesystem::path(ordner) / "fassaden_1.png");
    }
}

TEST_F(Listenblatt, FassadeUeberZweiSeitenSummeNurAufDerLetzten) {
    klein();
    b.Block.Abschnitt = 6;
    b.Seitenzahl = 2;
    for (int seite : {1, 2}) {
        b.Block.Seite = seite;
        b.AktuelleSeite = seite - 1;
        TRecordingDC dc;
        b.FassadenTabelle(dc, 0, 1, 0, 1, 13, 1);
        const auto t = texte(dc);
        EXPECT_EQ(hat(t, " Gesamte Hüllfläche "), seite == 2);
        EXPECT_TRUE(hat(t, " Fassade ")) << "each part ends with the facade row";
    }
    // The empty facade writes no row at all.
    TRecordingDC dc;
    b.FassadenTabelle(dc, 1, 2, 0, 0, 12, 1);
    EXPECT_FALSE(hat(texte(dc), " Hüllfläche "));
}

TEST_F(Listenblatt, SommerzeileNachErgebnis) {
    klein();
    TFassade f;
    f.IstFassade = 1;
    f.A_gesamt = 50;
    f.A_Fenster = 10;
    f.g_F_Sommer = 0.5;
    f.z_bew_Sommer = 0.4;
    struct Fall {
        uint16_t sommer, beweglich;
        const char* text;
    };
    const Fall faelle[] = {
        {0, 1, "   Sommerlicher Wärmeschutz muß nicht geprüft werden "},
        {1, 1,
         "   Sommerlicher Wärmeschutz ist erfüllt: g_F*f = 0,10 <= 0,25  Anf. an den beweglichen "
         "Anteil des Sonnenschutzes ist erfüllt: z_bew = 0,40 <= 0,5 "},
        {2, 1, "   Sommerlicher Wärmeschutz ist nicht erfüllt: g_F*f = 0,10 > 0,25 "},
    };
    for (const Fall& c : faelle) {
        f.SommerStatus = c.sommer;
        f.SonnenschutzStatus = c.beweglich;
        TRecordingDC dc;
        b.Durchgang = 1;
        // The row spans the table's columns, as the sheet lays them out.
        for (size_t k = 0; k < b.Spaltenkante.size(); ++k) b.Spaltenkante[k] = int(30 + 40 * k);
        int r = 3;
        b.FassadenSommerZeile(dc, f, r);
        EXPECT_EQ(r, 4);
        EXPECT_TRUE(hat(texte(dc), c.text)) << c.text;
    }
    f.IstFassade = 0;
    int r = 3;
    TRecordingDC dc;
    b.FassadenSommerZeile(dc, f, r);
    EXPECT_EQ(r, 3);
}

TEST_F(Listenblatt, FlaechenzeilenJeElement) {
    TProjekt& p = klein();
    auto fenster = std::make_unique<TPFenster>();
    fenster->Nummer = 1; // the same id as the wall
    p.PFenster.Add(std::move(fenster));
    const int wand = (1 << 16) | 0;
    const int fensterSchluessel = (1 << 16) | 10;
    // 2 variables + 3 formulas, one plain area, the element's own row.
    EXPECT_EQ(b.FlaechenZeilenZaehlen(wand), 5 + 1 + 1);
    EXPECT_EQ(b.FlaechenZeilenZaehlen(fensterSchluessel), 1);
    p.PBauteile[0].Flaechenliste.Flush();
    p.PBauteile[0].Flaechenliste.AddAfterEquals(std::make_unique<TDimVolumen>(teil("x", 1, 3, 0)));
    EXPECT_EQ(b.FlaechenZeilenZaehlen(wand), 4 + 1);
    EXPECT_EQ(b.FlaechenZeilenZaehlen((99 << 16) | 0), 1) << "an unknown element counts its row";
}

TEST_F(Listenblatt, HuellflaechenMitFormelnUndNegativerFlaeche) {
    klein();
    b.Block.Abschnitt = 11;
    b.Seitenzahl = 1;
    TRecordingDC dc;
    b.HuellflaechenTabelle(dc, 0, 2, 0, 1, 0, -1, 20, 1);
    const auto z = Zellentexte(dc, b.Block.Oben);
    const auto zeileVon = [&](const std::string& text) {
        for (const auto& c : z)
            if (c.text == text) return c.zeile;
        return -1;
    };
    // Rows 4-5 the variables, 6-8 the formulas with number and name on the first.
    EXPECT_EQ(zeileVon(" a0 = 2  "), 4);
    EXPECT_EQ(zeileVon(" 7 - 1"), 6);
    EXPECT_EQ(zeileVon("  Giebel  "), 6);
    EXPECT_EQ(zeileVon("  12,00  "), 8);
    EXPECT_EQ(zeileVon("  Rest  "), 9);
    EXPECT_EQ(zeileVon("  Südwand"), 10);
    EXPECT_EQ(zeileVon("  Süd"), 11);
    EXPECT_EQ(zeileVon("  Leer"), -1) << "a facade without elements has no row";
    EXPECT_EQ(zeileVon("  Summe "), 12);
    for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText)) {
        if (c.text == "-2,50  ") EXPECT_EQ(c.textColor, b.Texte().Farbe(Textstil::Warnung));
        if (c.text == "  Süd") EXPECT_EQ(c.textColor, TColor::Black);
    }
    EXPECT_EQ(b.Block.Unten, b.Zeilenkante(14));
}

TEST_F(Listenblatt, FuenfundfuenfzigZeilenAufEinerSeite) {
    TProjekt& p = klein();
    TPBauteil& wand = p.PBauteile[0];
    wand.Flaechenliste.Flush();
    for (int i = 0; i < 60; ++i)
        wand.Flaechenliste.AddAfterEquals(
            std::make_unique<TDimVolumen>(teil(("T" + std::to_string(i)).c_str(), i)));
    b.Block.Abschnitt = 11;
    TRecordingDC dc;
    b.HuellflaechenTabelle(dc, 0, 1, 0, 1, 0, 55, 62, 1);
    EXPECT_GE(b.Zeilentabelle.size(), 63u);
    EXPECT_EQ(b.Zeilentabelle[58].Nummer, 1);
    EXPECT_EQ(b.Zeilentabelle[58].Code, 0);
}

TEST_F(Listenblatt, VolumenMitUndOhneFormel) {
    TProjekt& p = klein();
    b.Block.Abschnitt = 10;
    {
        TRecordingDC dc;
        b.VolumenTabelle(dc, 0, 10, 0, 0, 0, 1);
        const auto t = texte(dc);
        EXPECT_TRUE(hat(t, " Volumenberechnung "));
        EXPECT_TRUE(hat(t, " 321,50 "));
        EXPECT_EQ(b.Block.Hoehe, 6 * 19);
    }
    TDimVolumen nurVariablen = teil("Keller", 50, 2, 0);
    nurVariablen.Nummer = 0;
    TDimVolumen eine = teil("Dach", 80, 0, 1);
    eine.Nummer = 1;
    eine.Wert3 = 3;
    p.Volumina.Add(nurVariablen);
    p.Volumina.Add(eine);
    TRecordingDC dc;
    b.VolumenTabelle(dc, 0, 2, 0, 0, 0, 1);
    const auto z = Zellentexte(dc, b.Block.Oben);
    const auto zeileVon = [&](const std::string& text) {
        for (const auto& c : z)
            if (c.text == text) return c.zeile;
        return -1;
    };
    EXPECT_EQ(zeileVon("  Keller  "), -1) << "no formula line: no name";
    EXPECT_EQ(zeileVon(" a1 = 2  "), 5);
    EXPECT_EQ(zeileVon(" 3"), 6);
    EXPECT_EQ(zeileVon("  Dach  "), 6);
    EXPECT_EQ(zeileVon("  80,00  "), 6);
    EXPECT_EQ(zeileVon(" Summe "), 7);
    // The rows as printed: two variable lines, one formula line, heading and sum.
    EXPECT_EQ(b.VolumenZeilenZaehlen(), 2 + 1 + 6);
    EXPECT_EQ(b.VolumenZeilenZaehlen(1, 2), 1 + 6);
}

TEST_F(Listenblatt, UebersichtNachTypenEingeschraenkt) {
    TProjekt& p = klein();
    p.Q_T = 123456;
    b.Block.Abschnitt = 7;
    TRecordingDC dc;
    b.BauteilUebersichtTypen(dc, 0, 1, 0, 1, 10, 1);
    auto t = texte(dc);
    EXPECT_TRUE(hat(t, "  Summe "));
    EXPECT_TRUE(hat(t, "1.235E+05  "));
    EXPECT_TRUE(hat(t, "50,00  "));
    EXPECT_EQ(b.Zeilentabelle[3].Nummer, 1);
    // Restricted to roofs the wall type has no rows.
    b.UebersichtEingeschraenkt = true;
    b.UebersichtKlasse = 3;
    TRecordingDC dc2;
    b.BauteilUebersichtTypen(dc2, 0, 1, 0, 1, 10, 1);
    EXPECT_EQ(b.Zeilentabelle[3].Nummer, -5);
    // By facade the total closes only the last page.
    b.Seitenzahl = 2;
    TRecordingDC dc3;
    b.BauteilUebersichtFassaden(dc3, 0, 2, 0, 1, 10, 1);
    EXPECT_FALSE(hat(texte(dc3), "  Summe "));
    EXPECT_EQ(b.Zeilentabelle[3].Nummer, 1);
}

TEST_F(Listenblatt, FeuchtehinweiseInIhrerReihenfolge) {
    TEinfachBauteil eb;
    TRecordingDC leer;
    b.FeuchteHinweise(leer, &eb, 1);
    EXPECT_TRUE(leer.Calls().empty());
    eb.Diffusion.Nachweisfehler[0] = eb.Diffusion.Nachweisfehler[1] = 1;
    eb.Diffusion.Nachweisfehler[4] = 1;
    eb.Diffusion.Tauwassermenge = 1.5;
    TRecordingDC dc;
    b.FeuchteHinweise(dc, &eb, 1);
    std::string text;
    for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText))
        if (!(c.flags & DT_CALCRECT)) {
            text = c.text;
            EXPECT_EQ(c.textColor, b.Texte().Farbe(Textstil::Warnung));
        }
    EXPECT_EQ(text,
              "\nVerdunstungsmenge ist kleiner als Tauwassermenge! \nDas Bauteil ist nicht "
              "unbedenklich in Bezug auf Feuchte! \nErhebliche Tauwassermenge = 1,500 "
              "kg/m²! \nBitte prüfen Sie, ob Tauwassermenge unbedenklich ist!Tauwasserausfall "
              "an der Innenoberfläche des Bauteils!    --->     Tauwassermenge = 0.0 kg/m² \n");
    // Harmless by the user's word: only the condensate sentence with the reason.
    eb.Diffusion.Nachweisfehler[0] = eb.Diffusion.Nachweisfehler[4] = 0;
    eb.TauwassergrenzeAusgenommen = 1;
    eb.Beschreibung = "Holzfaser trocknet aus";
    TRecordingDC dc2;
    b.FeuchteHinweise(dc2, &eb, 1);
    for (const TDrawCall& c : dc2.CallsOf(TDrawKind::DrawText))
        if (!(c.flags & DT_CALCRECT))
            EXPECT_EQ(c.text, "\nDie Tauwassermenge = 1,500 kg/m² wird als unbedenklich "
                              "eingestuft! \nHolzfaser trocknet aus");
    EXPECT_EQ(dc2.GetTextColor(), TColor::Black);
}
