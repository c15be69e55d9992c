// Recovery of an autosave copy when a project is opened: which copies in
// the temporary folder are offered, and what each choice does to the
// project file, the copy and the data sheets.
#include "korvalin/shell/Sicherungskopie.h"
#include "korvalin/projekt/TSicherungskopieDialog.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/RadioButton.h"
#include "testsupport/ControlInput.h"
#include "testsupport/LockHolder.h"
#include "testsupport/UserInput.h"

namespace {

using shelltest::Projektbefehle;
using testsupport::ReadText;
using testsupport::WriteText;
namespace fs = std::filesystem;

struct Wiederherstellen : Projektbefehle {
    void SetUp() override {
        Projektbefehle::SetUp();
        datei = gespeichertesProjekt();
        fs::create_directories(tmp());
        alt = ReadWholeFile(datei).bytes;
        alter(datei, 100);
    }
    fs::path tmp() const { return dirs.Dirs().temp; }
    // Makes a file `sekunden` older than now.
    static void alter(const fs::path& p, int sekunden) {
        fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::seconds(sekunden));
    }
    // A copy of the project as the autosave writes it, under the name `pfad`
    // in its path field, with the first facade renamed.
    fs::path kopie(const std::string& name, const fs::path& pfad, const char* fassade = "Kopie") {
        TGesamtProjekt g(ordner());
        EXPECT_EQ(g.Oeffnen(datei), 0);
        g.AktuellesProjekt->FassadeNr(1)->Name = fassade;
        g.PfadSetzen(pfad);
        EXPECT_EQ(g.Speichern(tmp() / name), 1);
        WriteText(tmp() / (fs::path(name).stem().string() + ".pb0"),
                  std::string("Blatt ") + fassade);
        return tmp() / name;
    }
    // The choice the user clicks in "Sicherungskopie", or Cancel for 0.
    void waehlen(int id) {
        services.Dialogs().Expect([id](TDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Sicherungskopie");
            ASSERT_TRUE(testsupport::Activate(d));
            const std::vector<int> knoepfe =
                id ? std::vector<int>{id, IDOK} : std::vector<int>{IDCANCEL};
            for (int knopf : knoepfe) {
                auto* w = d.GetDlgItem(knopf);
                ASSERT_NE(w, nullptr);
                const TRect r = w->GetClientRect();
                testsupport::MouseClick(*w, {r.Height() / 2, r.Height() / 2});
            }
        });
    }
    std::string offeneFassade() const {
        return projekt() ? projekt()->AktuellesProjekt->FassadeNr(1)->Name : "(nicht offen)";
    }
    // The open command, then the name chosen for the copy.
    void oeffnenUnter(const std::optional<fs::path>& neu) {
        services.Files().Answer(datei.string());
        services.Files().Answer(neu ? std::optional<std::string>(neu->string()) : std::nullopt);
        befehl(CM_PROJEKT_OEFFNEN);
    }
    fs::path datei;
    std::vector<uint8_t> alt;
};

TEST_F(Wiederherstellen, ANewerCopyOpenedOverTheProjectReplacesItAndTakesItsSheets) {
    const fs::path k = kopie("QZ4aaaa.tmp", datei);
    const auto bytes = ReadWholeFile(k).bytes;
    waehlen(TSicherungskopieDialog::IDC_OEFFNEN);
    oeffnen(datei);
    EXPECT_EQ(offeneFassade(), "Kopie");
    EXPECT_EQ(ReadWholeFile(datei).bytes, bytes);
    EXPECT_FALSE(fs::exists(k));
    EXPECT_FALSE(fs::exists(tmp() / "QZ4aaaa.pb0"));
    EXPECT_EQ(ReadText(ordner() / "haus.pb0"), "Blatt Kopie");
}

