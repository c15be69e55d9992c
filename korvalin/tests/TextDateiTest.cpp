// Files dropped on the program: one text window each, in the order of the
// drop, with the file's lines decoded from Windows-1252.
#include "korvalin/shell/TextDatei.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/DropInfo.h"
#include "platform/window/ListBox.h"
#include "platform/window/MDIChild.h"

namespace {

using shelltest::Programm;
using testsupport::WriteText;

std::vector<std::string> zeilen(TMDIChild* fenster) {
    std::vector<std::string> z;
    auto* liste = fenster ? dynamic_cast<TListBox*>(fenster->GetClientWindow()) : nullptr;
    if (!liste) return {"(keine Liste)"};
    for (int i = 0; i < liste->GetCount(); ++i) z.push_back(liste->GetString(i));
    return z;
}

TEST(TextZeilen, LinesEndsLongLinesAndWindows1252) {
    const std::string lang(300, 'a');
    const struct {
        std::string bytes;
        std::vector<std::string> zeilen;
    } faelle[] = {
        {"", {}},
        {"eins\r\nzwei\n", {"eins", "zwei"}},
        {"ohne Ende", {"ohne Ende"}},
        {"\n\nx", {"", "", "x"}},
        {"Stra\xDF"
         "e \x80",
         {"Straße €"}},
        {lang, {std::string(255, 'a'), std::string(45, 'a')}},
    };
    for (const auto& f : faelle) {
        const std::vector<unsigned char> b(f.bytes.begin(), f.bytes.end());
        EXPECT_EQ(TextZeilen(b), f.zeilen) << f.bytes.substr(0, 20);
    }
}

TEST_F(Programm, DroppedFilesOpenOneTextWindowEachInTheirOrder) {
    Starten();
    Pump();
    const auto a = dirs.Root() / "a.txt", b = dirs.Root() / "b.pro";
    WriteText(a, "Zeile 1\r\nZeile 2\r\n");
    WriteText(b, "Viroruvizaru 95");
    TDropInfo drop{{a.string(), b.string()}, {10, 10}, true};
    app->EvDropFiles(drop);
    const auto kinder = app->Client()->MDIChildren();
    ASSERT_EQ(kinder.size(), 2u);
    std::vector<std::string> titel;
    for (auto* k : kinder) titel.push_back(k->GetCaption());
    std::sort(titel.begin(), titel.end());
    EXPECT_EQ(titel, (std::vector<std::string>{a.string(), b.string()}));
    const std::vector<std::string> inA{"Zeile 1", "Zeile 2"}, inB{"Viroruvizaru 95"};
    for (auto* k : kinder) EXPECT_EQ(zeilen(k), k->GetCaption() == a.string() ? inA : inB);
    // A dropped project file is shown, not opened as the project.
    EXPECT_EQ(Korpus().AktuellesProjekt, nullptr);
    EXPECT_EQ(app->Client()->Dateidaten.fileName, b.string());
}

TEST_F(Programm, ADroppedFileBesideAMaximisedViewOpensMaximised) {
    Starten();
    Pump();
    const auto a = dirs.Root() / "a.txt";
    WriteText(a, "x");
    auto* erstes = TextDateiOeffnen(*app->Client(), a.string().c_str());
    ASSERT_NE(erstes, nullptr);
    erstes->ShowWindow(SW_SHOWMAXIMIZED);
    erstes->BringWindowToTop();
    Pump();
    auto* zweites = TextDateiOeffnen(*app->Client(), a.string().c_str());
    ASSERT_NE(zweites, nullptr);
    EXPECT_TRUE(zweites->IsZoomed());
}

TEST_F(Programm, TooLargeOrUnreadableFilesAreToldAndTheWindowStaysEmpty) {
    Starten();
    Pump();
    const auto gross = dirs.Root() / "gross.txt";
    WriteText(gross, std::string(kTextDateiGrenze + 1, 'x'));
    services.Messages().Answer(IDOK);
    auto* fenster = TextDateiOeffnen(*app->Client(), gross.string().c_str());
    EXPECT_TRUE(zeilen(fenster).empty());
    const auto fehlt = dirs.Root() / "fehlt.txt";
    services.Messages().Answer(IDOK);
    fenster = TextDateiOeffnen(*app->Client(), fehlt.string().c_str());
    EXPECT_TRUE(zeilen(fenster).empty());
    const auto& calls = services.Messages().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text,
              "Datei " + gross.string() + " ist zu groß, um angezeigt zu werden (mehr als 4 MB).");
    EXPECT_EQ(calls[1].text,
              "Datei " + fehlt.string() + " kann nicht von Diskette/Festplatte gelesen werden.");
    EXPECT_EQ(calls[1].caption, "QTX KORVALIN");
    EXPECT_EQ(calls[1].type, uint32_t(MB_OK | MB_ICONEXCLAMATION));
}

} // namespace
