// The project dialog's trees under real mouse and key input: context menus,
// renaming in place with F2 and clicks, drag and drop within and between the
// trees, the expand state, and a picture of the dialog after edits.
#include "ProjektBearbeitenFixture.h"

#include "platform/services/MessageBox.h"
#include "testsupport/UserInput.h"

namespace projekttest {
namespace {

// Real mouse and key input on the shown dialog.
struct HausVonHand : HausTest {
    void SetUp() override {
        HausTest::SetUp();
        for (int zeile : {kNord, kWand1, kSued}) huelle()->Expand(zeile, true);
        referenz()->Expand(kAussenwand, true);
        referenz()->Expand(kDachGruppe, true);
        referenz()->Expand(kFenster, true);
        dialog->ShowWindow(SW_SHOW);
        testsupport::ProcessEvents();
    }
    static TPoint mitte(TSftTree* baum, int zeile, int spalte = 0) {
        const auto r = baum->GetCellRect(zeile, spalte);
        EXPECT_TRUE(r.has_value()) << zeile;
        return r ? TPoint{r->left + r->Width() / 2, (r->top + r->bottom) / 2} : TPoint{};
    }
};

TEST_F(HausVonHand, RechtsklickMenueLoeschtDasElement) {
    services.PopupMenus().Answer(12103);
    services.Messages().Answer(IDOK);
    testsupport::RightClick(*huelle(), mitte(huelle(), kWand2));
    testsupport::ProcessEvents(); // the chosen command was posted
    Verknuepft();
    EXPECT_EQ(Huelle().size(), 4u);
    EXPECT_EQ(p->PBauteilNr(3), nullptr);
    EXPECT_EQ(services.Messages().Calls().at(0).caption, "Projekt-Bauteil löschen");
}

TEST_F(HausVonHand, F2BenenntUmUndLeererNameWirdAbgelehnt) {
    testsupport::LeftClick(*referenz(), mitte(referenz(), kWand));
    testsupport::PressKey(*referenz(), VK_F2);
    ASSERT_TRUE(referenz()->IsEditing());
    EXPECT_EQ(dialog->GetDefaultButton(), TProjektDialog::IDC_EDIT_INPLACE);
    auto& editor = *referenz()->GetEditor();
    referenz()->SetEditorText("");
    services.Messages().Answer(IDOK);
    testsupport::PressKey(editor, VK_RETURN);
    ASSERT_TRUE(referenz()->IsEditing()); // refused: the edit stays
    EXPECT_EQ(services.Messages().Calls().at(0).caption, "Namen ändern");
    testsupport::TypeText(editor, "Aussenwand mit Waermedaemmverbundsystem");
    testsupport::PressKey(editor, VK_RETURN);
    EXPECT_FALSE(referenz()->IsEditing());
    EXPECT_EQ(p->RBauteile[0].Name, "Aussenwand mit Waermedaemmver"); // 29 characters
    EXPECT_EQ(editoren->umbenannt, std::vector<std::string>{"Aussenwand mit Waermedaemmver"});
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_TRUE(dialog->IsCreated()); // Enter did not close the dialog

    // A heading is not renamed; a short name may be emptied.
    testsupport::LeftClick(*referenz(), mitte(referenz(), kFenster));
    testsupport::PressKey(*referenz(), VK_F2);
    EXPECT_FALSE(referenz()->IsEditing());
    p->PBauteilNr(3)->Zusatztext = "S";
    for (TFassade& f : p->Fassaden) f.Merker7 = 1;
    dialog->FassadenBaumAufbauen();
    testsupport::LeftClick(*huelle(), mitte(huelle(), kWand2));
    testsupport::LeftClick(*huelle(), mitte(huelle(), kWand2, 1));
    testsupport::ProcessEvents(testsupport::DoubleClickTime() + 50);
    ASSERT_TRUE(huelle()->IsEditing());
    EXPECT_EQ(huelle()->EditColumn(), 1);
    huelle()->SetEditorText("");
    testsupport::PressKey(*huelle()->GetEditor(), VK_RETURN);
    EXPECT_FALSE(huelle()->IsEditing());
    EXPECT_EQ(p->PBauteilNr(3)->Zusatztext, "");
}

TEST_F(HausVonHand, ZiehenVomReferenzbaumAufDieHuelle) {
    testsupport::LeftClick(*referenz(), mitte(referenz(), kDach));
    services.Messages().Answer(IDOK);
    testsupport::DragTo(*referenz(), mitte(referenz(), kDach), *huelle(), mitte(huelle(), kSued));
    EXPECT_EQ(services.Messages().Calls().at(0).text, "Einfügen von \"Dach\" in \"Süd\"!");
    EXPECT_EQ(Huelle().back(), "  Dach: 1 |  | Dach/Decke | 0,00");
    EXPECT_EQ(huelle()->GetDropHighlight(), -1);
    // With Ctrl onto a placed wall: the wall takes the dragged type.
    services.Messages().Answer(IDOK);
    testsupport::DragTo(*referenz(), mitte(referenz(), kDach), *huelle(), mitte(huelle(), kWand2),
                        MK_CONTROL);
    EXPECT_EQ(services.Messages().Calls().at(1).caption, "Bauteil neu zuordnen");
    EXPECT_EQ(p->PBauteilNr(3)->RBauteil->Name, "Dach");
    Verknuepft();
}

TEST_F(HausVonHand, ZiehenInDerHuelle) {
    // The wall with its window onto another wall: refused before any question.
    testsupport::LeftClick(*huelle(), mitte(huelle(), kWand1));
    services.Messages().Answer(IDOK);
    testsupport::DragTo(*huelle(), mitte(huelle(), kWand1), *huelle(), mitte(huelle(), kWand2));
    EXPECT_EQ(services.Messages().Calls().at(0).text,
              "Aktion nicht möglich!\n\"Wand: 1\" mit Unter-Bauteilen kann nur einer Hüllfläche "
              "direkt zugeordnet werden!");
    // Onto its own facade: refused.
    services.Messages().Answer(IDOK);
    testsupport::DragTo(*huelle(), mitte(huelle(), kWand1), *huelle(), mitte(huelle(), kNord));
    EXPECT_EQ(services.Messages().Calls().at(1).caption, "Bauteil verschieben");
    EXPECT_EQ(services.Messages().Calls().at(1).text.rfind("Verschieben nicht möglich!\n", 0), 0u);
    // The window out of its wall into the other wall.
    testsupport::LeftClick(*huelle(), mitte(huelle(), kF1));
    services.Messages().Answer(IDOK);
    testsupport::DragTo(*huelle(), mitte(huelle(), kF1), *huelle(), mitte(huelle(), kWand2));
    EXPECT_EQ(services.Messages().Calls().at(2).text,
              "Verschieben von \"F1: 1\" nach \"Wand: 2\"!");
    EXPECT_EQ(p->PFensterNr(1)->Traeger, TProjekt::Referenz(*p->PBauteilNr(3)));
    Verknuepft();
    // A facade dragged onto the other one with Ctrl: a copy in its place, no question.
    testsupport::LeftClick(*huelle(), mitte(huelle(), kNord));
    const int sued = dialog->HuellZeileSuchen(1, TProjektDialog::Fassade);
    testsupport::DragTo(*huelle(), mitte(huelle(), kNord), *huelle(), mitte(huelle(), sued),
                        MK_CONTROL);
    EXPECT_EQ(services.Messages().Calls().size(), 3u);
    EXPECT_EQ(p->Fassaden.GetItemsInContainer(), 3u);
    EXPECT_EQ(Huelle()[0], "Nord |  | Fassade | 0,00");
    Verknuepft();
}

TEST_F(HausVonHand, AufklappenWirdGespeichertMitStrgAlleEbenen) {
    huelle()->Expand(kNord, false);
    dialog->AlleZuklappen();
    ASSERT_EQ(p->Fassaden[0].Merker7, 0);
    // The expand sign left of the facade's text, with Ctrl: every level opens.
    const auto r = huelle()->GetCellRect(kNord, 0);
    ASSERT_TRUE(r.has_value());
    testsupport::LeftClick(*huelle(), {r->left + 4, (r->top + r->bottom) / 2}, MK_CONTROL);
    EXPECT_EQ(p->Fassaden[0].Merker7, 1);
    EXPECT_EQ(p->PBauteilNr(2)->Merker6, 1);
    dialog->FassadenBaumAufbauen();
    EXPECT_TRUE(huelle()->IsExpanded(kNord));
    EXPECT_TRUE(huelle()->IsExpanded(kWand1));
    // Collapsing the facade closes its items too.
    testsupport::LeftClick(*huelle(), {r->left + 4, (r->top + r->bottom) / 2});
    EXPECT_EQ(p->Fassaden[0].Merker7, 0);
    EXPECT_EQ(p->PBauteilNr(2)->Merker6, 0);
    // A type heading keeps its state in the variant.
    testsupport::LeftClick(*referenz(), mitte(referenz(), kAussenwand));
    testsupport::PressKey(*referenz(), VK_LEFT);
    EXPECT_FALSE(referenz()->IsExpanded(kAussenwand));
    EXPECT_EQ(p->Projekteinstellungen[0], 0);
    testsupport::PressKey(*referenz(), VK_RIGHT);
    EXPECT_EQ(p->Projekteinstellungen[0], 1);
}

TEST_F(HausVonHand, Bildschirmfoto) {
    huelle()->ClickCell(kWand1, 0);
    referenz()->ClickCell(kDach, 0);
    services.Messages().Answer(IDOK);
    Befehl(117);
    services.Input().Answer("Nord 2");
    huelle()->ClickCell(kNord, 0);
    Befehl(118);
    dialog->AlleAufklappen();
    testsupport::ProcessEvents();
    const auto bild = std::filesystem::path(KORVALIN_DATEN_DIR).parent_path() / "projektdialog.png";
    EXPECT_TRUE(testsupport::SaveWindowPicture(*dialog, bild.string().c_str()));
}

} // namespace
} // namespace projekttest
