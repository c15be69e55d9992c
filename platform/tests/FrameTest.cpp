// The decorated MDI frame: command routing, enablers greying menu items and
// tool buttons, hint texts, decorations toggled by their window id, the MDI
// client's window commands.
#include "platform/window/Application.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/ControlBar.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/MDIChild.h"
#include "platform/window/MDIClient.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/SeparatorGadget.h"
#include "platform/window/StatusBar.h"
#include "platform/window/StringTable.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/FrameInput.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

constexpr int CM_OPEN = 1000, CM_SAVE = 1010, CM_VIEW = 2492;

struct Client : TMDIClient {
    Client() {
        Responses().Command(CM_OPEN, [this] { ++opened; });
        Responses().Command(CM_SAVE, [this] { ++saved; });
        Responses().CommandEnable(CM_SAVE, [this](TCommandEnabler& ce) { ce.Enable(projectOpen); });
    }
    int opened = 0, saved = 0;
    bool projectOpen = false;
};

struct App : TApplication {
    App() : TApplication("QTX KORVALIN") {}
    void InitMainWindow() override {
        client = new Client;
        frame = new TDecoratedMDIFrame(GetName(), *client, true);
        frame->AssignMenu({MenuPopup("&Projekt", {MenuItem(CM_OPEN, "&Öffnen..."),
                                                  MenuItem(CM_SAVE, "&Speichern"), MenuSeparator(),
                                                  MenuItem(CM_EXIT, "&Beenden\tAlt+F4")}),
                           MenuPopup("&Window", {MenuItem(CM_CASCADECHILDREN, "&Überlappend"),
                                                 MenuItem(CM_TILECHILDREN, "&Nebeneinander"),
                                                 MenuItem(CM_CLOSECHILDREN, "&Alle schließen")})});
        bar = new TControlBar;
        bar->Attr().Id = IDW_TOOLBAR;
        bar->Insert(new TButtonGadget(CM_OPEN, CM_OPEN));
        bar->Insert(new TSeparatorGadget(6));
        bar->Insert(new TButtonGadget(CM_SAVE, CM_SAVE));
        bar->Insert(new TButtonGadget(CM_VIEW, CM_VIEW));
        frame->Insert(*bar, TDecoratedFrame::Top);
        status = new TStatusBar;
        status->Attr().Id = IDW_STATUSBAR;
        frame->Insert(*status, TDecoratedFrame::Bottom);
        SetMainWindow(frame);
    }
    Client* client = nullptr;
    TDecoratedMDIFrame* frame = nullptr;
    TControlBar* bar = nullptr;
    TStatusBar* status = nullptr;
};

bool buttonEnabled(TGadgetWindow& bar, int id) {
    return dynamic_cast<TButtonGadget*>(bar.GadgetWithId(id))->IsEnabled();
}

TEST(Frame, EnablersGreyMenuItemsAndToolButtonsNobodyServes) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    app.frame->IdleAction();
    auto& menu = *app.frame->GetMenu();
    EXPECT_TRUE(menu.FindCommand(CM_OPEN)->enabled);
    EXPECT_FALSE(menu.FindCommand(CM_SAVE)->enabled);            // its enabler says no
    EXPECT_TRUE(menu.FindCommand(CM_EXIT)->enabled);             // the frame serves it
    EXPECT_FALSE(menu.FindCommand(CM_CASCADECHILDREN)->enabled); // no children yet
    EXPECT_TRUE(buttonEnabled(*app.bar, CM_OPEN));
    EXPECT_FALSE(buttonEnabled(*app.bar, CM_SAVE));
    EXPECT_FALSE(buttonEnabled(*app.bar, CM_VIEW)); // nobody handles it

    app.client->projectOpen = true;
    new TMDIChild(*app.client, "Projekt");
    for (auto* w : app.client->Children()) w->Create();
    app.frame->IdleAction();
    EXPECT_TRUE(menu.FindCommand(CM_SAVE)->enabled);
    EXPECT_TRUE(menu.FindCommand(CM_CASCADECHILDREN)->enabled);
    EXPECT_TRUE(buttonEnabled(*app.bar, CM_SAVE));
}

