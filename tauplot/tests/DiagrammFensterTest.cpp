// The two diagram windows drawn without a screen: the temperature profile
// against its golden recording and the model's temperatures, its scales and
// degenerate areas, and both print-outs on the page and into a PDF file.
#include "GlaserDiagramm.h"

#include "platform/gdi/ImageDC.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/print/PreviewPage.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/ControlBar.h"
#include "platform/window/MDIClient.h"
#include "stammwerk/tests/GrafikAufzeichnung.h"
#include "tauplot/diagramm/DiagrammDruck.h"
#include "tauplot/diagramm/DiagrammVorschau.h"
#include "tauplot/diagramm/TBauteilGlaser.h"
#include "tauplot/diagramm/TBauteilGlaserWindow.h"
#include "tauplot/diagramm/TBauteilTempWindow.h"
#include "testsupport/ControlInput.h"
#include "testsupport/PageDump.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

using namespace diagrammtest;

namespace {

struct Fenster {
    Einstellungen s;
    TMDIClient client;
    std::unique_ptr<TRBauteil> bauteil;
    TTemperatur temperatur;
    std::vector<TWindow*> offen;
    std::unique_ptr<TBauteilTempWindow> temp;
    std::unique_ptr<TBauteilGlaserWindow> glaser;
    explicit Fenster(TEinfachBauteil wand, const TKlima& klima = TKlima(),
                     const char* projekt = "Musterhaus", const char* name = nullptr)
        : bauteil(Bauteil(std::move(wand), klima)) {
        if (name) bauteil->Name = name;
        temperatur.InnenWinter = klima.ThetaI;
        temperatur.AussenWinter = klima.ThetaE;
        for (TEinfachBauteil& e : bauteil->Flaechenanteile)
            e.TemperaturVerlauf(temperatur, bauteil->Rsi, bauteil->Rse, 0);
        temp = std::make_unique<TBauteilTempWindow>(
            client, "Temperaturverlauf in Bauteil Außenwand", nullptr, nullptr, projekt,
            bauteil.get(), 0, &bauteil->Klima, &temperatur, &offen, &s.grafik, &s.text);
        glaser = std::make_unique<TBauteilGlaserWindow>(
            client, " Glaser-Diagramm: Bauteil Außenwand", nullptr, "Musterhaus", bauteil.get(), 0,
            &bauteil->Klima, &offen, &s.grafik, &s.text, &s.unterlegung);
    }
    std::unique_ptr<TRecordingDC> Temperaturbild() {
        auto dc = std::make_unique<TRecordingDC>(TMetricMode::Fake, ReferenceScreenCaps());
        TRect r(0, 0, 720, 600);
        temp->Paint(*dc, false, r);
        return dc;
    }
};

void Bild(TWindow& w, const char* name) {
    const char* ordner = std::getenv("KORVALIN_BILDER");
    if (!ordner) return;
    TImageDC bild(720, 600);
    TRect r(0, 0, 720, 600);
    w.Paint(bild, false, r);
    EXPECT_TRUE(bild.SavePng(std::string(ordner) + "/" + name + ".png"));
}

TEST(TemperaturFenster, ThicknessDivisions) {
    Fenster f(EineEbeneWand());
    struct Fall {
        double d;
        int anzahl;
        double breite;
    };
    for (const Fall& c : {Fall{365, 18, 20}, Fall{203, 20, 10}, Fall{100, 25, 4},
                          Fall{2400, 24, 100}, Fall{50, 25, 2}}) {
        SCOPED_TRACE(c.d);
        ASSERT_TRUE(f.temp->Skalierung(c.d));
        EXPECT_EQ(f.temp->Teilungen(), c.anzahl);
        EXPECT_NEAR(f.temp->Teilungsbreite(), c.breite, 1e-12);
    }
    for (double d : {0.0, -5.0, std::nan("")}) EXPECT_FALSE(f.temp->Skalierung(d)) << d;
}

// The hand-worked wall at 20 / -10 °C: theta_si 18.44, boundaries 17.24 and -9.16, theta_se
// -9.52 °C; 203 mm in 20 divisions of 10 mm.
TEST(TemperaturFenster, ProfileOfTheHandWorkedWall) {
    Fenster f(EineEbeneWand());
    const auto bild = f.Temperaturbild();
    const TRecordingDC& dc = *bild;
    EXPECT_TRUE(testsupport::MatchesGolden(
        testsupport::PageDump(dc.Calls()),
        testsupport::GoldenPath("tauplot/tests/golden/temperatur_eine_ebene.txt")));
    Bild(*f.temp, "temperatur_eine_ebene");

    const TRect d = f.temp->Diagramm();
    EXPECT_EQ(d, TRect(158, 81, 417, 290)); // 20 % inside the box (72, 12) - (503, 359)
    EXPECT_EQ(f.temp->Teilungen(), 20);
    for (const char* t : {"-10.0", "0.0", "10.0", "20.0", "0.00", "0.05", "0.10", "0.15", "0.20",
                          " Projekt: Musterhaus", "Innen", "Außen", "[°C]", "T"})
        EXPECT_TRUE(HatText(dc, t)) << t;
    EXPECT_FALSE(HatText(dc, "30.0"));
    // theta_i an eighth of the height below the top; each kelvin 0.75 h / 30.
    const int yI = d.top + d.Height() / 8;
    const double k = 0.75 * d.Height() / 30;
    EXPECT_DOUBLE_EQ(f.temp->ySkala(), k);
    auto y = [&](double theta) { return yI + int((20 - theta) * k); };
    const std::vector<Strecke> s = Strecken(dc);
    auto hat = [&](TPoint p) {
        for (const Strecke& x : s)
            if (x.bis == p) return true;
        return false;
    };
    EXPECT_TRUE(hat({d.left, y(18.44)}));
    EXPECT_TRUE(hat({d.left + int(100 * f.temp->xSkala()), y(17.24)}));
    EXPECT_TRUE(hat({d.right, y(-9.52)}));
    EXPECT_TRUE(hat({d.right + 10 * int(0.01 * d.Width()), y(-10)}));
}

TEST(TemperaturFenster, ACatalogueComponentHasNoProjectAndTheWarmerOutsideLiesAbove) {
    TKlima warm;
    warm.ThetaI = 10;
    warm.ThetaE = 30;
    Fenster f(EineEbeneWand(), warm);
    f.bauteil->Nummer = TRBauteil::KeineNummer;
    const auto bild = f.Temperaturbild();
    const TRecordingDC& dc = *bild;
    EXPECT_FALSE(HatText(dc, " Projekt: Musterhaus"));
    const TRect d = f.temp->Diagramm();
    // theta_e = 30 °C at the top's eighth, the inside 10 °C at the bottom's.
    bool innen = false;
    for (const Strecke& s : Strecken(dc))
        innen |= s.bis == TPoint(d.left - 5 * int(0.01 * d.Width()), d.bottom - d.Height() / 8);
    EXPECT_TRUE(innen);
}

// The header keeps the area range however long the name, and prints the
// names as typed.
TEST(TemperaturFenster, TheHeaderKeepsTheAreaRangeAndTheNamesAsTyped) {
    for (const char* name :
         {"Außenwand N", "Außenwand Nord mit Wärmedämmverbundsystem", "Wand Müller & Partner"}) {
        SCOPED_TRACE(name);
        Fenster f(EineEbeneWand(), TKlima(), "Müller & Partner", name);
        TRecordingDC dc(TMetricMode::Real, ReferenceScreenCaps());
        TRect r(0, 0, 720, 600);
        f.temp->Paint(dc, false, r);
        TMeasuringDC mass;
        bool bereich = false, projekt = false;
        for (const TDrawCall& c : dc.CallsOf(TDrawKind::TextRun)) {
            projekt |= c.text == " Projekt: Müller & Partner";
            if (c.text.find("Bauteil:") == std::string::npos) continue;
            EXPECT_NE(c.text.find(name), std::string::npos) << c.text;
            bereich = c.text.ends_with("Bereich: 1");
            mass.SelectObject(TFont(c.deviceFont));
            EXPECT_LE(c.deviceBox.left + mass.GetTextExtent(c.text).cx, 503) << c.text;
        }
        EXPECT_TRUE(bereich);
        EXPECT_TRUE(projekt);
    }
}

TEST(TemperaturFenster, DegenerateAreasLeaveTheFrameEmpty) {
    TKlima gleich;
    gleich.ThetaE = gleich.ThetaI;
    Fenster gleichWarm(EineEbeneWand(), gleich);
    Fenster ohneDicke(GlaserWand({{0, 1.0, 10, 10}, {0, 0.04, 1, 1}}));
    Fenster leer(TEinfachBauteil{});
    for (Fenster* f : {&gleichWarm, &ohneDicke, &leer}) {
        const auto bild = f->Temperaturbild();
        const TRecordingDC& dc = *bild;
        EXPECT_TRUE(HatText(dc, " Bauteil: Außenwand, Bereich: 1"));
        EXPECT_FALSE(HatText(dc, "Innen"));
        EXPECT_EQ(f->temp->Teilungen(), 0);
    }
}

// The window paints the painter's diagram in its fixed rectangle, without formulas.
TEST(GlaserFenster, PaintsTheDiagramOfItsAreaRange) {
    Fenster f(ZonenWand());
    TRecordingDC fenster(TMetricMode::Fake, ReferenceScreenCaps());
    TRect r;
    f.glaser->Paint(fenster, false, r);
    TRecordingDC direkt(TMetricMode::Fake, ReferenceScreenCaps());
    TBauteilGlaser g(&f.s.grafik, &f.s.text, &f.s.unterlegung);
    TRect rechteck = FensterRechteck();
    g.PaintGlaser(direkt, rechteck, f.bauteil.get(), 0, "Musterhaus", &f.s.grafik, &f.s.text,
                  &f.s.unterlegung, 0, 0);
    EXPECT_EQ(testsupport::PageDump(fenster.Calls()), testsupport::PageDump(direkt.Calls()));
    EXPECT_FALSE(HatText(fenster, "  Tauwasserausfall in einem Bereich"));
}

// Both print-outs map the reference screen onto the page without distortion and draw the
// screen's recording there; a PDF file of one page comes out.
TEST(DiagrammDruck, PrintOutsDrawTheScreenOnThePageAndIntoAPdf) {
    Fenster f(EineEbeneWand());
    TPrinter drucker;
    testsupport::TempDir dir;
    for (TDiagrammWindow* w : {static_cast<TDiagrammWindow*>(f.glaser.get()),
                               static_cast<TDiagrammWindow*>(f.temp.get())}) {
        SCOPED_TRACE(w->GetCaption());
        std::unique_ptr<TPrintout> a = w->Ausdruck(w->GetCaption());
        int minP = 0, maxP = 0, von = 0, bis = 0;
        a->GetDialogInfo(minP, maxP, von, bis);
        EXPECT_EQ(std::make_pair(minP, maxP), std::make_pair(1, 1));
        EXPECT_TRUE(a->HasPage(1));
        EXPECT_FALSE(a->HasPage(2));

        TRecordingDC seite(TMetricMode::Fake, drucker.PdfCaps());
        const TSize groesse{drucker.PdfCaps().width, drucker.PdfCaps().height};
        a->SetPrintParams(&seite, groesse);
        TRect rect(0, 0, groesse.cx, groesse.cy);
        a->PrintPage(1, rect, 0);
        ASSERT_FALSE(seite.Calls().empty());
        // Logical coordinates as on screen, the device page wider than the screen.
        TRecordingDC schirm(TMetricMode::Fake, ReferenceScreenCaps());
        TRect r;
        w->Paint(schirm, false, r);
        EXPECT_EQ(seite.Calls().front().logical, schirm.Calls().front().logical);
        EXPECT_EQ(seite.GetMapMode(), MM_TEXT); // restored after the page

        const std::filesystem::path pdf = dir.Path() / (w == f.glaser.get() ? "g.pdf" : "t.pdf");
        const TPrintResult ergebnis = drucker.PrintToPdf(*a, pdf);
        ASSERT_TRUE(ergebnis) << ergebnis.error;
        EXPECT_EQ(ergebnis.pages, 1);
        EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
        if (const char* ordner = std::getenv("KORVALIN_BILDER"))
            std::filesystem::copy_file(pdf, std::filesystem::path(ordner) / pdf.filename(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    EXPECT_FALSE(f.temp->Druckt);
}

} // namespace

namespace {
bool frei(TControlBar& leiste, int befehl) {
    return dynamic_cast<TButtonGadget*>(leiste.GadgetWithId(befehl))->IsEnabled();
}
} // namespace

// The preview of the one-page print-out, driven by clicks on its tool bar: back and next stay
// grey, two pages put an empty page beside the first, one page takes it away again.
TEST(DiagrammVorschau, RealClicksOnItsToolBar) {
    Fenster f(EineEbeneWand());
    TPrinter drucker;
    DiagrammVorschau v(nullptr, &drucker, f.glaser.get());
    ASSERT_TRUE(v.Create());
    v.IdleAction();
    TControlBar& leiste = v.Werkzeugleiste();
    EXPECT_EQ(v.Seitentext(), "Seite 1");
    EXPECT_FALSE(frei(leiste, DiagrammVorschau::CM_ZURUECK));
    EXPECT_FALSE(frei(leiste, DiagrammVorschau::CM_VOR));
    ASSERT_TRUE(frei(leiste, DiagrammVorschau::CM_ZWEI_SEITEN));
    EXPECT_EQ(v.Seite1()->GetPageNumber(), 1);

    ASSERT_TRUE(testsupport::ClickGadget(leiste, DiagrammVorschau::CM_ZWEI_SEITEN));
    testsupport::ProcessEvents(20);
    ASSERT_NE(v.Seite2(), nullptr);
    EXPECT_EQ(v.Seite2()->GetPageNumber(), 0);
    EXPECT_EQ(v.Seitentext(), "Seite 1");
    EXPECT_TRUE(testsupport::GadgetShownPressed(leiste, DiagrammVorschau::CM_ZWEI_SEITEN));
    // Beside the first page, of its size.
    const TRect eins = v.Seite1()->GetWindowRect(), zwei = v.Seite2()->GetWindowRect();
    EXPECT_GT(zwei.left, eins.right);
    EXPECT_EQ(zwei.Size(), eins.Size());

    ASSERT_TRUE(testsupport::ClickGadget(leiste, DiagrammVorschau::CM_EINE_SEITE));
    testsupport::ProcessEvents(20);
    EXPECT_EQ(v.Seite2(), nullptr);
    EXPECT_EQ(v.Seitentext(), "Seite 1");
    EXPECT_TRUE(testsupport::GadgetShownPressed(leiste, DiagrammVorschau::CM_EINE_SEITE));
    v.Destroy();
}

// The preview covers the main window and is modal: its caption's close box is
// the way back, also for the certificate's preview that has no done button.
TEST(DiagrammVorschau, ItsCloseBoxEndsThePreview) {
    Fenster f(EineEbeneWand());
    TPrinter drucker;
    auto vorschau = std::make_unique<DiagrammVorschau>(nullptr, &drucker, f.glaser.get());
    ASSERT_TRUE(vorschau->Create());
    TApplication app("Test");
    ASSERT_TRUE(testsupport::CloseByTitleBarBox(*vorschau));
    EXPECT_EQ(app.BeginModal(vorschau.get()), IDCANCEL);
    vorschau->Destroy();
}
