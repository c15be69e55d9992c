// The project dialog's trees under real mouse and key input.
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

} // namespace
} // namespace projekttest
