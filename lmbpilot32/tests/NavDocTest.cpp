#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/NavCommandLine.h"
#include "lmbpilot32/NavMacros.h"
#include "platform/base/ByteStream.h"

#include <gtest/gtest.h>

namespace {

CNavItem item(std::string title, std::string context, uint16_t level, int32_t topic = 0) {
    CNavItem it;
    it.Title = std::move(title);
    it.ContextString = std::move(context);
    it.HeadingLevel = level;
    it.OutlineDepth = level;
    it.TopicNumber = topic;
    return it;
}

TEST(NavDoc, ANewDocumentRoundTrips) {
    CNavDoc doc;
    CNavDoc back;
    std::string error;
    ASSERT_TRUE(back.Deserialize(doc.Serialize(), &error)) << error;
    EXPECT_TRUE(back.Items.empty());
    ASSERT_EQ(back.Values.TopicTypes.size(), 1u);
    EXPECT_EQ(back.Values.TopicTypes[0].Window, "main");
    EXPECT_EQ(back.Values.FontName, "Arial");
    EXPECT_EQ(back.Values.FontSize, 10.0f);
    EXPECT_EQ(back.Values.BackgroundColor, 0xE8FFFFu);
    EXPECT_EQ(back.Serialize(), doc.Serialize());
}

TEST(NavDoc, ItemsTypesAndValuesRoundTripByteForByte) {
    CNavDoc doc;
    doc.Items = {item("Übersicht", "UEBERSICHT", 1, 1), item("Wände", "WAENDE", 2, 2)};
    doc.Items[1].TreeCaption = "Wand";
    doc.Items[1].MapNumber = 4711;
    doc.Items[1].TopicType = 1;
    doc.Values.TopicTypes.push_back({1, 1, "popup"});
    doc.Values.Title = std::string(300, 'T'); // a long text takes the 16-bit length
    doc.Values.MenuFlags[3] = 0;
    doc.Values.TabPage = 1;
    CNavDoc back;
    std::string error;
    ASSERT_TRUE(back.Deserialize(doc.Serialize(), &error)) << error;
    EXPECT_EQ(back.Items[0].Title, "Übersicht");
    EXPECT_EQ(back.Items[1].ShownText(), "Wand");
    EXPECT_EQ(back.Items[0].ShownText(), "Übersicht");
    EXPECT_EQ(back.Items[1].MapNumber, 4711);
    EXPECT_EQ(back.Items[1].TopicType, 1);
    EXPECT_EQ(back.Values.Title.size(), 300u);
    EXPECT_EQ(back.Serialize(), doc.Serialize());
}

// Items 1 to 16 of a schema-3 file, written field by field.
std::vector<uint8_t> schema3File() {
    ByteWriter w;
    const auto text = [&](std::string_view s) {
        w.WriteU8(uint8_t(s.size()));
        w.WriteBytes({reinterpret_cast<const uint8_t*>(s.data()), s.size()});
    };
    w.WriteU16(3);
    w.WriteU16(2);
    w.WriteU16(0xFFFF);
    w.WriteU16(1);
    w.WriteU16(8);
    text("CNavItem"); // the name without its length byte: undo it
    std::vector<uint8_t> b = w.Take();
    b.erase(b.end() - 9);
    w = ByteWriter();
    w.WriteBytes(b);
    for (int i = 0; i < 2; ++i) {
        if (i) w.WriteU16(0x8001);
        text(i ? "Zwei" : "Eins");
        text("");
        text(i ? "ZWEI" : "EINS");
        w.WriteI32(10 + i);
        w.WriteU16(uint16_t(1 + i));
        w.WriteU16(uint16_t(1 + i));
        w.WriteI32(i + 1);
    }
    for (int16_t c : {10, 20, 300, 400}) w.WriteI16(c);
    text("Alt");
    w.WriteU32(0);
    w.WriteU32(0xE8FFFF);
    for (int i = 0; i < 9; ++i) w.WriteU16(i == 1 || i == 3 ? 1 : 0);
    text("Arial");
    w.WriteU32(0x41200000); // 10.0f
    text("ALT.HLP");
    for (int i = 0; i < 3; ++i) w.WriteU16(1);
    text("&Navigator");
    text("&Up");
    for (int i = 0; i < 29; ++i) w.WriteU16(1);
    return w.Take();
}

TEST(NavDoc, ASchema3FileReadsWithDefaultsAndIsWrittenAsSchema4) {
    CNavDoc doc;
    std::string error;
    ASSERT_TRUE(doc.Deserialize(schema3File(), &error)) << error;
    ASSERT_EQ(doc.Items.size(), 2u);
    EXPECT_EQ(doc.Items[1].ContextString, "ZWEI");
    EXPECT_EQ(doc.Items[1].HeadingLevel, 2);
    EXPECT_EQ(doc.Values.Title, "Alt");
    EXPECT_EQ(doc.Values.Right, 300);
    EXPECT_EQ(doc.Values.HelpFileName, "ALT.HLP");
    EXPECT_EQ(doc.Values.ObserveLinkType, 1);
    EXPECT_EQ(doc.Values.TabCaption, "Contents");
    EXPECT_EQ(doc.Values.TopicTypes.size(), 1u);
    const auto again = doc.Serialize();
    EXPECT_EQ(again[0], 4);
    CNavDoc back;
    ASSERT_TRUE(back.Deserialize(again, &error));
    EXPECT_EQ(back.Items[0].Title, "Eins");
}

TEST(NavDoc, TruncatedAndForeignFilesAreRefused) {
    CNavDoc doc;
    doc.Items = {item("A", "A", 1), item("B", "B", 2)};
    const auto bytes = doc.Serialize();
    for (size_t n = 0; n < bytes.size(); ++n) {
        CNavDoc back;
        std::string error;
        ASSERT_FALSE(back.Deserialize(std::span(bytes.data(), n), &error)) << n;
        EXPECT_NE(error.find("Dateiende"), std::string::npos) << n << error;
        EXPECT_TRUE(back.Items.empty());
    }
    auto other = bytes;
    other[0] = 5;
    std::string error;
    EXPECT_FALSE(CNavDoc().Deserialize(other, &error));
    EXPECT_NE(error.find("Schema"), std::string::npos);
    other = bytes;
    other[6] = 2; // the item class's schema
    EXPECT_FALSE(CNavDoc().Deserialize(other, &error));
    EXPECT_NE(error.find("Schema"), std::string::npos);
}

struct Outline : ::testing::Test {
    CNavDoc doc;
    void SetUp() override {
        doc.Values.HelpFileName = "GUIDE.HLP";
        doc.SetPath("C:\\HELP\\GUIDE.ltp");
        doc.Items = {item("Start", "START", 1, 1), item("A", "TOPIC_A", 2, 2),
                     item("A1", "A1", 3, 3),       item("A2", "A2", 3, 4),
                     item("B", "TOPIC_B", 2, 5),   item("Ende", "ENDE", 1, 6)};
        doc.Values.TopicTypes.push_back({1, 1, "/c"});
    }
};

TEST_F(Outline, NextPreviousAndParentSkipWhatIsNotVisible) {
    EXPECT_EQ(doc.NextVisible(0, +1), 1);
    EXPECT_EQ(doc.NextVisible(5, +1), -1);
    EXPECT_EQ(doc.NextVisible(0, -1), -1);
    doc.Items[1].InHelp = false;
    doc.Items[2].TopicType = 1; // hidden by topic access
    EXPECT_EQ(doc.NextVisible(0, +1), 3);
    EXPECT_EQ(doc.NextVisible(3, -1), 0);
    doc.Items[0].TopicType = 1;
    EXPECT_EQ(doc.FirstVisible(), 3);
    doc.Values.ObserveTopicAccess = 0;
    EXPECT_EQ(doc.FirstVisible(), 0);
    EXPECT_EQ(doc.Parent(3), 1);
    EXPECT_EQ(doc.Parent(1), 0);
    EXPECT_EQ(doc.Parent(0), -1);
    EXPECT_EQ(doc.FindByTopicNumber(5), 4);
    EXPECT_EQ(doc.FindByTopicNumber(99), -1);
}

TEST_F(Outline, PrintRangesCoverSubtopics) {
    int from = -1, to = -1;
    ASSERT_TRUE(doc.PrintRange(1, 1, from, to));
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 3); // level 2 followed by 3, 3, 2
    ASSERT_TRUE(doc.PrintRange(5, 1, from, to));
    EXPECT_EQ(to, 5);
    ASSERT_TRUE(doc.PrintRange(2, 2, from, to));
    EXPECT_EQ(from, 0);
    EXPECT_EQ(to, 5);
    EXPECT_FALSE(doc.PrintRange(9, 0, from, to));
    EXPECT_FALSE(doc.PrintRange(1, 3, from, to));
    // A range of three chains three steps, the last ending the print.
    std::vector<std::string> steps;
    for (int i = 1, printed = 0; i <= 3; i = printed + 1) {
        steps.push_back(PrintStepMacro(doc, i, 3, &printed));
        if (steps.size() > 3) break;
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"MPrintId(\"TOPIC_A\");lmbPrintRange(2,3)",
                                               "MPrintId(\"A1\");lmbPrintRange(3,3)",
                                               "MPrintId(\"A2\");EndMPrint()"}));
    EXPECT_EQ(PrintRangeMacro(1, 3), "IF(InitMPrint(),`RR(\"lmbhook32.dll\",\"lmbPrintRange\","
                                     "\"UU\");lmbPrintRange(1,3)')");
}

