// The map numbers a help project's [MAP] section gives the navigator's topics.
#include "lmbpilot32/NavProject.h"

#include "lmbpilot32/CNavDoc.h"
#include "platform/base/FileIO.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

CNavList topics(std::initializer_list<const char*> contexts) {
    CNavList items;
    for (const char* c : contexts) {
        CNavItem it;
        it.ContextString = c;
        items.push_back(it);
    }
    return items;
}

TEST(ProjectMap, EntriesGiveTheirNumbersToTheFirstMatchingTopic) {
    struct Case {
        const char* name;
        const char* project;
        std::vector<int32_t> numbers; // for topics AB, A, C
    };
    const Case cases[] = {
        {"a name that begins an earlier topic's context goes to that one",
         "[MAP]\nA 5\n",
         {5, 0, 0}},
        {"hex after '=' and decimal after a blank", "[MAP]\nAB=0x10\nC 16\n", {16, 0, 16}},
        {"octal after a leading zero, sign, tabs and blanks",
         "[MAP]\nc \t= 010\nab -3\n",
         {-3, 0, 8}},
        {"no digits read as 0", "[MAP]\nC 7\nc x\n", {0, 0, 0}},
        {"a comment ends the map", "[MAP]\nAB 1\n;C 2\nC 3\n", {1, 0, 0}},
        {"an empty line ends the map", "[MAP]\nAB 1\n\nC 3\n", {1, 0, 0}},
        {"the next section ends the map", "[MAP]\nAB 1\n[WINDOWS]\nC 3\n", {1, 0, 0}},
        {"includes are skipped", "[map]\n#INCLUDE <x.h>\nC 4\n", {0, 0, 4}},
        {"entries before the map and unknown names are ignored",
         "[OPTIONS]\nC 9\n[MAP]\r\n  Z 1  \r\nC 2\r\n",
         {0, 0, 2}},
        {"no map section", "[OPTIONS]\nTITLE=x\n", {0, 0, 0}},
        {"an entry without a name matches nothing", "[MAP]\n=5\nC 1\n", {0, 0, 1}},
    };
    for (const Case& c : cases) {
        CNavList items = topics({"AB", "A", "C"});
        std::istringstream in(c.project);
        ReadMapNumbers(items, in);
        std::vector<int32_t> got;
        for (const CNavItem& it : items) got.push_back(it.MapNumber);
        EXPECT_EQ(got, c.numbers) << c.name;
    }
}

TEST(ProjectMap, TheTitleComesFromTheProjectCutToThirtyTwoOnlyWhenTheDocumentHasNone) {
    testsupport::TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(
        dir / "g.hpj", std::string_view("[OPTIONS]\nTitle=" + std::string(40, 'T') + "\n")));
    CNavDoc doc;
    doc.Values.HelpFileName = "g.HLP";
    doc.SetPath((dir / "g.LTP").string());
    ASSERT_TRUE(LoadProjectInformation(doc, nullptr));
    EXPECT_EQ(doc.Values.Title, std::string(32, 'T'));
    doc.Values.Title = "Eigener";
    ASSERT_TRUE(LoadProjectInformation(doc, nullptr));
    EXPECT_EQ(doc.Values.Title, "Eigener");

    // A project that cannot be read is named in the message.
    doc.Values.HelpFileName = "fehlt.HLP";
    doc.SetPath((dir / "fehlt.LTP").string());
    std::string error;
    EXPECT_FALSE(LoadProjectInformation(doc, &error));
    EXPECT_EQ(error, "Can't read " + (dir / "fehlt.HPJ").string() + ":\r\nfileNotFound");
}

} // namespace
