// A dialog with a page embedded in it: the page as a child dialog, the Tab
// cycle across both, mnemonics, key filters; driven through the layer and by
// real key events.
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/Control.h"
#include "platform/window/Dialog.h"
#include "platform/window/Edit.h"
#include "platform/window/KeyFilter.h"
#include "platform/window/Mnemonic.h"
#include "platform/window/Static.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/ScriptedServices.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int ID_STRIP = 100, ID_LABEL = 201, ID_NAME = 202, ID_FACADE = 203;

const TDialogResource kSheet{"Eigenschaften",
                             {220, 150},
                             {
                                 {TControlKind::DefButton, IDOK, "OK", {10, 130, 60, 144}},
                                 {TControlKind::Button, IDCANCEL, "Abbrechen", {70, 130, 120, 144}},
                                 {TControlKind::Button, 9, "&Hilfe", {130, 130, 180, 144}},
                             }};

TDialogResource pageResource() {
    TDialogResource r{"",
                      {200, 100},
                      {
                          {TControlKind::Static, ID_LABEL, "&Bezeichnung", {5, 5, 60, 15}},
                          {TControlKind::Edit, ID_NAME, "", {65, 5, 180, 17}},
                          {TControlKind::GroupBox, -1, "&Optionen", {2, 20, 190, 40}},
                          {TControlKind::CheckBox, ID_FACADE, "&Fassade", {5, 25, 100, 35}},
                      }};
    r.embedded = true;
    return r;
}

// Stands in for a tab strip: a custom control that takes the focus and
// holds the page.
struct Strip : TControl {
    Strip(TWindow* parent) : TControl(parent, ID_STRIP, {}, 5, 5, 300, 200) {}
    void SetupWindow() override {
        TControl::SetupWindow();
        SetTabStop(true);
    }
};

struct Page : TDialog {
    Page(TWindow* parent) : TDialog(parent, pageResource()) {
        // Made before the resource's controls, as a dialog does that gives
        // its edit a validator: the tab order stays the resource's.
        new TEdit(this, ID_NAME);
        Responses().Command(IDOK, [this] { commands.push_back(IDOK); });
        Responses().Command(IDCANCEL, [this] { commands.push_back(IDCANCEL); });
        buffer.Text(name, 20).Check(facade);
        SetTransferBuffer(&buffer);
    }
    std::vector<int> commands;
    std::string name = "Außenwand";
    uint16_t facade = 1;
    TTransferBuffer buffer;
};

struct Sheet : TDialog {
    Sheet() : TDialog(nullptr, kSheet) {
        strip = new Strip(this);
        page = new Page(this);
        // The strip takes the page over during its set-up, as a tabbed dialog does.
        page->SetParent(strip);
        Responses().Command(9, [this] { ++help; });
    }
    Strip* strip;
    Page* page;
    int help = 0;
};

QWidget* widgetOf(TWindow* w) {
    return window_detail::WidgetOf(w);
}

// The window that holds the focus now, by id (0: none of ours).
int focusId() {
    auto* w = TWindow::FromHandle(GetFocus());
    return w ? w->GetId() : 0;
}

class DialogKeyboard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sheet.Create());
        auto* top = widgetOf(&sheet);
        top->show();
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    }
    void key(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, Qt::Key(qtKey), mods);
        TApplication::PumpWaitingMessages();
    }
    TEdit* name() { return sheet.page->Item<TEdit>(ID_NAME); }

    testsupport::ScriptedServices services;
    Sheet sheet;
};