TEST_F(Wiederherstellen, CopiesThatAreNotOfferedStayUntouched) {
    struct Fall {
        const char* was;
        std::function<fs::path(Wiederherstellen&)> machen;
    };
    const Fall faelle[] = {
        {"another project's copy",
         [](Wiederherstellen& t) { return t.kopie("QZ4fremd.tmp", t.ordner() / "anders.pro"); }},
        {"the name in another case",
         [](Wiederherstellen& t) { return t.kopie("QZ4gross.tmp", t.ordner() / "HAUS.pro"); }},
        {"damaged copy",
         [](Wiederherstellen& t) {
             const auto k = t.kopie("QZ4kaputt.tmp", t.datei);
             auto b = ReadWholeFile(k).bytes;
             b.resize(b.size() - 7);
             WriteFileAtomically(k, b);
             return k;
         }},
        {"not a project file",
         [](Wiederherstellen& t) {
             WriteText(t.tmp() / "QZ4text.tmp", "kein Projekt");
             return t.tmp() / "QZ4text.tmp";
         }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const fs::path k = f.machen(*this);
        const auto bytes = ReadWholeFile(k).bytes;
        oeffnen(datei);
        EXPECT_EQ(offeneFassade(), "Fassade Nord");
        EXPECT_EQ(ReadWholeFile(datei).bytes, alt);
        EXPECT_EQ(ReadWholeFile(k).bytes, bytes);
        befehl(CM_PROJEKT_SCHLIESSEN);
        fs::remove(k);
        filefaults::Clear();
    }
    EXPECT_TRUE(meldungen().Calls().empty()) << texte()[0];
}

TEST_F(Wiederherstellen, ACopyThatCannotBeReadIsPassedOverAndKept) {
    const fs::path k = kopie("QZ4gesperrt.tmp", datei);
    fs::remove(tmp() / "QZ4gesperrt.pb0"); // the only file the scan reads
    filefaults::FailNext(filefaults::Step::Open);
    EXPECT_FALSE(SicherungskopieSuchen(tmp(), datei));
    EXPECT_TRUE(fs::exists(k));
    const auto gefunden = SicherungskopieSuchen(tmp(), datei);
    ASSERT_TRUE(gefunden);
    EXPECT_EQ(gefunden->datei, k);
    EXPECT_EQ(gefunden->bytes, ReadWholeFile(k).bytes);
}

TEST_F(Wiederherstellen, OfTwoCopiesTheNewestIsOfferedAndAnsweringClearsBoth) {
    // The names are random: the newer copy may come first or last by name.
    for (const bool neuereZuerst : {false, true}) {
        SCOPED_TRACE(neuereZuerst);
        const fs::path a = kopie("QZ4a.tmp", datei, neuereZuerst ? "Neuer" : "Aelter");
        const fs::path b = kopie("QZ4b.tmp", datei, neuereZuerst ? "Aelter" : "Neuer");
        alter(neuereZuerst ? b : a, 50);
        waehlen(TSicherungskopieDialog::IDC_OEFFNEN);
        oeffnen(datei);
        EXPECT_EQ(offeneFassade(), "Neuer");
        for (const char* rest : {"QZ4a.tmp", "QZ4a.pb0", "QZ4b.tmp", "QZ4b.pb0"})
            EXPECT_FALSE(fs::exists(tmp() / rest)) << rest;
        befehl(CM_PROJEKT_SCHLIESSEN);
        WriteFileAtomically(datei, alt);
        alter(datei, 100);
    }
}

TEST_F(Wiederherstellen, NothingIsPreselectedSoEnterOpensTheProjectAndKeepsTheCopy) {
    const fs::path k = kopie("QZ4vorab.tmp", datei);
    services.Dialogs().Expect([](TDialog& d) {
        ASSERT_TRUE(testsupport::Activate(d));
        for (int id :
             {TSicherungskopieDialog::IDC_OEFFNEN, TSicherungskopieDialog::IDC_NEUES_PROJEKT,
              TSicherungskopieDialog::IDC_VERWERFEN}) {
            auto* knopf = dynamic_cast<TRadioButton*>(d.GetDlgItem(id));
            ASSERT_NE(knopf, nullptr);
            EXPECT_EQ(knopf->GetCheck(), BF_UNCHECKED) << id;
        }
        testsupport::PressKey(d, VK_RETURN);
    });
    oeffnen(datei);
    EXPECT_EQ(offeneFassade(), "Fassade Nord");
    EXPECT_EQ(ReadWholeFile(datei).bytes, alt);
    // Left for a choice the next time the project is opened.
    EXPECT_TRUE(fs::exists(k));
}

TEST_F(Wiederherstellen, TheLockOfACrashedProgramDoesNotHoldTheCopyBack) {
    // Its parent has not collected it: the process table still names it.
    testsupport::LockHolder abgestuerzt(datei);
    ASSERT_TRUE(abgestuerzt.Took());
    abgestuerzt.End(testsupport::LockHolder::Ending::Zombie);
    kopie("QZ4zombie.tmp", datei);
    waehlen(TSicherungskopieDialog::IDC_OEFFNEN);
    oeffnen(datei);
    EXPECT_EQ(offeneFassade(), "Kopie");
    EXPECT_TRUE(meldungen().Calls().empty()) << texte()[0];
}

TEST_F(Wiederherstellen, StaleCopiesGoWithoutAQuestion) {
    // Copies older than the project: it was saved after them.
    const fs::path alt1 = kopie("QZ4alt1.tmp", datei);
    const fs::path alt2 = kopie("QZ4alt2.tmp", datei);
    alter(alt1, 500);
    alter(alt2, 400);
    // Names taken by autosaves that died before they wrote: the long empty go,
    // a fresh one may be a running autosave's.
    WriteText(tmp() / "QZ4leer.tmp", "");
    alter(tmp() / "QZ4leer.tmp", 3600);
    WriteText(tmp() / "QZ4frisch.tmp", "");
    const fs::path fremd = kopie("QZ4fremd.tmp", ordner() / "anders.pro");
    alter(fremd, 500);
    oeffnen(datei);
    EXPECT_EQ(offeneFassade(), "Fassade Nord");
    EXPECT_EQ(ReadWholeFile(datei).bytes, alt);
    for (const char* weg : {"QZ4alt1.tmp", "QZ4alt1.pb0", "QZ4alt2.tmp", "QZ4leer.tmp"})
        EXPECT_FALSE(fs::exists(tmp() / weg)) << weg;
    EXPECT_TRUE(fs::exists(tmp() / "QZ4frisch.tmp"));
    EXPECT_TRUE(fs::exists(fremd));
    EXPECT_TRUE(meldungen().Calls().empty());
}

TEST_F(Wiederherstellen, SavedAsANewProjectTheCopyOpensUnderTheChosenName) {
    const fs::path k = kopie("QZ4neu.tmp", datei);
    waehlen(TSicherungskopieDialog::IDC_NEUES_PROJEKT);
    const fs::path neu = ordner() / "gerettet.pro";
    oeffnenUnter(neu);
    EXPECT_EQ(projekt() ? projekt()->Pfad() : fs::path(), neu);
    EXPECT_EQ(offeneFassade(), "Kopie");
    EXPECT_EQ(ReadWholeFile(datei).bytes, alt);
    EXPECT_EQ(ReadText(ordner() / "gerettet.pb0"), "Blatt Kopie");
    EXPECT_FALSE(fs::exists(k));
}

TEST_F(Wiederherstellen, SavedAsTheProjectItselfAsksAndOverwritesIt) {
    kopie("QZ4selbst.tmp", datei);
    waehlen(TSicherungskopieDialog::IDC_NEUES_PROJEKT);
    meldungen().Answer(IDOK);
    oeffnenUnter(datei);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].text, "überschreiben?");
    EXPECT_EQ(offeneFassade(), "Kopie");
}

