// The navigator's registry settings and the reader's reduced menus.
#include "lmbpilot32/NavSettings.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CNavView.h"
#include "lmbpilot32/NavMenus.h"
#include "platform/profile/RegistryStore.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct Registry : ::testing::Test {
    testsupport::TestDirectories dirs;
    RegistryStore store{dirs.Dirs().config / "registry.ini"};
    NavSettings settings{store};
    CNavDoc doc;
    void SetUp() override {
        doc.Values.HelpFileName = "GUIDE.HLP";
        doc.SetPath("/hilfe/GUIDE.ltp");
    }
    std::optional<std::string> reader(const char* name) const {
        return store.GetValue(NavSettings::KeyOf("/hilfe/GUIDE.HLP"), name);
    }
};

TEST_F(Registry, AuthorOptionsHaveTheirDefaultsAndRoundTrip) {
    NavOptions o = settings.LoadOptions();
    EXPECT_EQ(o.AutoSync, 1);
    EXPECT_EQ(o.UseTopicTypeWindow, 1);
    EXPECT_EQ(o.SaveSettingsOnExit, 1);
    EXPECT_EQ(o.HotspotType, 0);
    o.Beep = 1;
    o.HotspotType = 2;
    o.AutoSync = 0;
    ASSERT_TRUE(settings.SaveOptions(o));
    const std::string key = "Software\\Sorvik Systems\\Lumbra Navigator\\3.0\\Options";
    EXPECT_EQ(store.GetValue(key, "HotspotType"), "2");
    // The exit flag has its own command, which writes it at once.
    EXPECT_FALSE(store.GetValue(key, "SaveSettingsOnExit"));
    ASSERT_TRUE(settings.WriteSaveOnExit(NavSettings::kOptions, false));
    const NavOptions back = settings.LoadOptions();
    EXPECT_EQ(back.Beep, 1);
    EXPECT_EQ(back.HotspotType, 2);
    EXPECT_EQ(back.AutoSync, 0);
    EXPECT_EQ(back.SaveSettingsOnExit, 0);
}

TEST_F(Registry, TheAutoLoadPathIsWrittenBackWhenMissing) {
    const std::string path = settings.AutoLoadPath();
    EXPECT_EQ(path, (dirs.Dirs().config / "AUTOLOAD.LTP").string());
    const std::string key = NavSettings::KeyOf(NavSettings::kOptions);
    EXPECT_EQ(store.GetValue(key, "AutoLoad"), path);
    store.SetValue(key, "AutoLoad", "/anderswo/start.ltp");
    EXPECT_EQ(settings.AutoLoadPath(), "/anderswo/start.ltp");
}

TEST_F(Registry, AReaderKeepsOnlyWhatDiffersFromTheNavigatorFile) {
    doc.Values.Left = 10;
    doc.Values.Right = 300;
    doc.Values.Bottom = 500;
    ReaderSettings r = NavSettings::ReaderDefaults(doc);
    ASSERT_TRUE(settings.SaveReader(doc, r));
    EXPECT_TRUE(store.ValueNames(NavSettings::KeyOf("/hilfe/GUIDE.HLP")).empty());

    r.AutoSync = 0;
    r.Font.Bold = true;
    r.Font.Size = 12.5f;
    r.Window.Top = 20;
    ASSERT_TRUE(settings.SaveReader(doc, r));
    EXPECT_EQ(reader("AutoSync"), "0");
    EXPECT_EQ(reader("FontBold"), "1");
    EXPECT_EQ(reader("FontSize"), "125"); // tenths of a point
    EXPECT_FALSE(reader("FontName"));     // the file's face
    EXPECT_FALSE(reader("AlwaysOnTop"));
    // The rectangle is kept whole when any side moved.
    EXPECT_EQ(reader("Left"), "10");
    EXPECT_EQ(reader("Top"), "20");

    const ReaderSettings back = settings.LoadReader(doc);
    EXPECT_EQ(back.AutoSync, 0);
    EXPECT_TRUE(back.Font.Bold);
    EXPECT_EQ(back.Font.Name, "Arial");
    EXPECT_EQ(back.Font.Size, 12.0f); // read back in whole points
    EXPECT_EQ(back.Window, (NavRect{10, 20, 300, 500}));

    // Back to the file's values: the section empties again.
    ASSERT_TRUE(settings.SaveReader(doc, NavSettings::ReaderDefaults(doc)));
    EXPECT_TRUE(store.ValueNames(NavSettings::KeyOf("/hilfe/GUIDE.HLP")).empty());
}