TEST(Frame, ToolButtonsAndMenuCommandsArePostedAndRouted) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    app.frame->IdleAction();
    EXPECT_TRUE(app.bar->PressButton(CM_OPEN));
    EXPECT_FALSE(app.bar->PressButton(CM_SAVE)); // greyed
    EXPECT_EQ(app.client->opened, 0);            // posted, not yet delivered
    app.frame->PostMessage(WM_COMMAND, CM_OPEN, 0);
    TApplication::PumpWaitingMessages();
    EXPECT_EQ(app.client->opened, 2);
}

TEST(Frame, HintTextsAndDecorationToggles) {
    testsupport::ScriptedServices services;
    SetResourceString(CM_OPEN, "Bestehendes Projekt öffnen");
    App app;
    ASSERT_TRUE(app.Start());
    app.frame->SetHintText(LoadString(CM_OPEN));
    EXPECT_EQ(app.status->GetText(), "Bestehendes Projekt öffnen");
    EXPECT_TRUE(app.frame->IsDecorationVisible(IDW_TOOLBAR));
    app.frame->SendMessage(WM_COMMAND, IDW_TOOLBAR, 0);
    EXPECT_FALSE(app.frame->IsDecorationVisible(IDW_TOOLBAR));
    EXPECT_TRUE(app.frame->IsDecorationVisible(IDW_STATUSBAR));
    app.frame->SendMessage(WM_COMMAND, IDW_TOOLBAR, 0);
    EXPECT_TRUE(app.frame->IsDecorationVisible(IDW_TOOLBAR));
}

TEST(Frame, MenuEditedByCommandId) {
    TMenu menu({MenuPopup("&Projekt", {MenuItem(24338, "Drucker&installation..."), MenuSeparator(),
                                       MenuItem(CM_EXIT, "&Beenden\tAlt+F4")})});
    ASSERT_TRUE(menu.InsertMenu(CM_EXIT, MF_SEPARATOR, 8000));
    ASSERT_TRUE(menu.InsertMenu(8000, MF_STRING, 8001, "&1 haus.pro"));
    auto* sub = menu.GetSubMenu(0);
    ASSERT_EQ(sub->GetMenuItemCount(), 5);
    EXPECT_EQ(sub->GetMenuItemID(2), 8001);
    EXPECT_EQ(menu.GetMenuString(8001), "&1 haus.pro");
    EXPECT_TRUE(menu.DeleteMenu(8000));
    EXPECT_TRUE(menu.DeleteMenu(8001));
    EXPECT_FALSE(menu.DeleteMenu(8001));
    EXPECT_EQ(sub->GetMenuItemCount(), 3);
    EXPECT_EQ(menu.GetMenuItemID(0), -1);
}

TEST(Frame, PopupMenuAsksTheOwnersEnablersAndPostsTheChoice) {
    testsupport::ScriptedServices services;
    TWindow owner(nullptr);
    int copies = 0;
    owner.Responses().Command(12101, [&] { ++copies; });
    owner.Responses().Command(12102, [] {});
    owner.Responses().CommandEnable(12102, [](TCommandEnabler& ce) { ce.Enable(false); });
    ASSERT_TRUE(owner.Create());
    TMenu menu({MenuItem(12101, "Kopieren"), MenuItem(12102, "Löschen")});
    services.PopupMenus().Answer(12101);
    EXPECT_EQ(TrackPopupMenu(menu, {10, 20}, owner), 12101);
    ASSERT_EQ(services.PopupMenus().Calls().size(), 1u);
    EXPECT_EQ(services.PopupMenus().Calls()[0].items,
              (std::vector<std::pair<int, bool>>{{12101, true}, {12102, false}}));
    TApplication::PumpWaitingMessages();
    EXPECT_EQ(copies, 1);
}

