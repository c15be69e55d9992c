// Recovery of an autosave copy when a project is opened: which copies in
// the temporary folder are offered, and what each choice does to the
// project file, the copy and the data sheets.
#include "korvalin/shell/Sicherungskopie.h"
#include "korvalin/projekt/AutoSicherung.h"
#include "korvalin/projekt/TSicherungskopieDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/base/FileLock.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/RadioButton.h"
#include "testsupport/ControlInput.h"
#include "testsupport/LockHolder.h"
#include "testsupport/MenuInput.h"
#include "testsupport/UserInput.h"

namespace {

using shelltest::Projektbefehle;
using testsupport::ReadText;
using testsupport::WriteText;
namespace fs = std::filesystem;

// The choice the user clicks in "Sicherungskopie", or Cancel for 0; the
// dialog's first line goes to `zeile` when asked for.
void sicherungskopieWaehlen(testsupport::ScriptedServices& services, int id,
                            std::string* zeile = nullptr) {
    services.Dialogs().Expect([id, zeile](TDialog& d) {
        EXPECT_EQ(d.GetCaption(), "Sicherungskopie");
        if (zeile && d.GetDlgItem(201)) *zeile = d.GetDlgItem(201)->GetWindowText();
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
    void waehlen(int id) { sicherungskopieWaehlen(services, id); }
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

// A project made by "Neu" and never saved has no file to be opened again:
// its copy is offered when the program starts and on "Neu".
struct UnbenanntWiederherstellen : shelltest::Programm {
    void SetUp() override {
        Programm::SetUp();
        Korpus().Oeffnung.reset();
        fs::create_directories(tmp());
    }
    void TearDown() override { filefaults::Clear(); }
    fs::path tmp() const { return dirs.Dirs().temp; }
    fs::path programm() const { return dirs.Dirs().programData; }
    // A copy as the autosave of a new project writes it, with a data sheet.
    fs::path kopie(const std::string& name, const char* fassade) {
        TGesamtProjekt g(programm());
        auto variante = std::make_unique<TProjekt>();
        variante->StandardFassadenAnlegen();
        variante->FassadeNr(1)->Name = fassade;
        g.ProjektHinzufuegen(std::move(variante));
        EXPECT_EQ(g.Speichern(tmp() / name), 1);
        WriteText(tmp() / (fs::path(name).stem().string() + ".pb0"),
                  std::string("Blatt ") + fassade);
        return tmp() / name;
    }
    void starten() {
        Starten();
        Pump();
    }
    // "&Neu" in the "&Projekt" menu; a blank project opens its settings sheet,
    // which the user cancels.
    void neu(bool leeresProjekt) {
        if (leeresProjekt) services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); });
        ASSERT_TRUE(testsupport::ClickMenuBarEntry(*app->Frame(), "&Projekt", "&Neu"));
        Pump();
    }
    static std::string offeneFassade() {
        auto* g = Korpus().AktuellesProjekt;
        return g ? g->AktuellesProjekt->FassadeNr(1)->Name : "(nicht offen)";
    }
};

TEST_F(UnbenanntWiederherstellen, AtStartTheCopyOpensAsTheUnnamedChangedProject) {
    const fs::path k = kopie("QZ4neu.tmp", "Gerettet");
    std::string zeile;
    sicherungskopieWaehlen(services, TSicherungskopieDialog::IDC_OEFFNEN, &zeile);
    starten();
    EXPECT_EQ(zeile, "Es existiert eine Sicherungskopie eines nicht gespeicherten Projekts.");
    EXPECT_EQ(offeneFassade(), "Gerettet");
    EXPECT_TRUE(Korpus().ProjektUnbenannt);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_NE(Korpus().ProjektWindow, nullptr);
    EXPECT_EQ(ReadText(programm() / "unbenannt.pb0"), "Blatt Gerettet");
    EXPECT_FALSE(fs::exists(k));
    EXPECT_FALSE(fs::exists(tmp() / "QZ4neu.pb0"));
    EXPECT_TRUE(services.Messages().Calls().empty());
}

TEST_F(UnbenanntWiederherstellen, TheAutosavesCopyIsOfferedOnNewAndCanBeDiscarded) {
    Korpus().AutoSpeichern = true;
    Korpus().AutoSpeichernIntervall = 1;
    starten();
    neu(true);
    ASSERT_NE(Korpus().Sicherung, nullptr);
    Korpus().AktuellesProjekt->AktuellesProjekt->FassadeNr(1)->Name = "Ungespeichert";
    Korpus().ProjektDialog->SendMessage(WM_TIMER, AutoSicherung::kTimer, 0);
    const fs::path geschrieben = Korpus().Sicherung->Datei();
    ASSERT_FALSE(geschrieben.empty());
    // While this program runs, its copy is its own: another program leaves it.
    {
        testsupport::LockHolder anderes(geschrieben);
        EXPECT_FALSE(anderes.Took());
    }
    // What a crash leaves behind: the copy under a name no program holds.
    const fs::path verloren = tmp() / "QZ4verloren.tmp";
    fs::copy_file(geschrieben, verloren);

    // Closing the project without saving it, then "Neu": the lost copy is offered.
    services.Messages().Answer(IDYES); // "Projekt ... schließen?"
    sicherungskopieWaehlen(services, TSicherungskopieDialog::IDC_VERWERFEN);
    neu(true);
    EXPECT_FALSE(fs::exists(verloren));
    EXPECT_NE(Korpus().AktuellesProjekt, nullptr);
    EXPECT_EQ(offeneFassade(), "Fassade Nord");
}

TEST_F(UnbenanntWiederherstellen, SavedAsANewProjectTheCopyOpensUnderTheChosenName) {
    const fs::path k = kopie("QZ4neu.tmp", "Gerettet");
    const fs::path ziel = dirs.Root() / "gerettet.pro";
    sicherungskopieWaehlen(services, TSicherungskopieDialog::IDC_NEUES_PROJEKT);
    services.Files().Answer(ziel.string());
    starten();
    ASSERT_NE(Korpus().AktuellesProjekt, nullptr);
    EXPECT_EQ(Korpus().AktuellesProjekt->Pfad(), ziel);
    EXPECT_FALSE(Korpus().ProjektUnbenannt);
    EXPECT_EQ(offeneFassade(), "Gerettet");
    EXPECT_EQ(ReadText(dirs.Root() / "gerettet.pb0"), "Blatt Gerettet");
    EXPECT_FALSE(fs::exists(k));
}

TEST_F(UnbenanntWiederherstellen, CancelKeepsTheCopyAndOnNewMakesNoProject) {
    const fs::path k = kopie("QZ4neu.tmp", "Gerettet");
    sicherungskopieWaehlen(services, 0);
    starten();
    EXPECT_EQ(Korpus().AktuellesProjekt, nullptr);
    EXPECT_TRUE(fs::exists(k));
    sicherungskopieWaehlen(services, 0);
    neu(false);
    EXPECT_EQ(Korpus().AktuellesProjekt, nullptr);
    EXPECT_TRUE(fs::exists(k));
    // Nothing chosen: a blank project, and the copy waits for the next time.
    services.Dialogs().Expect([](TDialog& d) { d.CmOk(); });
    neu(true);
    EXPECT_EQ(offeneFassade(), "Fassade Nord");
    EXPECT_TRUE(fs::exists(k));
}

TEST_F(UnbenanntWiederherstellen, ARunningProgramsCopyIsNotOfferedACrashedOnesIs) {
    const fs::path k = kopie("QZ4neu.tmp", "Gerettet");
    testsupport::LockHolder anderes(k);
    ASSERT_TRUE(anderes.Took());
    starten();
    EXPECT_EQ(Korpus().AktuellesProjekt, nullptr);
    neu(true);
    EXPECT_EQ(offeneFassade(), "Fassade Nord");
    EXPECT_TRUE(fs::exists(k));
    anderes.End(testsupport::LockHolder::Ending::Crash);
    services.Messages().Answer(IDYES); // "Projekt ... schließen?"
    sicherungskopieWaehlen(services, TSicherungskopieDialog::IDC_OEFFNEN);
    neu(false);
    EXPECT_EQ(offeneFassade(), "Gerettet");
    EXPECT_FALSE(fs::exists(FileLock::LockPathOf(k)));
}

} // namespace
