// Moving through a sheet's pages: line steps that turn the page at its
// bottom and top, the end of the last page, the horizontal steps, the page
// dialogs and their refusals; the sheet windows' lists; the pagination of
// list sections.
#include "korvalin/tests/DatenfensterFixture.h"

#include "hilfsmittel/layout/FirmenLogo.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/Seitendialoge.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "korvalin/layout/TSpinEdit.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Scroller.h"
#include "stammwerk/modell/TRBauteil.h"
#include "testsupport/UserInput.h"

namespace {

using namespace datenfenster_test;

struct Blaettern : Datenfenster {
    void SetUp() override {
        Datenfenster::SetUp();
        Materialien(130);
        w = Massenblatt();
        w->ShowWindow(SW_SHOWNORMAL);
        Pump();
        ASSERT_EQ(w->Seitenzahl, 3);
        h = w->GetClientRect().Height();
        v = h / 14;
        ASSERT_GT(v, 10);
        ASSERT_LT(h, 1260) << "the window shows less than a page";
    }
    int P() const { return w->Seitenlayout().ScrollPosition; }
    int zaehler() const { return w->Seitenlayout().SichtbareSeite; }
    void taste(uint32_t key, bool strg = false) {
        if (strg) {
            testsupport::PressKey(*w, key, MK_CONTROL);
            Pump();
        } else {
            w->EvKeyDown(key, 1, 0);
        }
    }
    TMassenDatenWindow* w = nullptr;
    int h = 0, v = 0;
};

TEST_F(Blaettern, ZeilenweiseBisZumSeitenendeDannOben_aufDerNaechstenSeite) {
    testsupport::PressKey(*w, VK_DOWN);
    Pump();
    ASSERT_EQ(P(), 1) << "a real key press steps one line";
    EXPECT_EQ(w->VOffset, -14);
    int schritte = 1;
    while (w->BildschirmSeite() == 0 && schritte < 200) {
        const int vorher = P();
        taste(VK_DOWN);
        ++schritte;
        if (w->BildschirmSeite() == 0) {
            EXPECT_EQ(P(), vorher + 1);
            EXPECT_EQ(w->VOffset, -P() * 14);
            EXPECT_LE(P() * 14 + h, 1260) << "never past the page's bottom";
        }
    }
    EXPECT_EQ(w->BildschirmSeite(), 1);
    EXPECT_EQ(P(), 90);
    EXPECT_EQ(w->VOffset, 0);
    EXPECT_EQ(zaehler(), 2);
}

TEST_F(Blaettern, ZeileHochVomSeitenanfangZeigtDasEndeDerVorigenSeite) {
    w->EvVScroll(SB_THUMBPOSITION, 90, 0);
    ASSERT_EQ(w->BildschirmSeite(), 1);
    ASSERT_EQ(P(), 90);
    taste(VK_UP);
    EXPECT_EQ(w->BildschirmSeite(), 0);
    EXPECT_EQ(P(), (1260 - h) / 14);
    EXPECT_EQ(w->VOffset, -((1260 - h) / 14) * 14);
    EXPECT_EQ(zaehler(), 1);
    // Tracking the thumb moves nothing; the position on release does.
    w->EvVScroll(SB_THUMBTRACK, 200, 0);
    EXPECT_EQ(w->BildschirmSeite(), 0);
    w->EvVScroll(SB_THUMBPOSITION, 185, 0);
    EXPECT_EQ(w->BildschirmSeite(), 2);
    EXPECT_EQ(P(), 185);
    EXPECT_EQ(w->VOffset, -5 * 14);
}

TEST_F(Blaettern, BildAbAmEndeSetztDieMarkeUndHochKehrtUmVPlusEinsZurueck) {
    w->EvVScroll(SB_THUMBPOSITION, 180 + (1260 - h) / 14 - 2, 0);
    ASSERT_EQ(w->BildschirmSeite(), 2);
    taste(VK_NEXT);
    EXPECT_TRUE(w->AmEnde);
    EXPECT_EQ(P(), 270);
    EXPECT_EQ(w->BildschirmSeite(), 2);
    taste(VK_DOWN);
    EXPECT_EQ(P(), 270) << "nothing moves past the end";
    taste(VK_UP);
    EXPECT_FALSE(w->AmEnde);
    EXPECT_EQ(P(), 270 - v - 1 - 1);
}

TEST_F(Blaettern, DasMausradGehtDreiZeilenJeRaste) {
    w->EvMouseWheel(0, -120, {});
    EXPECT_EQ(P(), 3);
    EXPECT_EQ(w->VOffset, -42);
    w->EvMouseWheel(0, 240, {});
    EXPECT_EQ(P(), 0);
    EXPECT_EQ(w->VOffset, 0);
}

TEST_F(Blaettern, StrgEndeUndStrgPos1) {
    taste(VK_END, true);
    EXPECT_TRUE(w->AmEnde);
    EXPECT_EQ(w->BildschirmSeite(), 2);
    EXPECT_EQ(P(), 270);
    EXPECT_EQ(zaehler(), 3);
    taste(VK_HOME, true);
    EXPECT_FALSE(w->AmEnde);
    EXPECT_EQ(w->BildschirmSeite(), 0);
    EXPECT_EQ(P(), 0);
    EXPECT_EQ(w->VOffset, 0);
    EXPECT_EQ(zaehler(), 1);
}

TEST_F(Blaettern, WaagerechtInFuenferschrittenDerDaumenBewegtNichts) {
    TScroller& s = *w->GetScroller();
    taste(VK_RIGHT);
    EXPECT_EQ(s.GetXPos(), 5);
    EXPECT_EQ(w->HOffset, -25);
    w->EvHScroll(SB_THUMBPOSITION, 50, 0);
    EXPECT_EQ(s.GetXPos(), 5);
    EXPECT_EQ(w->HOffset, -25);
    taste(VK_LEFT);
    taste(VK_LEFT);
    EXPECT_EQ(s.GetXPos(), 0);
    EXPECT_EQ(w->HOffset, 0);
    // Real keys, so that no Ctrl of an earlier press is taken as held.
    testsupport::PressKey(*w, VK_END);
    Pump();
    EXPECT_EQ(w->HOffset, -s.GetXRange() * 5);
    EXPECT_EQ(w->BildschirmSeite(), 0) << "End without Ctrl stays on the page";
    testsupport::PressKey(*w, VK_HOME);
    Pump();
    EXPECT_EQ(w->HOffset, 0);
}

TEST_F(Blaettern, GeheZuSeiteWeistFalscheSeitenMitMeldungAb) {
    std::vector<std::string> abgelehnt;
    services.Dialogs().Expect([&](TDialog& d) {
        auto* feld = d.Item<TEdit>(TSeitenDialog::IDC_SEITE);
        ASSERT_NE(feld, nullptr);
        EXPECT_EQ(feld->GetText(), "1");
        for (const char* falsch : {"0", "4", "zwei", ""}) {
            services.Messages().Answer(IDOK);
            feld->SetText(falsch);
            d.CmOk();
            EXPECT_FALSE(d.Ended()) << falsch;
            abgelehnt.push_back(services.Messages().Calls().back().text);
        }
        feld->SetText("3");
        d.CmOk();
        EXPECT_TRUE(d.Ended());
    });
    w->SendMessage(WM_COMMAND, CM_GEHE_ZU_SEITE, 0);
    ASSERT_EQ(abgelehnt.size(), 4u);
    EXPECT_EQ(abgelehnt[0], "Bitte eine Seitenzahl von 1 bis 3 eingeben.");
    EXPECT_EQ(w->BildschirmSeite(), 2);
    EXPECT_EQ(P(), 180);
    // Cancel changes nothing.
    services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); });
    w->SendMessage(WM_COMMAND, CM_GEHE_ZU_SEITE, 0);
    EXPECT_EQ(w->BildschirmSeite(), 2);
}

