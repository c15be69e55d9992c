// The location and fuel lists of the heating system page: new, edited and
// deleted user entries, the maker's entries kept as they are, what OK and
// Cancel leave in the user's file, and the page taking the chosen entry.
#include "ProjektDialogFixture.h"

#include "korvalin/projekt/TBrennstoffDialog.h"
#include "korvalin/projekt/TGradtagzahlenDialog.h"
#include "korvalin/projekt/THeizsystemDialog.h"
#include "korvalin/projekt/TWarmwasserbedarfDialog.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Control.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyPage.h"

#include <gtest/gtest.h>

#include "testsupport/UserInput.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using projekttest::ProjektDialogTest;

struct ReferenzListen : ProjektDialogTest {
    fs::path ordner = dirs.Root() / "programm";
    void SetUp() override {
        fs::create_directories(ordner);
        for (const char* d : {"orte_qtx.dat", "orte_anw.dat", "bren_qtx.dat", "bren_anw.dat"})
            fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / d, ordner / d);
    }
    std::vector<uint8_t> bytes(const char* datei) const {
        return ReadWholeFile(ordner / datei).bytes;
    }
    template <class D>
    int ausfuehren(D& dialog, std::function<void(D&)> script) {
        services.Dialogs().Expect([script](TDialog& d) { script(dynamic_cast<D&>(d)); });
        return dialog.Execute();
    }
    // A cell edit as the user makes it: a click on the selected row's cell,
    // the text, Enter.
    template <class D>
    static void aendern(D& d, int zeile, int spalte, const char* text) {
        d.Liste()->ClickCell(zeile, spalte);
        d.Liste()->ClickCell(zeile, spalte);
        ASSERT_TRUE(d.Liste()->IsEditing()) << zeile << "/" << spalte;
        d.Liste()->SetEditorText(text);
        d.Liste()->EditorEnter();
    }
    template <class D>
    static int zeileMit(D& d, const std::string& name) {
        for (int z = 0; z < d.Liste()->GetCount(); ++z)
            if (d.Liste()->GetCellText(z, 0) == name) return z;
        return -1;
    }
    template <class D>
    static std::string zelle(D& d, int zeile, int spalte) {
        return d.Liste()->GetCellText(zeile, spalte).value_or("?");
    }
};

