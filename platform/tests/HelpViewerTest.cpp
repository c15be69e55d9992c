#include "platform/services/HelpViewer.h"
#include "platform/services/HelpFile.h"
#include "platform/services/Services.h"
#include "testsupport/PageDump.h"
#include "testsupport/RunCommand.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <fstream>

namespace {

const char* const kHilfe = R"HLP(KORVALIN-HILFE 1
Titel: Testhilfe
Inhalt: inhalt
Hilfe zur Hilfe: hilfe
Makro: CreateButton("oben","&Oben","JI(`',`inhalt')")

== inhalt
Titel: Inhalt
Stichworte: Übersicht

Siehe [[projekt|das Projektfenster]] und [[!begriff|den Begriff]].
== projekt
Titel: Das Projektfenster
Kontext: 1120
Stichworte: Projektfenster; Projekt

Der Baum zeigt das Projekt.
== begriff
Titel: U-Wert
Kontext: 42
Stichworte: Projektdaten

Wärmedurchgangskoeffizient.
== hilfe
Titel: Hilfe verwenden

Index und Inhalt.
)HLP";

struct ViewerFixture : ::testing::Test {
    testsupport::TempDir dir;
    std::filesystem::path file = dir / "test.hlp";
    HelpViewer viewer;

    void SetUp() override {
        std::ofstream(file) << kHilfe;
        std::string error;
        ASSERT_TRUE(viewer.Open(file, &error)) << error;
    }
    void TearDown() override { viewer.Close(); }
    std::string shownTitle() const {
        const int t = viewer.CurrentTopic();
        return t < 0 ? "" : viewer.File().Topics()[size_t(t)].title;
    }
    QWidget* window() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == "Testhilfe" && w->isVisible()) return w;
        return nullptr;
    }
};

TEST_F(ViewerFixture, HelpCommandsShowTheirTopics) {
    EXPECT_TRUE(viewer.Command(HELP_CONTEXT, 1120u));
    EXPECT_TRUE(viewer.IsShown());
    EXPECT_EQ(shownTitle(), "Das Projektfenster");
    EXPECT_EQ(viewer.CurrentTopicNumber(), 2u);
    EXPECT_EQ(viewer.Note(), "");

    EXPECT_TRUE(viewer.Command(HELP_HELPONHELP, 0u));
    EXPECT_EQ(shownTitle(), "Hilfe verwenden");
    EXPECT_TRUE(viewer.Command(HELP_FINDER, 0u));
    EXPECT_EQ(shownTitle(), "Inhalt");

    EXPECT_TRUE(viewer.Command(HELP_CONTEXTPOPUP, 42u));
    EXPECT_EQ(viewer.PopupTopic(), 2);
    EXPECT_EQ(shownTitle(), "Inhalt"); // the pop-up does not change the topic

    // A keyword of one topic shows it; a partial one opens the index.
    EXPECT_TRUE(viewer.Command(HELP_KEY, std::string_view("projektfenster")));
    EXPECT_EQ(shownTitle(), "Das Projektfenster");
    EXPECT_TRUE(viewer.Command(HELP_PARTIALKEY, std::string_view("Proj")));
    EXPECT_TRUE(viewer.IndexShown());
    EXPECT_EQ(viewer.IndexKey(), "Proj");

    EXPECT_TRUE(viewer.Command(HELP_QUIT, 0u));
    EXPECT_FALSE(viewer.IsShown());
}

// F1 in a modal dialog: the viewer takes clicks beside the dialog's loop.
TEST_F(ViewerFixture, HelpFromAModalDialogTakesInput) {
    QWidget dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.resize(200, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_TRUE(viewer.Command(HELP_CONTEXT, 1120u));
    QWidget* w = window();
    ASSERT_TRUE(w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QPushButton* index = nullptr;
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == "In&dex") index = b;
    ASSERT_TRUE(index);
    // A click as the window system delivers it, so that modality applies.
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {},
                      index->mapTo(w, index->rect().center()));
    EXPECT_TRUE(viewer.IndexShown());
    dialog.hide();
}

TEST_F(ViewerFixture, AnUnknownContextShowsTheContentsWithANote) {
    EXPECT_TRUE(viewer.Command(HELP_CONTEXT, 4711u));
    EXPECT_EQ(shownTitle(), "Inhalt");
    EXPECT_NE(viewer.Note().find("4711"), std::string::npos) << viewer.Note();
    // The next topic clears the note.
    viewer.ShowContext(1120);
    EXPECT_EQ(viewer.Note(), "");
    EXPECT_TRUE(viewer.Command(HELP_CONTEXTPOPUP, 4711u));
    EXPECT_EQ(viewer.PopupTopic(), -1);
    EXPECT_NE(viewer.Note().find("4711"), std::string::npos);
}