TEST_F(DialogKeyboard, PageIsAChildOfTheStripAndTransfersItsData) {
    Page& page = *sheet.page;
    EXPECT_EQ(page.GetParent(), sheet.strip);
    EXPECT_EQ(sheet.ChildWithId(ID_STRIP), sheet.strip);
    EXPECT_TRUE(page.IsCreated());
    auto* w = widgetOf(&page);
    EXPECT_FALSE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), widgetOf(sheet.strip));
    EXPECT_TRUE(page.IsWindowVisible());
    // Filled from its record at set-up, read back on demand.
    EXPECT_EQ(name()->GetText(), "Außenwand");
    EXPECT_EQ(page.Item<TCheckBox>(ID_FACADE)->GetCheck(), 1u);
    name()->Type("Dach");
    page.Item<TCheckBox>(ID_FACADE)->Click();
    EXPECT_TRUE(page.TransferData(TTransferDirection::GetData));
    EXPECT_EQ(page.name, "Dach");
    EXPECT_EQ(page.facade, 0);
    page.ShowWindow(SW_HIDE);
    EXPECT_FALSE(page.IsWindowVisible());
    page.ShowWindow(SW_SHOW);
    EXPECT_TRUE(page.IsWindowVisible());
    // Focus given to the page goes on to its first control.
    page.SetFocus();
    EXPECT_EQ(focusId(), ID_NAME);
}

TEST_F(DialogKeyboard, EnterAndEscapeInThePageAreThePagesCommands) {
    name()->SetFocus();
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    EXPECT_EQ(sheet.page->commands, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_FALSE(sheet.Ended());
}

TEST_F(DialogKeyboard, TabRunsThroughStripPageAndButtonsAndBack) {
    sheet.strip->SetFocus();
    ASSERT_EQ(focusId(), ID_STRIP);
    const std::vector<int> forward = {ID_NAME, ID_FACADE, IDOK, IDCANCEL, 9, ID_STRIP};
    for (int id : forward) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focusId(), id);
    }
    const std::vector<int> backward = {9, IDCANCEL, IDOK, ID_FACADE, ID_NAME, ID_STRIP};
    for (int id : backward) {
        key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focusId(), id);
    }
    // Tabbing into an edit selects its text, as Windows does.
    key(Qt::Key_Tab);
    EXPECT_EQ(name()->GetSelectedText(), "Außenwand");
    // A hidden page and a disabled button are left out.
    sheet.page->ShowWindow(SW_HIDE);
    sheet.Item<TButton>(IDCANCEL)->EnableWindow(false);
    sheet.strip->SetFocus();
    for (int id : {int(IDOK), 9, ID_STRIP}) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focusId(), id);
    }
}

TEST_F(DialogKeyboard, NextTabItemStaysOnTheDialogsOwnLevel) {
    struct Case {
        TDialog* dialog;
        TWindow* from;
        bool previous;
        int expected;
    };
    TWindow* ok = sheet.GetDlgItem(IDOK);
    const Case cases[] = {
        {&sheet, sheet.strip, false, IDOK}, // the page is not the dialog's
        {&sheet, ok, true, ID_STRIP},
        {&sheet, nullptr, false, ID_STRIP},
        {&sheet, nullptr, true, 9},
        {&sheet, sheet.GetDlgItem(9), false, ID_STRIP},
        {sheet.page, nullptr, false, ID_NAME}, // the label is no tab stop
        {sheet.page, nullptr, true, ID_FACADE},
        {sheet.page, sheet.page->GetDlgItem(ID_LABEL), false, ID_NAME},
        {sheet.page, sheet.page->GetDlgItem(ID_FACADE), false, ID_NAME},
    };
    for (const auto& c : cases) {
        TWindow* next = c.dialog->GetNextDlgTabItem(c.from, c.previous);
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->GetId(), c.expected) << (c.from ? c.from->GetId() : 0) << " " << c.previous;
    }
    TDialog empty(nullptr, {"Leer", {}, {}});
    ASSERT_TRUE(empty.Create());
    EXPECT_EQ(empty.GetNextDlgTabItem(nullptr), nullptr);
}

