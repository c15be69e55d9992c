// The recent-files list: order, capacity, the menu entries above "&Beenden",
// and the stored form in the registry store and in korpus.ini.
#include "korvalin/shell/MruList.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/profile/Profile.h"
#include "platform/profile/RegistryStore.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/Menu.h"
#include "platform/window/MenuResource.h"

namespace {

std::vector<std::string> namen(const MruList& l) {
    return {l.Eintraege.begin(), l.Eintraege.begin() + l.Fuellstand};
}

std::unique_ptr<MruList> liste(std::initializer_list<const char*> eintraege) {
    auto l = MruList::ErzeugenStandard();
    int i = 0;
    for (const char* e : eintraege) EXPECT_TRUE(l->EintragSetzen(i++, e));
    return l;
}

// The "&Projekt" menu's tail as the program has it.
TMenu projektMenue() {
    return TMenu({MenuPopup("&Projekt", {MenuItem(CM_FILEPRINTERSETUP, "Drucker&installation..."),
                                         MenuSeparator(), MenuItem(CM_EXIT, "&Beenden\tAlt+F4")})});
}

std::vector<std::string> zeilen(const TMenu& menu) {
    std::vector<std::string> z;
    const TMenu& m = *menu.GetSubMenu(0);
    for (int i = 0; i < m.GetMenuItemCount(); ++i) {
        const auto* item = m.ItemAt(i);
        z.push_back(std::to_string(item->id) + (item->separator ? " -" : " " + item->text));
    }
    return z;
}

TEST(MruList, AddingPutsTheNameFirst) {
    auto l = liste({"a.pro", "b.pro", "C.pro", "d.pro"});
    l->DateiHinzufuegen("e.pro");
    EXPECT_EQ(namen(*l), (std::vector<std::string>{"e.pro", "a.pro", "b.pro", "C.pro", "d.pro"}));
    // Third in the list: to the front.
    l->DateiHinzufuegen("b.pro");
    EXPECT_EQ(namen(*l), (std::vector<std::string>{"b.pro", "e.pro", "a.pro", "C.pro", "d.pro"}));
    // Another case is another file on Linux: a new entry, the old one stays.
    l->DateiHinzufuegen("B.PRO");
    EXPECT_EQ(namen(*l),
              (std::vector<std::string>{"B.PRO", "b.pro", "e.pro", "a.pro", "C.pro", "d.pro"}));
}

TEST(MruList, ATenthNameDropsTheOldest) {
    auto l = liste({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    l->DateiHinzufuegen("neu");
    EXPECT_EQ(namen(*l), (std::vector<std::string>{"neu", "1", "2", "3", "4", "5", "6", "7", "8"}));
    auto menue = projektMenue();
    l->MenueAufbauen(&menue, CM_EXIT);
    EXPECT_EQ(zeilen(menue),
              (std::vector<std::string>{"24338 Drucker&installation...", "0 -", "8001 &1 neu",
                                        "8002 &2 1", "8003 &3 2", "8004 &4 3", "8005 &5 4",
                                        "8006 &6 5", "8000 -", "24310 &Beenden\tAlt+F4"}));
}

TEST(MruList, MenuIsRebuiltAndAnEmptyListLeavesNoSeparator) {
    auto menue = projektMenue();
    auto l = liste({"/p/haus.pro", "/p/halle.pro"});
    l->MenueAufbauen(&menue, CM_EXIT);
    l->MenueAufbauen(&menue, CM_EXIT); // twice: the old entries go first
    EXPECT_EQ(zeilen(menue), (std::vector<std::string>{
                                 "24338 Drucker&installation...", "0 -", "8001 &1 /p/haus.pro",
                                 "8002 &2 /p/halle.pro", "8000 -", "24310 &Beenden\tAlt+F4"}));
    EXPECT_TRUE(l->EintragEntfernen(8001, true));
    EXPECT_TRUE(l->EintragEntfernen(0, false));
    EXPECT_FALSE(l->EintragEntfernen(0, false));
    l->MenueAufbauen(&menue, CM_EXIT);
    EXPECT_EQ(zeilen(menue), (std::vector<std::string>{"24338 Drucker&installation...", "0 -",
                                                       "24310 &Beenden\tAlt+F4"}));
    l->MenueAufbauen(nullptr, CM_EXIT); // no menu: nothing
}

TEST(MruList, EntriesAreFetchedByMenuIdOrIndex) {
    auto l = liste({"a.pro", "b.pro"});
    std::string name;
    EXPECT_TRUE(l->EintragHolen(8002, true, name));
    EXPECT_EQ(name, "b.pro");
    EXPECT_TRUE(l->EintragHolen(0, false, name, 3));
    EXPECT_EQ(name, "a."); // the buffer's last byte is the zero
    EXPECT_FALSE(l->EintragHolen(8003, true, name));
    EXPECT_FALSE(l->EintragSetzen(9, "x"));
}

TEST(MruList, ANameThatDoesNotFitIsNotCutIntoAnotherPath) {
    auto l = liste({"a.pro"});
    const std::string lang = "/" + std::string(255, 'x') + ".pro"; // 260 bytes
    EXPECT_FALSE(l->EintragSetzen(1, lang));
    l->DateiHinzufuegen(lang);
    EXPECT_EQ(namen(*l), std::vector<std::string>{"a.pro"});
    const std::string passt = "/" + std::string(254, 'x') + ".pro"; // 259 bytes
    l->DateiHinzufuegen(passt);
    EXPECT_EQ(l->Eintraege[0], passt);
}

struct Gespeichert : ::testing::Test {
    testsupport::TestDirectories dirs;
};

TEST_F(Gespeichert, RegistryKeepsAllNineValuesAndLoadingStopsAtTheFirstEmpty) {
    RegistryStore registry;
    liste({"/a.pro", "/ü.pro"})->InRegistrySpeichern(registry, kMruSchluessel);
    EXPECT_EQ(registry.ValueNames(kMruSchluessel).size(), 9u);
    EXPECT_EQ(registry.GetValue(kMruSchluessel, "File2"), "/ü.pro");
    EXPECT_EQ(registry.GetValue(kMruSchluessel, "File9"), "");
    registry.SetValue(kMruSchluessel, "File4", "/d.pro"); // after an empty third
    auto l = MruList::ErzeugenStandard();
    l->AusRegistryLesen(registry, kMruSchluessel);
    EXPECT_EQ(namen(*l), (std::vector<std::string>{"/a.pro", "/ü.pro"}));
}

TEST_F(Gespeichert, KorpusIniHoldsTheListInSectionProjekte) {
    liste({"/a.pro", "/b.pro", "/c.pro"})->InIniSpeichern("Projekte", "korpus.ini");
    auto l = MruList::ErzeugenStandard();
    l->AusIniLesen("Projekte", "korpus.ini");
    EXPECT_EQ(namen(*l), (std::vector<std::string>{"/a.pro", "/b.pro", "/c.pro"}));
    const std::string ini = testsupport::ReadText(dirs.Dirs().config / "korpus.ini");
    EXPECT_NE(ini.find("[Projekte]"), std::string::npos);
    EXPECT_NE(ini.find("File9="), std::string::npos);
}

TEST_F(Gespeichert, ANameRefusedWhileLoadingLeavesNoGap) {
    const std::string lang = "/" + std::string(300, 'x') + ".pro";
    RegistryStore registry;
    registry.SetValue(kMruSchluessel, "File1", "/a.pro");
    registry.SetValue(kMruSchluessel, "File2", lang);
    registry.SetValue(kMruSchluessel, "File3", "/c.pro");
    auto l = MruList::ErzeugenStandard();
    l->AusRegistryLesen(registry, kMruSchluessel);
    EXPECT_EQ(namen(*l), (std::vector<std::string>{"/a.pro", "/c.pro"}));

    TProfile profil("Projekte", "korpus.ini");
    profil.WriteString("File1", lang);
    profil.WriteString("File2", "/b.pro");
    auto ini = MruList::ErzeugenStandard();
    ini->AusIniLesen("Projekte", "korpus.ini");
    EXPECT_EQ(namen(*ini), std::vector<std::string>{"/b.pro"});
}

TEST_F(Gespeichert, NamesWithoutAWindows1252FormAreLeftOutNotMangled) {
    RegistryStore registry;
    liste({"/a.pro", "/проект.pro", "/c.pro"})->InRegistrySpeichern(registry, kMruSchluessel);
    auto l = MruList::ErzeugenStandard();
    l->AusRegistryLesen(registry, kMruSchluessel);
    EXPECT_EQ(namen(*l), (std::vector<std::string>{"/a.pro", "/c.pro"}));
}

using shelltest::Programm;

TEST_F(Programm, TheListIsLoadedIntoTheMenuAtStartAndSavedAtTheEnd) {
    const std::string haus = (dirs.Root().Path() / "haus.pro").string();
    testsupport::WriteText(haus, "");
    {
        RegistryStore registry;
        liste({haus.c_str()})->InRegistrySpeichern(registry, kMruSchluessel);
    }
    Starten();
    const TMenu& projekt = *app->GetMainWindow()->GetMenu()->GetSubMenu(0);
    const int n = projekt.GetMenuItemCount();
    EXPECT_EQ(projekt.GetMenuItemID(n - 3), CM_MRU_ERSTER);
    EXPECT_EQ(projekt.GetMenuString(n - 3, MF_BYPOSITION), "&1 " + haus);
    EXPECT_EQ(projekt.GetMenuItemID(n - 1), CM_EXIT);
    // Choosing the entry opens that project.
    app->Frame()->SendMessage(WM_COMMAND, CM_MRU_ERSTER, 0);
    EXPECT_EQ(oeffnung.ereignisse, std::vector<std::string>{"oeffne " + haus});
    Korpus().Mru->DateiHinzufuegen("/p/halle.pro");
    app.reset();
    EXPECT_EQ(RegistryStore().GetValue(kMruSchluessel, "File1"), "/p/halle.pro");
    EXPECT_EQ(RegistryStore().GetValue(kMruSchluessel, "File2"), haus);
}

} // namespace