TEST_F(Datenfenster, SeitennummerierungBeginntMitDemGewaehltenWertUndBleibtGespeichert) {
    Beispiel();
    auto* masse = Massenblatt();
    TCommandEnabler aus(CM_SEITEN_NUMMERIERUNG);
    masse->EvCommandEnable(aus);
    EXPECT_FALSE(aus.IsEnabled()) << "not for the quantities sheet";
    auto* w = new TFassadenDatenWindow(*app->Client(), " Hüllflächen-Datenblatt ", 6);
    ASSERT_TRUE(w->Create());
    TCommandEnabler an(CM_SEITEN_NUMMERIERUNG);
    w->EvCommandEnable(an);
    EXPECT_TRUE(an.IsEnabled());
    EXPECT_EQ(w->SeitenBreite, 1260) << "facades are landscape";
    services.Dialogs().Expect([](TDialog& d) {
        EXPECT_EQ(d.Resource().caption, "Seite einrichten");
        auto* spin = d.Item<TSpinEdit>(TSeitenDialog::IDC_SEITE);
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->Value, 1);
        for (int i = 0; i < 3; ++i) testsupport::PressKey(*spin, VK_DOWN);
        EXPECT_EQ(spin->Value, 0) << "the arrows stop at 0";
        // A typed number counts too.
        testsupport::PressKey(*spin, VK_END);
        testsupport::PressKey(*spin, VK_BACK);
        testsupport::TypeText(*spin, "5");
        EXPECT_EQ(spin->GetText(), "5");
        testsupport::PressKey(*spin, VK_BACK);
        testsupport::TypeText(*spin, "0");
        d.CmOk();
    });
    w->SendMessage(WM_COMMAND, CM_SEITEN_NUMMERIERUNG, 0);
    EXPECT_EQ(w->FixDaten->ErsteSeite(6), 0);
    EXPECT_TRUE(w->BlattDatenGeaendert);
    TRect r;
    TRecordingDC dc;
    w->Paint(dc, true, r);
    EXPECT_EQ(w->ErsteSeite, 0);
    // The last project sheet to close saves the number beside the project.
    masse->CloseWindow();
    w->CloseWindow();
    Pump();
    EXPECT_EQ(Datenblaetter().OffeneProjektblaetter, 0);
    auto* wieder = new TFassadenDatenWindow(*app->Client(), " Hüllflächen-Datenblatt ", 6);
    ASSERT_TRUE(wieder->Create());
    EXPECT_EQ(wieder->FixDaten->ErsteSeite(6), 0);
}

