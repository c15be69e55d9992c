// Selection, buttons, marking, context menus, Enter and the layout of the
// project dialog on the example house.
#include "ProjektDialogFixture.h"

#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "stammwerk/modell/TProjekt.h"
#include "testsupport/UserInput.h"

namespace projekttest {
namespace {

constexpr TColor kMarkiert(0x808000); // COLORREF
// Rows of the example house: the north facade, its wall with the first of its
// two windows; the wall's type and the heading of the window types.
constexpr int kFassadeNord = 2, kWandNord = 3, kFensterNord1 = 4, kReferenzWandNord = 1,
              kFensterUeberschrift = 11;

struct Beispiel : ProjektDialogTest {
    void SetUp() override {
        Oeffnen();
        Zeigen();
    }
    bool an(int id) { return dialog->GetDlgItem(id)->IsWindowEnabled(); }
    TSftTree* huelle() { return dialog->HuellBaum(); }
    TSftTree* referenz() { return dialog->BauteilBaum(); }
};

TEST_F(Beispiel, AuswahlSetztObjekteUndKnoepfe) {
    // Set-up selects the first row of each tree: a facade and a heading.
    EXPECT_NE(dialog->AuswahlFassade, nullptr);
    EXPECT_EQ(dialog->AuswahlGruppe, 0);
    EXPECT_TRUE(an(109));  // a heading may be deleted
    EXPECT_FALSE(an(104)); // but not copied
    EXPECT_FALSE(an(108));
    EXPECT_FALSE(an(114));
    EXPECT_TRUE(an(118));
    EXPECT_TRUE(an(106));

    referenz()->ClickCell(kReferenzWandNord, 0);
    EXPECT_EQ(dialog->AuswahlGruppe, -1);
    ASSERT_NE(dialog->AuswahlRBauteil, nullptr);
    EXPECT_EQ(dialog->AuswahlRBauteil->Name, "Außenwand Nord");
    EXPECT_TRUE(an(104));
    EXPECT_TRUE(an(108)); // facade and type: "<" assigns
    EXPECT_FALSE(an(117));

    huelle()->ClickCell(kWandNord, 0);
    ASSERT_NE(dialog->AuswahlPBauteil, nullptr);
    EXPECT_EQ(dialog->AuswahlFassade, nullptr);
    EXPECT_TRUE(an(114));
    EXPECT_TRUE(an(117));

    huelle()->ClickCell(kFensterNord1, 0);
    ASSERT_NE(dialog->AuswahlPFenster, nullptr);
    EXPECT_EQ(dialog->AuswahlPFenster->Name, "Fenster Nord 1");
    referenz()->ClickCell(kFensterUeberschrift, 0);
    EXPECT_EQ(dialog->AuswahlGruppe, 7);
    EXPECT_FALSE(an(117));
    EXPECT_TRUE(an(109));
}

TEST_F(Beispiel, BewegenBleibtBeiAktivemReferenzbaum) {
    huelle()->ClickCell(kWandNord, 0);
    referenz()->FocusGained();
    EXPECT_FALSE(dialog->HuellBaumAktiv);
    huelle()->ClickCell(0, 0); // the facade: no placed item, but the tree is not active
    EXPECT_TRUE(an(114));
    huelle()->FocusGained();
    EXPECT_FALSE(an(114));
}

TEST_F(Beispiel, FokusWechseltAuswahlfarben) {
    EXPECT_EQ(huelle()->GetSelectionColors()->background, TColor(0x800000));
    EXPECT_EQ(referenz()->GetSelectionColors()->background, TColor(0xC0C0C0));
    referenz()->FocusGained();
    EXPECT_EQ(huelle()->GetSelectionColors()->background, TColor(0xC0C0C0));
    EXPECT_EQ(huelle()->GetSelectionColors()->text, TColor(0x000000));
    EXPECT_EQ(referenz()->GetSelectionColors()->background, TColor(0x800000));
    EXPECT_EQ(referenz()->GetSelectionColors()->text, TColor(0xFFFFFF));
}

TEST_F(Beispiel, MarkierenEinesReferenzbauteils) {
    referenz()->FocusGained();
    referenz()->ClickCell(kReferenzWandNord, 0);
    dialog->Markieren();
    EXPECT_EQ(dialog->HuellMarkierungen, std::vector<int>{kWandNord});
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(huelle()->GetCellColors(kWandNord, s)->background, kMarkiert);
    EXPECT_TRUE(huelle()->IsExpanded(kFassadeNord));
    EXPECT_EQ(huelle()->GetTopItem(), kWandNord);
    // A click into the other tree removes every mark.
    huelle()->FocusGained();
    EXPECT_TRUE(dialog->HuellMarkierungen.empty());
    EXPECT_EQ(huelle()->GetCellColors(kWandNord, 0)->background, TColor::White);
}

TEST_F(Beispiel, MarkierenDerFensterUeberschrift) {
    referenz()->FocusGained();
    referenz()->ClickCell(kFensterUeberschrift, 0);
    static_cast<TButton*>(dialog->GetDlgItem(TProjektDialog::IDC_MARKIEREN))->Click();
    // In the order of the window types: north, south, west, east.
    EXPECT_EQ(dialog->HuellMarkierungen, (std::vector<int>{4, 5, 12, 13, 14, 8, 17}));
}

TEST_F(Beispiel, MarkierenOhneNutzerMeldet) {
    auto& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    auto t = std::make_unique<TRBauteil>();
    t->Name = "Unbenutzt";
    const TRBauteil& neu = p.BauteilNeu(std::move(t));
    dialog->BauteilBaumAufbauen();
    referenz()->FocusGained();
    referenz()->ClickCell(dialog->BauteilZeileSuchen(int16_t(neu.Nummer), 1), 0);
    ASSERT_EQ(dialog->AuswahlRBauteil, &neu);
    services.Messages().Answer(IDOK);
    dialog->Markieren();
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Keine zugehörigen Projekt-Bauteile definiert!");
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Bauteile markieren");
    EXPECT_TRUE(dialog->HuellMarkierungen.empty());
}

TEST_F(Beispiel, MarkierenEinerFassadeZeigtIhreTypen) {
    huelle()->ClickCell(kFassadeNord, 0);
    dialog->Markieren();
    // The north wall's type and the types of the two windows in it.
    EXPECT_EQ(dialog->BauteilMarkierungen, (std::vector<int>{kReferenzWandNord, 12, 13}));
    EXPECT_EQ(referenz()->GetCellColors(13, 0)->background, kMarkiert);
    EXPECT_EQ(referenz()->GetTopItem(), kReferenzWandNord);
}

TEST_F(Beispiel, Kontextmenues) {
    auto& popups = services.PopupMenus();
    popups.Answer(0);
    huelle()->RightClick(0);
    popups.Answer(0);
    huelle()->RightClick(kWandNord);
    popups.Answer(0);
    referenz()->RightClick(kFensterUeberschrift);
    ASSERT_EQ(popups.Calls().size(), 3u);
    auto ids = [&](size_t i) {
        std::vector<int> v;
        for (auto [id, an] : popups.Calls()[i].items) v.push_back(id);
        return v;
    };
    EXPECT_EQ(ids(0), (std::vector<int>{12000, 12001, 12002, 12003, 12004, 12005}));
    EXPECT_EQ(ids(1), (std::vector<int>{12100, 12101, 12102, 12103, 12104, 11844, 11842, 2000, 2010,
                                        12105}));
    EXPECT_EQ(ids(2).size(), 14u);
    // On a heading the commands that need a type are off.
    for (auto [id, an] : popups.Calls()[2].items) {
        const bool typNoetig = id == 12202 || id == 12203 || id == 12205 || id == 12206 ||
                               id == 12207 || id == 12208 || id == 11846 || id == 11843;
        EXPECT_EQ(an, !typNoetig) << id;
    }
    EXPECT_TRUE(popups.Calls()[1].items[5].second); // temperature profile of a component
}

TEST_F(Beispiel, EingabeSchliesstNicht) {
    dialog->SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(dialog->IsCreated());
    // An open editor takes Enter as its commit.
    huelle()->OpenEditor(kWandNord, 0);
    huelle()->SetEditorText("Nordwand");
    dialog->SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(huelle()->IsEditing());
}

TEST_F(Beispiel, AlleAuf_UndZuklappen) {
    dialog->AlleAufklappen();
    EXPECT_TRUE(huelle()->IsExpanded(0));
    EXPECT_EQ(Korpus().AktuellesProjekt->AktuellesProjekt->Fassaden[0].Merker7, 1);
    huelle()->ClickCell(kWandNord, 0);
    dialog->AlleZuklappen();
    EXPECT_FALSE(huelle()->IsExpanded(0));
    EXPECT_EQ(dialog->HuellZeile, kFassadeNord); // the selection moved to its facade

    referenz()->FocusGained();
    referenz()->ClickCell(12, 0); // a window type
    dialog->AlleZuklappen();
    EXPECT_EQ(dialog->BauteilZeile, kFensterUeberschrift);
    for (int g = 0; g < 8; ++g)
        EXPECT_EQ(Korpus().AktuellesProjekt->AktuellesProjekt->Projekteinstellungen[size_t(g)], 0);
    dialog->AlleAufklappen();
    EXPECT_TRUE(referenz()->IsExpanded(0));
    EXPECT_TRUE(referenz()->IsExpanded(kFensterUeberschrift));
}

TEST_F(Beispiel, ZiehenEinerUeberschriftWirdAbgebrochen) {
    referenz()->ClickCell(0, 0);
    referenz()->BeginDrag(false);
    referenz()->DragOver(huelle(), 1, false);
    EXPECT_FALSE(referenz()->GetDragInfo().active);
}

TEST_F(Beispiel, ZiehenEinesTypsZeigtZielUndMauszeiger) {
    referenz()->ClickCell(kReferenzWandNord, 0);
    referenz()->BeginDrag(true);
    referenz()->DragOver(huelle(), 0, true);
    EXPECT_TRUE(referenz()->GetDragInfo().dropAllowed);
    EXPECT_EQ(referenz()->GetDragInfo().cursor, TCursor::DragCopy);
    EXPECT_EQ(huelle()->GetDropHighlight(), 0);
    EXPECT_EQ(dialog->DragZiel, huelle());
    referenz()->DragOver(referenz(), 2, false);
    EXPECT_FALSE(referenz()->GetDragInfo().dropAllowed);
    EXPECT_EQ(referenz()->GetDragInfo().cursor, TCursor::NoDrop);
    EXPECT_EQ(huelle()->GetDropHighlight(), -1);
    referenz()->CancelDrag();
}

TEST_F(Beispiel, ErgebnislisteZeigtBauteilImBaum) {
    auto& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    p.ZusatzErfuellt = 0;
    p.NachweisEinfachverglasung = 0;
    p.PFenster[1].EinfachverglasungErfuellt = 0;
    dialog->ErgebnisseAnzeigen();
    ASSERT_EQ(dialog->ErgebnisSchluessel().size(), 2u);
    auto* liste = dialog->Item<TComboBox>(TProjektDialog::IDC_ERGEBNISLISTE);
    EXPECT_EQ(liste->GetString(1),
              "      bei Fenster \"Fenster Nord 2\" in Hüllfläche \"Fassade Nord\"");
    liste->SetSelIndex(1);
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(TProjektDialog::IDC_ERGEBNISLISTE, CBN_SELCHANGE),
                        LPARAM(liste->GetHandle()));
    EXPECT_EQ(dialog->HuellZeile, kFensterNord1 + 1);
    EXPECT_EQ(dialog->AuswahlPFenster, &p.PFenster[1]);
    EXPECT_EQ(dialog->HuellMarkierungen, std::vector<int>{kFensterNord1 + 1});
    EXPECT_TRUE(huelle()->IsExpanded(kFassadeNord));
    EXPECT_TRUE(huelle()->IsExpanded(kWandNord));
}

TEST_F(Beispiel, LayoutFolgtDerGroesse) {
    const int W = 700, H = 500;
    dialog->EvSize(0, {W, H});
    auto rect = [&](int id) { return dialog->GetDlgItem(id)->Attr(); };
    auto du = [&](TRect r) { return dialog->MapDialogRect(r); };
    const TRect d = du({0, 0, 354, 247}), t120 = du({7, 108, 209, 226}),
                b105 = du({7, 228, 41, 240});
    const int B = H - (d.bottom - b105.top);
    EXPECT_EQ(rect(120).X, t120.left);
    EXPECT_EQ(rect(120).W, 2 * W / 3 - 40);
    EXPECT_EQ(rect(120).H, B - t120.top - 15);
    EXPECT_EQ(rect(121).X, 2 * W / 3 + 10);
    EXPECT_EQ(rect(121).W, W / 3 - 20);
    EXPECT_EQ(rect(105).Y, B);
    const TRect b103 = du({320, 228, 346, 240}), b109 = du({283, 228, 317, 240});
    EXPECT_EQ(rect(103).X, W - b103.Width() - 10);
    EXPECT_EQ(rect(109).X, W - b109.Width() - (b103.Width() + 17));
    const TRect f300 = du({7, 6, 347, 104});
    EXPECT_EQ(rect(300).W, W - f300.left - 10);
    const int X = 2 * W / 3 + t120.left + (50 - t120.left) / 2;
    EXPECT_EQ(rect(515).X, X - 55);
    EXPECT_EQ(rect(511).Y, t120.top + 42);
    EXPECT_EQ(rect(117).X, X - 54);
    EXPECT_EQ(rect(117).W, 28);
}

// The dialog in the project window of its smallest size: A, V and A/V keep
// their frame, right of the texts; no button covers another.
TEST_F(Beispiel, KleinsteGroesseZeigtAlleWerteUndKnoepfe) {
    const int W = 505, H = 365;
    dialog->EvSize(0, {W, H});
    auto rect = [&](int id) {
        const auto a = dialog->GetDlgItem(id)->Attr();
        return TRect{a.X, a.Y, a.X + a.W, a.Y + a.H};
    };
    const TRect rahmen = rect(215);
    EXPECT_EQ(rahmen.Width(), dialog->MapDialogRect({249, 51, 339, 85}).Width());
    EXPECT_LE(rahmen.right, W);
    for (int id : {213, 207, 212, 160, 214, 208}) {
        EXPECT_GE(rect(id).left, rahmen.left) << id;
        EXPECT_LE(rect(id).right, rahmen.right) << id;
        EXPECT_GT(rect(id).Width(), 0) << id;
    }
    for (int id : {211, 203, 206}) EXPECT_LE(rect(id).right, rahmen.left) << id;

    const int knoepfe[] = {105, 114, 118, 106, 107, 104, 109, 103, 515, 511, 512, 108, 117};
    for (int a : knoepfe)
        for (int b : knoepfe) {
            if (a >= b) continue;
            const TRect x = rect(a), y = rect(b);
            const bool getrennt =
                x.right <= y.left || y.right <= x.left || x.bottom <= y.top || y.bottom <= x.top;
            EXPECT_TRUE(getrennt) << a << " covers " << b;
        }
}

// With the mouse and the keyboard, as a user works the trees.
struct BeispielVonHand : Beispiel {
    void SetUp() override {
        Beispiel::SetUp();
        referenz()->Expand(0, true);          // the walls under their heading
        huelle()->Expand(kFassadeNord, true); // the north wall under its facade
    }
    // The middle of a row's first cell, in the tree's client coordinates.
    static TPoint mitte(TSftTree* baum, int zeile) {
        const auto r = baum->GetCellRect(zeile, 0);
        EXPECT_TRUE(r.has_value()) << zeile;
        return r ? TPoint{r->left + r->Width() / 2, (r->top + r->bottom) / 2} : TPoint{};
    }
    std::vector<int> menue(size_t i) {
        std::vector<int> v;
        for (auto [id, an] : services.PopupMenus().Calls().at(i).items) v.push_back(id);
        return v;
    }
};

TEST_F(BeispielVonHand, RechtsklickOeffnetDasMenueDerZeileAnDerMaus) {
    auto& popups = services.PopupMenus();
    const TPoint p = mitte(referenz(), kReferenzWandNord);
    popups.Answer(0);
    testsupport::RightClick(*referenz(), p);
    ASSERT_EQ(popups.Calls().size(), 1u);
    EXPECT_EQ(referenz()->GetSelectedItem(), kReferenzWandNord);
    ASSERT_NE(dialog->AuswahlRBauteil, nullptr);
    EXPECT_EQ(menue(0).front(), 12200); // "Referenzbauteil bearbeiten"
    EXPECT_EQ(popups.Calls()[0].point, referenz()->ClientToScreen(p));

    const TPoint q = mitte(huelle(), kWandNord);
    popups.Answer(0);
    testsupport::RightClick(*huelle(), q);
    ASSERT_EQ(popups.Calls().size(), 2u);
    EXPECT_EQ(menue(1).front(), 12100); // "Projektbauteile bearbeiten"
    EXPECT_EQ(popups.Calls()[1].point, huelle()->ClientToScreen(q));
}

TEST_F(BeispielVonHand, PfeiltastenBewegenDieAuswahlUndDieKnoepfeFolgen) {
    testsupport::LeftClick(*referenz(), mitte(referenz(), 0)); // the heading "Außenwand"
    EXPECT_EQ(dialog->AuswahlGruppe, 0);
    EXPECT_FALSE(an(104));
    testsupport::PressKey(*referenz(), VK_DOWN);
    EXPECT_EQ(referenz()->GetSelectedItem(), kReferenzWandNord);
    ASSERT_NE(dialog->AuswahlRBauteil, nullptr);
    EXPECT_EQ(dialog->AuswahlRBauteil->Name, "Außenwand Nord");
    EXPECT_TRUE(an(104));
    testsupport::PressKey(*referenz(), VK_UP);
    EXPECT_EQ(dialog->AuswahlGruppe, 0);
    EXPECT_FALSE(an(104));
}

TEST_F(BeispielVonHand, GezogeneSpaltenbreitenBleibenUndWerdenGespeichert) {
    const int vorher = huelle()->GetColumnWidth(0);
    testsupport::DragColumnBorder(*huelle(), 0, 30);
    EXPECT_EQ(huelle()->GetColumnWidth(0), vorher + 30);
    dialog->FassadenBaumAufbauen();
    testsupport::ProcessEvents();
    EXPECT_EQ(huelle()->GetColumnWidth(0), vorher + 30);
    ASSERT_TRUE(dialog->CanClose());
    const std::string breiten =
        TProfile("Einstellungen", "korpus.ini").GetString("ProjektWindowSp", "");
    EXPECT_EQ(breiten.substr(0, breiten.find(',')), std::to_string(vorher + 30));
}

} // namespace
} // namespace projekttest
