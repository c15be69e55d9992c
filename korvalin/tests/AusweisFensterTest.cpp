// The certificate's command (2600) and window: every branch of the command's
// questions, one window at most and none left unshown, scrolling by keys,
// and the repaint after a project edit.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisPruefung.h"
#include "korvalin/ausweis/TWaermeBedarfsAusweisWindow.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Scroller.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyPage.h"
#include "testsupport/MenuInput.h"
#include "testsupport/RunCommand.h"
#include "testsupport/UserInput.h"

#include <cstdlib>

#include <functional>

namespace {

using shelltest::Projektbefehle;
namespace fs = std::filesystem;

struct Ausweisbefehl : Projektbefehle {
    void beispielOeffnen() {
        const fs::path datei = ordner() / "haus.pro";
        fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / "beispiel.pro", datei);
        oeffnen(datei);
        Pump();
        ASSERT_NE(projekt(), nullptr);
    }
    static TProjekt& variante() { return *Korpus().AktuellesProjekt->AktuellesProjekt; }
    static TWaermeBedarfsAusweisWindow* fenster() {
        return dynamic_cast<TWaermeBedarfsAusweisWindow*>(Korpus().Ansichten.WBAusweis);
    }
    void TearDown() override {
        AnsichtSchliessen(Korpus().Ansichten.WBAusweis);
        Pump();
        Projektbefehle::TearDown();
    }
};

const std::string kWerteFehlen =
    "Werte fehlen! \n Volumen =       0.00 m³\n Außenfläche =     297.94 m²";

struct Fall {
    const char* name;
    std::function<void(TProjekt&)> einstellen;
    std::vector<int> antworten;
    // The questions and messages as "caption|type|text".
    std::vector<std::string> meldungen;
    bool fensterDa;
    int methode;
    ausweis::Variante variante;
    bool alterBleibt = false; // a refused proof leaves the open certificate as it is
};

std::string meldung(const char* titel, uint32_t typ, const std::string& text) {
    return std::string(titel) + "|" + std::to_string(typ) + "|" + text;
}