TEST_F(Datenfenster, BlattEinesBauteilsVerlaesstSeineListeAuchOhneNachfrage) {
    Beispiel();
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    ASSERT_GT(p.RBauteile.GetItemsInContainer(), 1u);
    auto& liste = app->Client()->Ansichten.BauteilDaten;
    auto* erstes =
        new TBauteilDatenWindow(*app->Client(), " Bauteil-Daten ", &*p.RBauteile.begin(), nullptr);
    ASSERT_TRUE(erstes->Create());
    liste.push_back(erstes);
    auto* zweites = new TBauteilDatenWindow(*app->Client(), " Bauteil-Daten ",
                                            &*std::next(p.RBauteile.begin()), nullptr);
    ASSERT_TRUE(zweites->Create());
    liste.push_back(zweites);
    EXPECT_EQ(Datenblaetter().OffeneProjektblaetter, 2);
    EXPECT_EQ(erstes->GetCaption(), " Bauteil-Daten " + p.RBauteile.begin()->Name);
    ASSERT_TRUE(erstes->CanClose());
    EXPECT_EQ(liste, std::vector<TWindow*>{zweites});
    // Closed by the program without asking.
    AusgabeWindowsSchliessen();
    EXPECT_TRUE(liste.empty());
    Pump();
    delete erstes;
    EXPECT_EQ(Datenblaetter().OffeneProjektblaetter, 0);
}

