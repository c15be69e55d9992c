// Owner-drawn buttons, list box items and combo box items: measured and
// painted through the control's MeasureItem and DrawItem on a TDC, with the
// item's state; real clicks and keys change what the next paint is told.
#include "platform/gdi/DC.h"
#include "platform/window/Button.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ListBox.h"
#include "testsupport/ControlInput.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using testsupport::Grab;

// A parent that records its children's notifications as (id, code).
struct Host : TWindow {
    Host() : TWindow(nullptr) {
        Attr().W = 400;
        Attr().H = 300;
    }
    bool EvCommand(int id, HWND control, int code) override {
        notes.emplace_back(id, code);
        if (onNote) onNote(id, code);
        return true;
    }
    std::vector<std::pair<int, int>> notes;
    std::function<void(int, int)> onNote;
};

// Every item a colour of its own, so that the picture shows who painted where.
TColor colourOf(int item) {
    return TColor(40 * (item + 1), 200 - 30 * item, 90);
}

// What one DrawItem call was told (the DC lives only during the call).
struct Drawn {
    uint32_t type, id;
    int32_t item;
    uint32_t state;
    TRect rect;
    TFont font;
};

template <class Base>
struct Painted : Base {
    using Base::Base;
    void MeasureItem(MEASUREITEMSTRUCT& m) override {
        measured.push_back(m.itemID);
        m.itemHeight = uint32_t(height(m.itemID));
    }
    void ODADrawEntire(DRAWITEMSTRUCT& d) override {
        drawn.push_back({d.CtlType, d.CtlID, d.itemID, d.itemState, d.rcItem, d.dc->GetFont()});
        d.dc->FillRect(d.rcItem, TBrush(colourOf(d.itemID < 0 ? 9 : d.itemID)));
    }
    int height(int item) const { return variable ? 16 + 8 * item : 22; }
    std::vector<Drawn> lastDrawOf(int item) const {
        std::vector<Drawn> r;
        for (const auto& d : drawn)
            if (d.item == item) r.push_back(d);
        return r;
    }
    bool variable = false;
    std::vector<int> measured;
    std::vector<Drawn> drawn;
};

struct ButtonCase : Painted<TButton> {
    ButtonCase(TWindow* parent) : Painted<TButton>(parent, 108, "Muster", 10, 10, 120, 40) {
        SetOwnerDraw(TOwnerDraw::Fixed);
    }
};

TEST(OwnerDraw, ButtonFacePaintedByItsControlWithStateAndFont) {
    testsupport::ScriptedServices services;
    Host host;
    auto* button = new ButtonCase(&host);
    button->SetWindowFont(TFont("MS Sans Serif", -11, 0, 0, 0, FW_BOLD));
    ASSERT_TRUE(host.Create());
    host.ShowWindow(SW_SHOW);

    TBitmap picture = Grab(host);
    ASSERT_FALSE(button->drawn.empty());
    const Drawn first = button->drawn.back();
    EXPECT_EQ(first.type, ODT_BUTTON);
    EXPECT_EQ(first.id, 108u);
    EXPECT_EQ(first.rect, TRect(0, 0, 120, 40));
    EXPECT_EQ(first.state, 0u);
    EXPECT_EQ(first.font, TFont("MS Sans Serif", -11, 0, 0, 0, FW_BOLD));
    EXPECT_EQ(picture.GetPixel(70, 30), colourOf(0)); // the face is the control's drawing

    // Held down by a real press: selected; released: a click for the parent.
    testsupport::MousePress(*button, {60, 20});
    Grab(host);
    EXPECT_EQ(button->drawn.back().state & ODS_SELECTED, uint32_t(ODS_SELECTED));
    testsupport::MouseRelease(*button, {60, 20});
    EXPECT_EQ(host.notes, (std::vector<std::pair<int, int>>{{108, BN_CLICKED}}));

    button->EnableWindow(false);
    Grab(host);
    EXPECT_EQ(button->drawn.back().state, uint32_t(ODS_DISABLED));
}

TEST(OwnerDraw, ButtonsDrawnByTheStyleUnlessOwnerDrawn) {
    testsupport::ScriptedServices services;
    Host host;
    auto* button = new Painted<TButton>(&host, 108, "Muster", 10, 10, 120, 40);
    ASSERT_TRUE(host.Create());
    Grab(host);
    EXPECT_TRUE(button->drawn.empty());
}

struct ListCase : Painted<TListBox> {
    ListCase(TWindow* parent, TOwnerDraw mode) : Painted<TListBox>(parent, 104, 10, 10, 200, 200) {
        SetOwnerDraw(mode);
        variable = mode == TOwnerDraw::Variable;
        for (const char* s : {" Titelseite ", " Header ", " Text "}) AddString(s);
    }
};

