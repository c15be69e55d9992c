// The component editor in the started program, on the example project: the
// opening protocol, the layer table, the layer commands under real input
// (keys, in-place edits, drag and drop), the recalculation, and closing
// with keeping or discarding the changes.
#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/bauteil/TLambdaDialog.h"
#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/Speicherplatz.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/gdi/Font.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/Scroller.h"
#include "platform/window/Static.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "tauplot/diagramm/TDiagrammWindow.h"
#include "testsupport/DialogFit.h"
#include "testsupport/MenuInput.h"
#include "testsupport/UserInput.h"

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testsupport::ProcessEvents;

struct Editor : shelltest::Programm {
    TBauteilDialog* dialog = nullptr;
    fs::path datei;

    TProjekt& Projekt() { return *Korpus().AktuellesProjekt->AktuellesProjekt; }
    // The example project, opened from a copy in the data folder.
    void ProjektOeffnen() {
        Starten();
        Pump();
        datei = dirs.Dirs().programData / "haus.pro";
        fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / "beispiel.pro", datei);
        auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
        ASSERT_EQ(g->Oeffnen(datei), 0) << g->LetzterFehler();
        ProjektSetzen(std::move(g));
    }
    // The first component type that has layers.
    TRBauteil* Wand() {
        for (TRBauteil& t : Projekt().RBauteile)
            if (!t.Flaechenanteile.IsEmpty() && t.Flaechenanteile[0].AnzahlSchichten() >= 3)
                return &t;
        return nullptr;
    }
    TBauteilDialog& Oeffnen(TRBauteil* t = nullptr) {
        if (!Korpus().AktuellesProjekt) ProjektOeffnen();
        if (!t) t = Wand();
        EXPECT_NE(t, nullptr);
        dialog = BauteilEditorOeffnen(*app->Client(), t, 0, nullptr, true);
        EXPECT_NE(dialog, nullptr);
        ProcessEvents();
        return *dialog;
    }
    TSftTree& Tabelle() { return *dialog->SchichtTabelle(); }
    int Schichten() { return dialog->AktuellerBereich()->AnzahlSchichten(); }
    std::string Name(int schicht) { return dialog->AktuellerBereich()->SchichtNr(schicht)->Name; }
    TPoint Zelle(int zeile, int spalte = 0) {
        Tabelle().EnsureVisible(zeile);
        const auto r = Tabelle().GetCellRect(zeile, spalte);
        EXPECT_TRUE(r.has_value()) << zeile << "," << spalte;
        return r ? TPoint{r->left + r->Width() / 2, (r->top + r->bottom) / 2} : TPoint{};
    }
    auto& Meldungen() { return services.Messages().Calls(); }
    // A second area range, a copy of the first, as if added while editing.
    static void ZweiterBereich(TRBauteil& t) {
        TEinfachBauteil neu(t.Flaechenanteile[0]);
        neu.Nummer = 1;
        t.Flaechenanteile.Add(neu);
    }
    // A second area range, and a temperature diagram of each range.
    static void ZweiBereicheMitDiagrammen(TRBauteil& t) {
        ZweiterBereich(t);
        TemperaturverlaufZeigen(t, t.Flaechenanteile[0]);
        TemperaturverlaufZeigen(t, t.Flaechenanteile[1]);
    }
};

TEST_F(Editor, OeffnetMitZeilenmarkenUndHoltOffenesNachVorn) {
    auto& d = Oeffnen();
    const int n = Schichten();
    EXPECT_EQ(d.Fenster->GetCaption(),
              "Referenz-Bauteil " + d.Bauteil()->Name + ": Bereich 1 von " +
                  std::to_string(d.Bauteil()->Flaechenanteile.GetItemsInContainer()));
    EXPECT_EQ(Tabelle().GetCount(), n + 3);
    EXPECT_EQ(Tabelle().GetMarkText(0), "Innen");
    EXPECT_EQ(Tabelle().GetMarkText(n + 1), "Aussen");
    EXPECT_EQ(Tabelle().GetMarkText(n + 2), "Summe");
    EXPECT_EQ(*Tabelle().GetCellText(0, 0), "Wärmeübergangswiderstand");
    EXPECT_EQ(*Tabelle().GetCellText(0, 5), "0.130");
    EXPECT_EQ(*Tabelle().GetCellText(1, 0), Name(0));
    EXPECT_EQ(Tabelle().GetCellColors(n + 2, 3)->background, TColor(0xFF, 0xFF, 0x7F));
    EXPECT_FALSE(d.Geaendert);
    // A second request raises the same window.
    EXPECT_EQ(BauteilEditorOeffnen(*app->Client(), d.Bauteil(), 0, nullptr, true), &d);
    EXPECT_EQ(app->Client()->Ansichten.BauteilEditoren.size(), 1u);
    // Without korpus.ini the widths are fitted and no assertion box came up.
    EXPECT_GT(Tabelle().GetColumns()[0].width, 0);
    EXPECT_TRUE(Meldungen().empty());
    // Both tables in bold 8 pt at the screen's 96 pixels per inch.
    for (TSftTree* t : {d.SchichtTabelle(), d.ProjektbauteilTabelle()}) {
        ASSERT_NE(t->GetWindowFont(), nullptr);
        EXPECT_EQ(*t->GetWindowFont(), TFont("MS Sans Serif", -11, 0, 0, 0, FW_BOLD));
    }
}

