// The project dialog's trees under real mouse and key input: context menus
// and renaming in place with F2 and clicks.
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

} // namespace
} // namespace projekttest
