// The volumes command of the project dialog and the area and volume
// calculator behind it.
#include "ProjektDialogFixture.h"

#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/Edit.h"
#include "platform/window/Static.h"
#include "stammwerk/modell/TProjekt.h"
#include "testsupport/UserInput.h"

namespace projekttest {
namespace {

using R = TFlaechenVolumenDialog;

struct Volumen : ProjektDialogTest {
    TProjekt* p = nullptr;
    void SetUp() override {
        Korpus().Programmverzeichnis = dirs.Dirs().programData.string() + "/";
        auto v = std::make_unique<TProjekt>();
        v->Name = "Altbau";
        p = &Setzen(std::move(v));
        Zeigen();
    }
    void rechner(std::function<void(R&)> script) {
        services.Dialogs().Expect([script](TDialog& d) { script(dynamic_cast<R&>(d)); });
        EXPECT_TRUE(dialog->EvCommand(CM_VOLUMEN, 0, 0));
    }
    static void druecken(R& r, int id) { r.SendMessage(WM_COMMAND, WPARAM(id), 0); }
    static void klicken(R& r, int id) {
        TWindow* knopf = r.GetDlgItem(id);
        ASSERT_NE(knopf, nullptr);
        const TRect k = knopf->GetClientRect();
        testsupport::LeftClick(*knopf, {k.Width() / 2, k.Height() / 2});
    }
    static void wertEintippen(R& r, int zeile, const char* text) {
        r.Liste()->OpenEditor(zeile, 2);
        r.Liste()->SetEditorText(text);
        r.Liste()->EditorEnter();
    }
    static std::string text(R& r, int id) { return r.Item<TStatic>(id)->GetText(); }
};

TEST_F(Volumen, AbbrechenAendertNichts) {
    rechner([](R& r) {
        EXPECT_EQ(r.GetCaption(), "Volumenberechnung: Altbau");
        ASSERT_EQ(r.Liste()->GetCount(), 1);
        EXPECT_EQ(r.Liste()->GetCellText(0, 1), "Volumen 1");
        EXPECT_FALSE(r.FormelbereichGezeigt());
        wertEintippen(r, 0, "250");
        druecken(r, IDCANCEL);
    });
    EXPECT_TRUE(p->Volumina.IsEmpty());
    EXPECT_EQ(p->V, 0.0);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
}

TEST_F(Volumen, OkSummiertDieEintraege) {
    services.Messages().Answer(IDOK);
    rechner([](R& r) {
        wertEintippen(r, 0, "250,5");
        EXPECT_EQ(r.Liste()->GetCellText(0, 2), "250.500");
        druecken(r, R::IDC_NEU);
        EXPECT_EQ(r.Liste()->GetCellText(1, 1), "Volumen 2");
        wertEintippen(r, 1, "1000000");
        EXPECT_TRUE(r.Liste()->IsEditing()); // refused with the range message
        r.Liste()->SetEditorText("999999.99");
        r.Liste()->EditorEnter();
        EXPECT_EQ(r.Liste()->GetCellText(1, 2), "999999.990");
        EXPECT_EQ(text(r, R::IDC_SUMME), "1.000.250,490");
        druecken(r, IDOK);
    });
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text,
              "Wert ist nicht im Bereich zwischen\n\n-1000000 und 1000000!");
    ASSERT_EQ(p->Volumina.GetItemsInContainer(), 2u);
    EXPECT_NEAR(p->V, 1000250.49, 1e-6);
    EXPECT_TRUE(Korpus().ProjektGeaendert);

    // All entries deleted: the volume is 0.
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK);
    rechner([](R& r) {
        druecken(r, R::IDC_LOESCHEN);
        druecken(r, R::IDC_LOESCHEN);
        EXPECT_FALSE(r.GetDlgItem(R::IDC_KOPIEREN)->IsWindowEnabled());
        druecken(r, IDOK);
    });
    EXPECT_TRUE(p->Volumina.IsEmpty());
    EXPECT_EQ(p->V, 0.0);
}

