// The page drivers of the component, window, facade, area and volume sheets
// with their generators, laid out and painted through the sheet builder.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/RecordingDC.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/tests/GlaserWand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::unique_ptr<TGesamtProjekt> beispiel() {
    auto g = std::make_unique<TGesamtProjekt>("/tmp");
    EXPECT_EQ(g->Oeffnen(std::filesystem::path(KORVALIN_DATEN_DIR) / "beispiel.pro"), 0);
    return g;
}

struct Treiber : ::testing::Test {
    void SetUp() override { SetSPRINTFCharacters('.', ','); }
    // Lays the sheet out and paints every page; the texts of all pages.
    std::vector<std::string> alleSeiten(TDatenblattAufbau& b, const char* bild = nullptr) {
        b.SeitenAusrichtung(TDatenblattAufbau::Querformat(b.Blattart));
        TRecordingDC mass;
        b.Auslegen(mass);
        std::vector<std::string> texte;
        for (int s = 0; s < b.Seitenzahl; ++s) {
            b.AktuelleSeite = s;
            TRecordingDC dc;
            b.DatenblattAufbauen(dc, 1);
            for (const TDrawCall& c : dc.Calls())
                if ((c.kind == TDrawKind::DrawText && !(c.flags & DT_CALCRECT)) ||
                    c.kind == TDrawKind::TextOut)
                    texte.push_back(c.text);
            const char* ordner = std::getenv("KORVALIN_BILDER");
            if (bild && ordner && s == 0) {
                TImageDC png(b.SeitenBreite, b.SeitenHoehe);
                b.DatenblattAufbauen(png, 1);
                png.SavePng(std::filesystem::path(ordner) / bild);
            }
        }
        return texte;
    }
    static bool hat(const std::vector<std::string>& t, const std::string& s) {
        return std::find(t.begin(), t.end(), s) != t.end();
    }
};

} // namespace

TEST_F(Treiber, FassadenblattUndUebersichtDesBeispiels) {
    const auto g = beispiel();
    TDatenblattAufbau b;
    b.Gesamtprojekt = g.get();
    b.Blattart = 6;
    auto t = alleSeiten(b, "treiber_fassaden.png");
    EXPECT_GE(b.Seitenzahl, 1);
    EXPECT_TRUE(hat(t, " Gesamte Hüllfläche "));
    EXPECT_EQ(std::count(t.begin(), t.end(), " Gesamte Hüllfläche "), 1);

    TDatenblattAufbau u;
    u.Gesamtprojekt = g.get();
    u.Blattart = 7;
    t = alleSeiten(u);
    EXPECT_TRUE(hat(t, " k-Werte "));
    EXPECT_TRUE(hat(t, "  Summe "));
}

TEST_F(Treiber, BauteilblattEinerWandMitSchichttabelle) {
    TGesamtProjekt g("/tmp");
    auto p = std::make_unique<TProjekt>();
    auto typ = std::make_unique<TRBauteil>();
    typ->Name = "Handwand";
    typ->Nummer = 0;
    TEinfachBauteil w = GlaserWand({{100, 1.0, 10, 10}, {88, 0.04, 1, 1}, {15, 0.5, 15, 100}});
    w.Nummer = 0;
    typ->Flaechenanteile.Add(w);
    typ->WSchVO(0, 1, 0);
    typ->FeuchteBerechnen(1);
    TRBauteil& t = p->RBauteile.Add(std::move(typ));
    g.ProjektHinzufuegen(std::move(p));
    TDatenblattAufbau b;
    b.Gesamtprojekt = &g;
    b.Blattart = 5;
    b.Quelle = TDatenblattAufbau::QuelleBauteil;
    b.Bauteil = &t;
    const auto texte = alleSeiten(b, "treiber_bauteil.png");
    EXPECT_TRUE(hat(texte, " Referenz-Bauteil "));
    EXPECT_TRUE(hat(texte, " k  = 0,400 W/m²K "));
    EXPECT_TRUE(hat(texte, " Summe Bauteil "));
}

TEST_F(Treiber, VolumenUndFlaechenblattInSeiten) {
    const auto g = beispiel();
    TDatenblattAufbau b;
    b.Gesamtprojekt = g.get();
    b.Blattart = 8;
    const auto t = alleSeiten(b);
    EXPECT_TRUE(hat(t, " Volumenberechnung "));
    EXPECT_TRUE(hat(t, " Flächenberechnung "));
    EXPECT_EQ(std::count(t.begin(), t.end(), std::string("  ") + "Summe "), 1)
        << "the area total closes the last page only";
}

