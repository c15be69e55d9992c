// The authoring add-in that answers the topic types: found through the
// registry store's highest version key, bound once, refused when an entry
// point is missing; and the window its types name for the help viewer.
#include "lmbpilot32/NavHelpLink.h"
#include "lmbpilot32/NavRegKey.h"
#include "lmbpilot32/TopicTypeAddIn.h"
#include "platform/base/FileIO.h"
#include "platform/base/SharedLibrary.h"
#include "platform/profile/RegistryStore.h"
#include "platform/services/MessageBox.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kProduct = "Software\\Sorvik Systems\\Lumbra";

std::string shipped(const char* file = kAddInFile) {
    return (ProgramLibraryFolder() / file).string();
}

struct TopicTypes : ::testing::Test {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    RegistryStore store{dir / "registry.ini"};

    void addInOf(const std::string& version, const std::string& path) {
        ASSERT_TRUE(store.SetValue(std::string(kProduct) + "\\" + version + "\\Directories",
                                   kAddInFile, path));
    }
    // A copy of the add-in of its own, to tell which registry entry was used.
    std::string copyOfAddIn(const std::string& folder) {
        std::filesystem::create_directories(dir / folder);
        const auto to = dir / folder / kAddInFile;
        std::filesystem::copy_file(shipped(), to);
        return to.string();
    }
};

TEST_F(TopicTypes, TheHighestVersionKeyAboveZeroIsUsed) {
    struct Case {
        const char* name;
        std::vector<const char*> versions;
        std::optional<std::string> key;
    };
    const std::string product = std::string(kProduct) + "\\";
    const Case cases[] = {
        {"the largest number", {"2.0", "3.0", "2.5"}, product + "3.0"},
        {"only a word", {"Neu"}, std::nullopt},
        {"zero and below are never chosen", {"0.0", "-2"}, std::nullopt},
        {"of equal numbers the first", {"3.0", "3"}, product + "3.0"},
        {"no product key", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir / "registry.ini");
        for (const char* v : c.versions) addInOf(v, "/nirgends/" + std::string(v));
        EXPECT_EQ(FindProductVersionKey(store), c.key);
    }
}

TEST_F(TopicTypes, BindingLoadsTheVersionsAddInOrElseTheBareFileName) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> entries; // version, folder of a copy
        std::string loaded;                                       // "": the bare file name
    };
    const Case cases[] = {
        {"versions 2.0, 3.0, 2.5", {{"2.0", "v2"}, {"3.0", "v3"}, {"2.5", "v25"}}, "v3"},
        {"only a word", {{"Neu", "neu"}}, ""},
        {"no registry entry", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.Path());
        std::filesystem::create_directories(dir.Path());
        std::string expected = kAddInFile;
        for (const auto& [version, folder] : c.entries) {
            const std::string copy = copyOfAddIn(folder);
            addInOf(version, copy);
            if (c.loaded == folder) expected = copy;
        }
        TopicTypeAddIn addIn;
        ASSERT_TRUE(addIn.Bind(store));
        EXPECT_EQ(addIn.Path(), expected);
        EXPECT_TRUE(addIn.IsBound());
        EXPECT_EQ(addIn.NumTopicTypes((dir / "fehlt.ini").string()), 0);
    }
    EXPECT_TRUE(services.Messages().Calls().empty());
}

TEST_F(TopicTypes, AFailedBindingSaysWhyAndTheNextStartsAgain) {
    TopicTypeAddIn addIn;
    const std::string missing = (dir / "weg" / kAddInFile).string();
    const std::string incomplete = shipped("ruzorari32_incomplete.wll");
    ASSERT_TRUE(std::filesystem::exists(incomplete));
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {missing, "Failed to load '" + missing + "'"},
        // Without "GetTopicTypeMap" alone.
        {incomplete, "The file '" + incomplete + "' is damaged or corrupt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        addInOf("3.0", c.path);
        services.Messages().Answer(IDOK);
        EXPECT_FALSE(addIn.Bind(store));
        EXPECT_FALSE(addIn.IsBound());
        ASSERT_FALSE(services.Messages().Calls().empty());
        EXPECT_EQ(services.Messages().Calls().back().text, c.message);
        EXPECT_EQ(services.Messages().Calls().back().type, MB_OK | MB_ICONSTOP);
        EXPECT_EQ(addIn.NumTopicTypes("x"), -1); // nothing bound answers
    }
    const size_t shown = services.Messages().Calls().size();
    const std::string good = copyOfAddIn("gut");
    addInOf("3.0", good);
    ASSERT_TRUE(addIn.Bind(store));
    EXPECT_EQ(addIn.Path(), good);
    // A second binding loads nothing, not even what the registry names now.
    addInOf("3.0", missing);
    EXPECT_TRUE(addIn.Bind(store));
    EXPECT_EQ(addIn.Path(), good);
    EXPECT_EQ(services.Messages().Calls().size(), shown);
}