TEST_F(Ausweisbefehl, EveryBranchOfTheQuestionsEndsInOneShownWindowOrNone) {
    constexpr uint32_t warnung = MB_OK | MB_ICONEXCLAMATION;
    const std::string frage = "Bei den gewählten Projekteinstellungen besteht die Möglichkeit der "
                              "Wahl zwischen \nA/V - Verfahren (ja) und Bauteilverfahren (nein).";
    const std::string nurBauteil =
        kWerteFehlen + "\n Nur Berechnung nach dem Bauteilverfahren möglich!\n ";
    const auto klein = [](bool normal, double v) {
        return [normal, v](TProjekt& p) {
            p.KleinesWohngebaeude = 1;
            p.NormaleInnentemperatur = normal;
            p.V = v;
        };
    };
    const Fall faelle[] = {
        {"A/V-Verfahren", [](TProjekt&) {}, {}, {}, true, 0, ausweis::Variante::A},
        {"ohne Volumen",
         [](TProjekt& p) { p.V = 0; },
         {IDOK},
         {meldung("Wärmeschutznachweis anzeigen", warnung,
                  kWerteFehlen + "\n Berechnung konnte nicht durchgeführt werden!")},
         false,
         0,
         ausweis::Variante::Keine,
         true},
        {"Erweiterung",
         [](TProjekt& p) { p.Baumassnahme = 1; },
         {IDOK},
         {meldung("Waermebedarfsausweis", warnung,
                  "Für die Projekteinstellung \n'bauliche Erweiterung eines Gebäudes' \nist der "
                  "Wärmebedarfsausweis nach\n§ 12 Wärmeschutzverordnung nicht vorgesehen!")},
         false,
         0,
         ausweis::Variante::Keine},
        {"Einbau",
         [](TProjekt& p) { p.Baumassnahme = 2; },
         {IDOK},
         {meldung("Waermebedarfsausweis", warnung,
                  "Für die Projekteinstellung \n'Einbau oder Ersatz von Außenbauteilen' \nist der "
                  "Wärmebedarfsausweis nach\n§ 12 Wärmeschutzverordnung nicht vorgesehen!")},
         false,
         0,
         ausweis::Variante::Keine},
        {"Wahl: ja",
         klein(true, 329.71),
         {IDYES},
         {meldung("Waermebedarfsausweis", MB_YESNO | MB_ICONQUESTION, frage)},
         true,
         1,
         ausweis::Variante::A},
        {"Wahl: nein",
         klein(true, 329.71),
         {IDNO},
         {meldung("Waermebedarfsausweis", MB_YESNO | MB_ICONQUESTION, frage)},
         true,
         0,
         ausweis::Variante::B},
        {"nur Bauteilverfahren: OK",
         klein(true, 0),
         {IDOK},
         {meldung("Wärmeschutznachweis anzeigen", MB_OKCANCEL | MB_ICONQUESTION, nurBauteil)},
         true,
         0,
         ausweis::Variante::B},
        {"nur Bauteilverfahren: Abbrechen",
         klein(true, 0),
         {IDCANCEL},
         {meldung("Wärmeschutznachweis anzeigen", MB_OKCANCEL | MB_ICONQUESTION, nurBauteil)},
         false,
         0,
         ausweis::Variante::Keine},
        {"kleines Gebäude, niedrige Innentemperaturen",
         klein(false, 329.71),
         {},
         {},
         true,
         0,
         ausweis::Variante::C},
        {"niedrige Innentemperaturen",
         [](TProjekt& p) { p.NormaleInnentemperatur = 0; },
         {},
         {},
         true,
         0,
         ausweis::Variante::C},
    };
    beispielOeffnen();
    TProjekt& p = variante();
    const TProjekt urbild(p);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        // Each case starts from the example with a certificate open.
        p.V = urbild.V;
        p.Baumassnahme = urbild.Baumassnahme;
        p.KleinesWohngebaeude = urbild.KleinesWohngebaeude;
        p.NormaleInnentemperatur = urbild.NormaleInnentemperatur;
        befehl(CM_WAERMEBEDARFSAUSWEIS);
        Pump();
        TWindow* vorher = Korpus().Ansichten.WBAusweis;
        ASSERT_NE(vorher, nullptr);
        const size_t gefragt = meldungen().Calls().size();

        f.einstellen(p);
        for (int a : f.antworten) meldungen().Answer(a);
        befehl(CM_WAERMEBEDARFSAUSWEIS);
        Pump();
        std::vector<std::string> texte;
        for (size_t i = gefragt; i < meldungen().Calls().size(); ++i) {
            const auto& c = meldungen().Calls()[i];
            texte.push_back(meldung(c.caption.c_str(), c.type, c.text));
        }
        EXPECT_EQ(texte, f.meldungen);
        if (f.alterBleibt) {
            EXPECT_EQ(Korpus().Ansichten.WBAusweis, vorher);
            continue;
        }
        auto* w = fenster();
        // The earlier window is gone, and no unshown one stays.
        int kinder = 0;
        for (TWindow* c : app->Client()->Children())
            if (dynamic_cast<TWaermeBedarfsAusweisWindow*>(c) && c->IsCreated()) ++kinder;
        EXPECT_EQ(kinder, f.fensterDa ? 1 : 0);
        ASSERT_EQ(w != nullptr, f.fensterDa);
        if (!w) continue;
        EXPECT_NE(static_cast<TWindow*>(w), vorher);
        EXPECT_TRUE(w->IsCreated());
        EXPECT_EQ(w->GetCaption(), ausweis::VarianteTitel(f.variante));
        EXPECT_EQ(w->Methode, f.methode);
        EXPECT_EQ(ausweis::VarianteWaehlen(w->Seitenlayout(), w->Methode), f.variante);
    }
}

// The menu entry as the user chooses it.
bool ausweisWaehlen(korpusApp& app) {
    return testsupport::ClickMenuBarEntry(*app.Frame(), "&Ausgabe", "&Wärmebedarfsausweis");
}