TEST(OwnerDraw, ListItemsMeasuredOnceWhenFixedAndPerItemWhenVariable) {
    for (TOwnerDraw mode : {TOwnerDraw::Fixed, TOwnerDraw::Variable}) {
        SCOPED_TRACE(mode == TOwnerDraw::Fixed ? "fixed" : "variable");
        testsupport::ScriptedServices services;
        Host host;
        auto* list = new ListCase(&host, mode);
        ASSERT_TRUE(host.Create());
        host.ShowWindow(SW_SHOW);
        TBitmap picture = Grab(host);

        int top = 0;
        for (int item = 0; item < 3; ++item) {
            SCOPED_TRACE(item);
            const auto draws = list->lastDrawOf(item);
            ASSERT_FALSE(draws.empty());
            const Drawn& d = draws.back();
            EXPECT_EQ(d.type, ODT_LISTBOX);
            EXPECT_EQ(d.id, 104u);
            EXPECT_EQ(d.rect.top, top);
            EXPECT_EQ(d.rect.Height(), list->height(item));
            // The item's own colour inside its rectangle, in window coordinates.
            const TPoint inList = list->ClientToScreen({d.rect.left + 5, d.rect.top + 3});
            const TPoint inHost = host.ScreenToClient(inList);
            EXPECT_EQ(picture.GetPixel(inHost.x, inHost.y), colourOf(item));
            top = d.rect.bottom;
        }
        if (mode == TOwnerDraw::Fixed) {
            EXPECT_EQ(list->measured, std::vector<int>{0});
            EXPECT_EQ(list->GetItemHeight(), 22);
        } else {
            // Each item by its own index (the view may ask again as it lays out).
            EXPECT_EQ(std::set<int>(list->measured.begin(), list->measured.end()),
                      (std::set<int>{0, 1, 2}));
        }
    }
}

TEST(OwnerDraw, ListItemClickedByTheUserIsDrawnSelected) {
    testsupport::ScriptedServices services;
    Host host;
    auto* list = new ListCase(&host, TOwnerDraw::Fixed);
    ASSERT_TRUE(host.Create());
    host.ShowWindow(SW_SHOW);
    Grab(host);
    EXPECT_EQ(list->lastDrawOf(1).back().state & ODS_SELECTED, 0u);

    testsupport::MouseClick(*list, {20, 22 + 5}); // the second item
    EXPECT_EQ(list->GetSelIndex(), 1);
    EXPECT_EQ(host.notes, (std::vector<std::pair<int, int>>{{104, LBN_SELCHANGE}}));
    Grab(host);
    EXPECT_EQ(list->lastDrawOf(1).back().state & ODS_SELECTED, uint32_t(ODS_SELECTED));
    EXPECT_EQ(list->lastDrawOf(0).back().state & ODS_SELECTED, 0u);
}

struct ComboCase : Painted<TComboBox> {
    ComboCase(TWindow* parent) : Painted<TComboBox>(parent, 103) {
        SetOwnerDraw(TOwnerDraw::Fixed);
        Attr().X = 10;
        Attr().Y = 10;
        Attr().W = 160;
        Attr().H = 26;
    }
};

TEST(OwnerDraw, ComboSelectionFieldDrawnAsTheSelectedItem) {
    testsupport::ScriptedServices services;
    Host host;
    auto* combo = new ComboCase(&host);
    for (int i = 0; i < 4; ++i) combo->AddString(" ");
    ASSERT_TRUE(host.Create());
    host.ShowWindow(SW_SHOW);

    for (int selected : {-1, 2}) {
        SCOPED_TRACE(selected);
        combo->SetSelIndex(selected);
        combo->drawn.clear();
        TBitmap picture = Grab(host);
        ASSERT_FALSE(combo->drawn.empty());
        const Drawn& d = combo->drawn.back();
        EXPECT_EQ(d.type, ODT_COMBOBOX);
        EXPECT_EQ(d.item, selected);
        EXPECT_EQ(d.state & ODS_COMBOBOXEDIT, uint32_t(ODS_COMBOBOXEDIT));
        const TPoint p = host.ScreenToClient(combo->ClientToScreen(
            {(d.rect.left + d.rect.right) / 2, (d.rect.top + d.rect.bottom) / 2}));
        EXPECT_EQ(picture.GetPixel(p.x, p.y), colourOf(selected < 0 ? 9 : selected));
    }
}

TEST(OwnerDraw, ComboListOpenedAndClosedByTheUserNotifiesTheParent) {
    testsupport::ScriptedServices services;
    Host host;
    auto* combo = new ComboCase(&host);
    // The parent fills the list as it opens.
    host.onNote = [&](int, int code) {
        if (code == CBN_DROPDOWN && combo->GetCount() == 0)
            for (int i = 0; i < 3; ++i) combo->AddString(" ");
    };
    ASSERT_TRUE(host.Create());
    ASSERT_TRUE(testsupport::Activate(host));

    testsupport::MouseClick(*combo, {80, 13});
    EXPECT_EQ(host.notes, (std::vector<std::pair<int, int>>{{103, CBN_DROPDOWN}}));
    EXPECT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->measured, std::vector<int>{0}); // the list's items, measured once

    testsupport::KeyClick(*combo, VK_ESCAPE);
    EXPECT_EQ(host.notes,
              (std::vector<std::pair<int, int>>{{103, CBN_DROPDOWN}, {103, CBN_CLOSEUP}}));
}

} // namespace
