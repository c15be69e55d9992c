// Editing the project structure beyond the command table: views that show a
// deleted object close first, saving after edits and after cancelled ones,
// the facade values and the small dialogs, and the user catalogue.
#include "ProjektBearbeitenFixture.h"

#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/Speicherplatz.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"

namespace projekttest {
namespace {

// A view of one placed item that reads it whenever it is told of a change,
// and checks, when it goes, that its item is still there.
class ElementAnsicht : public TWindow, public ObjektAnsicht {
public:
    ElementAnsicht(const TPBauteil* b, std::vector<std::string>& log)
        : TWindow(nullptr), b_(b), log_(log) {}
    ~ElementAnsicht() override {
        const TProjekt* p = AktuelleVariante();
        const bool da = p && p->PBauteile.FirstThat([&](const TPBauteil& x) { return &x == b_; });
        log_.push_back(std::string(da ? "geschlossen vor dem Löschen: " : "zu spät: ") +
                       (da ? b_->Name : ""));
    }
    bool Zeigt(const void* objekt) const override { return objekt == b_; }

private:
    const TPBauteil* b_;
    std::vector<std::string>& log_;
};

TEST_F(HausTest, AnsichtEinesGeloeschtenElementsSchliesstVorher) {
    korpusMDIClient client;
    std::vector<std::string> log;
    auto* w1 = p->PBauteilNr(2);
    auto* w2 = p->PBauteilNr(3);
    ASSERT_TRUE(w1 && w2);
    auto* fenster = new ElementAnsicht(w1, log);
    auto* andere = new ElementAnsicht(w2, log);
    client.Ansichten.BauteilDaten = {fenster, andere};
    huelle()->ClickCell(kWand1, 0);
    services.Messages().Answer(IDOK);
    Befehl(12103);
    EXPECT_EQ(log, std::vector<std::string>{"geschlossen vor dem Löschen: Wand: 1"});
    EXPECT_EQ(client.Ansichten.BauteilDaten, std::vector<TWindow*>{andere});
    // The whole type: its other placement's view goes too.
    referenz()->ClickCell(kWand, 0);
    services.Messages().Answer(IDOK);
    Befehl(109);
    EXPECT_EQ(log.back(), "geschlossen vor dem Löschen: Wand: 2");
    EXPECT_TRUE(client.Ansichten.BauteilDaten.empty());
}

// Saved, reopened: the same trees. Cancelled commands leave the file as it was.
TEST_F(HausTest, SpeichernUndWiederOeffnenGibtDieselbenBaeume) {
    // A sequence of edits: an area, a move, a re-assignment, a copy.
    services.Dialogs().Expect([](TDialog& d) { d.Item<TButton>(IDOK)->Click(); });
    Befehl(105);
    huelle()->ClickCell(kWand2, 0);
    referenz()->ClickCell(kDach, 0);
    services.Messages().Answer(IDOK);
    Befehl(117);
    huelle()->ClickCell(kF1, 0);
    dialog->AufHuellflaecheVerschieben(nullptr, dialog->AuswahlPFenster, &p->Fassaden[2]);
    referenz()->ClickCell(kWand, 0);
    services.Dialogs().Expect([](TDialog& d) { d.Item<TButton>(IDOK)->Click(); });
    Befehl(104);
    Verknuepft();
    const auto huelleVorher = Huelle(), referenzVorher = Referenz();

    const auto datei = dirs.Root() / "haus.pro";
    ASSERT_EQ(Korpus().AktuellesProjekt->SpeichernAls(datei), 1);
    const std::string gespeichert = testsupport::ReadText(datei);
    dialog.reset();
    ProjektVerwerfen();
    Oeffnen(datei);
    Zeigen();
    EXPECT_EQ(Huelle(), huelleVorher);
    EXPECT_EQ(Referenz(), referenzVorher);
    Verknuepft();

    // Every cancel path: nothing changes, nothing is marked.
    ProjektGeaendertSetzen(false);
    services.Dialogs().Expect([](TDialog& d) { d.Item<TButton>(IDCANCEL)->Click(); });
    Befehl(105);
    huelle()->ClickCell(0, 0);
    services.Messages().Answer(IDNO);
    Befehl(106);
    referenz()->ClickCell(0, 0);
    services.Messages().Answer(IDCANCEL);
    Befehl(109);
    referenz()->ClickCell(1, 0);
    services.Dialogs().Expect([](TDialog& d) { d.Item<TButton>(IDCANCEL)->Click(); });
    Befehl(104);
    referenz()->FocusGained();
    services.Input().Answer(std::nullopt);
    Befehl(12207);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
    ASSERT_EQ(Korpus().AktuellesProjekt->Speichern(), 1);
    EXPECT_EQ(testsupport::ReadText(datei), gespeichert);
}

TEST_F(HausTest, FassadenwerteFuerBestehendeFensterAuchBeiAbbruch) {
    // F1: 1 sits on Nord; a second window on Süd stays as it is.
    p->PFensterNeu(&p->RFenster[0], &p->Fassaden[1], 1);
    huelle()->ClickCell(kNord, 0);
    services.Dialogs().Expect([&](TDialog& d) {
        auto* fassade = d.Item<TCheckBox>(104);
        const int voll = d.GetWindowRect().Height();
        fassade->Click(); // unchecked: the window defaults go out of sight
        EXPECT_LT(d.GetWindowRect().Height(), voll);
        fassade->Click();
        EXPECT_EQ(d.GetWindowRect().Height(), voll);
        d.Item<TEdit>(10193)->SetText("30");
        d.Item<TEdit>(108)->SetText("45");
        d.Item<TComboBox>(10195)->SetSelIndex(1);
        services.Messages().Answer(IDCANCEL); // the question refused: nothing
        d.Item<TButton>(105)->Click();
        EXPECT_EQ(p->PFensterNr(1)->Neigung, 90.0);
        services.Messages().Answer(IDOK);
        d.Item<TButton>(105)->Click();
        d.Item<TButton>(IDCANCEL)->Click();
    });
    Befehl(12001);
    const TPFenster* nord = p->PFensterNr(1);
    EXPECT_DOUBLE_EQ(nord->Verschattung, 0.3);
    EXPECT_EQ(nord->Neigung, 45.0);
    EXPECT_EQ(nord->Orientierung, 1);
    EXPECT_EQ(p->PFensterNr(2)->Neigung, 90.0);
    EXPECT_EQ(p->Fassaden[0].Neigung_Vorgabe, 90.0); // the dialog itself was cancelled
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_EQ(services.Messages().Calls().at(0).text, "Alle Fenster der Fassade werden geändert!");
}

TEST_F(ProjektDialogTest, OhneHuellflaecheKeinSofortigesZuordnen) {
    auto v = std::make_unique<TProjekt>();
    Setzen(std::move(v));
    Zeigen();
    services.Dialogs().Expect([](TDialog& d) {
        EXPECT_FALSE(d.GetDlgItem(105)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(104)->IsWindowEnabled());
        d.Item<TButton>(IDCANCEL)->Click();
    });
    dialog->SendMessage(WM_COMMAND, 107, 0);
}

TEST_F(HausTest, NeuesBauteilSofortZugeordnetMitErsterFlaecheVorgewaehlt) {
    referenz()->ClickCell(kWand, 0); // nothing chosen in the envelope tree
    huelle()->SetSelection(false, -1);
    dialog->HuellAuswahlLesen(-1);
    services.Dialogs().Expect([](TDialog& d) {
        auto* liste = d.Item<TComboBox>(104);
        EXPECT_EQ(liste->GetSelIndex(), 0);
        EXPECT_FALSE(liste->IsWindowEnabled());
        d.Item<TCheckBox>(105)->Click();
        EXPECT_TRUE(liste->IsWindowEnabled());
        liste->SetSelIndex(1);
        d.Item<TEdit>(101)->SetText("Innenwand");
        d.Item<TButton>(IDOK)->Click();
    });
    Befehl(107);
    EXPECT_EQ(Referenz()[2], "  Innenwand");
    EXPECT_EQ(Huelle().back(), "  Innenwand: 1 |  | Außenwand | 0,00");
    EXPECT_EQ(editoren->aufrufe,
              (std::vector<EditorAufruf>{{"Innenwand", "", EditorAuftrag::TypBearbeiten}}));
}

// The user's catalogues in the test's folder.
struct Anwenderkatalog : KatalogZugang {
    explicit Anwenderkatalog(const std::filesystem::path& d) : bauteile(d), fenster(d) {
        bauteile.Oeffnen(2);
        fenster.Oeffnen(2);
    }
    int Oeffnen(KatalogArt, int) override { return 0; }
    TFensterDatei* Fenster() override { return &fenster; }
    TBauteilDatei* Bauteile() override { return &bauteile; }
    TBauteilDatei bauteile;
    TFensterDatei fenster;
};

TEST_F(HausTest, InAnwenderkatalogSpeichern) {
    auto katalog = std::make_shared<Anwenderkatalog>(dirs.Root().Path());
    Korpus().Kataloge = katalog;
    // A glazed extension, kind 8: group 7 of the catalogue.
    auto glas = std::make_unique<TRBauteil>();
    glas->Name = "Glasvorbau";
    glas->Bauteilart = 8;
    const TRBauteil& typ = p->BauteilNeu(std::move(glas));
    dialog->BauteilBaumAufbauen();
    referenz()->FocusGained();
    referenz()->ClickCell(dialog->BauteilZeileSuchen(typ.Nummer, TProjektDialog::Bauteil), 0);
    services.Input().Answer("Wand aus dem Projekt");
    services.Messages().Answer(IDOK);
    Befehl(12207);
    ASSERT_EQ(katalog->bauteile.Liste().GetItemsInContainer(), 1u);
    const TRBauteil& eintrag = katalog->bauteile.Liste()[0];
    EXPECT_EQ(eintrag.Name, "Wand aus dem Projekt");
    EXPECT_EQ(eintrag.Schluessel.Katalog, 2);
    EXPECT_EQ(eintrag.Schluessel.Gruppe, 7);
    EXPECT_TRUE(eintrag.PBauteilListe.IsEmpty());
    EXPECT_EQ(Meldungen().back(),
              "Bauteil in Datei speichern: Bauteil wurde in die Anwender-Datei gespeichert!");

    // A failed write is reported, never as success.
    filefaults::FailNext(filefaults::Step::Rename);
    services.Input().Answer("Zweite");
    services.Messages().Answer(IDOK);
    Befehl(12207);
    EXPECT_EQ(katalog->bauteile.Liste().GetItemsInContainer(), 1u);
    EXPECT_EQ(Meldungen().back().rfind("Bauteil in Datei speichern: Bauteil wurde nicht "
                                       "gespeichert!",
                                       0),
              0u);
    // Short of space: the message, and nothing written.
    SpeicherplatzVorgeben(999);
    services.Input().Answer("Dritte");
    services.Messages().Answer(IDOK);
    Befehl(12207);
    SpeicherplatzVorgeben(std::nullopt);
    EXPECT_EQ(services.Messages().Calls().back().caption, "Bauteil einfügen");
    const std::string erwartet = "Nicht genügend Speicherkapazität verfügbar!\n Speicherbedarf: " +
                                 std::to_string((typ.Speicherbedarf() + 512) / 1000) + " kB.";
    EXPECT_EQ(services.Messages().Calls().back().text.rfind(erwartet, 0), 0u);
    EXPECT_EQ(katalog->bauteile.Liste().GetItemsInContainer(), 1u);
    EXPECT_FALSE(Korpus().ProjektGeaendert); // the project itself is never changed
}

TEST(Speicherplatz, GenauGenugReichtUndKleineBedarfeZeigenNullKB) {
    testsupport::ScriptedServices services;
    SpeicherplatzVorgeben(1000);
    EXPECT_TRUE(PruefeSpeicherplatz(1000, "Bauteil einfügen"));
    SpeicherplatzVorgeben(5);
    services.Messages().Answer(IDOK);
    EXPECT_FALSE(PruefeSpeicherplatz(999, "Fenster einfügen"));
    EXPECT_NE(services.Messages().Calls().at(0).text.find("Speicherbedarf: 0 kB."),
              std::string::npos);
    SpeicherplatzVorgeben(uint64_t(6) << 30); // above 4 GB, in full
    EXPECT_TRUE(PruefeSpeicherplatz(int64_t(5) << 30, "Bauteil einfügen"));
    SpeicherplatzVorgeben(std::nullopt);
}

} // namespace
} // namespace projekttest