// Own internal gains of 0 kWh/a: Q'H 31,30 above the permitted 29,47.
TEST_F(Ausweisbefehl, AFailingProofIsNamedBeforeTheCertificateOpens) {
    beispielOeffnen();
    TProjekt& p = variante();
    p.InterneGewinnePauschal = 0;
    p.Q_I_Vorgabe = 0;
    p.WSchVO();
    const std::string warnung =
        std::string(ausweis::kNachweisNichtErfuellt) +
        "\n\nDer Wärmeschutznachweis nach dem A/V-Verfahren ist nicht erfüllt.\n"
        "Jahres-Heizwärmebedarf Q'H vorh. = 31,30 > Q'H zul. = 29,47 kWh/(m³a)\n"
        "\nDer Wärmebedarfsausweis vermerkt dies. Soll er trotzdem angezeigt werden?";
    for (int antwort : {IDNO, IDYES}) {
        SCOPED_TRACE(antwort);
        const size_t vorher = meldungen().Calls().size();
        meldungen().Answer(antwort);
        ASSERT_TRUE(ausweisWaehlen(*app));
        Pump();
        ASSERT_EQ(meldungen().Calls().size(), vorher + 1);
        const auto& c = meldungen().Calls().back();
        EXPECT_EQ(c.caption, "Waermebedarfsausweis");
        EXPECT_EQ(c.type, uint32_t(MB_YESNO | MB_ICONEXCLAMATION));
        EXPECT_EQ(c.text, warnung);
        EXPECT_EQ(fenster() != nullptr, antwort == IDYES);
    }
    EXPECT_EQ(fenster()->GetCaption(), "Wärmebedarfsausweis (A/V-Verfahren)");
}

// A small residential building whose roof fails the component method and
// which meets the A/V method: certificate B's warning says the component
// method fails, not the proof, and which certificate meets it.
TEST_F(Ausweisbefehl, TheWarningOfOneFailingMethodNamesTheOtherThatMeetsTheProof) {
    beispielOeffnen();
    TProjekt& p = variante();
    p.KleinesWohngebaeude = 1;
    for (TRBauteil& t : p.RBauteile)
        t.WSchVO(p.Baumassnahme, p.NormaleInnentemperatur, p.KleinesWohngebaeude);
    p.WSchVO();
    ASSERT_TRUE(p.NachweisErfuellt);
    const size_t vorher = meldungen().Calls().size();
    meldungen().Answer(IDNO); // the component method
    meldungen().Answer(IDNO); // not shown after the warning
    ASSERT_TRUE(ausweisWaehlen(*app));
    Pump();
    ASSERT_EQ(meldungen().Calls().size(), vorher + 2);
    EXPECT_EQ(meldungen().Calls().back().text,
              "Der vereinfachte Nachweis nach Anlage 1 Ziffer 7 (Bauteilverfahren) ist NICHT "
              "erfüllt!\n\n"
              "Der Wärmeschutznachweis nach dem Bauteilverfahren ist nicht erfüllt.\n"
              "Dach: k = 0,27 > max k = 0,22 W/(m²K)\n"
              "\nDer Wärmeschutznachweis ist nach dem A/V-Verfahren erfüllt: dafür den "
              "Wärmebedarfsausweis mit \"Ja\" (A/V-Verfahren) wählen.\n"
              "\nDer Wärmebedarfsausweis vermerkt dies. Soll er trotzdem angezeigt werden?");
    EXPECT_EQ(fenster(), nullptr);
}

