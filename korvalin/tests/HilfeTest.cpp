// Every help request of the program lands on a topic of the shipped help file.
#include "korvalin/shell/Hauptmenue.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/base/FileIO.h"
#include "platform/services/HelpFile.h"
#include "platform/window/Application.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/MDIChild.h"

#include "testsupport/PageDump.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

HelpFile shipped(const char* name) {
    const auto bytes = ReadWholeFile(testsupport::SourceTree() / "data/hilfe" / name);
    HelpFileError e;
    HelpFile f = HelpFile::Parse(std::string(bytes.bytes.begin(), bytes.bytes.end()), &e);
    EXPECT_TRUE(f.IsValid()) << name << ":" << e.line << ": " << e.message;
    return f;
}

void commandIds(const std::vector<TMenuResource>& menu, std::vector<int>& ids) {
    for (const auto& m : menu) {
        if (!m.popup.empty())
            commandIds(m.popup, ids);
        else if (!m.separator)
            ids.push_back(m.id);
    }
}

struct Hilfe : shelltest::Programm {
    // F1 held while a menu is open, then the highlighted command arrives.
    uint32_t f1AufBefehl(int id) {
        MSG idle{app->Frame()->GetHandle(), WM_ENTERIDLE, MSGF_MENU, 0, {}};
        SetKeyDown(VK_F1, true);
        EXPECT_TRUE(app->ProcessAppMsg(idle));
        SetKeyDown(VK_F1, false);
        MSG befehl{app->Frame()->GetHandle(), WM_COMMAND, WPARAM(id), 0, {}};
        EXPECT_TRUE(app->ProcessAppMsg(befehl));
        const auto& c = services.Help().Calls().back();
        EXPECT_EQ(c.file, Korpus().HilfeDatei);
        EXPECT_EQ(c.command, uint32_t(HELP_CONTEXT));
        return c.data;
    }
};

TEST_F(Hilfe, F1OnEveryMenuCommandShowsATopicOfItsOwn) {
    Starten();
    const HelpFile f = shipped("korvalin.hlp");
    ASSERT_TRUE(f.IsValid());
    std::vector<int> ids;
    commandIds(Hauptmenue(), ids);
    for (int mru = CM_MRU_ERSTER; mru <= CM_MRU_LETZTER; ++mru) ids.push_back(mru);
    ASSERT_GT(ids.size(), 40u);
    for (int id : ids) {
        const uint32_t kontext = f1AufBefehl(id);
        EXPECT_EQ(kontext, uint32_t(id));
        EXPECT_GE(f.FindByContext(kontext), 0) << "no topic for command " << id;
    }
    // The tool bar's help button has one too.
    EXPECT_GE(f.FindByContext(CM_KONTEXTHILFE), 0);
    EXPECT_EQ(f.Topics()[size_t(f.FindByContext(CM_PROJEKT_NEU))].title, "Neues Projekt");
}

TEST_F(Hilfe, TheHelpButtonShowsTheTopicOfTheActiveWindow) {
    Korpus().Oeffnung.reset();
    Starten();
    Pump();
    const HelpFile f = shipped("korvalin.hlp");
    services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); }); // the new project's settings
    app->Frame()->SendMessage(WM_COMMAND, CM_PROJEKT_NEU, 0);
    Korpus().ProjektWindow->BringWindowToTop();
    app->Frame()->SendMessage(WM_COMMAND, CM_KONTEXTHILFE, 0);
    const auto& c = services.Help().Calls().back();
    EXPECT_EQ(c.command, uint32_t(HELP_CONTEXT));
    EXPECT_EQ(c.data, 1120u);
    ASSERT_GE(f.FindByContext(c.data), 0);
    EXPECT_EQ(f.Topics()[size_t(f.FindByContext(c.data))].title, "Das Projektfenster");
    // The windows still to come send these; their topics are written already.
    for (uint32_t fenster : {1102u, 1139u, 1140u, 1141u, 1142u, 1143u, 1144u, 1146u, 1147u, 1162u,
                             1163u, 1164u, 1166u, 1167u})
        EXPECT_GE(f.FindByContext(fenster), 0) << fenster;
}

TEST(HilfeDateien, ContentsAndHelpOnHelpExistInBothFiles) {
    for (const char* name : {"korvalin.hlp", "qtx_enev.hlp"}) {
        const HelpFile f = shipped(name);
        ASSERT_TRUE(f.IsValid()) << name;
        EXPECT_GE(f.ContentsTopic(), 0);
    }
    EXPECT_GE(shipped("korvalin.hlp").HelpOnHelpTopic(), 0);
}

// The help contexts the sources send, read from the sources themselves so that
// a new help button is checked without anyone adding it here.
struct GesendeterKontext {
    uint32_t kontext;
    std::string datei;
};