TEST_F(ReferenzListen, LocationsAreAddedEditedAndDeletedOnlyAmongTheUsersOwn) {
    const auto anwender = bytes("orte_anw.dat");
    const auto hersteller = bytes("orte_qtx.dat");
    // Cancel after changes leaves both files as they were.
    {
        TGradtagzahlenDialog d(nullptr, ordner);
        services.Input().Answer("Aachen");
        EXPECT_EQ(ausfuehren<TGradtagzahlenDialog>(
                      d,
                      [](auto& v) {
                          v.SendMessage(WM_COMMAND, TGradtagzahlenDialog::IDC_NEU, 0);
                          v.SendMessage(WM_COMMAND, IDCANCEL, 0);
                      }),
                  IDCANCEL);
        EXPECT_EQ(bytes("orte_anw.dat"), anwender);
    }

    TGradtagzahlenDialog d(nullptr, ordner);
    // An empty name and a name of the list are refused and asked again.
    services.Input().Answer("");
    services.Input().Answer("Nach Wärmeschutzverordnung");
    services.Input().Answer("Aachen");
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK); // rename onto the maker's name
    services.Messages().Answer(IDOK); // delete the maker's entry
    EXPECT_EQ(ausfuehren<TGradtagzahlenDialog>(
                  d,
                  [this](auto& v) {
                      const int hersteller = v.Liste()->GetCount();
                      v.SendMessage(WM_COMMAND, TGradtagzahlenDialog::IDC_NEU, 0);
                      ASSERT_EQ(v.Liste()->GetCount(), hersteller + 1);
                      const int z = v.Liste()->GetCaret();
                      EXPECT_EQ(v.Gewaehlt().Name, "Aachen");
                      EXPECT_EQ(zelle(v, z, 1), "3500");
                      EXPECT_NE(v.Liste()->GetCellPicture(z, 0), 0);
                      aendern(v, z, 1, "3900");
                      EXPECT_EQ(v.Gewaehlt().Gradtagzahl, 3900.0);
                      // Renaming onto another entry keeps the old name.
                      aendern(v, v.Liste()->GetCaret(), 0, "Nach Wärmeschutzverordnung");
                      EXPECT_EQ(v.Gewaehlt().Name, "Aachen");
                      // A maker's entry opens no editor and is not deleted.
                      const int m = zeileMit(v, "Nach Wärmeschutzverordnung");
                      v.Liste()->ClickCell(m, 0);
                      v.Liste()->ClickCell(m, 0);
                      EXPECT_FALSE(v.Liste()->IsEditing());
                      v.SendMessage(WM_COMMAND, TGradtagzahlenDialog::IDC_LOESCHEN, 0);
                      EXPECT_EQ(v.Liste()->GetCount(), hersteller + 1);
                      EXPECT_EQ(services.Messages().Calls().back().caption, "Ort löschen");
                      // "Verwenden" closes as OK with the chosen entry.
                      v.Liste()->ClickCell(zeileMit(v, "Aachen"), 0);
                      v.SendMessage(WM_COMMAND, TGradtagzahlenDialog::CM_VERWENDEN, 0);
                  }),
              IDOK);
    const auto& texte = services.Messages().Calls();
    ASSERT_EQ(texte.size(), 4u);
    EXPECT_EQ(texte[0].text, "Geben Sie einen Ortsnamen ein!");
    EXPECT_EQ(texte[1].text.rfind("Einfügen nicht möglich!", 0), 0u);
    EXPECT_EQ(texte[2].text.rfind("Ortsname ändern nicht möglich!", 0), 0u);
    EXPECT_TRUE(d.Verwenden);
    EXPECT_EQ(bytes("orte_qtx.dat"), hersteller);
    TOrtSammlung gelesen(ordner);
    ASSERT_EQ(gelesen.Oeffnen(2), 1);
    ASSERT_EQ(gelesen.Liste().size(), 1u);
    EXPECT_EQ(gelesen.Liste()[0].Name, "Aachen");
    EXPECT_EQ(gelesen.Liste()[0].Gradtagzahl, 3900.0);

    // Deleting the only user entry leaves the maker's.
    TGradtagzahlenDialog wieder(nullptr, ordner);
    EXPECT_EQ(ausfuehren<TGradtagzahlenDialog>(
                  wieder,
                  [this](auto& v) {
                      v.Liste()->ClickCell(zeileMit(v, "Aachen"), 0);
                      v.SendMessage(WM_COMMAND, TGradtagzahlenDialog::IDC_LOESCHEN, 0);
                      EXPECT_NE(v.Gewaehlt().Name, "Aachen");
                      v.SendMessage(WM_COMMAND, IDOK, 0);
                  }),
              IDOK);
    TOrtSammlung leer(ordner);
    leer.Oeffnen(2);
    EXPECT_TRUE(leer.Liste().empty());
}