TEST_F(DialogKeyboard, NextDialogControlMessageMovesTheFocus) {
    sheet.strip->SetFocus();
    sheet.page->PostMessage(WM_NEXTDLGCTL, WPARAM(name()->GetHandle()), 1);
    TApplication::PumpWaitingMessages();
    EXPECT_EQ(focusId(), ID_NAME);
    EXPECT_EQ(name()->GetSelectedText(), "Außenwand");
    sheet.page->SendMessage(WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(focusId(), ID_FACADE);
    sheet.page->SendMessage(WM_NEXTDLGCTL, 1, 0);
    EXPECT_EQ(focusId(), ID_NAME);
}

TEST(Mnemonic, LetterAfterTheSingleAmpersandInUpperCase) {
    const std::pair<const char*, char32_t> cases[] = {
        {"&Ja", U'J'},
        {"L&öschen", U'Ö'},
        {"Alles &markieren", U'M'},
        {"A&&B", 0},
        {"&&A&b", U'B'},
        {"Fassade", 0},
        {"Ende&", 0},
        {"", 0},
        {"&&&Weiter", U'W'},
    };
    for (auto [text, letter] : cases) EXPECT_EQ(MnemonicOf(text), letter) << text;
}

TEST_F(DialogKeyboard, AltLetterActsOnTheNearestDialogFirst) {
    auto* facade = sheet.page->Item<TCheckBox>(ID_FACADE);
    name()->SetFocus();
    // A button of the page: clicked, and it takes the focus.
    key(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(facade->GetCheck(), 0u);
    EXPECT_EQ(focusId(), ID_FACADE);
    // A label gives the focus to the control after it, its text selected.
    key(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(focusId(), ID_NAME);
    EXPECT_EQ(name()->GetSelectedText(), "Außenwand");
    EXPECT_EQ(name()->GetText(), "Außenwand");
    // A group's frame only moves the focus: the check box keeps its state.
    key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(focusId(), ID_FACADE);
    EXPECT_EQ(facade->GetCheck(), 0u);
    // A letter no control has never replaces the selected text.
    key(Qt::Key_B, Qt::AltModifier);
    key(Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(focusId(), ID_NAME);
    EXPECT_EQ(name()->GetText(), "Außenwand");
    // Not on the page: the dialog's own button answers.
    key(Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(sheet.help, 1);
    // The page's window procedure hears a letter none of its controls has.
    std::vector<std::pair<WPARAM, LPARAM>> heard;
    sheet.page->Responses().Message(WM_SYSCOMMAND, [&](WPARAM wp, LPARAM lp) {
        heard.emplace_back(wp, lp);
        return TResult(0);
    });
    name()->SetFocus();
    key(Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(heard, (std::vector<std::pair<WPARAM, LPARAM>>{{SC_KEYMENU, 'H'}}));
    EXPECT_EQ(sheet.help, 1);
}

TEST_F(DialogKeyboard, KeyFilterSeesKeysFirstWhileItsWindowIsOpen) {
    std::vector<std::tuple<uint32_t, uint32_t, bool>> seen; // message, key, Control down
    const int id = InstallKeyFilter(sheet, [&](const MSG& m) {
        seen.emplace_back(m.message, uint32_t(m.wParam), IsKeyDown(VK_CONTROL));
        // Ctrl+Page Down switches pages: the key goes no further.
        return m.message == WM_KEYDOWN && m.wParam == VK_NEXT && IsKeyDown(VK_CONTROL);
    });
    ASSERT_NE(id, 0);
    name()->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    const std::tuple<uint32_t, uint32_t, bool> swallowed{WM_KEYDOWN, VK_NEXT, true};
    EXPECT_NE(std::find(seen.begin(), seen.end(), swallowed), seen.end());
    // A swallowing filter keeps Tab where it is; a later filter is asked first.
    const int second = InstallKeyFilter(
        *sheet.page, [](const MSG& m) { return m.message == WM_KEYDOWN && m.wParam == VK_TAB; });
    seen.clear();
    key(Qt::Key_Tab);
    EXPECT_EQ(focusId(), ID_NAME);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), std::tuple{WM_KEYDOWN, VK_TAB, false}), 0);
    RemoveKeyFilter(second);
    key(Qt::Key_Tab);
    EXPECT_EQ(focusId(), ID_FACADE);
    // Gone with its window.
    sheet.Destroy();
    seen.clear();
    TDialog other(nullptr, pageResource());
    ASSERT_TRUE(other.Create());
    other.GetDlgItem(ID_NAME)->SetFocus();
    QTest::keyClick(widgetOf(other.GetDlgItem(ID_NAME)), Qt::Key_A);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(InstallKeyFilter(sheet, [](const MSG&) { return true; }), 0);
}

} // namespace