TEST_F(Editor, ProjektfensterAendernOeffnetDenEditor) {
    ProjektOeffnen();
    auto f = ProjektWindowErzeugen(*app->Client());
    auto* pd = static_cast<TProjektDialog*>(f.Dialog);
    pd->AuswahlRBauteil = Wand();
    pd->AuswahlGruppe = -1;
    pd->EvCommand(12202, 0, 0);
    ASSERT_EQ(app->Client()->Ansichten.BauteilEditoren.size(), 1u);
    auto* w = static_cast<TBauteilWindow*>(app->Client()->Ansichten.BauteilEditoren[0]);
    EXPECT_EQ(w->Dialog()->Bauteil(), Wand());
    EXPECT_TRUE(w->Dialog()->Projektmodus);
    pd->EvCommand(12202, 0, 0);
    EXPECT_EQ(app->Client()->Ansichten.BauteilEditoren.size(), 1u);
    pd->AuswahlGruppe = 0;
    services.Messages().Answer(IDOK);
    pd->EvCommand(12202, 0, 0);
    EXPECT_EQ(Meldungen().back().text, "Wählen Sie ein Bauteil bzw. ein Fenster aus!");
}

TEST_F(Editor, SchaltflaechenFolgenDerZeileUnterTasten) {
    auto& d = Oeffnen();
    const int n = Schichten();
    testsupport::LeftClick(Tabelle(), Zelle(0));
    struct Fall {
        uint32_t taste;
        int zeile;
        bool neu, aendern, loeschen;
    };
    const Fall faelle[] = {
        {VK_HOME, 0, false, true, false},
        {VK_DOWN, 1, true, true, true},
        {VK_END, n + 2, false, false, false},
        {VK_UP, n + 1, true, true, false},
    };
    for (const auto& f : faelle) {
        testsupport::PressKey(Tabelle(), f.taste);
        EXPECT_EQ(d.AusgewaehlteZeile(), f.zeile);
        EXPECT_EQ(d.GetDlgItem(21)->IsWindowEnabled(), f.neu) << f.zeile;
        EXPECT_EQ(d.GetDlgItem(516)->IsWindowEnabled(), f.aendern) << f.zeile;
        EXPECT_EQ(d.GetDlgItem(518)->IsWindowEnabled(), f.loeschen) << f.zeile;
    }
}

// The layer commands as a table: selected row, command, messages, result.
TEST_F(Editor, SchichtbefehleMitIhrenGrenzfaellen) {
    auto& d = Oeffnen();
    const int n = Schichten();
    const std::string erste = Name(0), zweite = Name(1);
    const double km = d.Bauteil()->k_m;

    // Sums row: "Ändern" refuses.
    d.ZeileWaehlen(n + 2);
    services.Messages().Answer(IDOK);
    d.SchichtAendernDialog();
    EXPECT_EQ(Meldungen().back().text,
              "Summen werden berechnet und können nicht manuell geändert werden!");

    // Drop on the Rsi row and on the sums row: both refusals, nothing moved.
    services.Messages().Answer(IDOK);
    d.SchichtVerschieben(1, 0, false);
    EXPECT_EQ(Meldungen().back().text,
              "Schicht läßt sich nicht vor Wärmeübergangswiderstand einfügen!");
    EXPECT_EQ(Meldungen().back().caption, "Schicht einfügen");
    services.Messages().Answer(IDOK);
    d.SchichtVerschieben(1, n + 2, false);
    EXPECT_EQ(Meldungen().back().text,
              "Schicht läßt sich nicht nach Wärmeübergangswiderstand einfügen!");
    EXPECT_EQ(Name(0), erste);
    EXPECT_FALSE(d.Geaendert);

    // Moving layer 1 behind layer 2, then copying it back to the front.
    d.SchichtVerschieben(1, 3, false);
    EXPECT_EQ(Name(0), zweite);
    EXPECT_EQ(Name(1), erste);
    EXPECT_EQ(d.AusgewaehlteZeile(), 2);
    d.SchichtVerschieben(2, 1, true);
    EXPECT_EQ(Schichten(), n + 1);
    EXPECT_EQ(Name(0), erste);
    EXPECT_EQ(d.AusgewaehlteZeile(), 0); // t + 1 for a copy dropped in front of its source
    EXPECT_TRUE(d.Geaendert);
    EXPECT_NE(d.Bauteil()->k_m, km); // one more layer: recomputed

    // Inserting three materials with layer 2 selected, and with the sums row.
    std::vector<TBaustoff> neu(3);
    for (int i = 0; i < 3; ++i) {
        neu[size_t(i)].Name = "Neu " + std::to_string(i);
        neu[size_t(i)].Schichtdicke = 10;
        neu[size_t(i)].Lambda = 1;
    }
    const std::vector<const TBaustoff*> liste{&neu[0], &neu[1], &neu[2]};
    const std::string alteZwei = Name(1);
    d.ZeileWaehlen(2);
    d.BaustoffeEinfuegen(liste);
    EXPECT_EQ(Name(1), "Neu 0");
    EXPECT_EQ(Name(3), "Neu 2");
    EXPECT_EQ(d.AusgewaehlteZeile(), 5);
    EXPECT_EQ(Name(4), alteZwei);
    const int m = Schichten();
    d.ZeileWaehlen(m + 2);
    d.BaustoffeEinfuegen({&neu[0]});
    EXPECT_EQ(Name(m), "Neu 0");

    // Deleting with no layer selected, then every layer.
    d.ZeileWaehlen(0);
    services.Messages().Answer(IDOK);
    d.SchichtLoeschenDialog();
    EXPECT_EQ(Meldungen().back().text, "Keine Schicht ausgewählt!");
    while (Schichten() > 0) {
        d.ZeileWaehlen(1);
        services.Messages().Answer(IDOK);
        d.SchichtLoeschenDialog();
    }
    EXPECT_EQ(Tabelle().GetMarkText(d.AusgewaehlteZeile()), "Aussen");
    services.Messages().Answer(IDOK);
    d.SchichtLoeschenDialog();
    EXPECT_EQ(Meldungen().back().text, "Bisher keine Schicht vorhanden!");
    EXPECT_EQ(services.Messages().Pending(), 0u);
}

