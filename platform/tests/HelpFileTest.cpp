#include "platform/services/HelpFile.h"
#include "platform/services/HelpMacro.h"

#include <gtest/gtest.h>

namespace {

const char* const kDatei = R"HLP(# Kommentar vor der Kennung
KORVALIN-HILFE 1
Titel: Testhilfe
Inhalt: inhalt
Hilfe zur Hilfe: hilfe
Makro: CreateButton("oben","&Oben","JI(`',`inhalt')")

== inhalt
Titel: Inhalt
Kontext: 24381 7
Stichworte: Übersicht; Inhalt

Erste Zeile
zweite Zeile mit [[thema]] und [[!thema|Pop-up]].

- Punkt eins
- Punkt [[hilfe|zwei]]
== thema
Titel: Ein Thema
Kontext: 1120
Stichworte: übersicht; Überschrift

Text.
== hilfe
Titel: Hilfe verwenden

Hilfe.
)HLP";

HelpFile parse(std::string_view text, HelpFileError* e = nullptr) {
    HelpFileError dummy;
    return HelpFile::Parse(text, e ? e : &dummy);
}

TEST(HelpFile, ReadsHeaderTopicsContextsKeywordsAndLinks) {
    HelpFileError e;
    const HelpFile f = parse(kDatei, &e);
    ASSERT_TRUE(f.IsValid()) << e.line << ": " << e.message;
    EXPECT_EQ(f.Title(), "Testhilfe");
    ASSERT_EQ(f.StartMacros().size(), 1u);
    EXPECT_EQ(f.StartMacros()[0], "CreateButton(\"oben\",\"&Oben\",\"JI(`',`inhalt')\")");
    ASSERT_EQ(f.Topics().size(), 3u);
    EXPECT_EQ(f.ContentsTopic(), 0);
    EXPECT_EQ(f.HelpOnHelpTopic(), 2);
    EXPECT_EQ(f.FindByContext(7), 0);
    EXPECT_EQ(f.FindByContext(1120), 1);
    EXPECT_EQ(f.FindByContext(1121), -1);
    EXPECT_EQ(f.FindByName("THEMA"), 1);

    const auto& body = f.Topics()[0].body;
    ASSERT_EQ(body.size(), 3u);
    // Lines of one paragraph are joined; a link without text shows the title.
    EXPECT_EQ(HelpFile::PlainText(f.Topics()[0]),
              "Erste Zeile zweite Zeile mit Ein Thema und Pop-up.\n\n- Punkt eins\n\n- Punkt zwei");
    EXPECT_EQ(body[0].runs[1].target, "thema");
    EXPECT_FALSE(body[0].runs[1].popup);
    EXPECT_TRUE(body[0].runs[3].popup);
    EXPECT_EQ(body[2].kind, HelpBlock::Kind::ListItem);
    EXPECT_EQ(body[2].runs[1].text, "zwei");
}

TEST(HelpFile, KeywordsIgnoreCaseAndMayBeSearchedByTheirBeginning) {
    const HelpFile f = parse(kDatei);
    EXPECT_EQ(f.FindByKeyword("ÜBERSICHT", false), (std::vector<int>{0, 1}));
    EXPECT_EQ(f.FindByKeyword("über", false), (std::vector<int>{}));
    EXPECT_EQ(f.FindByKeyword("über", true), (std::vector<int>{0, 1}));
    EXPECT_EQ(f.Keywords(), (std::vector<std::string>{"Inhalt", "Überschrift", "Übersicht"}));
}

