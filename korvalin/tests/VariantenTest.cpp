// The variants manager: choosing, copying, deleting and renaming variants
// with their data-sheet files, checked by listing the project's folder.
#include "ProjektDialogFixture.h"

#include "korvalin/projekt/TVariantenManagerDialog.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Control.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TProjekt.h"
#include "testsupport/UserInput.h"

#include <algorithm>

namespace projekttest {
namespace {

using V = TVariantenManagerDialog;
namespace fs = std::filesystem;

struct Varianten : ProjektDialogTest {
    fs::path ordner = dirs.Root() / "projekte";
    TGesamtProjekt* g = nullptr;

    void anlegen(int anzahl) {
        fs::create_directories(ordner);
        auto gp = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
        for (int i = 0; i < anzahl; ++i) {
            auto p = std::make_unique<TProjekt>();
            p->Nummer = int16_t(i);
            p->Name = "Variante " + std::to_string(i);
            gp->ProjektHinzufuegen(std::move(p));
        }
        gp->PfadSetzen(ordner / "haus.pro");
        g = gp.get();
        ProjektSetzen(std::move(gp));
        Zeigen();
    }
    // The data-sheet files of variant v hold "v" and the ending.
    void begleitdateien(int v) {
        for (const char* e : {".pb", ".fb", ".eb"})
            testsupport::WriteText(ordner / ("haus" + std::string(e) + std::to_string(v)),
                                   std::to_string(v) + e);
    }
    std::vector<std::string> ordnerListe() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner))
            namen.push_back(e.path().filename().string() + "=" + testsupport::ReadText(e.path()));
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    void manager(std::function<void(V&)> script) {
        services.Dialogs().Expect([script](TDialog& d) { script(dynamic_cast<V&>(d)); });
        EXPECT_TRUE(dialog->EvCommand(CM_VARIANTE, 0, 0));
    }
    static void druecken(V& v, int id) { v.SendMessage(WM_COMMAND, WPARAM(id), 0); }
    std::vector<std::string> namen() const {
        std::vector<std::string> n;
        for (const TProjekt& p : g->Projekte) n.push_back(std::to_string(p.Nummer) + " " + p.Name);
        return n;
    }
};

TEST_F(Varianten, KopierenUndLoeschenNehmenDieDatenblattDateienMit) {
    anlegen(2);
    begleitdateien(0);
    begleitdateien(1);
    services.Messages().Answer(IDYES);
    manager([this](V& v) {
        EXPECT_EQ(v.Liste()->GetCount(), 2);
        EXPECT_TRUE(v.GetDlgItem(V::IDC_LOESCHEN)->IsWindowEnabled());
        // Copy variant 1: its files become those of variant 2.
        v.Liste()->ClickCell(1, 0);
        EXPECT_EQ(g->AktuellesProjekt->Nummer, 1);
        druecken(v, V::IDC_KOPIEREN);
        EXPECT_EQ(v.Auswahl(), 2);
        EXPECT_EQ(g->AktuellesProjekt->Nummer, 2);
        EXPECT_EQ(ordnerListe(),
                  (std::vector<std::string>{"haus.eb0=0.eb", "haus.eb1=1.eb", "haus.eb2=1.eb",
                                            "haus.fb0=0.fb", "haus.fb1=1.fb", "haus.fb2=1.fb",
                                            "haus.pb0=0.pb", "haus.pb1=1.pb", "haus.pb2=1.pb"}));
        // Delete variant 0: the files of 1 and 2 move down one number.
        v.Liste()->ClickCell(0, 0);
        druecken(v, V::IDC_LOESCHEN);
        EXPECT_EQ(v.Auswahl(), 0);
        EXPECT_EQ(ordnerListe(),
                  (std::vector<std::string>{"haus.eb0=1.eb", "haus.eb1=1.eb", "haus.fb0=1.fb",
                                            "haus.fb1=1.fb", "haus.pb0=1.pb", "haus.pb1=1.pb"}));
        druecken(v, IDOK);
    });
    EXPECT_EQ(services.Messages().Calls().at(0).text,
              "Variante 0 löschen? Alle Daten der Variante gehen verloren.");
    EXPECT_EQ(namen(), (std::vector<std::string>{"0 Variante 1", "1 Variante 2"}));
    EXPECT_EQ(g->AktuellesProjekt->Nummer, 0);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
}