TEST_F(Editor, LuftschichtWarntNachDemEinfuegen) {
    auto& d = Oeffnen();
    TBaustoff luft;
    luft.Name = "Luftschicht bewegt";
    luft.Schluessel = {0, 9, 0, 3, 1};
    d.ZeileWaehlen(1);
    services.Messages().Answer(IDOK);
    d.BaustoffeEinfuegen({&luft});
    EXPECT_EQ(Name(0), "Luftschicht bewegt");
    EXPECT_EQ(Meldungen().back().caption, "Nicht stehende Luftschicht");
}

TEST_F(Editor, ZellenbearbeitungMitTastenUndBereichspruefung) {
    auto& d = Oeffnen();
    const double alt = d.AktuellerBereich()->SchichtNr(0)->Schichtdicke;
    // A click on the selected row's thickness cell opens the editor there.
    testsupport::LeftClick(Tabelle(), Zelle(1, 1));
    ProcessEvents(testsupport::DoubleClickTime() + 50);
    testsupport::LeftClick(Tabelle(), Zelle(1, 1));
    ProcessEvents(testsupport::DoubleClickTime() + 50);
    ASSERT_TRUE(Tabelle().IsEditing());
    EXPECT_EQ(Tabelle().EditColumn(), 1);
    // Out of range: the message, and the edit stays open.
    Tabelle().SetEditorText("");
    testsupport::TypeText(*Tabelle().GetEditor(), "123456");
    services.Messages().Answer(IDOK);
    testsupport::PressKey(*Tabelle().GetEditor(), VK_RETURN);
    EXPECT_EQ(Meldungen().back().text, "Wert ist nicht im Bereich zwischen\n\n0 und 99999!");
    EXPECT_EQ(Meldungen().back().caption, "Eingabe-Prüfung");
    EXPECT_TRUE(Tabelle().IsEditing());
    EXPECT_EQ(d.AktuellerBereich()->SchichtNr(0)->Schichtdicke, alt);
    // A value in range is taken with a decimal comma.
    Tabelle().SetEditorText("");
    testsupport::TypeText(*Tabelle().GetEditor(), "17,5");
    testsupport::PressKey(*Tabelle().GetEditor(), VK_RETURN);
    EXPECT_FALSE(Tabelle().IsEditing());
    EXPECT_DOUBLE_EQ(d.AktuellerBereich()->SchichtNr(0)->Schichtdicke, 17.5);
    EXPECT_EQ(*Tabelle().GetCellText(1, 1), "17.5");
    EXPECT_TRUE(d.Geaendert);
    // Escape leaves the value.
    ASSERT_TRUE(d.ZelleBearbeiten(1, 2));
    testsupport::TypeText(*Tabelle().GetEditor(), "9");
    testsupport::PressKey(*Tabelle().GetEditor(), VK_ESCAPE);
    EXPECT_FALSE(Tabelle().IsEditing());
    // The Rsi row takes only its resistance; the sums row nothing.
    EXPECT_FALSE(d.ZelleBearbeiten(0, 1));
    EXPECT_FALSE(d.ZelleBearbeiten(Tabelle().GetCount() - 1, 1));
    ASSERT_TRUE(d.ZelleBearbeiten(0, 5));
    Tabelle().SetEditorText("0.25");
    testsupport::PressKey(*Tabelle().GetEditor(), VK_RETURN);
    EXPECT_DOUBLE_EQ(d.Bauteil()->Rsi, 0.25);
    EXPECT_EQ(*Tabelle().GetCellText(0, 5), "0.250");
    EXPECT_EQ(services.Messages().Pending(), 0u);
}

// A layer's name field holds 34 characters: the editor takes no more, so
// what the user sees while typing is what is stored, not cut at Enter.
TEST_F(Editor, SchichtnameEndetAmFeldDesBaustoffs) {
    auto& d = Oeffnen();
    testsupport::LeftClick(Tabelle(), Zelle(1, 0));
    ProcessEvents(testsupport::DoubleClickTime() + 50);
    testsupport::LeftClick(Tabelle(), Zelle(1, 0));
    ProcessEvents(testsupport::DoubleClickTime() + 50);
    ASSERT_TRUE(Tabelle().IsEditing());
    ASSERT_EQ(Tabelle().EditColumn(), 0);
    Tabelle().SetEditorText("");
    testsupport::TypeText(*Tabelle().GetEditor(), "Wärmedämmverbundsystem Mineralwolle Außenputz");
    testsupport::PressKey(*Tabelle().GetEditor(), VK_RETURN);
    ASSERT_FALSE(Tabelle().IsEditing());
    EXPECT_EQ(Name(0), "Wärmedämmverbundsystem Mineralwoll");
    EXPECT_EQ(*Tabelle().GetCellText(1, 0), Name(0));
    EXPECT_EQ(services.Messages().Pending(), 0u);
}

