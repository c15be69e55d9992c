// Multi-line edits: CR LF lines, soft line breaks dropped, the lines as the
// edit wraps them at its width and in its font, and EN_UPDATE before
// EN_CHANGE on typing. One-line edits with spin arrows.
#include "platform/gdi/Font.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "testsupport/ControlInput.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Host : TWindow {
    Host() : TWindow(nullptr) {
        Attr().W = 400;
        Attr().H = 300;
    }
    bool EvCommand(int id, HWND, int code) override {
        // Focus notices come and go with the test's own focus changes.
        if (code == EN_SETFOCUS || code == EN_KILLFOCUS) return true;
        codes.push_back(code);
        if (onNote) onNote(code);
        return true;
    }
    std::vector<int> codes;
    std::function<void(int)> onNote;
};

std::string joinedLines(const TEdit& edit) {
    std::string all;
    for (int i = 0; i < edit.GetNumLines(); ++i) all += edit.GetLine(i);
    return all;
}

TEST(MultiLineEdit, HoldsPlainTextWithCrLfLines) {
    struct Case {
        const char* given;
        const char* held;
    };
    const Case cases[] = {
        {"eins\r\nzwei", "eins\r\nzwei"},
        {"eins\nzwei\rdrei", "eins\r\nzwei\r\ndrei"},
        // Soft line breaks that the old control stored where it wrapped.
        {"eine lange \r\r\nZeile", "eine lange Zeile"},
        {"Absatz\r\r\n\r\nneu", "Absatz\r\nneu"},
        {"\r\r\n", ""},
    };
    for (bool created : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.given);
            testsupport::ScriptedServices services;
            Host host;
            auto* edit = new TEdit(&host, 108, "", 10, 10, 300, 100, 0, true);
            if (created) {
                ASSERT_TRUE(host.Create());
            }
            edit->SetText(c.given);
            if (!created) {
                ASSERT_TRUE(host.Create());
            }
            EXPECT_EQ(edit->GetText(), c.held);
        }
    }
}

TEST(MultiLineEdit, DisplayLinesWrapAtTheWidthAndFollowTheFont) {
    testsupport::ScriptedServices services;
    Host host;
    auto* edit = new TEdit(&host, 108, "", 10, 10, 120, 200, 0, true);
    edit->SetWindowFont(TFont("MS Sans Serif", -11));
    ASSERT_TRUE(host.Create());
    host.ShowWindow(SW_SHOW);

    edit->SetText("eins\r\n\r\ndrei");
    EXPECT_EQ(edit->GetNumLines(), 3);
    EXPECT_EQ(edit->GetLine(0), "eins");
    EXPECT_EQ(edit->GetLine(1), "");
    EXPECT_EQ(edit->GetLine(2), "drei");
    EXPECT_EQ(edit->GetLine(3), "");

    const std::string words = "Die Wand grenzt an einen unbeheizten Raum im Keller";
    edit->SetText(words);
    const int narrow = edit->GetNumLines();
    EXPECT_GE(narrow, 3);
    EXPECT_EQ(joinedLines(*edit), words); // wrapped, not cut
    EXPECT_EQ(edit->GetText(), words);    // and no soft breaks in the text

    edit->SetWindowFont(TFont("MS Sans Serif", -22));
    EXPECT_GT(edit->GetNumLines(), narrow);
    edit->MoveWindow({10, 10, 390, 200});
    edit->SetWindowFont(TFont("MS Sans Serif", -11));
    EXPECT_EQ(edit->GetNumLines(), 1);
}

TEST(MultiLineEdit, TypingSendsUpdateThenChangeWithTheNewLinesInPlace) {
    testsupport::ScriptedServices services;
    Host host;
    auto* edit = new TEdit(&host, 108, "", 10, 10, 300, 100, 0, true);
    std::vector<int> linesOnUpdate;
    host.onNote = [&](int code) {
        if (code == EN_UPDATE) linesOnUpdate.push_back(edit->GetNumLines());
    };
    ASSERT_TRUE(host.Create());
    ASSERT_TRUE(testsupport::Activate(host));
    edit->SetFocus();

    testsupport::KeyClicks(*edit, "ab");
    testsupport::KeyClick(*edit, VK_RETURN);
    testsupport::KeyClicks(*edit, "c");
    EXPECT_EQ(edit->GetText(), "ab\r\nc");
    EXPECT_TRUE(edit->IsModified());
    EXPECT_EQ(host.codes, (std::vector<int>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE,
                                            EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(linesOnUpdate, (std::vector<int>{1, 1, 2, 2}));
}

TEST(MultiLineEdit, LimitCountsTheLineEnds) {
    testsupport::ScriptedServices services;
    Host host;
    auto* edit = new TEdit(&host, 108, "", 10, 10, 300, 100, 7, true);
    ASSERT_TRUE(host.Create());
    ASSERT_TRUE(testsupport::Activate(host));
    edit->SetFocus();
    testsupport::KeyClicks(*edit, "ab");
    testsupport::KeyClick(*edit, VK_RETURN);
    testsupport::KeyClicks(*edit, "cdef"); // "ab\r\ncd" fills the 6 bytes
    EXPECT_EQ(edit->GetText(), "ab\r\ncd");
}

// An edit that records the scroll messages its arrows send it.
struct ArrowEdit : TEdit {
    ArrowEdit(TWindow* parent) : TEdit(parent, 4102, "5", 10, 10, 80, 26, 10) {
        ShowSpinArrows();
        SetReadOnly(true);
        Responses().Message(WM_VSCROLL, [this](WPARAM wp, LPARAM) {
            codes.push_back(LOWORD(wp));
            return TResult(0);
        });
    }
    void EvKeyDown(uint32_t key, uint32_t repeat, uint32_t flags) override {
        keys.push_back(key);
        TEdit::EvKeyDown(key, repeat, flags);
    }
    std::vector<uint32_t> codes, keys;
};

TEST(SpinArrows, ArrowsScrollTheEditItselfAndKeysReachItAsKeyDown) {
    testsupport::ScriptedServices services;
    Host host;
    auto* edit = new ArrowEdit(&host);
    ASSERT_TRUE(host.Create());
    ASSERT_TRUE(testsupport::Activate(host));
    edit->SetFocus();

    testsupport::ClickSpinArrow(*edit, testsupport::TSpinArrow::Up);
    testsupport::ClickSpinArrow(*edit, testsupport::TSpinArrow::Down);
    EXPECT_EQ(edit->codes, (std::vector<uint32_t>{SB_LINEUP, SB_LINEDOWN}));

    // Keys are the edit's to handle: passed on, they step nothing.
    for (uint32_t key : {VK_UP, VK_NEXT, VK_HOME}) testsupport::KeyClick(*edit, key);
    EXPECT_EQ(edit->keys, (std::vector<uint32_t>{VK_UP, VK_NEXT, VK_HOME}));
    EXPECT_EQ(edit->codes.size(), 2u);

    // Read-only: the number cannot be typed, and no change is notified.
    testsupport::KeyClicks(*edit, "7");
    EXPECT_EQ(edit->GetText(), "5");
    EXPECT_TRUE(host.codes.empty());
}

} // namespace
