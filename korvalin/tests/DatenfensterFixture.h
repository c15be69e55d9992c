#pragma once
// A started program with a data-sheet window on the example project or on a
// project of many materials, and one page of a sheet as its golden dump.
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"
#include "testsupport/PageDump.h"
#include "testsupport/RunCommand.h"

#include <string>

namespace datenfenster_test {

inline int PdfSeiten(const std::filesystem::path& pdf) {
    const std::string info = testsupport::RunCommand("pdfinfo '" + pdf.string() + "' 2>&1");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

inline std::string Seite(TDatenWindow& w, int seite) {
    w.BildschirmSeiteSetzen(seite);
    TRecordingDC dc(TMetricMode::Real);
    TRect r = w.GetClientRect();
    w.Paint(dc, true, r);
    return testsupport::PageDump(dc.Calls());
}

struct Datenfenster : shelltest::Programm {
    void SetUp() override {
        Programm::SetUp();
        Starten();
        Pump();
    }
    // A copy of the example house: the sheets write their side files beside it.
    void Beispiel() {
        const auto kopie = dirs.Root() / "beispiel.pro";
        std::filesystem::copy_file(std::filesystem::path(KORVALIN_DATEN_DIR) / "beispiel.pro",
                                   kopie);
        auto g = std::make_unique<TGesamtProjekt>(dirs.Root().Path());
        ASSERT_EQ(g->Oeffnen(kopie), 0);
        ProjektSetzen(std::move(g));
    }
    // A project of `n` materials of its own, no file.
    void Materialien(int n) {
        auto g = std::make_unique<TGesamtProjekt>(dirs.Root().Path());
        TProjekt& p = g->ProjektHinzufuegen(std::make_unique<TProjekt>());
        p.Projektangaben[0] = "Lager";
        MaterialienSetzen(p, n);
        ProjektSetzen(std::move(g));
    }
    static void MaterialienSetzen(TProjekt& p, int n) {
        p.Massenliste.Flush();
        for (int i = 0; i < n; ++i) {
            auto s = std::make_unique<TBaustoffSumme>();
            s->Name = "Stoff " + std::to_string(i);
            s->Flaeche = i;
            s->Volumen = 0.5 * i;
            s->Masse = 10.0 * i;
            p.Massenliste.Add(std::move(s));
        }
    }
    TMassenDatenWindow* Massenblatt() {
        auto* w = new TMassenDatenWindow(*app->Client(), " Massenermittlung ", 3);
        EXPECT_TRUE(w->Create());
        return w;
    }
    void befehl(int id) { app->Frame()->SendMessage(WM_COMMAND, id, 0); }
};

} // namespace datenfenster_test
