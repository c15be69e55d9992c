// A control's font (WM_SETFONT) and the colours its parent gives it
// (WM_CTLCOLOR), seen on the rendered picture.
#include "platform/gdi/RecordingDC.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ListBox.h"
#include "platform/window/ScrollBar.h"
#include "platform/window/Static.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/ControlInput.h"
#include "testsupport/ScriptedServices.h"

#include <QLabel>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>

namespace {

const TColor kFace(255, 255, 160);
const TColor kText(0, 0, 200);
const TColor kGrayText(128, 128, 128);

// Gives static controls and buttons a face and a text colour, gray text when
// the control is disabled, as a tabbed dialog does; records who asked.
struct Host : TWindow {
    Host() : TWindow(nullptr) {
        Attr().W = 400;
        Attr().H = 300;
    }
    const TBrush* EvCtlColor(TDC& dc, HWND child, uint32_t ctlType) override {
        asked[TWindow::FromHandle(child)->GetId()] = ctlType;
        if (!colour || ctlType < CTLCOLOR_BTN) return nullptr;
        dc.SetTextColor(TWindow::FromHandle(child)->IsWindowEnabled() ? kText : kGrayText);
        dc.SetBkColor(kFace);
        return &face;
    }
    bool colour = true;
    TBrush face{kFace};
    std::map<int, uint32_t> asked;
};

// A label's "&" marks its mnemonic, as Windows shows it: the letter
// underlined, the ampersand not shown ("&&" is one), unless SS_NOPREFIX.
TEST(ControlLook, ALabelShowsItsMnemonicNotItsAmpersand) {
    testsupport::ScriptedServices services;
    const struct {
        const char* text;
        uint32_t style;
        const char* shown;
        bool underlined;
    } cases[] = {{"B&utton Caption:", 0, "Button Caption:", true},
                 {"Drag && &Drop", 0, "Drag & Drop", true},
                 {"&Name:", SS_NOPREFIX, "&Name:", false},
                 {"<b>Text</b> ohne", 0, "<b>Text</b> ohne", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Host host;
        auto* label = new TStatic(&host, 101, c.text, 10, 10, 200, 20);
        label->Attr().Style |= c.style;
        ASSERT_TRUE(host.Create());
        auto* q = qobject_cast<QLabel*>(label->GetImpl().widget.data());
        ASSERT_NE(q, nullptr);
        QTextDocument shown;
        if (q->textFormat() == Qt::RichText)
            shown.setHtml(q->text());
        else
            shown.setPlainText(q->text());
        EXPECT_EQ(shown.toPlainText().toStdString(), c.shown);
        EXPECT_EQ(q->text().contains("<u>"), c.underlined);
        EXPECT_EQ(label->GetText(), c.text); // the text itself stays
    }
}

TEST(ControlColors, EachKindOfControlAsksItsParentWithItsType) {
    testsupport::ScriptedServices services;
    Host host;
    new TStatic(&host, 101, "Text", 10, 10, 100, 20);
    new TEdit(&host, 102, "", 10, 40, 100, 24);
    new TListBox(&host, 103, 10, 70, 100, 60);
    new TButton(&host, 104, "OK", 120, 10, 80, 24);
    new TCheckBox(&host, 105, "Fassade", 120, 40, 80, 24);
    new TScrollBar(&host, 106, true, 120, 70, 100, 16);
    new TComboBox(&host, 107);
    ASSERT_TRUE(host.Create());
    host.ShowWindow(SW_SHOW);
    testsupport::Grab(host);
    EXPECT_EQ(host.asked, (std::map<int, uint32_t>{{101, CTLCOLOR_STATIC},
                                                   {102, CTLCOLOR_EDIT},
                                                   {103, CTLCOLOR_LISTBOX},
                                                   {104, CTLCOLOR_BTN},
                                                   {105, CTLCOLOR_BTN},
                                                   {106, CTLCOLOR_SCROLLBAR},
                                                   {107, CTLCOLOR_EDIT}}));
}

TEST(ControlColors, FaceAndTextFollowTheParentsAnswerAndTheEnabledState) {
    testsupport::ScriptedServices services;
    Host host;
    // A block of full-height characters, so that the text colour shows.
    auto* label = new TStatic(&host, 101, "█████", 10, 10, 150, 30);
    auto* edit = new TEdit(&host, 102, "", 10, 50, 150, 24);
    ASSERT_TRUE(host.Create());
    host.ShowWindow(SW_SHOW);

    auto pixelOf = [&](TWindow& w, TPoint p) {
        const TPoint q = host.ScreenToClient(w.ClientToScreen(p));
        return testsupport::Grab(host).GetPixel(q.x, q.y);
    };
    EXPECT_EQ(pixelOf(*label, {145, 25}), kFace); // right of the text
    EXPECT_EQ(pixelOf(*label, {5, 15}), kText);
    EXPECT_NE(pixelOf(*edit, {140, 12}), kFace); // edits keep the standard colours here

    label->EnableWindow(false);
    EXPECT_EQ(pixelOf(*label, {5, 15}), kGrayText);

    // The parent stops answering: the standard colours come back on the next paint.
    host.colour = false;
    label->Invalidate();
    const TColor standard = pixelOf(*label, {145, 25});
    EXPECT_NE(standard, kFace);
}

TEST(ControlFonts, ThePartsFacesShowInTheirLiberationStandIns) {
    testsupport::ScriptedServices services;
    Host host;
    host.colour = false;
    auto* before = new TStatic(&host, 101, "MMMMMMMM", 10, 10, 300, 40);
    auto* after = new TStatic(&host, 102, "MMMMMMMM", 10, 60, 300, 40);
    auto* plain = new TStatic(&host, 103, "MMMMMMMM", 10, 110, 300, 40);
    // Bold 8 pt at 96 pixels per inch: -MulDiv(8, 96, 72).
    const TFont bold("MS Sans Serif", -11, 0, 0, 0, FW_BOLD);
    const TFont big("Arial", -24, 0, 0, 0, FW_NORMAL);
    before->SetWindowFont(bold);
    ASSERT_TRUE(host.Create());
    after->SetWindowFont(big);
    host.ShowWindow(SW_SHOW);
    EXPECT_EQ(*before->GetWindowFont(), bold);
    EXPECT_EQ(plain->GetWindowFont(), nullptr);

    // The width of the inked text tells the fonts apart: the big face is
    // wider than the bold small one.
    TBitmap picture = testsupport::Grab(host);
    auto inkedWidth = [&](TWindow& w) {
        const TPoint origin = host.ScreenToClient(w.ClientToScreen({0, 0}));
        int right = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 300; ++x)
                if (picture.GetPixel(origin.x + x, origin.y + y).Red() < 100)
                    right = std::max(right, x);
        return right;
    };
    TRecordingDC measure(TMetricMode::Real);
    measure.SelectObject(bold);
    const int boldWidth = measure.GetTextExtent("MMMMMMMM").cx;
    measure.SelectObject(big);
    const int bigWidth = measure.GetTextExtent("MMMMMMMM").cx;
    // The screen shows the text as wide as the drawing layer measures it.
    EXPECT_NEAR(inkedWidth(*before), boldWidth, 3);
    EXPECT_NEAR(inkedWidth(*after), bigWidth, 3);
}

} // namespace
