#pragma once
// The started program with the real project opening: commands sent to the
// frame, a saved project in the test's folder, the status bar's fields.
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/TStatusBarZeit.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/base/FileIO.h"
#include "platform/tree/TreeControl.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/Dialog.h"
#include "platform/window/TextGadget.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <filesystem>

namespace shelltest {

namespace fs = std::filesystem;

struct Projektbefehle : shelltest::Programm {
    void SetUp() override {
        Programm::SetUp();
        Korpus().Oeffnung.reset(); // the real opening
        Starten();
        Pump();
    }
    void TearDown() override { filefaults::Clear(); }

    void befehl(int id) {
        // A new project opens its settings sheet, which the user cancels here.
        if (id == CM_PROJEKT_NEU) services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); });
        app->Frame()->SendMessage(WM_COMMAND, id, 0);
    }
    fs::path ordner() const { return dirs.Root().Path(); }
    auto& meldungen() { return services.Messages(); }
    std::vector<std::string> texte() {
        std::vector<std::string> t;
        for (const auto& c : meldungen().Calls()) t.push_back(c.caption + ": " + c.text);
        return t;
    }
    static std::vector<std::string> status() {
        const auto* bar = Korpus().StatusBar;
        return {bar->Projektfeld->GetText(), bar->Variantenfeld->GetText(),
                bar->Zustandsfeld->GetText()};
    }
    static TGesamtProjekt* projekt() { return Korpus().AktuellesProjekt; }
    // Both trees of the project dialog: level, then the cells of each row.
    static std::vector<std::string> baeume() {
        std::vector<std::string> zeilen;
        auto* dialog = Korpus().ProjektDialog;
        for (int id : {120, 121}) {
            auto* baum = dialog ? dynamic_cast<TTreeControl*>(dialog->ChildWithId(id)) : nullptr;
            if (!baum) continue;
            for (int i = 0; i < baum->GetCount(); ++i) {
                std::string z = std::to_string(id) + " " + std::to_string(baum->GetLevel(i));
                for (int s = 0; s < int(baum->GetColumns().size()); ++s)
                    z += "|" + baum->GetCellText(i, s).value_or("");
                zeilen.push_back(z);
            }
        }
        return zeilen;
    }
    // A saved project "haus.pro" with one variant, opened through the open command.
    fs::path gespeichertesProjekt() {
        befehl(CM_PROJEKT_NEU);
        services.Files().Answer((ordner() / "haus.pro").string());
        EXPECT_EQ(ProjektSpeichernUnterBefehl(), 1);
        befehl(CM_PROJEKT_SCHLIESSEN);
        return ordner() / "haus.pro";
    }
    int ProjektSpeichernUnterBefehl() {
        befehl(CM_PROJEKT_SPEICHERN_UNTER);
        return Korpus().ProjektUnbenannt ? 0 : 1;
    }
    void oeffnen(const fs::path& datei) {
        services.Files().Answer(datei.string());
        befehl(CM_PROJEKT_OEFFNEN);
    }
};

} // namespace shelltest