TEST(Frame, CloseAllAsksEveryChildFirst) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    struct Child : TMDIChild {
        using TMDIChild::TMDIChild;
        bool CanClose() override { return allow; }
        bool allow = true;
    };
    auto* a = new Child(*app.client, "A");
    auto* b = new Child(*app.client, "B");
    a->Create();
    b->Create();
    b->allow = false;
    EXPECT_FALSE(app.client->CloseChildren());
    EXPECT_EQ(app.client->MDIChildren().size(), 2u);
    b->allow = true;
    app.client->TileChildren(TMDIClient::Horizontal);
    EXPECT_EQ(a->GetWindowRect().Width(), b->GetWindowRect().Width());
    EXPECT_TRUE(app.client->CloseChildren());
    EXPECT_TRUE(app.client->MDIChildren().empty());
    TApplication::PumpWaitingMessages(); // the closed children are deleted
}

// "Beenden" ends the program from whichever child is active, after asking
// every child, as Alt+F4 on the frame does; a child that refuses keeps it open.
TEST(Frame, ExitFromAnActiveChildClosesTheWholeProgram) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    struct Child : TMDIChild {
        using TMDIChild::TMDIChild;
        bool CanClose() override {
            ++asked;
            return allow;
        }
        bool allow = false;
        int asked = 0;
    };
    auto* child = new Child(*app.client, "Projekt");
    child->Create();
    // The frame hands a menu command to its active child first; the child
    // passes "Beenden" on to the program.
    child->SendMessage(WM_COMMAND, CM_EXIT, 0);
    EXPECT_GE(child->asked, 1);
    EXPECT_TRUE(app.frame->IsCreated());
    EXPECT_TRUE(child->IsCreated());

    child->allow = true;
    child->SendMessage(WM_COMMAND, CM_EXIT, 0);
    EXPECT_FALSE(app.frame->IsCreated());
}

} // namespace

namespace {
// Counts its deletions in a counter outside itself.
struct CountedChild : TMDIChild {
    CountedChild(TMDIClient& c, int& deleted) : TMDIChild(c, "Blatt"), deleted_(deleted) {}
    ~CountedChild() override { ++deleted_; }
    int& deleted_;
};
} // namespace

TEST(Frame, AChildCondemnedTwiceIsDeletedOnce) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    int deleted = 0;
    auto* child = new CountedChild(*app.client, deleted);
    ASSERT_TRUE(child->Create());
    app.client->Condemn(child);
    app.client->Condemn(child);
    TApplication::PumpWaitingMessages();
    testsupport::ProcessEvents();
    EXPECT_EQ(deleted, 1);
    EXPECT_TRUE(app.client->MDIChildren().empty());
}

namespace {
// Takes every click and key of its client area for itself, as a data sheet
// does; its client area has no size of its own to wish for.
struct Blatt : TMDIChild {
    using TMDIChild::TMDIChild;
    void EvLButtonDown(uint32_t, TPoint) override { ++clicks; }
    void EvLButtonUp(uint32_t, TPoint) override {}
    void EvLButtonDblClk(uint32_t, TPoint) override { ++clicks; }
    void EvKeyDown(uint32_t key, uint32_t, uint32_t) override {
        if (key != VK_CONTROL && key != VK_SHIFT) ++keys;
    }
    int clicks = 0, keys = 0;
};

std::vector<Blatt*> blaetter(TMDIClient& client, std::initializer_list<const char*> titles) {
    std::vector<Blatt*> result;
    for (const char* t : titles) {
        result.push_back(new Blatt(client, t));
        EXPECT_TRUE(result.back()->Create());
    }
    testsupport::ProcessEvents();
    return result;
}
} // namespace

