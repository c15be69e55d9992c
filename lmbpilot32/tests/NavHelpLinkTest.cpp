// Linking the navigator to its help file: the block in the help file's header.
#include "lmbpilot32/NavHelpLink.h"
#include "lmbpilot32/CNavDoc.h"
#include "platform/base/FileIO.h"
#include "platform/services/HelpFile.h"
#include "testsupport/PageDump.h"

#include <gtest/gtest.h>

namespace {

std::string text(const std::filesystem::path& p) {
    const FileContents f = ReadWholeFile(p, HelpFile::kMaxBytes);
    EXPECT_TRUE(f.ok) << f.error;
    return {f.bytes.begin(), f.bytes.end()};
}

const char* const kAuthor =
    "KORVALIN-HILFE 1\nTitel: T\nInhalt: a\nMakro: EB(\"x\")\n\n== a\nTitel: A\n\nA.\n";

const char* const kRegistrations =
    "# {{Navigator: DO NOT EDIT!\n"
    "Makro: RegisterRoutine(\"lmbhook32.dll\",\"lmbInitWinHelp\",\"\")\n"
    "Makro: RegisterRoutine(\"lmbhook32.dll\",\"lmbLoadNavigator\",\"i\")\n"
    "Makro: RegisterRoutine(\"lmbhook32.dll\",\"lmbParentTopic\",\"\")\n"
    "Makro: RegisterRoutine(\"lmbhook32.dll\",\"lmbParentButton\",\"S\")\n"
    "Makro: lmbInitWinHelp()\n";

TEST(HelpLink, TheProgramsHelpHoldsTheBlockItsNavigatorWrites) {
    const std::string shipped = text(testsupport::SourceTree() / "data/hilfe/korvalin.hlp");
    CNavDocValues v;
    v.ShowWhenViewerStarts = 0;
    v.ShowByButton = 1;
    v.NavigatorButtonCaption = "&Navigator";
    v.TabPage = 1;
    v.TabCaption = "Navigator";
    EXPECT_EQ(WithNavigatorBlock(shipped, v), shipped);
}

TEST(HelpLink, TheBlockFollowsTheAuthorsHeaderLinesAndReplacesTheOldOne) {
    const std::string header = "KORVALIN-HILFE 1\nTitel: T\nInhalt: a\nMakro: EB(\"x\")\n";
    const std::string topics = "\n== a\nTitel: A\n\nA.\n";
    struct Case {
        const char* name;
        uint16_t show, button, parent, tab;
        std::string input;
        std::string block; // what stands between the header and the topics
        std::optional<std::string> window = std::nullopt;
    };
    const std::string buttonOnly =
        std::string(kRegistrations) +
        "Makro: CreateButton(\"lmbLoadNavigator\",\"&Navigator\",\"lmbLoadNavigator(1)\")\n"
        "# }}Navigator\n";
    const Case cases[] = {
        {"only the navigator button: no start", 0, 1, 0, 0, kAuthor, buttonOnly},
        {"a second link replaces the block", 0, 1, 0, 0, header + buttonOnly + topics, buttonOnly},
        {"all off drops the block", 0, 0, 0, 0, header + buttonOnly + topics, ""},
        {"markers in another case", 0, 0, 0, 0,
         header + "# {{NAVIGATOR: do not edit!\nMakro: lmbInitWinHelp()\n# }}navigator\n" + topics,
         ""},
        {"a marker with a trailing blank is the author's", 0, 0, 0, 0,
         header + "# {{Navigator: DO NOT EDIT! \n" + topics, "# {{Navigator: DO NOT EDIT! \n"},
        {"start shown, parent button and tab", 1, 0, 1, 1, kAuthor,
         std::string(kRegistrations) +
             "Makro: lmbLoadNavigator(1)\n"
             "Makro: CreateButton(\"lmbParentTopic\",\"&Up\",\"lmbParentTopic()\")\n"
             "Makro: lmbParentButton(\"lmbParentTopic\")\n"
             "Reiter: Contents=lmbhook32.dll\n# }}Navigator\n"},
        {"the tab alone starts the navigator hidden", 0, 0, 0, 1, kAuthor,
         std::string(kRegistrations) + "Makro: lmbLoadNavigator(0)\n"
                                       "Reiter: Contents=lmbhook32.dll\n# }}Navigator\n"},
        {"the viewer's window stands in the block, replaced with it", 0, 0, 0, 1,
         header + kRegistrations + "Basis: guide.hlp>alt\n# }}Navigator\n" + topics,
         std::string(kRegistrations) + "Makro: lmbLoadNavigator(0)\n"
                                       "Reiter: Contents=lmbhook32.dll\n"
                                       "Basis: guide.hlp>proc\n# }}Navigator\n",
         "proc"},
        {"no window without the tab", 0, 1, 0, 0, kAuthor, buttonOnly, "proc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CNavDocValues v;
        v.ShowWhenViewerStarts = c.show;
        v.ShowByButton = c.button;
        v.ParentTopicButton = c.parent;
        v.TabPage = c.tab;
        v.HelpFileName = "guide.hlp";
        const std::string out = WithNavigatorBlock(c.input, v, c.window);
        EXPECT_EQ(out, header + c.block + topics);
        HelpFileError e;
        EXPECT_TRUE(HelpFile::Parse(out, &e).IsValid()) << e.line << ": " << e.message;
    }
    // The author's own default window is not overruled by a second line.
    CNavDocValues tab;
    tab.TabPage = 1;
    tab.ShowByButton = 0;
    const std::string own = header + "Basis: guide.hlp>eigen\n";
    EXPECT_EQ(WithNavigatorBlock(own + topics, tab, "proc"),
              own + kRegistrations +
                  "Makro: lmbLoadNavigator(0)\nReiter: Contents=lmbhook32.dll\n# }}Navigator\n" +
                  topics);
}

} // namespace