TEST_F(Outline, MacrosCarryFileWindowAndContext) {
    EXPECT_EQ(JumpMacro(doc, 1), "JI(\"C:/HELP/GUIDE.HLP>main\",\"TOPIC_A\")");
    doc.Items[1].TopicType = 1; // window /c, link type pop-up
    EXPECT_EQ(ItemMacro(doc, 1, MacroKind::Jump, MacroFile::HelpPath, true),
              "JI(\"C:/HELP/GUIDE.HLP\",\"TOPIC_A\")");
    EXPECT_EQ(JumpMacro(doc, 1), "PI(\"C:/HELP/GUIDE.HLP\",\"TOPIC_A\")");
    EXPECT_EQ(ItemMacro(doc, 0, MacroKind::Jump, MacroFile::FileName, false),
              "JI(\"GUIDE.HLP\",\"START\")");
    doc.Items[0].ContextString.clear();
    EXPECT_EQ(JumpMacro(doc, 0), "");
    EXPECT_EQ(SaveAsName("Guide #2"), "Guide .ltp");
}

TEST(NavCommandLine, SwitchesAnywhereInAnyCase) {
    struct Fall {
        const char* line;
        bool author, hidden, ids;
        const char* file;
    };
    const Fall faelle[] = {{"GUIDE.LTP /h", false, true, false, "GUIDE.LTP"},
                           {"/H GUIDE.LTP", false, true, false, "GUIDE.LTP"},
                           {"/A /h", true, false, false, ""},
                           {"/i /tmp/hilfe/guide.ltp", false, false, true, "/tmp/hilfe/guide.ltp"},
                           {"", false, false, false, ""}};
    for (const auto& f : faelle) {
        const NavCommandLine c = ParseNavCommandLine(f.line);
        EXPECT_EQ(c.Author, f.author) << f.line;
        EXPECT_EQ(c.Hidden, f.hidden) << f.line;
        EXPECT_EQ(c.ShowIds, f.ids) << f.line;
        EXPECT_EQ(c.File, f.file) << f.line;
    }
    EXPECT_FALSE(ParseNavCommandLine("/g").Generate); // only with a file
    EXPECT_TRUE(ParseNavCommandLine("/g a.ltp").Generate);
}

} // namespace
