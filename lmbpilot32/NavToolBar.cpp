#include "lmbpilot32/NavToolBar.h"

#include "lmbpilot32/NavCommands.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/ControlBar.h"
#include "platform/window/Picture.h"
#include "platform/window/SeparatorGadget.h"

#include <initializer_list>

namespace {

const TColor kInk(40, 40, 40);
const TColor kPaper(255, 255, 255);
const TColor kBlue(30, 80, 170);
const TColor kGreen(30, 130, 50);
const TColor kYellow(240, 200, 70);
const TColor kGrey(215, 215, 215);

TPicture sheet() {
    TPicture p;
    p.AddPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}, kInk, kPaper);
    p.AddLine({10, 1}, {10, 4}, kInk).AddLine({10, 4}, {13, 4}, kInk);
    return p;
}

// A small outline: a book with two pages below it.
TPicture outline(const char* sign) {
    TPicture p;
    p.AddRect({1, 1, 6, 5}, kInk, kBlue);
    p.AddLine({3, 5}, {3, 13}, kInk).AddLine({3, 9}, {6, 9}, kInk).AddLine({3, 13}, {6, 13}, kInk);
    p.AddRect({6, 7, 10, 11}, kInk, kPaper).AddRect({6, 11, 10, 15}, kInk, kPaper);
    p.AddText({10, 3, 16, 13}, sign, kBlue);
    return p;
}

TPicture arrow(std::initializer_list<TPoint> points) {
    return TPicture().AddPolygon(points, kInk, kGreen);
}

void registerPictures() {
    RegisterPicture(CM_NAV_FILENEW, sheet());
    RegisterPicture(
        CM_NAV_FILEOPEN,
        TPicture()
            .AddPolygon({{1, 4}, {6, 4}, {7, 6}, {14, 6}, {14, 14}, {1, 14}}, kInk, kYellow)
            .AddPolygon({{3, 9}, {16, 9}, {14, 14}, {1, 14}}, kInk, kYellow));
    RegisterPicture(CM_NAV_FILESAVE, TPicture()
                                         .AddRect({1, 1, 15, 15}, kInk, kBlue)
                                         .AddRect({4, 1, 12, 6}, kInk, kGrey)
                                         .AddRect({4, 9, 12, 15}, kInk, kPaper));
    RegisterPicture(
        CM_NAV_COPY,
        TPicture().AddRect({1, 1, 9, 11}, kInk, kPaper).AddRect({6, 5, 15, 15}, kInk, kPaper));
    RegisterPicture(CM_NAV_PROPERTIESBAR, TPicture()
                                              .AddRect({1, 2, 15, 14}, kInk, kGrey)
                                              .AddRect({6, 4, 14, 7}, kInk, kPaper)
                                              .AddRect({6, 9, 14, 12}, kInk, kPaper));
    RegisterPicture(CM_NAV_EXPANDALL, outline("+"));
    RegisterPicture(CM_NAV_COLLAPSEALL, outline("-"));
    RegisterPicture(CM_NAV_PARENT,
                    arrow({{8, 1}, {15, 8}, {11, 8}, {11, 15}, {5, 15}, {5, 8}, {1, 8}}));
    RegisterPicture(CM_NAV_PREVIOUS,
                    arrow({{1, 8}, {8, 1}, {8, 5}, {15, 5}, {15, 11}, {8, 11}, {8, 15}}));
    RegisterPicture(CM_NAV_NEXT,
                    arrow({{15, 8}, {8, 1}, {8, 5}, {1, 5}, {1, 11}, {8, 11}, {8, 15}}));
    RegisterPicture(
        CM_NAV_FONT,
        TPicture().AddText({0, 1, 9, 15}, "A", kInk).AddText({8, 5, 16, 15}, "a", kBlue));
    RegisterPicture(CM_NAV_PRINT, TPicture()
                                      .AddRect({4, 1, 12, 6}, kInk, kPaper)
                                      .AddRect({1, 5, 15, 12}, kInk, kGrey)
                                      .AddRect({4, 10, 12, 15}, kInk, kPaper)
                                      .AddRect({12, 7, 14, 9}, kGreen, kGreen));
    RegisterPicture(CM_NAV_HELPCONTENTS, TPicture()
                                             .AddRect({2, 1, 14, 15}, kInk, kBlue)
                                             .AddRect({4, 3, 12, 13}, kPaper, kPaper)
                                             .AddText({4, 3, 12, 13}, "?", kBlue));
    RegisterPicture(
        CM_NAV_CONTEXTHELP,
        TPicture()
            .AddPolygon({{1, 1}, {1, 12}, {4, 9}, {7, 14}, {8, 13}, {6, 8}, {9, 8}}, kInk, kPaper)
            .AddText({9, 2, 16, 12}, "?", kBlue));
}

// 0 is a separator.
constexpr int kAuthor[] = {CM_NAV_FILENEW,
                           CM_NAV_FILEOPEN,
                           CM_NAV_FILESAVE,
                           0,
                           CM_NAV_COPY,
                           CM_NAV_PROPERTIESBAR,
                           0,
                           CM_NAV_EXPANDALL,
                           CM_NAV_COLLAPSEALL,
                           0,
                           CM_NAV_PARENT,
                           CM_NAV_PREVIOUS,
                           CM_NAV_NEXT,
                           0,
                           CM_NAV_FONT,
                           CM_NAV_PRINT,
                           0,
                           CM_NAV_HELPCONTENTS,
                           CM_NAV_CONTEXTHELP};
constexpr int kReader[] = {
    CM_NAV_EXPANDALL, CM_NAV_COLLAPSEALL, 0, CM_NAV_PARENT,       CM_NAV_PREVIOUS,   CM_NAV_NEXT, 0,
    CM_NAV_FONT,      CM_NAV_PRINT,       0, CM_NAV_HELPCONTENTS, CM_NAV_CONTEXTHELP};

} // namespace

TControlBar* MakeNavToolBar(TWindow* parent, bool authorMode) {
    registerPictures();
    auto* bar = new TControlBar(parent);
    bar->Attr().Id = CM_NAV_TOOLBAR;
    const auto add = [&](auto& slots) {
        for (int id : slots)
            if (id)
                bar->Insert(new TButtonGadget(id, id));
            else
                bar->Insert(new TSeparatorGadget(6));
    };
    if (authorMode)
        add(kAuthor);
    else
        add(kReader);
    return bar;
}

void RemoveReaderButtons(TControlBar& bar, const std::array<uint16_t, 7>& flags) {
    const std::initializer_list<int> buttons[7] = {{CM_NAV_EXPANDALL, CM_NAV_COLLAPSEALL},
                                                   {CM_NAV_PARENT},
                                                   {CM_NAV_PREVIOUS, CM_NAV_NEXT},
                                                   {CM_NAV_FONT},
                                                   {CM_NAV_PRINT},
                                                   {CM_NAV_HELPCONTENTS},
                                                   {CM_NAV_CONTEXTHELP}};
    for (size_t f = 0; f < flags.size(); ++f)
        if (!flags[f])
            for (int id : buttons[f])
                if (TGadget* g = bar.GadgetWithId(id)) delete bar.Remove(*g);
}
