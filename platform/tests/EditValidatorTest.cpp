// The edit's validator: every keystroke passes IsValidInput (which may correct
// the text, and whose refusal keeps the text as it was); OK and leaving the
// field check IsValid and show Error.
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/Dialog.h"
#include "platform/window/Edit.h"
#include "platform/window/Validator.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

namespace {

// Digits and one point; a comma becomes the point. Complete: not empty.
struct Numbers : TValidator {
    explicit Numbers(int* errors) : errors(errors) {}
    bool IsValidInput(std::string& text, bool) override {
        for (auto& c : text) {
            if (c == ',') c = '.';
            if (!(c == '.' || (c >= '0' && c <= '9'))) return false;
        }
        return true;
    }
    bool IsValid(std::string_view text) override { return !text.empty(); }
    void Error(TWindow*) override { ++*errors; }
    int* errors;
};

const TDialogResource kResource{
    "Schicht",
    {160, 80},
    {
        {TControlKind::Edit, 101, "", {5, 5, 100, 17}},
        {TControlKind::Edit, 102, "", {5, 25, 100, 37}},
        {TControlKind::DefButton, IDOK, "OK", {5, 50, 45, 64}},
        {TControlKind::Button, IDCANCEL, "Abbrechen", {50, 50, 100, 64}},
    }};

struct Fixture : ::testing::Test {
    testsupport::ScriptedServices services;
    int errors = 0;
    TDialog dlg{nullptr, kResource};
    TEdit* edit = new TEdit(&dlg, 101, 32);
    TEdit* other = new TEdit(&dlg, 102, 32);
    void SetUp() override {
        edit->SetValidator(new Numbers(&errors));
        ASSERT_TRUE(dlg.Create());
    }
};

TEST_F(Fixture, TypingIsCorrectedOrRefusedByTheValidator) {
    edit->Type("12,5");
    EXPECT_EQ(edit->GetText(), "12.5");
    edit->Type("12.5x"); // refused: the field keeps what it had
    EXPECT_EQ(edit->GetText(), "12.5");
    EXPECT_EQ(errors, 0); // typing never shows the error
}

TEST_F(Fixture, OkWithAnInvalidEntryShowsTheErrorAndKeepsTheDialogOpen) {
    services.Dialogs().Expect([&](TDialog& d) {
        d.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(errors, 1);
        edit->Type("3");
        d.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(d.Ended());
    });
    TDialog modal(nullptr, kResource);
    auto* field = new TEdit(&modal, 101, 32);
    field->SetValidator(new Numbers(&errors));
    edit = field;
    EXPECT_EQ(modal.Execute(), IDOK);
    EXPECT_EQ(errors, 1);
}

TEST_F(Fixture, LeavingTheFieldChecksItUnlessTheFocusGoesToCancel) {
    edit->SendMessage(WM_KILLFOCUS, WPARAM(dlg.GetDlgItem(IDCANCEL)->GetHandle()), 0);
    EXPECT_EQ(errors, 0);
    edit->SendMessage(WM_KILLFOCUS, 0, 0); // to a message box or another program
    EXPECT_EQ(errors, 0);
    edit->SendMessage(WM_KILLFOCUS, WPARAM(other->GetHandle()), 0);
    EXPECT_EQ(errors, 1);
    edit->Type("7");
    edit->SendMessage(WM_KILLFOCUS, WPARAM(other->GetHandle()), 0);
    EXPECT_EQ(errors, 1);
}

TEST_F(Fixture, QtFocusChangesReachTheField) {
    dlg.ShowWindow(SW_SHOWNORMAL);
    edit->SetFocus();
    TApplication::PumpWaitingMessages();
    if (!edit->HasFocus()) GTEST_SKIP() << "the platform gives no focus to windows";
    other->SetFocus();
    TApplication::PumpWaitingMessages();
    EXPECT_EQ(errors, 1);
    EXPECT_TRUE(edit->HasFocus()); // brought back to the wrong entry
}

} // namespace
