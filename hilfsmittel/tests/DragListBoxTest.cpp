// Drag-and-drop list boxes: reordering by dragging, copying with Ctrl, the
// layer list whose surfaces stay put, and dragging from one list onto another.
#include "hilfsmittel/BaustoffMoveListBox.h"
#include "hilfsmittel/DragDialog.h"
#include "hilfsmittel/ListBoxMessages.h"
#include "hilfsmittel/MoveListBox.h"
#include "hilfsmittel/NotifyListBox.h"
#include "platform/window/Application.h"
#include "platform/window/Cursor.h"
#include "platform/window/ResponseTable.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

namespace {

LPARAM punkt(int x, int y) {
    return MAKELPARAM(uint16_t(x), uint16_t(y));
}

// The parent records the lists' messages as "message wParam old/row".
struct Eltern : TWindow {
    Eltern() : TWindow(nullptr, "Schichten") {
        Attr().W = 220;
        Attr().H = 320;
        for (uint32_t m : {uint32_t(WM_LISTE_VERSCHOBEN), uint32_t(WM_LISTE_AUSWAHL)})
            Responses().Message(m, [this, m](WPARAM wp, LPARAM lp) {
                nachrichten.push_back(std::to_string(m) + " " + std::to_string(wp) + " " +
                                      std::to_string(LOWORD(uint32_t(lp))) + "/" +
                                      std::to_string(HIWORD(uint32_t(lp))));
                return 0;
            });
    }
    std::vector<std::string> nachrichten;
};

template <class Liste>
struct Listen : ::testing::Test {
    testsupport::ScriptedServices services;
    Eltern eltern;
    Liste* liste = new Liste(&eltern, 101, 0, true);
    int h = 16;
    void SetUp() override {
        liste->Attr() = {0, 0, 200, 300, 101};
        ASSERT_TRUE(eltern.Create());
        for (const char* s : {"Putz", "Mauerwerk", "Dämmung", "Luftschicht", "Verblender"})
            liste->AddString(s);
        eltern.ShowWindow(SW_SHOWNORMAL);
        TApplication::PumpWaitingMessages();
        h = liste->GetItemHeight();
    }
    // Presses row `von`, drags to the line above row `vor`, releases.
    void ziehen(int von, int vor, uint32_t tasten = 0) {
        liste->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | tasten, punkt(5, von * h + h / 2));
        liste->SendMessage(WM_MOUSEMOVE, MK_LBUTTON | tasten, punkt(5, vor * h + 1));
        liste->SendMessage(WM_LBUTTONUP, 0, punkt(5, vor * h + 1));
        TApplication::PumpWaitingMessages();
    }
    std::vector<std::string> eintraege() const {
        std::vector<std::string> e;
        for (int i = 0; i < liste->GetCount(); ++i) e.push_back(liste->GetString(i));
        return e;
    }
};

using MoveListe = Listen<TMoveListBox>;
using BaustoffListe = Listen<TBaustoffMoveListBox>;

TEST_F(MoveListe, DraggingMovesTheEntryToTheDropLine) {
    ziehen(1, 4);
    EXPECT_EQ(eintraege(), (std::vector<std::string>{"Putz", "Dämmung", "Luftschicht", "Mauerwerk",
                                                     "Verblender"}));
    EXPECT_EQ(liste->GetSelIndex(), 3);
    EXPECT_EQ(liste->DropLine(), -1);
    // The selection changed (0x0902), then the move was posted (0x0900).
    EXPECT_EQ(eltern.nachrichten, (std::vector<std::string>{"2306 0 0/0", "2304 1 1/4"}));
    ziehen(4, 0); // upwards, to the top
    EXPECT_EQ(eintraege(), (std::vector<std::string>{"Verblender", "Putz", "Dämmung", "Luftschicht",
                                                     "Mauerwerk"}));
}

TEST_F(MoveListe, DroppingDirectlyBelowItselfChangesNothing) {
    ziehen(1, 2);
    EXPECT_EQ(eintraege(), (std::vector<std::string>{"Putz", "Mauerwerk", "Dämmung", "Luftschicht",
                                                     "Verblender"}));
    EXPECT_EQ(eltern.nachrichten, std::vector<std::string>{"2306 0 0/0"}); // only the selection
}

TEST_F(MoveListe, CtrlCopiesAndLeavesTheEntryInPlace) {
    ziehen(0, 3, MK_CONTROL);
    EXPECT_EQ(eintraege(), (std::vector<std::string>{"Putz", "Mauerwerk", "Dämmung", "Putz",
                                                     "Luftschicht", "Verblender"}));
    EXPECT_EQ(eltern.nachrichten.back(), "2304 2 0/3");
}

TEST_F(MoveListe, AClickOnAnEmptyListDoesNothing) {
    liste->ClearList();
    liste->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, punkt(5, 5));
    liste->SendMessage(WM_LBUTTONUP, 0, punkt(5, 5));
    TApplication::PumpWaitingMessages();
    EXPECT_FALSE(liste->HasCapture());
    EXPECT_TRUE(eltern.nachrichten.empty());
}