// In-range values that would break the proof are refused like values out
// of range, and the edit stays open with the layer unchanged.
TEST_F(Editor, ZellenwerteDieDenNachweisVerfaelschenWerdenAbgelehnt) {
    auto& d = Oeffnen();
    const std::string bereich = "Wert ist nicht im Bereich zwischen\n\n0 und 99999!";
    const std::string lambda =
        "Sie haben einen Baustoff mit lambda-Wert = 0 ausgewählt.\nSetzen Sie den korrekten "
        "lambda-Werte ein!";
    const std::string system =
        "Ein Systembauteil braucht eine Dicke größer 0!\nSein Wärmedurchlaßwiderstand ginge "
        "sonst verloren.";
    struct Fall {
        bool systembauteil;
        int spalte; // 1 "Dicke", 4 "lambda"
        const char* getippt;
        const std::string& meldung;
    };
    const Fall faelle[] = {
        {false, 1, "", bereich},   {false, 4, "", bereich}, {false, 4, "0", lambda},
        {false, 4, "0,0", lambda}, {true, 1, "0", system},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.getippt) + " in " + std::to_string(f.spalte));
        d.AktuellerBereich()->Schichten[0].Schluessel.Gruppe = f.systembauteil ? 10 : 1;
        d.SchichtTabelleFuellen();
        const TBaustoff vorher = *d.AktuellerBereich()->SchichtNr(0);
        ASSERT_TRUE(d.ZelleBearbeiten(1, f.spalte));
        Tabelle().SetEditorText("");
        testsupport::TypeText(*Tabelle().GetEditor(), f.getippt);
        services.Messages().Answer(IDOK);
        testsupport::PressKey(*Tabelle().GetEditor(), VK_RETURN);
        EXPECT_EQ(Meldungen().back().text, f.meldung);
        EXPECT_EQ(Meldungen().back().caption, "Eingabe-Prüfung");
        ASSERT_TRUE(Tabelle().IsEditing()); // the value was taken
        EXPECT_EQ(d.AktuellerBereich()->SchichtNr(0)->Lambda, vorher.Lambda);
        EXPECT_EQ(d.AktuellerBereich()->SchichtNr(0)->Schichtdicke, vorher.Schichtdicke);
        testsupport::PressKey(*Tabelle().GetEditor(), VK_ESCAPE);
    }
    EXPECT_FALSE(d.Geaendert);
}

// A component stored without a name could not be found again: the name is
// asked again until one is given.
TEST_F(Editor, BauteilOhneNamenWirdNichtGespeichert) {
    auto& d = Oeffnen();
    SpeicherplatzVorgeben(100);
    for (const char* name : {"", "   ", "Kopie"}) services.Input().Answer(name);
    for (int i = 0; i < 3; ++i) services.Messages().Answer(IDOK);
    d.BauteilInDateiSpeichern();
    SpeicherplatzVorgeben(std::nullopt);
    ASSERT_EQ(Meldungen().size(), 3u);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(Meldungen()[size_t(i)].text, "Geben Sie einen Namen ein!");
    EXPECT_EQ(Meldungen().back().caption, "Bauteil einfügen"); // the name "Kopie" went on
}

TEST_F(Editor, EnterImEditorSchliesstNurDieZelle) {
    auto& d = Oeffnen();
    ASSERT_TRUE(d.ZelleBearbeiten(1, 2));
    Tabelle().SetEditorText("1234");
    d.EvCommand(IDOK, 0, 0);
    EXPECT_FALSE(Tabelle().IsEditing());
    EXPECT_DOUBLE_EQ(d.AktuellerBereich()->SchichtNr(0)->Rohdichte, 1234);
    EXPECT_EQ(app->Client()->Ansichten.BauteilEditoren.size(), 1u);
}

