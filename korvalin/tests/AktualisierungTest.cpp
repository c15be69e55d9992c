// The change notice after an edit: every open view gets 0x5FE with the
// caller's wParam and lParam, in the fixed order of the views, and the views
// that keep their own results have them recomputed first.
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/window/MDIChild.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TGesamtProjekt.h"

namespace {

using shelltest::Programm;

struct Eingang {
    std::string name;
    WPARAM w;
    LPARAM l;
    bool operator==(const Eingang&) const = default;
};

class Ansicht : public TMDIChild {
public:
    Ansicht(TMDIClient& client, std::string name, std::vector<Eingang>& log)
        : TMDIChild(client, name), name_(std::move(name)), log_(log) {
        Responses().Message(WM_PROJEKT_AKTUALISIEREN, [this](WPARAM w, LPARAM l) {
            log_.push_back({name_, w, l});
            return 0;
        });
    }

protected:
    std::string name_;
    std::vector<Eingang>& log_;
};

class Periodenblatt : public Ansicht, public PeriodenAnsicht {
public:
    using Ansicht::Ansicht;
    std::vector<TEinfachBauteil*> PeriodenBauteile() override {
        log_.push_back({"rechnet " + name_, 0, 0});
        return {};
    }
    double PeriodenRsi() const override { return 0.13; }
    double PeriodenRse() const override { return 0.04; }
};

struct Benachrichtigung : Programm {
    std::vector<Eingang> log;
    std::vector<std::unique_ptr<TWindow>> ansichten;

    TWindow* ansicht(const std::string& name) {
        auto a = std::make_unique<Ansicht>(*app->Client(), name, log);
        a->Create();
        ansichten.push_back(std::move(a));
        return ansichten.back().get();
    }
    void TearDown() override {
        Korpus().Ansichten = {};
        Korpus().ProjektWindow = nullptr;
        if (app) app->Client()->Ansichten = {};
        for (auto& a : ansichten) a->Destroy();
    }
};

TEST_F(Benachrichtigung, EveryOpenViewGetsTheNoticeInTheFixedOrder) {
    Starten();
    auto& e = Korpus().Ansichten;
    auto& listen = app->Client()->Ansichten;
    // Made in an order unlike the notice's, so that only the walk can order them.
    listen.BauteilEditoren = {ansicht("Bauteil-Editor")};
    listen.FensterEditoren = {ansicht("Fenster-Editor")};
    Korpus().ProjektWindow = dynamic_cast<TMDIChild*>(ansicht("Projektwindow"));
    Korpus().ProjektOffen = true;
    e.Vergleich2 = ansicht("Vergleich 2");
    e.Vergleich1 = ansicht("Vergleich 1");
    e.Feuchteschutz = ansicht("Feuchteschutz");
    e.Waermeschutz = ansicht("Wärmeschutz");
    e.FlaechenDaten = ansicht("Flächen");
    e.BauteilView = ansicht("Bauteil-Übersicht");
    e.FassadenDaten = ansicht("Hüllflächen");
    e.EnergieDaten = ansicht("Energie");
    e.ProjektDaten = ansicht("Projektdaten");
    listen.TempDiagramme = {ansicht("Temperaturdiagramm")};
    listen.GlaserDiagramme = {ansicht("Glaserdiagramm")};
    listen.FensterDaten = {ansicht("Fensterdaten")};
    listen.VergleichDaten = {ansicht("Temperaturverlauf")};
    auto periode = std::make_unique<Periodenblatt>(*app->Client(), "Periodisch", log);
    periode->Create();
    listen.PeriodenDaten = {periode.get()};
    ansichten.push_back(std::move(periode));
    listen.BauteilDaten = {ansicht("Bauteildaten 1"), ansicht("Bauteildaten 2")};
    e.FnstAusDatei = ansicht("Fenster-Datei");
    e.BtAusDatei = ansicht("Bauteil-Datei");
    e.WBAusweis = ansicht("Wärmebedarfsausweis");

    ProjektNeuBerechnen(2, 0);
    // The heat storage is recomputed at once, inside the caller; the views
    // redraw only once the caller is done.
    ASSERT_EQ(log, (std::vector<Eingang>{{"rechnet Periodisch", 0, 0}}));
    Pump();
    std::vector<std::string> reihenfolge;
    for (const auto& x : log) {
        if (x.name.starts_with("rechnet")) continue;
        EXPECT_EQ(x.w, 2u) << x.name;
        EXPECT_EQ(x.l, 0) << x.name;
        reihenfolge.push_back(x.name);
    }
    EXPECT_EQ(
        reihenfolge,
        (std::vector<std::string>{
            "Wärmebedarfsausweis", "Bauteil-Datei",      "Fenster-Datei",     "Bauteildaten 1",
            "Bauteildaten 2",      "Periodisch",         "Temperaturverlauf", "Fensterdaten",
            "Glaserdiagramm",      "Temperaturdiagramm", "Projektdaten",      "Energie",
            "Hüllflächen",         "Bauteil-Übersicht",  "Flächen",           "Wärmeschutz",
            "Feuchteschutz",       "Vergleich 1",        "Vergleich 2",       "Projektwindow",
            "Fenster-Editor",      "Bauteil-Editor"}));
}

TEST_F(Benachrichtigung, ParametersPassThroughAndTheProjectWindowOnlyWhileAProjectIsOpen) {
    Starten();
    Korpus().ProjektWindow = dynamic_cast<TMDIChild*>(ansicht("Projektwindow"));
    app->Client()->Ansichten.FensterEditoren = {ansicht("Fenster-Editor")};
    Korpus().ProjektOffen = false;
    ProjektNeuBerechnen(1, 1); // as the window editor sends it
    Korpus().ProjektOffen = true;
    ProjektNeuBerechnen(0, 0); // the component editor stored its component
    Pump();
    EXPECT_EQ(log,
              (std::vector<Eingang>{
                  {"Fenster-Editor", 1, 1}, {"Projektwindow", 0, 0}, {"Fenster-Editor", 0, 0}}));
}

TEST_F(Benachrichtigung, NoViewAndNoProjectWalksEmptyLists) {
    Starten();
    ProjektNeuBerechnen(2, 0);
    Pump();
    EXPECT_TRUE(log.empty());
}

TEST_F(Benachrichtigung, TheTakeOffIsRecomputedOnlyWhileItsSheetIsOpen) {
    Starten();
    TGesamtProjekt g(dirs.Root().Path());
    ASSERT_EQ(g.Oeffnen(DefaultDirectories().shippedData / "beispiel.pro"), 0);
    Korpus().AktuellesProjekt = &g;
    const auto& massen = g.AktuellesProjekt->Massenliste;
    ASSERT_EQ(massen.GetItemsInContainer(), 0u) << "the take-off is not stored";
    ProjektNeuBerechnen(2, 0);
    EXPECT_EQ(massen.GetItemsInContainer(), 0u);
    Korpus().Ansichten.MassenDaten = ansicht("Massenermittlung");
    ProjektNeuBerechnen(2, 0);
    EXPECT_GT(massen.GetItemsInContainer(), 0u);
    Korpus().AktuellesProjekt = nullptr;
}

} // namespace
