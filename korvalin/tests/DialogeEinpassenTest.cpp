// Every text of a dialog shows whole at the dialog's own size, and every
// control lies inside it: the dialogs and property pages opened here, at the
// size they open with, in the desktop's fonts.
#include "ProjektDialogFixture.h"

#include "korvalin/bauteil/TBauteilTypDialog.h"
#include "korvalin/projekt/TBauteilNeuDialog.h"
#include "korvalin/projekt/TBrennstoffDialog.h"
#include "korvalin/projekt/TFassadenWerteDialog.h"
#include "korvalin/projekt/TGradtagzahlenDialog.h"
#include "korvalin/shell/Export.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyTab.h"
#include "testsupport/DialogFit.h"
#include "testsupport/UserInput.h"

#include <filesystem>
#include <functional>

namespace {

using projekttest::ProjektDialogTest;

struct Einpassen : ProjektDialogTest {
    std::vector<std::string> fehler;

    // The dialog at its opening size, as the user first sees it.
    void pruefen(TDialog& d, const std::string& name) {
        d.ShowWindow(SW_SHOW);
        testsupport::ProcessEvents();
        for (const std::string& f : testsupport::FitProblems(d)) fehler.push_back(name + ": " + f);
    }
    template <class D>
    void ausfuehren(D& dialog, const std::string& name) {
        services.Dialogs().Expect([this, name](TDialog& d) {
            pruefen(d, name);
            d.CmCancel();
        });
        dialog.Execute();
    }
};

// FIXME: the component type, export, facade and floor-area dialogs still have
// controls too small for their texts in Liberation Sans; enable once their
// resources are measured anew.
TEST_F(Einpassen, DISABLED_JederTextPasstInSeinFeldUndJedesFeldInSeinenDialog) {
    TProjekt& p = Oeffnen();
    Zeigen();
    // Copies of the shipped lists for the list dialogs.
    const auto ordner = dirs.Root() / "programm";
    std::filesystem::create_directories(ordner);
    for (const char* n : {"orte_qtx.dat", "orte_anw.dat", "bren_qtx.dat", "bren_anw.dat"})
        std::filesystem::copy_file(std::filesystem::path(KORVALIN_DATEN_DIR) / n, ordner / n);

    // The project settings: every page of the sheet.
    services.Dialogs().Expect([this](TDialog& d) {
        auto& s = dynamic_cast<TPropertyDialog&>(d);
        for (int i = 0; i < s.GetEntryCount(); ++i) {
            s.SelectTab(i);
            pruefen(s, "Projekt - Einstellungen, " + s.GetTabStrip()->GetTabText(i));
        }
        s.CmCancel();
    });
    ASSERT_TRUE(dialog->EvCommand(5001, 0, 0));

    ASSERT_FALSE(p.RBauteile.IsEmpty());
    {
        TRBauteil t = p.RBauteile[0];
        TBauteilTypDialog d(nullptr, &t, &p);
        ausfuehren(d, "Bauteil-Typ");
    }
    {
        TBauteilNeuStruct daten;
        TBauteilNeuDialog d(nullptr, daten);
        ausfuehren(d, "Neues Bauteil");
    }
    {
        TExportStruct optionen;
        TExportDialog d(nullptr, optionen);
        ausfuehren(d, "Export");
    }
    {
        ASSERT_FALSE(p.Fassaden.IsEmpty());
        TFassadenWerteStruct daten;
        TFassadenWerteDialog d(nullptr, daten, p.Fassaden[0], p);
        ausfuehren(d, "Gebäudehüllfläche");
    }
    {
        TBrennstoffDialog d(nullptr, ordner);
        ausfuehren(d, "Brennstoffe");
    }
    {
        TGradtagzahlenDialog d(nullptr, ordner);
        ausfuehren(d, "Orte");
    }
    std::string alle;
    for (const auto& f : fehler) alle += f + "\n";
    EXPECT_TRUE(fehler.empty()) << alle;
}

} // namespace