TEST_F(Volumen, FormelSpeichertEchteZeilen) {
    services.Messages().Answer(IDOK);
    rechner([](R& r) {
        wertEintippen(r, 0, "12.5");
        druecken(r, R::IDC_FORMEL_AN);
        EXPECT_TRUE(r.FormelbereichGezeigt());
        auto* formel = r.Item<TEdit>(R::IDC_FORMEL);
        EXPECT_EQ(formel->GetText(), "12.500");
        EXPECT_EQ(text(r, R::IDC_ERGEBNIS), "12,500");
        // The definitions, typed by keys: a line longer than 128 characters
        // is refused, and OK keeps the dialog open.
        auto* variablen = r.Item<TEdit>(R::IDC_VARIABLEN);
        variablen->SetFocus();
        testsupport::TypeText(*variablen, ("h = 2 # " + std::string(130, 'x')).c_str());
        formel->Type("a * h +\n1");
        druecken(r, IDOK);
        EXPECT_FALSE(r.Ended());
        variablen->Type("a = 3\nh = 2\n\n");
        druecken(r, R::IDC_BERECHNEN);
        EXPECT_EQ(text(r, R::IDC_ERGEBNIS), "7,000");
        EXPECT_EQ(r.Liste()->GetCellText(0, 2), "7.000");
        druecken(r, IDOK);
    });
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text,
              "Zeile 1 der Variablen-Definition ist länger als 128 Zeichen.\nTeilen Sie sie auf "
              "mehrere Zeilen auf!");
    const TDimVolumen& d = p->Volumina[0];
    EXPECT_EQ(d.Formelmodus, 1);
    EXPECT_DOUBLE_EQ(d.Wert, 7.0);
    std::vector<std::string> zeilen;
    for (const TTextString& t : d.Formelliste) zeilen.push_back(t.Text);
    EXPECT_EQ(zeilen, (std::vector<std::string>{"a * h +", "1"}));
    ASSERT_EQ(d.Textliste1.GetItemsInContainer(), 2u); // the empty line is skipped
}

TEST_F(Volumen, UeberlaufMeldetSichEinmal) {
    services.Messages().Answer(IDOK);
    rechner([](R& r) {
        druecken(r, R::IDC_FORMEL_AN);
        r.Item<TEdit>(R::IDC_FORMEL)->Type("10^400");
        druecken(r, R::IDC_BERECHNEN);
        EXPECT_EQ(text(r, R::IDC_ERGEBNIS), "0");
        druecken(r, IDCANCEL);
    });
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Überlauf bei der Berechnung");
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Laufzeit-Fehler");
}

TEST_F(Volumen, OkMitUnberechenbarerFormelMeldetWieBerechnenUndBleibtOffen) {
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK);
    rechner([](R& r) {
        klicken(r, R::IDC_FORMEL_AN);
        auto* formel = r.Item<TEdit>(R::IDC_FORMEL);
        formel->SetFocus();
        testsupport::TypeText(*formel, "1/0");
        klicken(r, R::IDC_BERECHNEN);
        klicken(r, IDOK);
        EXPECT_FALSE(r.Ended());
        // The formula is kept for mending, and the dialog still answers.
        formel->SetText("2*3");
        klicken(r, IDOK);
        EXPECT_TRUE(r.Ended());
    });
    const auto& meldungen = services.Messages().Calls();
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[1].text, meldungen[0].text);
    EXPECT_EQ(meldungen[1].caption, meldungen[0].caption);
    ASSERT_EQ(p->Volumina.GetItemsInContainer(), 1u);
    EXPECT_DOUBLE_EQ(p->V, 6.0);
}