// "Kleines Wohngebäude" ticked in the settings sheet while certificate A is
// open: the window asks which method it shows, as the command asks, and its
// caption says which it shows then.
TEST_F(Ausweisbefehl, TickingSmallResidentialBuildingAsksAndTheCaptionFollows) {
    struct Antwort {
        int antwort;
        int methode;
        const char* titel;
    };
    const Antwort antworten[] = {
        {IDYES, 1, "Wärmebedarfsausweis (A/V-Verfahren)"},
        {IDNO, 0, "Wärmebedarfsausweis (vereinfachter Nachweis, Bauteilverfahren)"},
    };
    beispielOeffnen();
    for (const Antwort& a : antworten) {
        SCOPED_TRACE(a.titel);
        variante().KleinesWohngebaeude = 0;
        ASSERT_TRUE(ausweisWaehlen(*app));
        Pump();
        ASSERT_NE(fenster(), nullptr);
        EXPECT_EQ(fenster()->GetCaption(), "Wärmebedarfsausweis (A/V-Verfahren)");

        services.Dialogs().Expect([](TDialog& d) {
            auto& sheet = dynamic_cast<TPropertyDialog&>(d);
            sheet.SelectTab(1);
            auto* klein = sheet.GetPageRef(1)->Item<TCheckBox>(10002);
            ASSERT_NE(klein, nullptr);
            klein->Click();
            sheet.CmOk();
        });
        const size_t vorher = meldungen().Calls().size();
        meldungen().Answer(a.antwort);
        ASSERT_TRUE(testsupport::ClickMenuBarEntry(*app->Frame(), "&Projekt", "&Einstellungen..."));
        Pump();
        ASSERT_EQ(variante().KleinesWohngebaeude, 1);
        ASSERT_EQ(meldungen().Calls().size(), vorher + 1);
        EXPECT_EQ(meldungen().Calls().back().text,
                  "Bei den gewählten Projekteinstellungen besteht die Möglichkeit der Wahl "
                  "zwischen \nA/V - Verfahren (ja) und Bauteilverfahren (nein).");
        ASSERT_NE(fenster(), nullptr);
        EXPECT_EQ(fenster()->Methode, a.methode);
        EXPECT_EQ(fenster()->GetCaption(), a.titel);
    }
}

TEST_F(Ausweisbefehl, WithoutPlacedComponentsTheCommandSaysSo) {
    befehl(CM_PROJEKT_NEU);
    Pump();
    ASSERT_NE(projekt(), nullptr);
    meldungen().Answer(IDOK);
    befehl(CM_WAERMEBEDARFSAUSWEIS);
    Pump();
    ASSERT_FALSE(meldungen().Calls().empty());
    EXPECT_EQ(meldungen().Calls().back().text,
              "Keine Projekt-Bauteile angelegt! \n\n Berechnung konnte nicht durchgeführt werden!");
    EXPECT_EQ(meldungen().Calls().back().caption, "Wärmeschutznachweis anzeigen");
    EXPECT_EQ(fenster(), nullptr);
}

TEST_F(Ausweisbefehl, ClosingTheWindowClearsItsEntry) {
    beispielOeffnen();
    befehl(CM_WAERMEBEDARFSAUSWEIS);
    Pump();
    ASSERT_NE(fenster(), nullptr);
    fenster()->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(Korpus().Ansichten.WBAusweis, nullptr);
}

// The window at a height of `zeilen` lines, painted once.
TWaermeBedarfsAusweisWindow& fensterMitZeilen(int zeilen) {
    auto* w = dynamic_cast<TWaermeBedarfsAusweisWindow*>(Korpus().Ansichten.WBAusweis);
    w->ShowWindow(SW_SHOWNORMAL);
    TRect r(0, 0, 900, 14 * zeilen);
    for (int i = 0; i < 5 && w->GetClientRect().Height() != 14 * zeilen; ++i) {
        r.bottom += 14 * zeilen - w->GetClientRect().Height();
        w->MoveWindow(r);
        testsupport::ProcessEvents();
    }
    w->Invalidate();
    w->UpdateWindow();
    testsupport::ProcessEvents();
    return *w;
}

