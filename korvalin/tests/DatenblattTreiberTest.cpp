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
#include "stammwerk/modell/TRFenster.h"
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

// The hand-worked wall of stammwerk's Glaser tests, computed, U 0.4 W/(m²K).
std::unique_ptr<TRBauteil> handwand() {
    auto typ = std::make_unique<TRBauteil>();
    typ->Name = "Handwand";
    typ->Nummer = 0;
    TEinfachBauteil w = GlaserWand({{100, 1.0, 10, 10}, {88, 0.04, 1, 1}, {15, 0.5, 15, 100}});
    w.Nummer = 0;
    typ->Flaechenanteile.Add(w);
    typ->WSchVO(0, 1, 0);
    typ->FeuchteBerechnen(1);
    return typ;
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
    // The texts of the single component sheet (kind 5) of the type in a project
    // of its own; glaser: with the page setting "Glasergrafik" on.
    std::vector<std::string> bauteilblatt(std::unique_ptr<TRBauteil> typ, bool glaser,
                                          const char* bild = nullptr) {
        TGesamtProjekt g("/tmp");
        auto p = std::make_unique<TProjekt>();
        TRBauteil& t = p->RBauteile.Add(std::move(typ));
        g.ProjektHinzufuegen(std::move(p));
        TDatenblattAufbau b;
        b.Gesamtprojekt = &g;
        b.Blattart = 5;
        b.Quelle = TDatenblattAufbau::QuelleBauteil;
        b.Bauteil = &t;
        if (glaser) {
            b.EinstellungenLaden(true);
            b.SeitenLayout().Glasergrafik = 1;
        }
        return alleSeiten(b, bild);
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
    const auto texte = bauteilblatt(handwand(), false, "treiber_bauteil.png");
    EXPECT_TRUE(hat(texte, " Referenz-Bauteil "));
    EXPECT_TRUE(hat(texte, " k  = 0,400 W/m²K "));
    EXPECT_TRUE(hat(texte, " Summe Bauteil "));
}

// A failed moisture proof says why on the sheet, also when no condensate
// forms inside the layers.
TEST_F(Treiber, BauteilblattNenntJedenGrundEinesNichtErfuelltenFeuchtenachweises) {
    struct Fall {
        size_t fehler;
        const char* grund;
    };
    const Fall faelle[] = {
        {4, "Tauwasserausfall an der Innenoberfläche des Bauteils!"},
        {2, "Die Verdunstungsberechnung wurde nach der Höchstzahl der Rechenschritte"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fehler);
        auto typ = handwand();
        // The stored result of a wall dry inside whose proof failed for this reason.
        TEinfachBauteil& e = typ->Flaechenanteile[0];
        e.Diffusion.Tauwassermenge = 0;
        e.Diffusion.Nachweisfehler.fill(0);
        e.Diffusion.Nachweisfehler[f.fehler] = 1;
        e.FeuchteErfuellt = 0;
        ASSERT_GT(e.sd_Summe, 0);
        const auto texte = bauteilblatt(std::move(typ), true);
        EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [&](const std::string& x) {
            return x.find(f.grund) != std::string::npos;
        }));
    }
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

namespace {

TDimVolumen liste(const std::string& name, double wert, bool formel, int variablen, int formeln) {
    TDimVolumen d;
    d.Name = name;
    d.Wert = wert;
    d.Formelmodus = formel ? 1 : 0;
    const auto zeile = [](TTextListe& l, const std::string& text) {
        TTextString t;
        t.Text = text;
        l.AddAfterEquals(std::make_unique<TTextString>(t));
    };
    for (int i = 0; i < variablen; ++i) zeile(d.Textliste1, "a" + std::to_string(i) + " = 2");
    for (int i = 0; i < formeln; ++i) zeile(d.Formelliste, "f" + std::to_string(i));
    return d;
}

} // namespace