TEST_F(Varianten, DieZehnteKopieWirdAbgelehnt) {
    anlegen(9);
    begleitdateien(3);
    services.Messages().Answer(IDOK);
    manager([this](V& v) {
        v.Liste()->ClickCell(3, 0);
        druecken(v, V::IDC_KOPIEREN);
        EXPECT_EQ(v.Liste()->GetCount(), 10);
        EXPECT_EQ(v.Auswahl(), 9);
        const auto vorher = ordnerListe();
        EXPECT_EQ(vorher.size(), 6u);
        druecken(v, V::IDC_KOPIEREN);
        EXPECT_EQ(v.Liste()->GetCount(), 10);
        EXPECT_EQ(ordnerListe(), vorher);
        druecken(v, IDOK);
    });
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Variante kopieren");
    EXPECT_EQ(g->Projekte.GetItemsInContainer(), 10u);
}

TEST_F(Varianten, LetzteVarianteNichtLoeschbarUndAbsagenAendernNichts) {
    anlegen(1);
    services.Messages().Answer(IDNO);
    manager([this](V& v) {
        EXPECT_FALSE(v.GetDlgItem(V::IDC_LOESCHEN)->IsWindowEnabled());
        druecken(v, V::IDC_KOPIEREN);
        druecken(v, V::IDC_LOESCHEN); // "Nein"
        EXPECT_EQ(g->Projekte.GetItemsInContainer(), 2u);
        druecken(v, IDOK);
    });
    EXPECT_EQ(services.Messages().Calls().at(0).caption, "Variante löschen");
}

TEST_F(Varianten, UmbenennenUndKommentar) {
    anlegen(2);
    services.Messages().Answer(IDOK);
    manager([this](V& v) {
        TSftTree* l = v.Liste();
        l->OpenEditor(0, 0);
        l->SetEditorText("");
        l->EditorEnter();
        EXPECT_TRUE(l->IsEditing());
        l->SetEditorText(std::string(40, 'N'));
        druecken(v, IDOK); // Enter in the editor ends the rename only
        EXPECT_FALSE(v.Ended());
        EXPECT_FALSE(l->IsEditing());
        EXPECT_EQ(l->GetCellText(0, 0), std::string(29, 'N'));
        // Comments stay with their variants; pieces of 127 characters.
        v.Kommentar()->Type(std::string(130, 'k') + "\nzwei");
        l->ClickCell(1, 0);
        EXPECT_EQ(v.Kommentar()->GetText(), "");
        l->ClickCell(0, 0);
        EXPECT_EQ(v.Kommentar()->GetText(), std::string(130, 'k') + "\r\nzwei");
        druecken(v, IDOK);
    });
    EXPECT_EQ(services.Messages().Calls().at(0).text, "Geben Sie einen Variantennamen ein!");
    EXPECT_EQ(services.Messages().Calls().at(0).caption, "Eingabe Prüfung");
    const TProjekt& p = g->Projekte[0];
    EXPECT_EQ(p.Name, std::string(29, 'N'));
    ASSERT_EQ(p.Textliste2.GetItemsInContainer(), 2u);
    EXPECT_EQ(p.Textliste2[0].Text, std::string(127, 'k'));
    EXPECT_TRUE(g->Projekte[1].Textliste2.IsEmpty());
}

TEST_F(Varianten, UnberuehrterKommentarAendertNichts) {
    anlegen(2);
    manager([](V& v) {
        v.Liste()->ClickCell(1, 0);
        v.Liste()->ClickCell(0, 0);
        druecken(v, IDOK);
    });
    EXPECT_FALSE(Korpus().ProjektGeaendert);
    EXPECT_EQ(g->AktuellesProjekt->Nummer, 0);
}

// Choosing a variant takes effect at once and the dialog has only OK, as
// copying and deleting cannot be taken back; Escape ends it as OK does and
// keeps the comment typed.
TEST_F(Varianten, EscapeBehaeltDenGetipptenKommentar) {
    anlegen(2);
    manager([](V& v) {
        v.ShowWindow(SW_SHOW);
        testsupport::ProcessEvents();
        EXPECT_EQ(v.GetDlgItem(IDCANCEL), nullptr);
        const auto zelle = v.Liste()->GetCellRect(1, 0);
        ASSERT_TRUE(zelle.has_value());
        testsupport::LeftClick(*v.Liste(), {zelle->left + 10, (zelle->top + zelle->bottom) / 2});
        v.Kommentar()->SetFocus();
        testsupport::TypeText(*v.Kommentar(), "gedämmt");
        testsupport::PressKey(*v.Kommentar(), VK_ESCAPE);
        EXPECT_TRUE(v.Ended());
    });
    EXPECT_EQ(g->AktuellesProjekt->Nummer, 1);
    ASSERT_EQ(g->Projekte[1].Textliste2.GetItemsInContainer(), 1u);
    EXPECT_EQ(g->Projekte[1].Textliste2[0].Text, "gedämmt");
    EXPECT_TRUE(Korpus().ProjektGeaendert);
}

} // namespace
} // namespace projekttest