// Moving to another row must not leave an uncomputable formula behind as 0.
TEST_F(Volumen, ZeilenwechselMitUnberechenbarerFormelMeldetUndBleibt) {
    services.Messages().Answer(IDOK);
    rechner([](R& r) {
        r.ShowWindow(SW_SHOW);
        klicken(r, R::IDC_NEU);
        const auto zeile = [&r](int z) {
            const auto zelle = r.Liste()->GetCellRect(z, 1);
            EXPECT_TRUE(zelle.has_value());
            testsupport::LeftClick(*r.Liste(),
                                   {zelle->left + 10, (zelle->top + zelle->bottom) / 2});
        };
        zeile(0);
        klicken(r, R::IDC_FORMEL_AN);
        auto* formel = r.Item<TEdit>(R::IDC_FORMEL);
        formel->SetFocus();
        testsupport::TypeText(*formel, "1/0");
        zeile(1);
        EXPECT_EQ(r.Liste()->GetSelectedItem(), 0);
        EXPECT_EQ(formel->GetText(), "1/0");
        formel->SetText("2*3");
        zeile(1);
        EXPECT_EQ(r.Liste()->GetSelectedItem(), 1);
        wertEintippen(r, 1, "4");
        klicken(r, IDOK);
        EXPECT_TRUE(r.Ended());
    });
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    ASSERT_EQ(p->Volumina.GetItemsInContainer(), 2u);
    EXPECT_DOUBLE_EQ(p->V, 10.0);
}

TEST_F(Volumen, FlaechenmodusNummeriertNachDemBauteil) {
    TDimVolumenListe liste;
    services.Messages().Answer(IDOK);
    services.Dialogs().Expect([](TDialog& dlg) {
        auto& r = dynamic_cast<R&>(dlg);
        EXPECT_EQ(r.GetCaption(), "Flächenberechnung: Wand Nord");
        druecken(r, R::IDC_NEU);
        druecken(r, R::IDC_NEU);
        druecken(r, R::IDC_NEU);
        EXPECT_EQ(r.Liste()->GetCellText(2, 0), "4.3");
        r.Liste()->SelectItem(1);
        r.AuswahlGeaendert();
        druecken(r, R::IDC_LOESCHEN);
        EXPECT_EQ(r.Liste()->GetCellText(1, 0), "4.2");
        EXPECT_EQ(r.Liste()->GetCellText(1, 1), "Fläche 3");
        druecken(r, IDOK);
    });
    R r(nullptr, liste, 4, "Wand Nord", R::Flaechen);
    EXPECT_EQ(r.Execute(), IDOK);
    ASSERT_EQ(liste.GetItemsInContainer(), 2u);
    EXPECT_EQ(liste[1].Name, "Fläche 3");
    EXPECT_EQ(liste[1].Nummer, 1);
    EXPECT_EQ(services.Messages().Calls().at(0).caption, "Fläche löschen");
}

TEST_F(Volumen, BildDesRechners) {
    auto v = std::make_unique<TDimVolumen>();
    v->Name = "Erdgeschoss";
    v->Nummer = 0;
    v->Wert = 240.0;
    v->Formelmodus = 1;
    for (const char* z : {"a = 12 # Länge", "b = 10 # Breite", "h = 2,0 # Höhe"}) {
        auto t = std::make_unique<TTextString>();
        t->Nummer = uint16_t(v->Textliste1.GetItemsInContainer());
        t->Text = z;
        v->Textliste1.AddAfterEquals(std::move(t));
    }
    auto f = std::make_unique<TTextString>();
    f->Nummer = 0;
    f->Text = "a * b * h";
    v->Formelliste.AddAfterEquals(std::move(f));
    p->Volumina.Add(std::move(v));
    rechner([this](R& r) {
        EXPECT_TRUE(r.FormelbereichGezeigt());
        druecken(r, R::IDC_BERECHNEN);
        EXPECT_EQ(text(r, R::IDC_ERGEBNIS), "240,000");
        testsupport::ProcessEvents();
        EXPECT_TRUE(
            testsupport::SaveWindowPicture(r, (dirs.Root() / "formeln_rechner.png").c_str()));
        druecken(r, IDCANCEL);
    });
}

} // namespace
} // namespace projekttest