TEST_F(ViewerFixture, MacrosJumpDriveButtonsAndRefuseWhatTheyDoNotKnow) {
    EXPECT_TRUE(viewer.RunMacro("CW(\"main\");NS();JI(\">main\",\"projekt\")"));
    EXPECT_EQ(shownTitle(), "Das Projektfenster");
    EXPECT_TRUE(viewer.RunMacro("JI(\"" + file.string() + ">main\",\"BEGRIFF\")"));
    EXPECT_EQ(shownTitle(), "U-Wert");
    EXPECT_TRUE(viewer.RunMacro("PI(\"\",\"projekt\")"));
    EXPECT_EQ(viewer.PopupTopic(), 1);

    // The start macro made the button; EB and DB switch it.
    EXPECT_TRUE(viewer.ButtonEnabled("OBEN"));
    EXPECT_TRUE(viewer.RunMacro("DB(\"oben\")"));
    EXPECT_FALSE(viewer.ButtonEnabled("oben"));
    EXPECT_TRUE(viewer.RunMacro("IF(Not(HelpOnTop()),`EB(\"oben\")')")); // HelpOnTop answers 1
    EXPECT_FALSE(viewer.ButtonEnabled("oben"));
    EXPECT_TRUE(viewer.IsOnTop());
    EXPECT_TRUE(viewer.RunMacro("IFELSE(Not(HelpOnTop()),`DB(\"oben\")',`EB(\"oben\")')"));
    EXPECT_TRUE(viewer.ButtonEnabled("oben"));
    EXPECT_FALSE(viewer.IsOnTop());

    EXPECT_FALSE(viewer.RunMacro("JI(\"\""));
    EXPECT_FALSE(viewer.RunMacro("Unbekannt()"));
    EXPECT_FALSE(viewer.RunMacro("EB(\"fehlt\")"));
    EXPECT_FALSE(viewer.RunMacro("RR(\"gibtesnicht.dll\",\"x\",\"\")"));
    EXPECT_FALSE(viewer.RunMacro("MPrintId(\"projekt\")")); // no InitMPrint
    // A missing topic shows the contents and says why.
    viewer.RunMacro("JI(\"\",\"weg\")");
    EXPECT_EQ(shownTitle(), "Inhalt");
    EXPECT_NE(viewer.Note().find("weg"), std::string::npos);
}

TEST_F(ViewerFixture, ClicksOnLinksContentsAndButtonsNavigate) {
    viewer.ShowContents();
    QWidget* w = window();
    ASSERT_NE(w, nullptr);
    auto* browser = w->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    const auto clickText = [&](const QString& text) {
        QTextCursor c = browser->document()->find(text);
        ASSERT_FALSE(c.isNull()) << text.toStdString();
        c.setPosition(c.selectionStart() + 2);
        const QRect r = browser->cursorRect(c);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, r.center());
    };
    clickText("das Projektfenster");
    EXPECT_EQ(shownTitle(), "Das Projektfenster");

    auto* list = w->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(shownTitle(), "Inhalt");
    clickText("den Begriff");
    EXPECT_EQ(viewer.PopupTopic(), 2);
    EXPECT_EQ(shownTitle(), "Inhalt");

    viewer.ShowContext(1120);
    QPushButton* oben = nullptr;
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == "&Oben") oben = b;
    ASSERT_NE(oben, nullptr);
    QTest::mouseClick(oben, Qt::LeftButton);
    EXPECT_EQ(shownTitle(), "Inhalt");
}

TEST_F(ViewerFixture, PrintedTopicsReachThePdf) {
    viewer.SetPrintFile(dir / "themen.pdf");
    EXPECT_TRUE(viewer.RunMacro(
        "IF(InitMPrint(),`MPrintId(\"projekt\");MPrintId(\"begriff\")');EndMPrint()"));
    const std::string text =
        testsupport::RunCommand("pdftotext '" + (dir / "themen.pdf").string() + "' -");
    EXPECT_NE(text.find("Das Projektfenster"), std::string::npos) << text;
    EXPECT_NE(text.find("Wärmedurchgangskoeffizient"), std::string::npos) << text;
    const std::string info =
        testsupport::RunCommand("pdfinfo '" + (dir / "themen.pdf").string() + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
}

TEST(HelpViewerFile, AFileThatCannotBeReadIsNamedInTheError) {
    testsupport::TempDir dir;
    std::ofstream(dir / "kaputt.hlp") << "KORVALIN-HILFE 1\nInhalt: a\n== a\n";
    HelpViewer viewer;
    std::string error;
    EXPECT_FALSE(viewer.Open(dir / "kaputt.hlp", &error));
    EXPECT_NE(error.find("kaputt.hlp"), std::string::npos) << error;
    EXPECT_NE(error.find("ohne Titel"), std::string::npos) << error;
    EXPECT_FALSE(viewer.Open(dir / "fehlt.hlp", &error));
    EXPECT_FALSE(viewer.Command(HELP_CONTEXT, 1u));
}

TEST(HelpViewerPicture, TheViewerWithATopicIsSavedAsPicture) {
    HelpViewer viewer;
    std::string error;
    ASSERT_TRUE(viewer.Open(testsupport::SourceTree() / "data/hilfe/korvalin.hlp", &error))
        << error;
    viewer.ShowContext(1120);
    viewer.RunMacro("PI(\"\",\"begriff_u\")");
    testsupport::TempDir dir;
    ASSERT_TRUE(viewer.SaveImage(dir / "hilfe.png"));
    EXPECT_GT(std::filesystem::file_size(dir / "hilfe.png"), 5000u);
    if (const char* keep = std::getenv("KORVALIN_KEEP_PICTURES"))
        std::filesystem::copy_file(dir / "hilfe.png", std::filesystem::path(keep) / "hilfe.png",
                                   std::filesystem::copy_options::overwrite_existing);
    viewer.Close();
}

} // namespace