TEST_F(Wiederherstellen, CancelOpensNothingAndTouchesNothing) {
    const fs::path k = kopie("QZ4halt.tmp", datei);
    waehlen(0);
    oeffnen(datei);
    EXPECT_EQ(projekt(), nullptr);
    EXPECT_TRUE(fs::exists(k));
    EXPECT_EQ(ReadWholeFile(datei).bytes, alt);
    // Cancel in the file dialog of choice 2 as well.
    waehlen(TSicherungskopieDialog::IDC_NEUES_PROJEKT);
    oeffnenUnter(std::nullopt);
    EXPECT_EQ(projekt(), nullptr);
    EXPECT_TRUE(fs::exists(k));
}

TEST_F(Wiederherstellen, AFailedReplaceLeavesProjectAndCopy) {
    const fs::path k = kopie("QZ4voll.tmp", datei);
    waehlen(TSicherungskopieDialog::IDC_OEFFNEN);
    meldungen().Answer(IDOK);
    filefaults::FailNext(filefaults::Step::Write);
    oeffnen(datei);
    EXPECT_EQ(projekt(), nullptr);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_TRUE(meldungen().Calls()[0].text.starts_with(
        "Die Sicherungskopie konnte nicht übernommen werden!\n"));
    EXPECT_EQ(ReadWholeFile(datei).bytes, alt);
    EXPECT_TRUE(fs::exists(k));
}

TEST_F(Wiederherstellen, TheDialogAsTheUserSeesIt) {
    kopie("QZ4bild.tmp", datei);
    services.Dialogs().Expect([this](TDialog& d) {
        ASSERT_TRUE(
            testsupport::SaveWindowPicture(d, (dirs.Root() / "sicherungskopie.png").c_str()));
        d.EndDialog(IDCANCEL);
    });
    oeffnen(datei);
}

} // namespace