TEST_F(Treiber, PeriodischerWaermedurchgangDesBeispiels) {
    const auto g = beispiel();
    TRBauteil* wand = nullptr;
    for (TRBauteil& t : g->AktuellesProjekt->RBauteile)
        if (!t.Flaechenanteile.IsEmpty() && t.Flaechenanteile[0].AnzahlSchichten() >= 3) {
            wand = &t;
            break;
        }
    ASSERT_NE(wand, nullptr);
    TDatenblattAufbau b;
    b.Gesamtprojekt = g.get();
    b.Blattart = 11;
    b.Quelle = TDatenblattAufbau::QuelleBauteil;
    b.Bauteil = wand;
    const auto t = alleSeiten(b, "treiber_periodisch.png");
    EXPECT_TRUE(hat(t, " Periodenlänge T = 24 h "));
    EXPECT_TRUE(hat(t, "Bauteil: " + wand->Name));
    const TEinfachBauteil& e = wand->Flaechenanteile[0];
    ASSERT_NE(e.SpeicherGueltig, 0);
    char phase[32];
    std::snprintf(phase, sizeof phase, " %3.1lf h ", e.Phasenverschiebung);
    EXPECT_TRUE(hat(t, phase)) << "with a point whatever the settings";
    const std::string projekt = " " + g->AktuellesProjekt->Projektangaben[0];
    EXPECT_TRUE(hat(t, projekt)) << "the project header of a project component";

    // The same component from the catalogue belongs to no project.
    TRBauteil katalog = *wand;
    katalog.Nummer = TRBauteil::KeineNummer;
    TDatenblattAufbau k;
    k.Gesamtprojekt = g.get();
    k.Blattart = 11;
    k.Quelle = TDatenblattAufbau::QuelleBauteil;
    k.Bauteil = &katalog;
    k.DateiFlagsSetzen();
    const auto u = alleSeiten(k);
    EXPECT_TRUE(hat(u, " Periodenlänge T = 24 h "));
    EXPECT_FALSE(hat(u, projekt));
}

// A wall with condensate gets its Glaser diagram on a page of its own, with
// the same amounts as its layer table; without the diagram setting it has none.
TEST_F(Treiber, BauteilblattMitTauwasserZeigtDasGlaserDiagramm) {
    const auto g = beispiel();
    TProjekt& p = *g->AktuellesProjekt;
    TRBauteil* wand = nullptr;
    for (TRBauteil& t : p.RBauteile)
        if (t.Name == "Außenwand Nord") wand = &t;
    ASSERT_NE(wand, nullptr);
    ASSERT_GT(wand->Flaechenanteile[0].Diffusion.Tauwassermenge, 0);
    for (int grafik : {1, 0}) {
        SCOPED_TRACE(grafik);
        TDatenblattAufbau b;
        b.Gesamtprojekt = g.get();
        b.Blattart = 5;
        b.Quelle = TDatenblattAufbau::QuelleBauteil;
        b.Bauteil = wand;
        b.EinstellungenLaden(true);
        b.SeitenLayout().Glasergrafik = grafik;
        const auto texte = alleSeiten(b, grafik ? "treiber_glaser.png" : nullptr);
        EXPECT_EQ(hat(texte, " Winter "), grafik == 1);
        EXPECT_EQ(hat(texte, " Sommer "), grafik == 1);
    }
}

// The settings are read once per layout run and once per painted page, not
// once per pass.
TEST_F(Treiber, EinstellungenEinmalProLauf) {
    struct Zaehlend : TDatenblattAufbau {
        int geladen = 0;
        void EinstellungenNeuLaden() override { ++geladen; }
    };
    const auto g = beispiel();
    Zaehlend b;
    b.Gesamtprojekt = g.get();
    b.Blattart = 6;
    TRecordingDC mass;
    b.Auslegen(mass);
    EXPECT_EQ(b.geladen, 1);
    TRecordingDC dc;
    b.DatenblattAufbauen(dc, 1);
    EXPECT_EQ(b.geladen, 2);
}
