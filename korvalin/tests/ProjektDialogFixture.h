#pragma once
// The project dialog on its own, as a modeless window, over a project made
// the open one: the bundled example house or one a test builds.
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace projekttest {

inline std::filesystem::path Beispiel() {
    return std::filesystem::path(KORVALIN_DATEN_DIR) / "beispiel.pro";
}

struct ProjektDialogTest : ::testing::Test {
    testsupport::TestDirectories dirs;
    testsupport::ScriptedServices services;
    std::unique_ptr<TProjektDialog> dialog;

    ~ProjektDialogTest() override {
        dialog.reset();
        ProjektVerwerfen();
    }
    TProjekt& Oeffnen(const std::filesystem::path& datei = Beispiel()) {
        auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
        EXPECT_EQ(g->Oeffnen(datei), 0) << g->LetzterFehler();
        ProjektSetzen(std::move(g));
        return *Korpus().AktuellesProjekt->AktuellesProjekt;
    }
    TProjekt& Setzen(std::unique_ptr<TProjekt> p) {
        auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
        g->ProjektHinzufuegen(std::move(p));
        ProjektSetzen(std::move(g));
        return *Korpus().AktuellesProjekt->AktuellesProjekt;
    }
    TProjektDialog& Zeigen() {
        dialog = std::make_unique<TProjektDialog>();
        EXPECT_TRUE(dialog->Create());
        return *dialog;
    }
    // The texts of a row's cells, its level prefixed by blanks.
    static std::string Zeile(TSftTree* baum, int zeile) {
        std::string s(size_t(2 * baum->GetLevel(zeile)), ' ');
        for (int c = 0; c < int(baum->GetColumns().size()); ++c)
            s += (c ? " | " : "") + baum->GetCellText(zeile, c).value_or("?");
        return s;
    }
    static std::vector<std::string> Zeilen(TSftTree* baum) {
        std::vector<std::string> z;
        for (int i = 0; i < baum->GetCount(); ++i) z.push_back(Zeile(baum, i));
        return z;
    }
};

} // namespace projekttest