std::string lesen(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// `NAME = 1234` in the file or its header: the named contexts.
std::map<std::string, uint32_t> benannteZahlen(const std::filesystem::path& p) {
    std::map<std::string, uint32_t> namen;
    static const std::regex def(R"(\b([A-Za-z_]\w*)\s*=\s*(\d+)\b)");
    for (auto datei : {p, std::filesystem::path(p).replace_extension(".h")}) {
        const std::string text = lesen(datei);
        for (std::sregex_iterator i(text.begin(), text.end(), def), e; i != e; ++i)
            namen[(*i)[1]] = uint32_t(std::stoul((*i)[2]));
    }
    return namen;
}

std::vector<GesendeterKontext> gesendeteKontexte(const std::filesystem::path& quellen,
                                                 std::vector<std::string>& unbekannt) {
    // Calls that hand their context on to the help file: the context is in
    // the capture group.
    static const std::regex aufruf(
        R"(WinHelp\([^;]*?HELP_CONTEXT(?:POPUP)?\s*,\s*((?:[^();]|\([^();]*\))*)\))");
    static const std::regex weiter[] = {
        std::regex(R"(\bHilfeZeigen\((\d+)\))"),
        std::regex(R"(\bHilfeKnopfEintragen\([^,;]+,\s*(\d+)\))"),
        std::regex(R"(\bTReferenzListenTexte\s+\w+\s*\{[^}]*?,\s*(\d+)\s*\})"),
        std::regex(R"(\bkontext\s*=\s*([1-9]\d*)\s*;)"), // 0: no topic, the contents
    };
    // Forwarded arguments whose values the patterns above collect; the
    // menu commands' F1 is checked by its own test.
    static const std::set<std::string> weitergereicht = {"kontext", "uint32_t(kontext)",
                                                         "texte_.Hilfe", "LOWORD(msg.wParam)"};
    static const std::regex zahl(R"(\b\d+\b)"), name(R"(\b[A-Za-z_]\w*\b)");
    std::vector<GesendeterKontext> gefunden;
    for (const char* ordner : {"korvalin", "tauplot"}) {
        for (const auto& e : std::filesystem::recursive_directory_iterator(quellen / ordner)) {
            const auto& p = e.path();
            if (p.string().find("/tests/") != std::string::npos || p.extension() != ".cpp")
                continue;
            const std::string text = lesen(p);
            const std::string rel = std::filesystem::relative(p, quellen).string();
            for (std::sregex_iterator i(text.begin(), text.end(), aufruf), ende; i != ende; ++i) {
                std::string arg = (*i)[1];
                std::erase_if(arg, [](char c) { return std::isspace(uint8_t(c)); });
                if (weitergereicht.count(arg)) continue;
                const auto namen = benannteZahlen(p);
                const size_t vorher = gefunden.size();
                for (std::sregex_iterator z(arg.begin(), arg.end(), zahl), ze; z != ze; ++z)
                    gefunden.push_back({uint32_t(std::stoul(z->str())), rel});
                for (std::sregex_iterator n(arg.begin(), arg.end(), name), ne;
                     gefunden.size() == vorher && n != ne; ++n)
                    if (auto it = namen.find(n->str()); it != namen.end())
                        gefunden.push_back({it->second, rel});
                if (gefunden.size() == vorher) unbekannt.push_back(rel + ": " + arg);
            }
            for (const auto& muster : weiter)
                for (std::sregex_iterator i(text.begin(), text.end(), muster), ende; i != ende; ++i)
                    gefunden.push_back({uint32_t(std::stoul((*i)[1])), rel});
        }
    }
    return gefunden;
}

TEST(HilfeDateien, EveryContextTheDialogsSendHasATopic) {
    const std::filesystem::path quellen = testsupport::SourceTree();
    const HelpFile f = shipped("korvalin.hlp");
    ASSERT_TRUE(f.IsValid());
    std::vector<std::string> unbekannt;
    const auto kontexte = gesendeteKontexte(quellen, unbekannt);
    EXPECT_TRUE(unbekannt.empty()) << "help context not read from the sources: " << unbekannt[0];
    // The proofs dialog's button, the catalogue's and a named context are among them.
    const auto gesendet = [&](uint32_t k) {
        return std::any_of(kontexte.begin(), kontexte.end(),
                           [k](const auto& g) { return g.kontext == k; });
    };
    EXPECT_TRUE(gesendet(1151) && gesendet(1160) && gesendet(1155) && gesendet(1152));
    for (const auto& g : kontexte)
        EXPECT_GE(f.FindByContext(g.kontext), 0)
            << "no topic for " << g.kontext << " (" << g.datei << ")";
}

} // namespace