// The boxes of the title bar are the frame's, not the client area's: they
// work also on a child whose client area takes every click.
TEST(Frame, TheTitleBarBoxesWorkOnAChildThatTakesItsClicks) {
    using testsupport::ClickTitleBarBox;
    using testsupport::TTitleBarBox;
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    auto kinder = blaetter(*app.client, {"A", "B"});
    Blatt& b = *kinder[1];
    ASSERT_TRUE(ClickTitleBarBox(b, TTitleBarBox::Maximize));
    EXPECT_TRUE(b.IsZoomed());
    ASSERT_TRUE(ClickTitleBarBox(b, TTitleBarBox::Restore));
    EXPECT_FALSE(b.IsZoomed());
    ASSERT_TRUE(ClickTitleBarBox(b, TTitleBarBox::Minimize));
    EXPECT_TRUE(b.IsIconic());
    ASSERT_TRUE(ClickTitleBarBox(b, TTitleBarBox::Restore));
    EXPECT_FALSE(b.IsIconic());
    ASSERT_TRUE(ClickTitleBarBox(*kinder[0], TTitleBarBox::Close));
    testsupport::ProcessEvents();
    EXPECT_EQ(app.client->MDIChildren(), std::vector<TMDIChild*>{&b});
    EXPECT_EQ(b.clicks, 0);
    ASSERT_TRUE(ClickTitleBarBox(b, TTitleBarBox::Close));
    testsupport::ProcessEvents();
    EXPECT_TRUE(app.client->MDIChildren().empty());
}

// As on any MDI desktop: Ctrl+F6 goes round the children (with Shift back),
// Ctrl+F4 closes the active one, also when its client area takes the keys.
TEST(Frame, CtrlF6SwitchesAndCtrlF4ClosesTheActiveChild) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    auto kinder = blaetter(*app.client, {"A", "B", "C"});
    kinder[0]->BringWindowToTop();
    auto aktiv = [&] { return app.client->GetActiveMDIChild(); };
    const std::pair<uint32_t, TMDIChild*> schritte[] = {{MK_CONTROL, kinder[1]},
                                                        {MK_CONTROL, kinder[2]},
                                                        {MK_CONTROL, kinder[0]},
                                                        {MK_CONTROL | MK_SHIFT, kinder[2]},
                                                        {MK_CONTROL | MK_SHIFT, kinder[1]}};
    for (const auto& [tasten, erwartet] : schritte) {
        ASSERT_NE(aktiv(), nullptr);
        testsupport::PressKey(*aktiv(), VK_F6, tasten);
        EXPECT_EQ(aktiv(), erwartet);
    }
    testsupport::PressKey(*kinder[1], VK_F4, MK_CONTROL);
    testsupport::ProcessEvents();
    EXPECT_EQ(app.client->MDIChildren(), (std::vector<TMDIChild*>{kinder[0], kinder[2]}));
    EXPECT_EQ(kinder[0]->keys + kinder[2]->keys, 0);
}