TEST_F(TopicTypes, TheAddInAnswersFromLumbraIni) {
    const auto ini = dir / "lumbra.ini";
    ASSERT_TRUE(WriteFileAtomically(ini, std::string_view("[Topic Types]\r\nwinhlp40=7\r\n"
                                                          "[Topic Type 3]\r\nName=Thema\r\n"
                                                          "[Topic Type 7]\r\nName=\xDC"
                                                          "bersicht\r\n"
                                                          "Access=1\r\nLink Type=1\r\n"
                                                          "Window=Seitenfenster\r\n")));
    TopicTypeAddIn addIn;
    ASSERT_TRUE(addIn.Bind(store));
    const std::string file = ini.string();
    EXPECT_EQ(addIn.NumTopicTypes(file), 2);
    EXPECT_EQ(addIn.TopicTypeMap(file, "winhlp40"), 7);
    EXPECT_EQ(addIn.TopicTypeMap(file, "winhlp3"), 0);
    const auto first = addIn.TopicType(file, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Id, 3);
    EXPECT_EQ(first->Window, "");
    const auto second = addIn.TopicType(file, 1);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Id, 7);
    EXPECT_EQ(second->Name, "Übersicht"); // the file is Windows-1252
    EXPECT_EQ(second->Access, 1);
    EXPECT_EQ(second->LinkType, 1);
    EXPECT_EQ(second->Window, "Seitenfenst"); // the buffer's 12 bytes hold 11 characters
    EXPECT_FALSE(addIn.TopicType(file, 2));
    // A file that is there but cannot be read: no list.
    std::filesystem::create_directories(dir / "ordner.ini");
    EXPECT_EQ(addIn.NumTopicTypes((dir / "ordner.ini").string()), -1);
}

TEST_F(TopicTypes, TheViewersTopicTypeNamesTheHelpWindow) {
    TopicTypeAddIn addIn;
    ASSERT_TRUE(addIn.Bind(store));
    struct Case {
        const char* name;
        std::string ini; // "": no file
        std::optional<std::string> window;
    };
    const std::string types = "[Topic Type 1]\nWindow=proc\n[Topic Type 2]\nWindow=";
    const Case cases[] = {
        {"the first type with the viewer's identifier", "[Topic Types]\nwinhlp40=1\n" + types,
         "proc"},
        {"an empty window name is main", "[Topic Types]\nwinhlp40=2\n" + types, "main"},
        {"so is /c", "[Topic Types]\nwinhlp40=1\n[Topic Type 1]\nWindow=/c\n", "main"},
        {"no type for the viewer", "[Topic Types]\nwinhlp40=5\n" + types, std::nullopt},
        {"no viewer named", types, std::nullopt},
        {"no file", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto ini = dir / "lumbra.ini";
        std::filesystem::remove(ini);
        if (!c.ini.empty()) ASSERT_TRUE(WriteFileAtomically(ini, c.ini));
        EXPECT_EQ(HelpViewerWindow(addIn, ini.string()), c.window);
    }
    EXPECT_TRUE(services.Messages().Calls().empty());
    // The file lies in the parent folder of the navigator file's folder.
    EXPECT_EQ(TopicTypeFile("/hilfe/projekt/guide.ltp"), "/hilfe/lumbra.ini");
    EXPECT_EQ(TopicTypeFile("/guide.ltp"), "/lumbra.ini");
}

TEST_F(TopicTypes, TheKeyHelperReadsStringsAndEnumeratesSubkeys) {
    addInOf("3.0", "/opt/ruzorari32.wll");
    CNavRegKey key(store);
    EXPECT_EQ(key.Open(kProduct, "4.0"), REG_NOT_FOUND);
    EXPECT_FALSE(key.IsOpen());
    ASSERT_EQ(key.Open(kProduct, "3.0"), REG_OK); // holds only a key below it
    std::string name;
    EXPECT_EQ(key.EnumKey(0, name), REG_OK);
    EXPECT_EQ(name, "Directories");
    EXPECT_EQ(key.EnumKey(1, name), REG_NO_MORE_ITEMS);
    ASSERT_EQ(key.Open(key.Path(), "Directories"), REG_OK);
    std::string value = "alt";
    EXPECT_EQ(key.QueryString(kAddInFile, value, 5), REG_MORE_DATA);
    EXPECT_EQ(value, "");
    EXPECT_EQ(key.QueryString(kAddInFile, value), REG_OK);
    EXPECT_EQ(value, "/opt/ruzorari32.wll");
    EXPECT_EQ(key.QueryString("fehlt", value), REG_NOT_FOUND);
    EXPECT_EQ(value, "");
}

} // namespace