TEST_F(Ausweisbefehl, KeysScrollAsTheTableSaysAndTheLastLineIsReachedInATwentyLineView) {
    beispielOeffnen();
    befehl(CM_WAERMEBEDARFSAUSWEIS);
    Pump();
    TWaermeBedarfsAusweisWindow& w = fensterMitZeilen(20);
    ASSERT_EQ(w.GetClientRect().Height(), 280);
    EXPECT_EQ(w.ZeilenImBild, 20);
    const int seiten = w.Seitenlayout().Seitenanzahl;
    EXPECT_EQ(seiten, 2);
    TScroller& s = *w.GetScroller();
    EXPECT_EQ(s.GetYRange(), 90 * seiten - 20);
    EXPECT_EQ(s.GetXRange(), 50);
    struct Taste {
        uint32_t vk, mod;
        int x, y; // position after the key
    };
    const int ende = 90 * seiten - 20;
    const Taste tasten[] = {
        {VK_DOWN, 0, 0, 10},   {VK_DOWN, 0, 0, 20},
        {VK_UP, 0, 0, 10},     {VK_NEXT, 0, 0, 29},    // L − 1
        {VK_PRIOR, 0, 0, 8},   {VK_F1 + 5, 0, 0, 103}, // F6: a page and 5 lines
        {VK_F1 + 6, 0, 0, 8},  {VK_SCROLL, 0, 0, 18},
        {VK_RIGHT, 0, 5, 18},  {VK_RIGHT, 0, 10, 18},
        {VK_LEFT, 0, 5, 18},   {VK_END, 0, 50, 18},
        {VK_HOME, 0, 0, 18},   {VK_END, MK_CONTROL, 0, ende},
        {VK_DOWN, 0, 0, ende}, {VK_HOME, MK_CONTROL, 0, 0},
        {VK_UP, 0, 0, 0},      {'A', 0, 0, 0},
    };
    for (const Taste& k : tasten) {
        testsupport::PressKey(w, k.vk, k.mod);
        testsupport::ProcessEvents();
        EXPECT_EQ(std::make_pair(s.GetXPos(), s.GetYPos()), std::make_pair(k.x, k.y))
            << "key " << k.vk;
    }
    // At the end the view shows the last line of the last page.
    testsupport::PressKey(w, VK_END, MK_CONTROL);
    EXPECT_EQ(s.GetYPos() + w.ZeilenImBild, 90 * seiten);
    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        w.UpdateWindow();
        testsupport::ProcessEvents();
        testsupport::SaveWindowPicture(w, (std::string(ordner) + "/fenster_ende.png").c_str());
    }

    // The scroll bar: line and page steps, and the thumb back to the left.
    s.ScrollTo(5, 40);
    const std::pair<uint32_t, std::pair<int, int>> balken[] = {
        {SB_LINEDOWN, {5, 50}}, {SB_LINEUP, {5, 40}}, {SB_PAGEDOWN, {5, 59}},
        {SB_PAGEUP, {5, 38}},   {SB_BOTTOM, {5, 38}},
    };
    for (auto [code, pos] : balken) {
        w.EvVScroll(code, 0, 0);
        EXPECT_EQ(std::make_pair(s.GetXPos(), s.GetYPos()), pos) << code;
    }
    w.EvVScroll(SB_THUMBTRACK, 77, 0);
    EXPECT_EQ(std::make_pair(s.GetXPos(), s.GetYPos()), std::make_pair(0, 77));
}

TEST_F(Ausweisbefehl, TheScrollRangeReachesTheLastLineInAnyViewHeight) {
    struct Z {
        int seiten, imBild, bereich;
    };
    for (Z z : {Z{1, 60, 60}, Z{2, 30, 150}, Z{2, 20, 160}, Z{3, 5, 265}, Z{1, 0, 90}}) {
        const int b = TWaermeBedarfsAusweisWindow::ScrollBereich(z.seiten, 90, z.imBild);
        EXPECT_EQ(b, z.bereich) << z.seiten << " " << z.imBild;
        EXPECT_GE(b + z.imBild, 90 * z.seiten);
    }
}