// "Überlappend" and "Nebeneinander" from the window menu give each child a
// usable size; the menu lists the children and activates the one chosen.
TEST(Frame, TheWindowMenuArrangesListsAndActivatesTheChildren) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    auto kinder = blaetter(*app.client, {"A", "B", "C&D"});
    const TRect flaeche = app.client->GetClientRect();
    ASSERT_GT(flaeche.Height(), 100);

    ASSERT_TRUE(testsupport::ChooseMenuItem(*app.frame, "&Window", "&Überlappend"));
    testsupport::ProcessEvents();
    for (size_t i = 0; i < kinder.size(); ++i) {
        const TRect r = kinder[i]->GetWindowRect();
        EXPECT_GE(r.Height(), flaeche.Height() / 2) << i;
        EXPECT_GE(r.Width(), flaeche.Width() / 2) << i;
        if (i > 0) {
            EXPECT_GT(r.top, kinder[i - 1]->GetWindowRect().top) << i;
            EXPECT_GT(r.left, kinder[i - 1]->GetWindowRect().left) << i;
        }
    }
    EXPECT_EQ(app.client->GetActiveMDIChild(), kinder[2]);

    ASSERT_TRUE(testsupport::ChooseMenuItem(*app.frame, "&Window", "&Nebeneinander"));
    testsupport::ProcessEvents();
    for (auto* k : kinder) {
        EXPECT_EQ(k->GetWindowRect().Height(), flaeche.Height());
        EXPECT_EQ(k->GetWindowRect().Width(), flaeche.Width() / 3);
    }

    const auto eintraege = testsupport::OpenMenu(*app.frame, "&Window");
    ASSERT_GE(eintraege.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(eintraege.end() - 4, eintraege.end()),
              (std::vector<std::string>{"-", "&1 A", "&2 B", "* &3 C&&D"}));
    ASSERT_TRUE(testsupport::ChooseMenuItem(*app.frame, "&Window", "&1 A"));
    testsupport::ProcessEvents();
    EXPECT_EQ(app.client->GetActiveMDIChild(), kinder[0]);
}

// A child made after its parent is on screen shows at once, as a WS_VISIBLE
// child does on Windows.
TEST(Frame, AChildMadeAfterItsParentIsOnScreenShows) {
    TWindow parent(nullptr);
    auto* early = new TWindow(&parent);
    ASSERT_TRUE(parent.Create());
    parent.ShowWindow(SW_SHOW);
    auto* late = new TWindow(&parent);
    ASSERT_TRUE(late->Create());
    EXPECT_TRUE(early->IsWindowVisible());
    EXPECT_TRUE(late->IsWindowVisible());
}

namespace {

QMdiSubWindow* rahmenVon(TWindow& kind) {
    return qobject_cast<QMdiSubWindow*>(kind.GetImpl().widget.data());
}

// Cascading ends with the last child on top, also when an earlier one was
// the active child. A child's smallest size is for the user's dragging: the
// window commands tile it smaller.
TEST(Frame, CascadeTopsTheLastChildAndTilingGoesBelowTheSmallestSize) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    auto kinder = blaetter(*app.client, {"A", "B", "C"});
    const TSize kleinste{300, 200};
    kinder[0]->SetMinimumSize(kleinste);
    kinder[0]->BringWindowToTop();
    ASSERT_TRUE(testsupport::ChooseMenuItem(*app.frame, "&Window", "&Überlappend"));
    testsupport::ProcessEvents();
    auto* flaeche = qobject_cast<QMdiArea*>(app.client->GetImpl().widget.data());
    const auto stapel = flaeche->subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(stapel.size(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(stapel[i], rahmenVon(*kinder[size_t(i)])) << i;

    ASSERT_TRUE(testsupport::ChooseMenuItem(*app.frame, "&Window", "&Nebeneinander"));
    testsupport::ProcessEvents();
    const int spalte = app.client->GetClientRect().Width() / 3;
    ASSERT_LT(spalte, kleinste.cx);
    for (auto* k : kinder) EXPECT_EQ(k->GetWindowRect().Width(), spalte);
}

} // namespace

namespace {

// A child closed with its box hands the activation to the one active before
// it, not to the child made first.
TEST(Frame, AClosedChildActivatesTheOneActiveBeforeIt) {
    testsupport::ScriptedServices services;
    App app;
    ASSERT_TRUE(app.Start());
    auto kinder = blaetter(*app.client, {"A", "B", "C"});
    for (auto* k : kinder) k->BringWindowToTop();
    testsupport::ProcessEvents();
    ASSERT_EQ(app.client->GetActiveMDIChild(), kinder[2]);
    ASSERT_TRUE(testsupport::ClickTitleBarBox(*kinder[2], testsupport::TTitleBarBox::Close));
    testsupport::ProcessEvents();
    EXPECT_EQ(app.client->GetActiveMDIChild(), kinder[1]);
}

} // namespace