// Long volume and area lists break their pages so that no table runs into
// the footer, the first page under the project header included, and every
// volume and partial area is printed once.
TEST_F(Treiber, VolumenUndFlaechenSeitenBleibenUeberDerFusszeile) {
    struct Fall {
        const char* was;
        int volumen;
        bool formel;
        int variablen, formeln;
        int teilflaechen; // of the first placed component
    };
    const Fall faelle[] = {
        {"plain volumes", 120, false, 0, 0, 1},
        {"formula volumes of variable lines only", 30, true, 6, 0, 1},
        {"volumes with formulas outside formula mode", 60, false, 0, 3, 1},
        {"one component of many partial areas", 1, false, 0, 0, 150},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const auto g = beispiel();
        TProjekt& p = *g->AktuellesProjekt;
        p.Volumina.Flush();
        for (int i = 0; i < f.volumen; ++i) {
            TDimVolumen v = liste("V" + std::to_string(i), 1, f.formel, f.variablen, f.formeln);
            v.Nummer = uint16_t(i);
            p.Volumina.Add(v);
        }
        ASSERT_GT(p.PBauteile.GetItemsInContainer(), 0u);
        TDimVolumenListe& teile = p.PBauteile[0].Flaechenliste;
        teile.Flush();
        for (int i = 0; i < f.teilflaechen; ++i) {
            TDimVolumen t = liste("T" + std::to_string(i), 1, false, 0, 0);
            t.Nummer = uint16_t(i);
            teile.AddAfterEquals(std::make_unique<TDimVolumen>(t));
        }
        TDatenblattAufbau b;
        b.Gesamtprojekt = g.get();
        b.Blattart = 8;
        const auto texte = alleSeiten(b);
        for (const TBlock& blk : b.Bloecke)
            EXPECT_LE(blk.Unten, b.Koerper.bottom - 40)
                << "block " << blk.Nummer << " of section " << blk.Abschnitt << " on page "
                << blk.Seite;
        // A formula volume without formula lines prints its variable lines only.
        const bool namen = !f.formel || f.formeln > 0;
        for (int i = 0; i < f.volumen && namen; ++i)
            EXPECT_EQ(std::count(texte.begin(), texte.end(), "  V" + std::to_string(i) + "  "), 1)
                << i;
        if (!namen) EXPECT_EQ(std::count(texte.begin(), texte.end(), " a5 = 2  "), f.volumen);
        for (int i = 0; i < f.teilflaechen; ++i)
            EXPECT_EQ(std::count(texte.begin(), texte.end(), "  T" + std::to_string(i) + "  "), 1)
                << i;
    }
}

// A sheet of catalogue components shows the catalogue header whatever project
// is open: no project figures, no envelope totals, no project records.
TEST_F(Treiber, KatalogblattZeigtKeineProjektzahlen) {
    const auto g = beispiel();
    g->AktuellesProjekt->Projektangaben[0] = "Haus Kern";
    TRBauteil katalog = g->AktuellesProjekt->RBauteile[0];
    katalog.Nummer = TRBauteil::KeineNummer;
    katalog.PBauteilListe.Flush();
    for (const bool liste : {true, false}) {
        SCOPED_TRACE(liste ? "list from a catalogue file" : "one catalogue component");
        TDatenblattAufbau b;
        b.Gesamtprojekt = g.get();
        b.Blattart = liste ? 9 : 5;
        b.Quelle = liste ? TDatenblattAufbau::QuelleBauteilListe : TDatenblattAufbau::QuelleBauteil;
        b.BauteilListe = {&katalog};
        b.Bauteil = &katalog;
        b.DateiFlagsSetzen();
        EXPECT_TRUE(b.DateiFlag());
        EXPECT_FALSE(b.Projektblatt);
        const auto t = alleSeiten(b);
        EXPECT_TRUE(hat(t, " Referenz-Bauteil "));
        EXPECT_FALSE(hat(t, " Projekt-Bauteile "));
        EXPECT_FALSE(hat(t, " Gesamte Gebäudehüllfläche "));
        for (const std::string& x : t)
            EXPECT_EQ(x.find(g->AktuellesProjekt->Projektangaben[0]), std::string::npos) << x;
    }
    // The window catalogue's list: no envelope table of the project.
    ASSERT_GT(g->AktuellesProjekt->RFenster.GetItemsInContainer(), 0u);
    TRFenster fenster = g->AktuellesProjekt->RFenster[0];
    fenster.Nummer = TRFenster::KeineNummer;
    TDatenblattAufbau b;
    b.Gesamtprojekt = g.get();
    b.Blattart = 10;
    b.Quelle = TDatenblattAufbau::QuelleFensterListe;
    b.FensterListe = {&fenster};
    b.DateiFlagsSetzen();
    const auto t = alleSeiten(b);
    EXPECT_FALSE(hat(t, " Gebäude-Hülle  "));
    EXPECT_FALSE(hat(t, " Fläche A "));
}