TEST_F(Editor, SchichtenPerMausVerschiebenUndKopieren) {
    auto& d = Oeffnen();
    const std::string erste = Name(0), zweite = Name(1), dritte = Name(2);
    testsupport::LeftClick(Tabelle(), Zelle(1));
    ProcessEvents(testsupport::DoubleClickTime() + 50);
    // Layer 1 dropped on row 3 lands behind layer 2.
    testsupport::Drag(Tabelle(), Zelle(1), Zelle(3));
    ProcessEvents();
    EXPECT_EQ(Name(0), zweite);
    EXPECT_EQ(Name(1), erste);
    EXPECT_EQ(Name(2), dritte);
    EXPECT_EQ(d.AusgewaehlteZeile(), 2);
    // With Ctrl the layer is copied; dropped in front of its source the row
    // t + 1 is selected (here the Rsi row), behind it the copy (t + 2).
    const int n = Schichten();
    testsupport::Drag(Tabelle(), Zelle(2), Zelle(1), MK_CONTROL);
    ProcessEvents();
    EXPECT_EQ(Schichten(), n + 1);
    EXPECT_EQ(Name(0), erste);
    EXPECT_EQ(d.AusgewaehlteZeile(), 0);
    testsupport::LeftClick(Tabelle(), Zelle(1));
    ProcessEvents(testsupport::DoubleClickTime() + 50);
    testsupport::Drag(Tabelle(), Zelle(1), Zelle(3), MK_CONTROL);
    ProcessEvents();
    EXPECT_EQ(Schichten(), n + 2);
    EXPECT_EQ(Name(2), erste);
    EXPECT_EQ(d.AusgewaehlteZeile(), 3);
    // The Rsi row does not move.
    testsupport::LeftClick(Tabelle(), Zelle(0));
    ProcessEvents(testsupport::DoubleClickTime() + 50);
    testsupport::Drag(Tabelle(), Zelle(0), Zelle(2));
    ProcessEvents();
    EXPECT_EQ(Schichten(), n + 2);
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(Editor, NeinBeimSchliessenLaesstDasProjektUnveraendert) {
    ProjektOeffnen();
    const auto vorher = Korpus().AktuellesProjekt->Dateibild();
    auto& d = Oeffnen();
    d.SchichtVerschieben(1, 3, false);
    ASSERT_TRUE(d.ZelleBearbeiten(0, 5));
    Tabelle().SetEditorText("0.2");
    d.ZelleUebernehmen();
    ASSERT_TRUE(d.Geaendert);
    services.Messages().Answer(IDNO);
    d.EvCommand(IDCANCEL, 0, 0);
    Pump();
    EXPECT_EQ(Meldungen().back().caption, "Bauteil schließen");
    EXPECT_TRUE(app->Client()->Ansichten.BauteilEditoren.empty());
    EXPECT_EQ(Korpus().AktuellesProjekt->Dateibild(), vorher);
}

TEST_F(Editor, BauteilInDateiSpeichernPrueftErstDenSpeicherplatz) {
    auto& d = Oeffnen();
    SpeicherplatzVorgeben(100);
    services.Input().Answer("Kopie");
    services.Messages().Answer(IDOK);
    d.BauteilInDateiSpeichern();
    SpeicherplatzVorgeben(std::nullopt);
    EXPECT_EQ(Meldungen().back().caption, "Bauteil einfügen");
    EXPECT_EQ(Meldungen().back().text.rfind("Nicht genügend Speicherkapazität verfügbar!", 0), 0u);
    EXPECT_EQ(Meldungen().size(), 1u); // refused before the catalogue is asked
}

TEST_F(Editor, AbbrechenBeimSchliessenBehaeltDieAenderungen) {
    auto& d = Oeffnen();
    d.SchichtVerschieben(1, 3, false);
    services.Messages().Answer(IDCANCEL);
    d.EvCommand(IDCANCEL, 0, 0);
    EXPECT_EQ(app->Client()->Ansichten.BauteilEditoren.size(), 1u);
    EXPECT_TRUE(d.Geaendert);
    services.Messages().Answer(IDYES);
    d.EvCommand(IDCANCEL, 0, 0);
    EXPECT_TRUE(app->Client()->Ansichten.BauteilEditoren.empty());
    EXPECT_TRUE(Korpus().ProjektGeaendert);
}

TEST_F(Editor, SpaltenbreitenKommenBeimNaechstenOeffnenWieder) {
    auto& d = Oeffnen();
    testsupport::DragColumnBorder(Tabelle(), 0, 40);
    const int breite = Tabelle().GetColumns()[0].width;
    d.Fenster->CloseWindow();
    Pump();
    EXPECT_TRUE(app->Client()->Ansichten.BauteilEditoren.empty());
    const std::string gespeichert =
        TProfile("Einstellungen", "korpus.ini").GetString("BauteilWindowSp", "");
    EXPECT_EQ(std::count(gespeichert.begin(), gespeichert.end(), ','), 10);
    auto& neu = Oeffnen();
    EXPECT_EQ(neu.SchichtTabelle()->GetColumns()[0].width, breite);
}

TEST_F(Editor, DirekterKWertUndFlaechenheizungSindAenderungen) {
    auto& d = Oeffnen();
    services.Dialogs().Expect([](TDialog& dlg) {
        EXPECT_EQ(dlg.GetCaption(), "Kein Schichtaufbau: k-Wert eingeben");
        dlg.CmCancel();
    });
    d.EvCommand(TBauteilDialog::IDC_DIREKT, 0, 0);
    // Cancelled: direct mode all the same, with the previous U-value.
    EXPECT_TRUE(d.AktuellerBereich()->kWertVorgegeben);
    EXPECT_FALSE(d.GetDlgItem(21)->IsWindowVisible());
    EXPECT_TRUE(d.GetDlgItem(517)->IsWindowVisible());
    d.EvCommand(TBauteilDialog::IDC_SCHICHTAUFBAU, 0, 0);
    EXPECT_FALSE(d.AktuellerBereich()->kWertVorgegeben);
    d.Geaendert = false;
    d.AktuellerBereich()->Heizschicht = 0;
    d.Item<TCheckBox>(TBauteilDialog::IDC_FLAECHENHEIZUNG)->Click();
    EXPECT_EQ(d.AktuellerBereich()->Heizschicht, 1);
    EXPECT_TRUE(d.Geaendert);
}

// Another layer in the surface-heating list recomputes the range but leaves
// the editor unmodified; the project component changed in place marks the
// project.
TEST_F(Editor, HeizschichtWaehlenAendertDenEditorNicht) {
    auto& d = Oeffnen();
    d.AktuellerBereich()->Heizschicht = 0;
    d.ErgebnisseAnzeigen(0, 0, 0, 1);
    auto* box = d.Item<TCheckBox>(TBauteilDialog::IDC_FLAECHENHEIZUNG);
    const TRect b = box->GetClientRect();
    testsupport::LeftClick(*box, TPoint(8, (b.top + b.bottom) / 2));
    ProcessEvents();
    ASSERT_EQ(d.AktuellerBereich()->Heizschicht, 1);
    d.Geaendert = false;
    ProjektGeaendertSetzen(false);
    auto* liste = d.Item<TComboBox>(TBauteilDialog::IDC_HEIZSCHICHT);
    ASSERT_TRUE(liste->IsWindowEnabled());
    liste->SetFocus();
    testsupport::PressKey(*liste, VK_DOWN);
    ProcessEvents();
    EXPECT_EQ(d.AktuellerBereich()->Heizschicht, 2);
    EXPECT_FALSE(d.Geaendert);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
}

// A click in the middle of a control of a dialog.
void KlickAuf(TDialog& d, int id) {
    TWindow* c = d.GetDlgItem(id);
    ASSERT_NE(c, nullptr) << id;
    const TRect r = c->GetClientRect();
    testsupport::LeftClick(*c, TPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

// OK judges every considerable condensate mass still "Nicht geprüft", each
// with its area range shown in the editor.
TEST_F(Editor, OkFragtNachJederUngeprueftenTauwassermenge) {
    ProjektOeffnen();
    TRBauteil* t = Wand();
    ASSERT_NE(t, nullptr);
    ZweiterBereich(*t);
    for (TEinfachBauteil& e : t->Flaechenanteile) {
        e.Diffusion.Nachweisfehler[1] = 1;
        e.TauwassergrenzeAusgenommen = 0;
    }
    auto& d = Oeffnen(t);
    std::vector<int> gezeigt;
    for (int i = 0; i < 2; ++i)
        services.Dialogs().Expect([&](TDialog& dlg) {
            EXPECT_EQ(dlg.GetCaption(), "Erhebliche Tauwassermenge");
            gezeigt.push_back(d.AktuellerBereich()->Nummer);
            dlg.ShowWindow(SW_SHOW);
            TApplication::PumpWaitingMessages();
            KlickAuf(dlg, 102); // "Unbedenklich"
            KlickAuf(dlg, IDOK);
        });
    KlickAuf(d, IDOK);
    Pump();
    EXPECT_EQ(gezeigt, (std::vector<int>{0, 1}));
    for (const TEinfachBauteil& e : t->Flaechenanteile) EXPECT_EQ(e.TauwassergrenzeAusgenommen, 1);
    EXPECT_TRUE(app->Client()->Ansichten.BauteilEditoren.empty());
}

// Discarding the changes closes the diagrams of area ranges added meanwhile;
// those of the ranges that stay remain open.
TEST_F(Editor, VerwerfenSchliesstDieDiagrammeNeuerBereiche) {
    auto& d = Oeffnen();
    TRBauteil& t = *d.Bauteil();
    ZweiBereicheMitDiagrammen(t);
    Pump();
    ASSERT_EQ(app->Client()->Ansichten.TempDiagramme.size(), 2u);
    d.Geaendert = true;
    services.Messages().Answer(IDNO);
    d.EvCommand(IDCANCEL, 0, 0);
    Pump();
    ASSERT_EQ(app->Client()->Ansichten.TempDiagramme.size(), 1u);
    EXPECT_EQ(t.Flaechenanteile.GetItemsInContainer(), 1u);
    EXPECT_EQ(static_cast<TDiagrammWindow*>(app->Client()->Ansichten.TempDiagramme[0])->Bereich(),
              0);
}

// Deleting an area range in the area ranges dialog closes the diagrams of
// every range whose number changed or vanished.
TEST_F(Editor, BereichLoeschenSchliesstDessenDiagramme) {
    auto& d = Oeffnen();
    TRBauteil& t = *d.Bauteil();
    // Deleting the first range renumbers the second: neither diagram may stay.
    ZweiBereicheMitDiagrammen(t);
    Pump();
    ASSERT_EQ(app->Client()->Ansichten.TempDiagramme.size(), 2u);
    services.Dialogs().Expect([&](TDialog& dlg) {
        dlg.ShowWindow(SW_SHOW);
        TApplication::PumpWaitingMessages();
        services.Messages().Answer(IDOK);
        KlickAuf(dlg, 106); // "Löschen"
        EXPECT_TRUE(app->Client()->Ansichten.TempDiagramme.empty());
        KlickAuf(dlg, IDCANCEL);
    });
    d.EvCommand(TBauteilDialog::IDC_BEREICHE, 0, 0);
    Pump();
    EXPECT_EQ(Meldungen().back().caption, "Bauteil - Bereich löschen");
}

// λ 0 typed into the "Ändern" dialog never reaches the component: the dialog
// opens again with what was typed, and Cancel leaves the layer as it was.
TEST_F(Editor, LambdaNullImAendernDialogErreichtDasBauteilNicht) {
    auto& d = Oeffnen();
    d.AktuellerBereich()->Schichten[0].Schluessel.Gruppe = 1;
    d.SchichtTabelleFuellen();
    const TBaustoff vorher = *d.AktuellerBereich()->SchichtNr(0);
    d.ZeileWaehlen(1);
    services.Dialogs().Expect([&](TDialog& dlg) {
        dlg.ShowWindow(SW_SHOW);
        TApplication::PumpWaitingMessages();
        auto* lambda = dynamic_cast<TEdit*>(dlg.GetDlgItem(109));
        ASSERT_NE(lambda, nullptr);
        lambda->SetText("");
        testsupport::TypeText(*lambda, "0");
        services.Messages().Answer(IDOK);
        KlickAuf(dlg, IDOK);
    });
    services.Dialogs().Expect([&](TDialog& dlg) {
        // What was typed, not the layer's old value.
        EXPECT_EQ(std::stod(dynamic_cast<TEdit*>(dlg.GetDlgItem(109))->GetText()), 0.0);
        KlickAuf(dlg, IDCANCEL);
    });
    KlickAuf(d, 516); // "Ändern"
    Pump();
    EXPECT_EQ(Meldungen().back().text, "Sie haben einen Baustoff mit lambda-Wert = 0 "
                                       "ausgewählt.\nSetzen Sie den korrekten lambda-Werte ein!");
    EXPECT_EQ(d.AktuellerBereich()->SchichtNr(0)->Lambda, vorher.Lambda);
    EXPECT_FALSE(d.Geaendert);
}

// The editor with the example wall as a picture; KORVALIN_BILD_ORDNER keeps it.
TEST_F(Editor, BildDerBeispielwand) {
    auto& d = Oeffnen();
    d.Fenster->MoveWindow({0, 0, 760, 520});
    d.ZeileWaehlen(1);
    ProcessEvents();
    const char* ordner = std::getenv("KORVALIN_BILD_ORDNER");
    const fs::path bild = fs::path(ordner ? ordner : dirs.Dirs().temp.string()) / "bauteil.png";
    ASSERT_TRUE(testsupport::SaveWindowPicture(*d.Fenster, bild.string().c_str()));
    EXPECT_GT(fs::file_size(bild), 1000u);
}

// A click into the area column of the assigned table runs the area
// calculator on the placed component; Cancel leaves it untouched.
TEST_F(Editor, FlaecheDesProjektbauteilsMitDemRechner) {
    using R = TFlaechenVolumenDialog;
    auto& d = Oeffnen();
    ASSERT_NE(d.PBauteil, nullptr);
    TPBauteil& b = *d.PBauteil;
    b.Flaechenliste.Flush();
    const double einbauten = b.Bruttoflaeche - b.Nettoflaeche;
    const auto eintippen = [](R& r, int zeile, const char* text) {
        r.Liste()->OpenEditor(zeile, 2);
        r.Liste()->SetEditorText(text);
        r.Liste()->EditorEnter();
    };
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& r = dynamic_cast<R&>(dlg);
        EXPECT_EQ(r.Modus(), R::Flaechen);
        EXPECT_EQ(r.GetCaption(), "Flächenberechnung: " + b.Name);
        ASSERT_EQ(r.Liste()->GetCount(), 1);
        EXPECT_EQ(r.Liste()->GetCellText(0, 1), "Fläche 1");
        eintippen(r, 0, "99");
        r.SendMessage(WM_COMMAND, WPARAM(IDCANCEL), 0);
    });
    d.ProjektbauteilTabelle()->SelectItem(d.PBauteilIndex);
    const auto r = d.ProjektbauteilTabelle()->GetCellRect(d.PBauteilIndex, 3);
    ASSERT_TRUE(r.has_value());
    testsupport::LeftClick(*d.ProjektbauteilTabelle(),
                           {r->left + r->Width() / 2, (r->top + r->bottom) / 2});
    ProcessEvents(testsupport::DoubleClickTime() + 50);
    ASSERT_EQ(services.Dialogs().Captions().size(), 1u);
    EXPECT_TRUE(b.Flaechenliste.IsEmpty());
    EXPECT_FALSE(d.Geaendert);
    // OK: the list, its sum as the gross area less the built-in parts, the number.
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& r = dynamic_cast<R&>(dlg);
        eintippen(r, 0, "10,5");
        r.SendMessage(WM_COMMAND, WPARAM(R::IDC_NEU), 0);
        eintippen(r, 1, "2");
        r.Item<TEdit>(R::IDC_NUMMER)->SetText("");
        r.Item<TEdit>(R::IDC_NUMMER)->Type("7");
        r.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    d.FlaecheEingeben();
    ASSERT_EQ(b.Flaechenliste.GetItemsInContainer(), 2u);
    EXPECT_DOUBLE_EQ(b.Bruttoflaeche, 12.5);
    EXPECT_NEAR(b.Nettoflaeche, 12.5 - einbauten, 1e-9);
    EXPECT_EQ(b.CADNummer, 7);
    EXPECT_TRUE(d.Geaendert);
    EXPECT_EQ(d.ProjektbauteilTabelle()->GetCellText(d.PBauteilIndex, 3), Zahl(2, b.Nettoflaeche));
}

// A window smaller than the dialog scrolls over it by keys: Page Up and
// Down by a page, the arrows by a line; Home and End leave it.
TEST_F(Editor, InDerVorgabegroesseLiegtAllesImFenster) {
    auto& d = Oeffnen();
    ASSERT_NE(d.Fenster, nullptr);
    ASSERT_FALSE(d.Fenster->IsZoomed()) << "the screen of the tests is wide enough";
    const auto fehler = testsupport::FitProblems(d);
    std::string alle;
    for (const auto& t : fehler) alle += t + "\n";
    EXPECT_TRUE(fehler.empty()) << alle;
    // OK and Cancel within reach of a click, the table's right edge in view.
    const TRect sichtbar = d.GetClientRect();
    for (int id : {int(IDOK), int(IDCANCEL), int(TBauteilDialog::IDC_TYP)}) {
        const TRect r = d.GetDlgItem(id)->GetWindowRect();
        const TPoint unten = d.ScreenToClient({r.right, r.bottom});
        EXPECT_LE(unten.x, sichtbar.right) << id;
        EXPECT_LE(unten.y, sichtbar.bottom) << id;
    }
}

TEST_F(Editor, KleinesFensterRolltMitTasten) {
    auto& d = Oeffnen();
    const auto oben = [&d](int id) {
        return d.ScreenToClient(d.GetDlgItem(id)->GetWindowRect().TopLeft());
    };
    d.Fenster->MoveWindow({0, 0, 760, 520});
    ProcessEvents();
    const TPoint okGross = oben(IDOK), typ = oben(TBauteilDialog::IDC_TYP);
    testsupport::PressKey(d, VK_NEXT);
    EXPECT_EQ(oben(TBauteilDialog::IDC_TYP), typ); // nothing to scroll
    // As small as the window goes.
    d.Fenster->MoveWindow({0, 0, 100, 100});
    ProcessEvents();
    TScroller* s = d.GetScroller();
    ASSERT_NE(s, nullptr);
    // The least width of the window shows the dialog's whole width; its height scrolls.
    EXPECT_EQ(s->GetXRange(), 0);
    ASSERT_GT(s->GetYRange(), 0);
    // Laid out at the dialog's own size, shown from its top left corner.
    EXPECT_EQ(oben(TBauteilDialog::IDC_TYP), typ);
    // Keys a button leaves go on to the editor.
    d.GetDlgItem(TBauteilDialog::IDC_TYP)->SetFocus();
    ProcessEvents();
    ASSERT_TRUE(d.GetDlgItem(TBauteilDialog::IDC_TYP)->HasFocus());
    EXPECT_GT(oben(IDOK).y + d.GetDlgItem(IDOK)->GetWindowRect().Height(),
              d.GetClientRect().Height());
    struct Fall {
        uint32_t taste;
        int sx, sy; // positions the key asks for
    };
    const int seite = s->GetYPage();
    const Fall faelle[] = {
        {VK_DOWN, 0, 1}, {VK_NEXT, 0, seite},   {VK_UP, 0, -1},   {VK_HOME, 0, 0},
        {VK_END, 0, 0},  {VK_PRIOR, 0, -seite}, {VK_RIGHT, 1, 0}, {VK_LEFT, -1, 0},
    };
    for (const auto& f : faelle) {
        const TPoint vorher = oben(IDOK);
        const int x = s->GetXPos(), y = s->GetYPos();
        const int nx = std::clamp(x + f.sx, 0, s->GetXRange());
        const int ny = std::clamp(y + f.sy, 0, s->GetYRange());
        // The buttons move the focus with the arrows; what they leave reaches the editor.
        if (f.taste == VK_NEXT || f.taste == VK_PRIOR)
            testsupport::PressKey(d, f.taste);
        else
            d.SendMessage(WM_KEYDOWN, f.taste, 1);
        EXPECT_EQ(s->GetXPos(), nx) << f.taste;
        EXPECT_EQ(s->GetYPos(), ny) << f.taste;
        EXPECT_EQ(oben(IDOK).x - vorher.x, (x - nx) * s->GetXUnit()) << f.taste;
        EXPECT_EQ(oben(IDOK).y - vorher.y, (y - ny) * s->GetYUnit()) << f.taste;
    }
    // The last line is reachable, and large again everything is in its place.
    testsupport::PressKey(d, VK_NEXT);
    EXPECT_LE(oben(IDOK).y + d.GetDlgItem(IDOK)->GetWindowRect().Height(),
              d.GetClientRect().Height());
    d.Fenster->MoveWindow({0, 0, 760, 520});
    ProcessEvents();
    EXPECT_EQ(oben(IDOK), okGross);
    EXPECT_EQ(oben(TBauteilDialog::IDC_TYP), typ);
}

// "Optimieren und speichern unter": the copy's editor shows the optimised
// layer's thickness and R in its sums row, not those of the original.
TEST_F(Editor, OptimierenUndSpeichernUnterZeigtDieNeuenSummen) {
    auto& d = Oeffnen();
    const int n = Schichten();
    const std::string alteDicke = *Tabelle().GetCellText(n + 2, 1);
    services.Dialogs().Expect([](TDialog& dlg) {
        EXPECT_EQ(dlg.GetCaption(), "Schicht optimieren");
        dlg.GetDlgItem(110)->SetWindowText("0.150");
        dlg.Item<TRadioButton>(109)->Click();
        dlg.CmOk();
    });
    d.ZeileWaehlen(1);
    const auto gewaehlt = testsupport::ClickInNextPopupMenu("Optimieren");
    testsupport::RightClick(Tabelle(), Zelle(1));
    ProcessEvents();
    ASSERT_TRUE(*gewaehlt);
    ASSERT_EQ(app->Client()->Ansichten.BauteilEditoren.size(), 2u);
    auto* w = static_cast<TBauteilWindow*>(app->Client()->Ansichten.BauteilEditoren.back());
    TBauteilDialog& kopie = *w->Dialog();
    ASSERT_NE(kopie.Bauteil(), d.Bauteil());
    TSftTree& t = *kopie.SchichtTabelle();
    const std::string dicke = *t.GetCellText(n + 2, 1), r = *t.GetCellText(n + 2, 5);
    EXPECT_NE(dicke, alteDicke);
    kopie.SchichtTabelleFuellen();
    EXPECT_EQ(dicke, *t.GetCellText(n + 2, 1));
    EXPECT_EQ(r, *t.GetCellText(n + 2, 5));
}

} // namespace