// Pagination of list sections, without a window: a portrait body of 1200
// units gives 35 rows a page.
struct Aufteilung : ::testing::Test {
    Aufteilung() { b.Koerper = TRect(30, 30, 861, 1230); }
    TDatenblattAufbau b;
    struct Slot {
        int erstes, ende, ersteZeile, endZeile, zeilen;
        friend bool operator==(const Slot&, const Slot&) = default;
        friend std::ostream& operator<<(std::ostream& o, const Slot& s) {
            return o << s.erstes << "-" << s.ende << " rows " << s.ersteZeile << "-" << s.endZeile
                     << " used " << s.zeilen;
        }
    };
    std::vector<Slot> slots(const std::vector<int>& zeilen, int hh = 10, int g = 2, int t = 2) {
        const auto a = b.SeitenAufteilen(hh, g, t, zeilen);
        std::vector<Slot> s;
        for (int i = 0; i < a.Anzahl(); ++i)
            s.push_back({a.Erstes[size_t(i)], a.Ende[size_t(i)], a.ErsteZeile[size_t(i)],
                         a.EndZeile[size_t(i)], a.Zeilen[size_t(i)]});
        return s;
    }
};

TEST_F(Aufteilung, SlotsDerFassadenliste) {
    // H 10, G 2, T 2: K = 21 rows for items, K2 = 23 for the running sum.
    struct Fall {
        const char* was;
        std::vector<int> zeilen;
        std::vector<Slot> erwartet;
    };
    const Fall faelle[] = {
        {"one facade over two pages: full pages of their own, then the rest",
         {50},
         {{0, 1, 0, 21, 23}, {0, 1, 21, 42, 23}, {0, 1, 42, 50, 10}}},
        {"an item of 0 rows makes no slot", {5, 0, 3}, {{0, 3, 0, 3, 12}}},
        {"the second item opens the next page", {15, 15}, {{0, 1, 0, 15, 17}, {1, 2, 0, 15, 17}}},
        {"after full pages without rest the next item opens a page",
         {42, 3},
         {{0, 1, 0, 21, 23}, {0, 1, 21, 42, 23}, {1, 2, 0, 3, 5}}},
        {"a long item after a short one fills the page first",
         {5, 40},
         {{0, 2, 0, 14, 23}, {1, 2, 14, 35, 23}, {1, 2, 35, 40, 7}}},
        {"an empty list", {}, {{0, 0, 0, 0, 0}}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(slots(f.zeilen), f.erwartet) << f.was;
}

TEST_F(Aufteilung, LogoNurAufDerErstenSeiteGibtSpaeterenSeitenSeineZeilen) {
    testsupport::TempDir dir;
    TImageDC bild(120, 40);
    bild.FillRect(TRect(0, 0, 120, 40), TBrush(TColor(0, 90, 160)));
    bild.SavePng(dir / "logo.png");
    b.Logo().LogoInclude = 1;
    b.Logo().Plazierung = 0;
    b.SetFirmenLogo(std::make_unique<TFirmenLogo>(dir / "logo.png"));
    ASSERT_TRUE(b.LogoGezeigt());
    const int l = b.LogoHoehe() / 19 + 1;
    ASSERT_GE(l, 1);
    // H 3, G 1, T 2: the running sum may reach 30 - l on the first page and
    // 30 on the later ones, where two items of 14 rows and a heading fit.
    EXPECT_EQ(slots({14, 14, 14}, 3, 1, 2),
              (std::vector<Slot>{{0, 1, 0, 14, 15}, {1, 3, 0, 14, 30}}));
    EXPECT_EQ(b.MassenProSeite(), 1200 / 19 - 12) << "the quantities count only an every-page logo";
    b.Logo().Plazierung = 1;
    EXPECT_EQ(b.MassenProSeite(), 1200 / 19 - l - 12);
}

} // namespace

namespace {

TEST_F(Aufteilung, VolumenseitenBisZumEndeDerListe) {
    // 49 - (1260 - 1200) / 19 = 46 rows a page.
    // The list is ordered by number: each volume gets the next one.
    auto volumen = [nummer = 0](int variablen, int formeln) mutable {
        auto v = std::make_unique<TDimVolumen>();
        v->Nummer = uint16_t(nummer++);
        v->Formelmodus = 1; // its rows are its variable and formula lines
        for (int i = 0; i < variablen; ++i) v->Textliste1.Add(std::make_unique<TTextString>());
        for (int i = 0; i < formeln; ++i) v->Formelliste.Add(std::make_unique<TTextString>());
        return v;
    };
    struct Fall {
        const char* was;
        int schlicht, variablen, formeln;
        std::vector<int> seiten;
    };
    const Fall faelle[] = {
        {"no volumes", 0, 0, 0, {0}},
        {"one page full", 46, 0, 0, {0}},
        {"one more opens a page", 47, 0, 0, {0, 46}},
        {"a formula volume at the end goes whole onto the last page", 44, 2, 3, {0, 44}},
    };
    for (const Fall& f : faelle) {
        TGesamtProjekt g("/tmp");
        TProjekt& p = g.ProjektHinzufuegen(std::make_unique<TProjekt>());
        for (int i = 0; i < f.schlicht; ++i) p.Volumina.Add(volumen(0, 1));
        if (f.formeln) p.Volumina.Add(volumen(f.variablen, f.formeln));
        b.Gesamtprojekt = &g;
        EXPECT_EQ(b.VolumenSeiten(), f.seiten) << f.was;
        b.Gesamtprojekt = nullptr;
    }
}

} // namespace

namespace {

// The sections a proof sheet is built of, in block order.
std::vector<int> abschnitte(TDatenblattAufbau& b) {
    std::vector<int> a;
    for (size_t i = 1; i < b.Bloecke.size(); ++i)
        if (a.empty() || a.back() != b.Bloecke[i].Abschnitt) a.push_back(b.Bloecke[i].Abschnitt);
    return a;
}

TEST(Blattaufbau, NachweisblattNachBaumassnahme) {
    struct Fall {
        const char* was;
        int blattart, baumassnahme;
        double volumen;
        std::vector<int> erwartet;
    };
    const Fall faelle[] = {
        {"new building: title, energy balance, volumes, areas", 0, 0, 500, {0, 1, 10, 11}},
        {"external components: title and Anlage 3, no energy balance", 0, 2, 500, {0, 9, 10, 11}},
        {"no volume: no energy balance and no volume pages", 0, 0, 0, {0, 11}},
        {"project sheet: no title page, volumes or areas", 1, 0, 500, {1}},
        {"moisture proof without components: the title page alone", 4, 0, 500, {0}},
    };
    for (const Fall& f : faelle) {
        TGesamtProjekt g("/tmp");
        TProjekt& p = g.ProjektHinzufuegen(std::make_unique<TProjekt>());
        p.Baumassnahme = uint16_t(f.baumassnahme);
        p.V = f.volumen;
        p.A_Bauteile = 200;
        TDatenblattAufbau b;
        b.Gesamtprojekt = &g;
        b.Blattart = f.blattart;
        b.SeitenAusrichtung(false);
        TMeasuringDC dc;
        b.Auslegen(dc);
        EXPECT_EQ(abschnitte(b), f.erwartet) << f.was;
        EXPECT_EQ(b.Seitenzahl, b.Bloecke.back().Seite) << f.was;
        for (const TBlock& blk : b.Bloecke)
            EXPECT_LE(blk.Unten, b.Koerper.bottom) << f.was << " block " << blk.Nummer;
    }
}

TEST_F(Datenfenster, BlattEinesKatalogbauteilsIstKeinProjektblatt) {
    Beispiel();
    TRBauteil katalog;
    katalog.Name = "Aus Datei";
    ASSERT_EQ(katalog.Nummer, TRBauteil::KeineNummer);
    auto* w = new TBauteilDatenWindow(*app->Client(), " Bauteil-Daten ", &katalog, nullptr);
    ASSERT_TRUE(w->Create());
    EXPECT_TRUE(w->BtDatei);
    EXPECT_FALSE(w->Projektblatt);
    EXPECT_EQ(Datenblaetter().OffeneProjektblaetter, 0);
    EXPECT_EQ(Datenblaetter().FixDaten, nullptr);
    ASSERT_NE(w->DateiFixDaten, nullptr);
    EXPECT_EQ(std::filesystem::path(w->DateiFixDaten->Dateiname).filename(), "datei.pbf");
    w->CloseWindow();
    Pump();
}

} // namespace