TEST_F(Ausweisbefehl, AProjectEditRepaintsTheWindowWithTheNewLayout) {
    beispielOeffnen();
    befehl(CM_WAERMEBEDARFSAUSWEIS);
    Pump();
    TWaermeBedarfsAusweisWindow& w = fensterMitZeilen(40);
    EXPECT_EQ(w.Seitenlayout().Seitenanzahl, 2);
    // Sixty more windows make the table run onto further pages.
    TProjekt& p = variante();
    const TPFenster muster = *p.PFenster.begin();
    for (int i = 0; i < 60; ++i) {
        auto f = std::make_unique<TPFenster>(muster);
        f->Nummer = uint16_t(1000 + i);
        f->Name = "Zusatz " + std::to_string(i);
        p.PFenster.Add(std::move(f));
    }
    ProjektNeuBerechnen(2, 0);
    Pump();
    w.UpdateWindow();
    testsupport::ProcessEvents();
    EXPECT_EQ(w.Seitenlayout().Seitenanzahl, 4);
    EXPECT_EQ(w.GetScroller()->GetYRange(), 90 * 4 - 30);
    // Without an edit nothing changes on the next paint.
    w.Invalidate();
    w.UpdateWindow();
    EXPECT_EQ(w.Seitenlayout().Seitenanzahl, 4);
}

} // namespace

namespace {

std::string ausfuehren(const std::string& befehl) {
    return testsupport::RunCommand(befehl + " 2>&1");
}

TEST_F(Ausweisbefehl, EachVariantPrintsIntoAPdfOfItsPages) {
    beispielOeffnen();
    const char* bilder = std::getenv("KORVALIN_BILDER");
    for (char v : {'A', 'B', 'C'}) {
        SCOPED_TRACE(v);
        TProjekt& p = variante();
        p.KleinesWohngebaeude = v == 'B';
        p.NormaleInnentemperatur = v != 'C';
        p.WSchVO();
        if (v == 'B') meldungen().Answer(IDNO); // the component method
        // A variant whose proof fails is shown after its warning.
        const auto gewaehlt = ausweis::VarianteWaehlen(&p, v == 'B' ? 0 : 1);
        if (!ausweis::NichtErfuellt(p, gewaehlt, [](double, int) { return std::string(); }).empty())
            meldungen().Answer(IDYES);
        befehl(CM_WAERMEBEDARFSAUSWEIS);
        Pump();
        TWaermeBedarfsAusweisWindow& w = fensterMitZeilen(40);
        const int seiten = w.Seitenlayout().Seitenanzahl;
        TPrinter& drucker = app->GetPrinter();
        const fs::path pdf = ordner() / ("ausweis_" + std::string(1, v) + ".pdf");
        drucker.GetSetup().OutputFile = pdf.string();
        services.PrintDialogs().ExpectPrint(testsupport::AcceptAsOffered);
        w.CmFilePrint();
        ASSERT_TRUE(fs::exists(pdf));
        const std::string info = ausfuehren("pdfinfo '" + pdf.string() + "'");
        const auto at = info.find("Pages:");
        ASSERT_NE(at, std::string::npos) << info;
        EXPECT_EQ(std::stoi(info.substr(at + 6)), seiten);
        const std::string text = ausfuehren("pdftotext '" + pdf.string() + "' -");
        EXPECT_NE(text.find("Wärmebedarfsausweis nach § 12 Wärmeschutzverordnung"),
                  std::string::npos);
        EXPECT_NE(text.find("Seite 2"), std::string::npos);
        EXPECT_NE(text.find("329.71"), std::string::npos);
        EXPECT_NE(text.find("Datum der Ausfertigung und Unterschrift"), std::string::npos);
        EXPECT_FALSE(w.Seitenlayout().Drucken);
        if (bilder) {
            fs::copy_file(pdf, fs::path(bilder) / pdf.filename(),
                          fs::copy_options::overwrite_existing);
            ausfuehren("pdftoppm -r 60 -png '" + pdf.string() + "' '" + bilder + "/pdf_" +
                       std::string(1, v) + "'");
        }
    }
}

} // namespace
