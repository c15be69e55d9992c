// The sample buttons of the settings pages: what they draw for each style,
// frame kind and mode (on the recording DC), and a page of samples and spin
// edits as the screen shows it.
#include "korvalin/layout/TDoubleSpinEdit.h"
#include "korvalin/layout/TGrafikODButton.h"
#include "korvalin/layout/TSpinEdit.h"
#include "korvalin/layout/TTextODButton.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/window/Dialog.h"
#include "testsupport/ControlInput.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const TRect kFace(0, 0, 200, 100);

std::vector<TDrawCall> drawn(TButton& button, TRecordingDC& dc) {
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_BUTTON;
    draw.rcItem = kFace;
    draw.dc = &dc;
    button.DrawItem(draw);
    return dc.Calls();
}

std::vector<std::string> textsOf(const std::vector<TDrawCall>& calls) {
    std::vector<std::string> texts;
    for (const auto& c : calls)
        if (c.kind == TDrawKind::DrawText) texts.push_back(c.text);
    return texts;
}

TEST(TextODButton, SampleTextInTheStylesFontAndColourOnTheFace) {
    testsupport::ScriptedServices services;
    TWindow page(nullptr);
    auto* sample = new TTextODButton(&page, 108);
    EXPECT_EQ(sample->Font->FaceName(), "Arial");
    EXPECT_EQ(sample->Font->Height(), 14);
    EXPECT_EQ(sample->TextColor, TColor::Black);

    struct Case {
        int32_t escapement, orientation;
        const char* text;
        uint32_t format;
    };
    // The orientation alone decides, whatever the escapement.
    const Case cases[] = {
        {0, 0, " MUSTERTEXT ", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {900, 0, " MUSTERTEXT ", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {900, 900, " VTEXT ", DT_CENTER | DT_BOTTOM | DT_SINGLELINE},
        {0, 900, " VTEXT ", DT_CENTER | DT_BOTTOM | DT_SINGLELINE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        LOGFONT style = sample->LogFont;
        style.lfEscapement = c.escapement;
        style.lfOrientation = c.orientation;
        style.lfWeight = FW_BOLD;
        sample->Font = std::make_unique<TFont>(style);
        sample->TextColor = TColor(0, 0, 128);
        sample->BackColor = TColor(255, 251, 240);

        TRecordingDC dc;
        const TFont before = dc.GetFont();
        const auto calls = drawn(*sample, dc);
        ASSERT_EQ(calls.size() >= 2, true) << dc.Dump();
        EXPECT_EQ(calls[0].kind, TDrawKind::FillRect);
        EXPECT_EQ(calls[0].brush.Color(), TColor(255, 251, 240));
        EXPECT_EQ(textsOf(calls), std::vector<std::string>{c.text});
        const TDrawCall& text = calls[1];
        EXPECT_EQ(text.flags, c.format);
        EXPECT_EQ(text.font, TFont(style));
        EXPECT_EQ(text.textColor, TColor(0, 0, 128));
        EXPECT_EQ(text.bkMode, TRANSPARENT);
        EXPECT_EQ(dc.GetFont(), before); // the previous font is back
    }
}

TEST(GrafikODButton, FrameSamplesByKind) {
    testsupport::ScriptedServices services;
    TWindow page(nullptr);
    auto* sample = new TGrafikODButton(&page, 108);
    sample->Mode = 1;
    sample->Color = TColor(255, 0, 0);
    sample->Pen.lopnStyle = PS_DASH;
    sample->Pen.lopnWidth = {3, 0};

    struct Case {
        int32_t kind;
        std::vector<std::pair<TDrawKind, TRect>> boxes;
        std::vector<std::string> texts;
    };
    const TRect whole(20, 10, 180, 90), logo(20, 10, 180, 30), below(20, 30, 180, 90);
    const Case cases[] = {
        {0, {{TDrawKind::Rectangle, whole}}, {" Text + Grafik "}},
        {1,
         {{TDrawKind::Rectangle, logo}, {TDrawKind::Rectangle, below}},
         {" Logo ", " Text + Grafik "}},
        {2, {{TDrawKind::RoundRect, whole}}, {" Text + Grafik "}},
        {3,
         {{TDrawKind::RoundRect, logo}, {TDrawKind::RoundRect, below}},
         {" Logo ", " Text + Grafik "}},
        {4, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        sample->FrameKind = c.kind;
        TRecordingDC dc;
        const auto calls = drawn(*sample, dc);
        EXPECT_EQ(calls.front().kind, TDrawKind::FillRect);
        std::vector<std::pair<TDrawKind, TRect>> boxes;
        for (const auto& call : calls)
            if (call.kind == TDrawKind::Rectangle || call.kind == TDrawKind::RoundRect) {
                boxes.emplace_back(call.kind, TRect(call.logical[0].x, call.logical[0].y,
                                                    call.logical[1].x, call.logical[1].y));
                EXPECT_EQ(call.pen, TPen(TColor(255, 0, 0), 3, PS_DASH));
            }
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_EQ(textsOf(calls), c.texts);
        EXPECT_EQ(dc.GetPen(), TPen()); // restored
    }
}

TEST(GrafikODButton, CurveSampleRunsCornerToCornerInThePensPattern) {
    testsupport::ScriptedServices services;
    TWindow page(nullptr);
    auto* sample = new TGrafikODButton(&page, 108);
    sample->Mode = 0;
    sample->Color = TColor(0, 0, 255);
    for (uint32_t style : {PS_SOLID, PS_DASHDOT}) {
        SCOPED_TRACE(style);
        sample->Pen.lopnStyle = style;
        sample->Pen.lopnWidth = {2, 0};
        TRecordingDC dc;
        const auto calls = drawn(*sample, dc);
        std::vector<TDrawCall> lines;
        for (const auto& call : calls)
            if (call.kind == TDrawKind::LineTo) lines.push_back(call);
        ASSERT_FALSE(lines.empty());
        // From (L+20, T+20) to (R-20, B-20); a pattern may end in a gap.
        EXPECT_EQ(lines.front().logical.front(), TPoint(20, 20));
        if (style == PS_SOLID) {
            EXPECT_EQ(lines.back().logical.back(), TPoint(180, 80));
        }
        EXPECT_EQ(lines.front().pen.GetLogPen().lopnColor, TColor(0, 0, 255).GetValue());
        // A dash-dot curve is drawn in short solid strokes.
        EXPECT_EQ(lines.size() > 1, style != PS_SOLID);
        EXPECT_EQ(dc.GetCurrentPosition(), TPoint(180, 80));
    }
}

// A page of samples as the settings sheet shows them.
struct Musterseite : TDialog {
    Musterseite() : TDialog(nullptr, TDialogResource{"Muster", {280, 90}, {}}) {
        Attr().W = 420;
        Attr().H = 170;
        text = new TTextODButton(this, 108);
        rahmen = new TGrafikODButton(this, 109);
        kurve = new TGrafikODButton(this, 110);
        spin = new TSpinEdit(this, 4102, 10);
        zahl = new TDoubleSpinEdit(this, 4101, 10);
        text->BackColor = TColor(255, 255, 128);
        text->TextColor = TColor(128, 0, 128);
        LOGFONT fett = text->LogFont;
        fett.lfHeight = -16;
        fett.lfWeight = FW_BOLD;
        text->Font = std::make_unique<TFont>(fett);
        rahmen->Mode = 1;
        rahmen->FrameKind = 3;
        rahmen->Color = TColor(0, 0, 255);
        rahmen->Pen.lopnWidth = {2, 0};
        kurve->Color = TColor(255, 0, 0);
        kurve->Pen.lopnStyle = PS_DASHDOT;
        kurve->Pen.lopnWidth = {3, 0};
        spin->Min = 1;
        spin->Max = 8;
        spin->Value = 3;
        zahl->Step = 0.1;
        zahl->Max = 200.0;
        zahl->Value = 2.5;
    }
    void SetupWindow() override {
        TDialog::SetupWindow();
        text->MoveWindow({10, 10, 200, 80});
        rahmen->MoveWindow({210, 10, 410, 110});
        kurve->MoveWindow({10, 90, 200, 160});
        spin->MoveWindow({220, 120, 300, 146});
        zahl->MoveWindow({320, 120, 400, 146});
    }
    TTextODButton* text;
    TGrafikODButton *rahmen, *kurve;
    TSpinEdit* spin;
    TDoubleSpinEdit* zahl;
};

TEST(Musterseite, SamplesAndSpinEditsOnScreen) {
    testsupport::ScriptedServices services;
    Musterseite seite;
    ASSERT_TRUE(seite.Create());
    ASSERT_TRUE(testsupport::Activate(seite));
    EXPECT_FALSE(seite.text->IsWindowEnabled()); // samples never take a click
    testsupport::ClickSpinArrow(*seite.spin, testsupport::TSpinArrow::Up);
    EXPECT_EQ(seite.spin->GetText(), "4");

    TBitmap bild = testsupport::Grab(seite);
    auto at = [&](TWindow& w, TPoint p) {
        const TPoint q = seite.ScreenToClient(w.ClientToScreen(p));
        return bild.GetPixel(q.x, q.y);
    };
    EXPECT_EQ(at(*seite.text, {3, 3}), TColor(255, 255, 128));
    EXPECT_EQ(at(*seite.rahmen, {5, 5}), TColor::White);
    EXPECT_EQ(at(*seite.rahmen, {100, 10}), TColor(0, 0, 255)); // top edge of the logo box

    // A picture for a reviewer, where one is asked for.
    if (const char* folder = std::getenv("KORVALIN_BILDER")) {
        EXPECT_TRUE(bild.SavePng(std::filesystem::path(folder) / "musterseite.png"));
    }
}

} // namespace