TEST(HelpFile, ABrokenFileIsRefusedWithItsLine) {
    const std::string kopf = "KORVALIN-HILFE 1\nInhalt: a\n";
    struct Fall {
        std::string text;
        int line;
        std::string message;
    };
    const Fall faelle[] = {
        {"", 1, "Kennung"},
        {"KORVALIN-HILFE 2\n", 1, "Kennung"},
        {kopf, 0, "kein Thema"},
        {kopf + "Farbe: rot\n== a\nTitel: A\n", 3, "unbekannter Schlüssel"},
        {kopf + "== a\n\nText\n", 4, "ohne Titel"},
        {kopf + "== a\nTitel: A\n", 0, ""}, // valid: a topic without body
        {kopf + "== a\nTitel: A\n== A\nTitel: B\n", 5, "doppelt"},
        {kopf + "== a b\nTitel: A\n", 3, "Themenname"},
        {kopf + "== a\nTitel: A\nKontext: 12 x\n", 5, "ungültig"},
        {kopf + "== a\nTitel: A\nKontext: 12 99999999999\n", 5, "ungültig"},
        {kopf + "== a\nTitel: A\nKontext: 12\n== b\nTitel: B\nKontext: 12\n", 8, "doppelt"},
        {kopf + "== a\nTitel: A\n\n[[b]]\n", 0, "fehlendes Thema \"b\""},
        {kopf + "== a\nTitel: A\n\n[[a|offen\n", 6, "ohne \"]]\""},
        {kopf + "== a\nTitel: A\n\nzu]] viel\n", 6, "ohne \"[[\""},
        {kopf + "== a\nTitel: A\n\n[[a|[[a]]]]\n", 6, "Verweis im Verweis"},
        {"KORVALIN-HILFE 1\nInhalt: fehlt\n== a\nTitel: A\n", 0, "Inhaltsthema"},
        {"KORVALIN-HILFE 1\nInhalt: a\nHilfe zur Hilfe: x\n== a\nTitel: A\n", 0, "Hilfe zur Hilfe"},
        {kopf + "== a\nTitel: \xC3\n", 0, "UTF-8"},
        {kopf + "== a\nTitel: A\n\n\xE2\x82", 0, "UTF-8"},
    };
    for (const auto& fall : faelle) {
        HelpFileError e;
        const HelpFile f = parse(fall.text, &e);
        if (fall.message.empty()) {
            EXPECT_TRUE(f.IsValid()) << fall.text << e.message;
            continue;
        }
        EXPECT_FALSE(f.IsValid()) << fall.text;
        EXPECT_EQ(e.line, fall.line) << fall.text << e.message;
        EXPECT_NE(e.message.find(fall.message), std::string::npos) << fall.text << e.message;
    }
}

TEST(HelpMacro, ParsesCallsTextsNumbersAndNestedCalls) {
    const auto m = ParseHelpMacro(
        "IF(InitMPrint(),`RR(\"lmbhook32.dll\",\"lmbPrintRange\",\"UU\");lmbPrintRange(0,2)');"
        " JI(\"C:/HELP/GUIDE.HLP>main\", \"TOPIC_A\") ; lmbPrintRange(-1, 0x10)");
    ASSERT_TRUE(m);
    ASSERT_EQ(m->size(), 3u);
    const auto& c = (*m)[0];
    EXPECT_EQ(c.name, "IF");
    ASSERT_EQ(c.args.size(), 2u);
    EXPECT_EQ(c.args[0].kind, HelpMacroArg::Kind::Call);
    EXPECT_EQ(c.args[0].call.front().name, "InitMPrint");
    EXPECT_EQ(c.args[1].text, "RR(\"lmbhook32.dll\",\"lmbPrintRange\",\"UU\");lmbPrintRange(0,2)");
    EXPECT_EQ((*m)[1].args[0].text, "C:/HELP/GUIDE.HLP>main");
    EXPECT_EQ((*m)[2].args[0].number, -1);
    EXPECT_EQ((*m)[2].args[1].number, 16);
    // Backquoted texts nest.
    EXPECT_EQ(ParseHelpMacro("A(`x`y'z')")->front().args[0].text, "x`y'z");
    EXPECT_TRUE(ParseHelpMacro("")->empty());
    for (const char* bad : {"JI(", "JI(\"a\"", "JI(\"a\" \"b\")", "(1)", "1A()", "A() B()", "A(,)",
                            "A(A(A(A(A(A(A(A(A(A(B()))))))))))"})
        EXPECT_FALSE(ParseHelpMacro(bad)) << bad;
}

} // namespace
