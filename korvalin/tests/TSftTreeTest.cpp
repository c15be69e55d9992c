// The program's tree control: selection by lists of rows, missing columns.
#include "korvalin/shell/TSftTree.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

namespace {

struct Baum : ::testing::Test {
    testsupport::ScriptedServices services;
    TWindow parent{nullptr, "Projekt"};
    TSftTree* baum = new TSftTree(&parent, 301);
    void SetUp() override {
        baum->SetMultiSelect(true);
        baum->SetColumns({{100, TTreeColumn::Left, "Name"}, {-1, TTreeColumn::Right, "U-Wert"}});
        for (const char* z : {"Außenwand", "Dach", "Bodenplatte", "Fenster"}) baum->AddItem(z);
        ASSERT_TRUE(parent.Create());
    }
};

TEST_F(Baum, ItIsTheProgramsTreeControl) {
    EXPECT_EQ(baum->GetClassName(), "SoftelTreeControl32");
    EXPECT_EQ(baum->GetId(), 301);
}

TEST_F(Baum, SelectingAListOfRowsCountsTheRowsThatExist) {
    EXPECT_EQ(baum->AuswahlSetzen(nullptr, 0, 1), 0); // nothing sent, nothing selected
    EXPECT_EQ(baum->GetSelCount(), 0);
    const int zeilen[] = {1, 3, 7};
    EXPECT_EQ(baum->AuswahlSetzen(zeilen, 3, 1), 2);
    EXPECT_EQ(baum->GetSelectedItems(), (std::vector<int>{1, 3}));
    const int eine[] = {3};
    EXPECT_EQ(baum->AuswahlSetzen(eine, 1, 0), 1);
    EXPECT_EQ(baum->GetSelectedItems(), std::vector<int>{1});
}

TEST_F(Baum, ANegativeCountAppliesToAllRows) {
    EXPECT_EQ(baum->AuswahlSetzen(nullptr, -1, 1), 0);
    EXPECT_EQ(baum->GetSelCount(), 4);
    EXPECT_EQ(baum->AuswahlSetzen(nullptr, -1, 0), 0);
    EXPECT_EQ(baum->GetSelCount(), 0);
}

TEST_F(Baum, AColumnThatDoesNotExistIsNeitherSetNorRead) {
    EXPECT_TRUE(baum->SetCellText(0, 1, "0,35"));
    EXPECT_EQ(baum->GetCellText(0, 1), "0,35");
    EXPECT_FALSE(baum->SetCellText(0, 2, "x"));
    EXPECT_FALSE(baum->GetCellText(0, 2).has_value());
}

TEST(SftTreeFrei, AFreeControlHasItsPlaceAndTitle) {
    testsupport::ScriptedServices services;
    TWindow parent(nullptr, "Liste");
    auto* baum = new TSftTree(&parent, 302, "Orte", 5, 6, 200, 100);
    EXPECT_EQ(baum->GetCaption(), "Orte");
    EXPECT_EQ(baum->Attr().X, 5);
    EXPECT_EQ(baum->Attr().W, 200);
    EXPECT_TRUE(SftTree_RegisterApp2());
    EXPECT_TRUE(SftTree_UnregisterApp2());
}

} // namespace