TEST_F(ReferenzListen, AFuelWithoutUnitHasHeatingValuesOfOneAndAFailedWriteKeepsTheDialog) {
    const auto anwender = bytes("bren_anw.dat");
    TBrennstoffDialog d(nullptr, ordner);
    services.Input().Answer("Rapsöl");
    services.Messages().Answer(IDOK); // the failed write
    EXPECT_EQ(ausfuehren<TBrennstoffDialog>(
                  d,
                  [this, &anwender](auto& v) {
                      v.SendMessage(WM_COMMAND, TBrennstoffDialog::IDC_NEU, 0);
                      const int z = v.Liste()->GetCaret();
                      EXPECT_EQ(zelle(v, z, 1), "Liter");
                      EXPECT_EQ(zelle(v, z, 2), "9.00");
                      // The unit list preselects the stored unit.
                      v.Liste()->ClickCell(z, 1);
                      ASSERT_TRUE(v.Liste()->IsEditing());
                      auto* einheit = dynamic_cast<TComboBox*>(v.Liste()->GetEditor());
                      ASSERT_NE(einheit, nullptr);
                      EXPECT_EQ(einheit->GetSelIndex(), 2);
                      einheit->SetSelIndex(3);
                      v.Liste()->EditorEnter();
                      EXPECT_EQ(v.Gewaehlt().Einheit, "[ - ]");
                      EXPECT_EQ(v.Gewaehlt().Heizwert, 1.0);
                      EXPECT_EQ(v.Gewaehlt().Brennwert, 1.0);
                      // Its heating values are fixed; the price is not.
                      v.Liste()->ClickCell(v.Liste()->GetCaret(), 2);
                      EXPECT_FALSE(v.Liste()->IsEditing());
                      aendern(v, v.Liste()->GetCaret(), 4, "0.25");
                      EXPECT_EQ(v.Gewaehlt().Preis, 0.25);

                      if (const char* ordner = std::getenv("REFERENZ_PICTURE_DIR"))
                          testsupport::SaveWindowPicture(
                              v, (std::string(ordner) + "/brennstoffe.png").c_str());
                      filefaults::FailNext(filefaults::Step::Rename);
                      v.SendMessage(WM_COMMAND, IDOK, 0);
                      EXPECT_FALSE(v.Ended());
                      EXPECT_EQ(bytes("bren_anw.dat"), anwender);
                      v.SendMessage(WM_COMMAND, IDOK, 0);
                  }),
              IDOK);
    TBrennstoffSammlung gelesen(ordner);
    gelesen.Oeffnen(2);
    ASSERT_EQ(gelesen.Liste().size(), 1u);
    EXPECT_EQ(gelesen.Liste()[0].Einheit, "[ - ]");
    EXPECT_EQ(gelesen.Liste()[0].Preis, 0.25);
}

TEST_F(ReferenzListen, AnEmptiedFuelValueIsRefusedAndTheSheetStaysOpen) {
    TProjekt& p = Oeffnen();
    Zeigen();
    const double brennwert = p.Heizsystem.Brennstoff.Brennwert;
    bool offen = false;
    services.Messages().Answer(IDOK);
    services.Dialogs().Expect([&](TDialog& d) {
        auto& s = dynamic_cast<TPropertyDialog&>(d);
        s.ShowWindow(SW_SHOW);
        s.SelectTab(6);
        // The gross calorific value's cell, opened by a double click and emptied.
        auto& seite = dynamic_cast<THeizsystemDialog&>(*s.GetPageRef(6));
        TSftTree& t = *seite.Brennstofftabelle();
        t.EnsureColumnVisible(3);
        const auto zelle = t.GetCellRect(0, 3);
        ASSERT_TRUE(zelle.has_value());
        testsupport::DoubleClick(t, {(zelle->left + zelle->right) / 2, zelle->top + 2});
        ASSERT_TRUE(t.IsEditing());
        auto* e = dynamic_cast<TEdit*>(t.GetEditor());
        ASSERT_NE(e, nullptr);
        e->SetFocus();
        e->SetSelection(0, -1);
        testsupport::PressKey(*e, VK_DELETE);
        ASSERT_EQ(e->GetText(), "");
        TWindow* ok = s.GetDlgItem(IDOK);
        ASSERT_NE(ok, nullptr);
        const TRect r = ok->GetClientRect();
        testsupport::LeftClick(*ok, {r.Width() / 2, r.Height() / 2});
        offen = !s.Ended();
        s.CmCancel();
    });
    ASSERT_TRUE(dialog->EvCommand(5001, 0, 0));
    EXPECT_TRUE(offen);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Bitte geben Sie einen Wert ein!");
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Eingabe-Prüfung");
    EXPECT_EQ(p.Heizsystem.Brennstoff.Brennwert, brennwert);
}