TEST_F(Registry, AKeptFontNameAloneKeepsTheFileSize) {
    doc.Values.FontSize = 14.0f;
    store.SetValue(NavSettings::KeyOf("/hilfe/GUIDE.HLP"), "FontName", "Courier New");
    const ReaderSettings r = settings.LoadReader(doc);
    EXPECT_EQ(r.Font.Name, "Courier New");
    EXPECT_EQ(r.Font.Size, 14.0f);
    // The exit flag of a reader defaults to the file's menu flag.
    doc.Values.MenuFlags[11] = 0;
    EXPECT_EQ(settings.LoadReader(doc).SaveSettingsOnExit, 0);
}

std::vector<std::string> titles(const std::vector<TMenuResource>& menu) {
    std::vector<std::string> t;
    for (const auto& m : menu) t.push_back(m.text);
    return t;
}

std::vector<int> ids(const TMenuResource& menu) {
    std::vector<int> t;
    for (const auto& m : menu.popup) t.push_back(m.separator ? 0 : m.id);
    return t;
}

TEST(ReaderMenu, FlagsRemoveMenusCommandsAndStraySeparators) {
    std::array<uint16_t, 22> flags;
    flags.fill(1);
    EXPECT_EQ(titles(ReduceReaderMenu(ReaderMenu(), flags)),
              (std::vector<std::string>{"&File", "&View", "&Topic", "&Options", "&Help"}));
    flags[0] = 0; // no File menu, every other menu stays
    auto menu = ReduceReaderMenu(ReaderMenu(), flags);
    EXPECT_EQ(titles(menu), (std::vector<std::string>{"&View", "&Topic", "&Options", "&Help"}));

    flags.fill(1);
    flags[14] = flags[15] = 0; // no Previous/Next, no Parent: the separator after them goes
    flags[19] = flags[20] = 0; // only About in Help: no separator before it
    flags[18] = flags[17] = 0; // nothing after the last separator of Topic
    menu = ReduceReaderMenu(ReaderMenu(), flags);
    EXPECT_EQ(ids(menu[2]), (std::vector<int>{CM_NAV_EXPAND, CM_NAV_COLLAPSE}));
    EXPECT_EQ(ids(menu[4]), (std::vector<int>{CM_NAV_ABOUT}));
    flags[5] = 0; // no Print: the File menu starts with Save Settings
    menu = ReduceReaderMenu(ReaderMenu(), flags);
    EXPECT_EQ(ids(menu[0]), (std::vector<int>{CM_NAV_SAVESETTINGS, 0, CM_NAV_EXIT}));
}

TEST(NavGeometry, DialogsGoBesideTheTreeAndRectanglesScaleTo1023) {
    const TSize screen{1024, 768}, dialog{300, 200};
    struct Fall {
        TRect tree;
        TPoint expected;
    };
    const Fall faelle[] = {
        {{0, 0, 200, 700}, {200, 50}},      // room on the right
        {{600, 0, 900, 700}, {724, 50}},    // right of it, but pushed onto the screen
        {{700, 0, 1000, 300}, {50, 300}},   // below
        {{700, 500, 1000, 700}, {400, 50}}, // left of it
    };
    for (const auto& f : faelle) {
        const TPoint p = PlaceBeside(f.tree, dialog, screen, {50, 50});
        EXPECT_EQ(p.x, f.expected.x) << f.tree.left;
        EXPECT_EQ(p.y, f.expected.y) << f.tree.left;
    }
    const NavRect n = ToLogicalRect({0, 0, 512, 384}, screen);
    EXPECT_EQ(n, (NavRect{0, 0, 512, 512}));
    const TRect back = ToScreenRect(n, screen);
    EXPECT_NEAR(back.right, 512, 1); // a unit is a pixel at most
    EXPECT_NEAR(back.bottom, 384, 1);
}

} // namespace