TEST_F(MoveListe, CancelModeEndsTheDragWithoutMoving) {
    liste->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, punkt(5, h / 2));
    liste->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, punkt(5, 3 * h + 1));
    EXPECT_TRUE(liste->IsDragging());
    EXPECT_EQ(liste->DropLine(), 3 * h);
    liste->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(liste->IsDragging());
    EXPECT_EQ(eintraege()[0], "Putz");
}

TEST_F(BaustoffListe, TheSurfacesStayWhereTheyAre) {
    ziehen(0, 3); // the first entry is selected, not dragged
    ziehen(4, 2); // nor the last
    EXPECT_EQ(eintraege(), (std::vector<std::string>{"Putz", "Mauerwerk", "Dämmung", "Luftschicht",
                                                     "Verblender"}));
    ziehen(2, 0); // above the first: nothing
    ziehen(2, 5); // below the last: nothing
    EXPECT_EQ(eintraege()[2], "Dämmung");
    ziehen(1, 4);
    EXPECT_EQ(eintraege(), (std::vector<std::string>{"Putz", "Dämmung", "Luftschicht", "Mauerwerk",
                                                     "Verblender"}));
    EXPECT_EQ(eltern.nachrichten.back(), "2304 1 1/4"); // sent, with the row before adjusting
}

TEST_F(BaustoffListe, DroppingDirectlyAboveItselfChangesNothing) {
    ziehen(2, 2);
    liste->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, punkt(5, 2 * h + h / 2));
    liste->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, punkt(5, 4 * h + 1));
    liste->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, punkt(5, 2 * h + 1));
    liste->SendMessage(WM_LBUTTONUP, 0, punkt(5, 2 * h + 1));
    EXPECT_EQ(eintraege()[2], "Dämmung");
    for (const auto& n : eltern.nachrichten) EXPECT_NE(n.substr(0, 4), "2304");
}

TEST(DragDialog, AnEntryDraggedOntoTheTargetIsReportedToTheDialog) {
    testsupport::ScriptedServices services;
    TCursor aussen(TCursor::NoDrop), ueber(TCursor::DragCopy), sonst(TCursor::NoDrop);
    const TDialogResource res{"Auswahl",
                              {300, 180},
                              {{TControlKind::ListBox, 101, "", {5, 5, 140, 170}},
                               {TControlKind::ListBox, 102, "", {155, 5, 295, 170}}}};
    struct Dialog : TDragDialog {
        using TDragDialog::TDragDialog;
        std::vector<std::pair<WPARAM, LPARAM>> abgelegt;
    } dlg(nullptr, res, &aussen, &ueber, &sonst);
    dlg.Responses().Message(WM_LISTE_ABGELEGT, [&](WPARAM wp, LPARAM lp) {
        dlg.abgelegt.push_back({wp, lp});
        return 0;
    });
    dlg.Quelle = new TNotifyListBox(&dlg, 101);
    dlg.Ziel = new TNotifyListBox(&dlg, 102);
    ASSERT_TRUE(dlg.Create());
    for (const char* s : {"Beton", "Ziegel"}) dlg.Quelle->AddString(s);
    for (const char* s : {"Innen", "Kern", "Aussen"}) dlg.Ziel->AddString(s);
    dlg.ShowWindow(SW_SHOWNORMAL);
    TApplication::PumpWaitingMessages();
    dlg.Quelle->SetSelIndex(1);
    dlg.Ziel->SetSelIndex(0);
    const int h = dlg.Quelle->GetItemHeight();
    auto imDialog = [&](TNotifyListBox* l, int x, int y) {
        const TPoint p = dlg.ScreenToClient(l->ClientToScreen({x, y}));
        return punkt(p.x, p.y);
    };
    dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, imDialog(dlg.Quelle, 5, h + h / 2));
    EXPECT_TRUE(dlg.IsDragging());
    dlg.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, imDialog(dlg.Ziel, 5, 2 * h + h / 2));
    EXPECT_EQ(dlg.Ziel->GetSelIndex(), 2); // the row under the pointer
    dlg.SendMessage(WM_LBUTTONUP, 0, imDialog(dlg.Ziel, 5, 2 * h + h / 2));
    TApplication::PumpWaitingMessages();
    ASSERT_EQ(dlg.abgelegt.size(), 1u);
    EXPECT_EQ(dlg.abgelegt[0].first, 1u);
    EXPECT_EQ(dlg.abgelegt[0].second, MAKELPARAM(1, 2));
    // Released elsewhere: the target's selection comes back.
    dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, imDialog(dlg.Quelle, 5, h / 2));
    dlg.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, imDialog(dlg.Ziel, 5, h / 2));
    dlg.SendMessage(WM_LBUTTONUP, 0, imDialog(dlg.Quelle, 5, h / 2));
    TApplication::PumpWaitingMessages();
    EXPECT_EQ(dlg.abgelegt.size(), 1u);
    EXPECT_EQ(dlg.Ziel->GetSelIndex(), 2);
}

} // namespace