TEST_F(ReferenzListen, TheHeatingPageTakesTheChosenFuelAndTheProgramsListFollows) {
    Korpus().Programmverzeichnis = ordner.string() + "/";
    Korpus().Kataloge.reset();
    TProjekt& p = Oeffnen();
    Zeigen();
    services.Input().Answer("Rapsöl");
    services.Dialogs().Expect([](TDialog& d) {
        auto& s = dynamic_cast<TPropertyDialog&>(d);
        s.SelectTab(6);
        s.GetPageRef(6)->SendMessage(WM_COMMAND, 108, 0);
        const TSftTree& t = *dynamic_cast<THeizsystemDialog&>(*s.GetPageRef(6)).Brennstofftabelle();
        EXPECT_EQ(t.GetCellText(0, 0), "Rapsöl");
        EXPECT_EQ(t.GetCellText(0, 2), "9.00");
        s.GetPageRef(6)->SendMessage(WM_COMMAND, 113, 0);
        s.SendMessage(WM_COMMAND, IDOK, 0);
    });
    services.Dialogs().Expect([](TDialog& d) {
        auto& v = dynamic_cast<TBrennstoffDialog&>(d);
        v.SendMessage(WM_COMMAND, TBrennstoffDialog::IDC_NEU, 0);
        v.SendMessage(WM_COMMAND, TBrennstoffDialog::IDC_VERWENDEN, 0);
    });
    services.Dialogs().Expect([](TDialog& d) {
        auto& w = dynamic_cast<TWarmwasserbedarfDialog&>(d);
        // Both groups start closed; the table has its eleven rows.
        EXPECT_EQ(w.Liste()->GetCount(), 11);
        EXPECT_FALSE(w.Liste()->IsExpanded(0));
        EXPECT_FALSE(w.Liste()->IsExpanded(4));
        w.Liste()->ClickExpandButton(4);
        if (const char* ordner = std::getenv("REFERENZ_PICTURE_DIR")) {
            testsupport::ProcessEvents();
            testsupport::SaveWindowPicture(w, (std::string(ordner) + "/warmwasser.png").c_str());
        }
        EXPECT_TRUE(w.Liste()->IsExpanded(4));
        EXPECT_EQ(*w.Liste()->GetCellText(6, 2), "60°");
        w.SendMessage(WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(dialog->EvCommand(5001, 0, 0));
    EXPECT_EQ(p.Heizsystem.Brennstoff.Name, "Rapsöl");
    EXPECT_EQ(p.Heizsystem.Brennstoff.Quelle, QuelleAnwender);
    const auto& liste = Kataloge().Brennstoffe()->Liste();
    EXPECT_TRUE(std::any_of(liste.begin(), liste.end(),
                            [](const TBrennstoff& b) { return b.Name == "Rapsöl"; }));
}

// A double click on a user's row that was not selected opens the editor of
// the clicked cell at once: the first click selects, the second comes as the
// double click.
TEST_F(ReferenzListen, AFirstDoubleClickOnARowOpensItsCellEditor) {
    TGradtagzahlenDialog d(nullptr, ordner);
    services.Input().Answer("Aachen");
    services.Input().Answer("Zwickau");
    ausfuehren<TGradtagzahlenDialog>(d, [](auto& v) {
        v.ShowWindow(SW_SHOW);
        testsupport::LeftClick(*v.GetDlgItem(TGradtagzahlenDialog::IDC_NEU), {5, 5});
        testsupport::LeftClick(*v.GetDlgItem(TGradtagzahlenDialog::IDC_NEU), {5, 5});
        testsupport::ProcessEvents();
        auto* liste = v.Liste();
        const int aachen = zeileMit(v, "Aachen");
        ASSERT_GE(aachen, 0);
        ASSERT_NE(liste->GetCaret(), aachen);
        liste->EnsureVisible(aachen);
        const auto zelle = liste->GetCellRect(aachen, 1);
        ASSERT_TRUE(zelle);
        const TPoint p{zelle->left + 8, (zelle->top + zelle->bottom) / 2};
        testsupport::LeftClick(*liste, p);
        testsupport::DoubleClick(*liste, p);
        testsupport::ProcessEvents(testsupport::DoubleClickTime() + 100);
        EXPECT_EQ(liste->GetCaret(), aachen);
        EXPECT_TRUE(liste->IsEditing());
        EXPECT_EQ(liste->EditItem(), aachen);
        EXPECT_EQ(liste->EditColumn(), 1);
        v.SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
}

} // namespace
