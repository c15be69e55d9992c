// The printing MDI child: its page layout is bound to the project current at
// its making, and it draws nothing of its own.
#include "korvalin/shell/korpusMDIChild.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/gdi/RecordingDC.h"
#include "tauplot/diagramm/TText.h"

namespace {

using shelltest::Programm;

TEST_F(Programm, AChildMadeWithoutProjectHasALayoutBoundToNone) {
    Starten();
    auto* kind = new korpusMDIChild(*app->Client(), "Textdatei");
    EXPECT_EQ(kind->Seitenlayout().Projekt, nullptr);
    EXPECT_EQ(kind->GetCaption(), "Textdatei");
}

TEST_F(Programm, AChildKeepsTheProjectCurrentAtItsMaking) {
    Starten();
    auto* projekt = reinterpret_cast<TGesamtProjekt*>(&Korpus()); // stands for an open project
    Korpus().AktuellesProjekt = projekt;
    auto* kind = new korpusMDIChild(*app->Client(), "Projekt-Datenblatt");
    Korpus().AktuellesProjekt = nullptr;
    EXPECT_EQ(kind->Seitenlayout().Projekt, projekt);
}

TEST_F(Programm, APlainChildDrawsNothing) {
    Starten();
    auto* kind = new korpusMDIChild(*app->Client(), "Leer");
    ASSERT_TRUE(kind->Create());
    TRecordingDC dc;
    TRect r{0, 0, 100, 100};
    kind->Paint(dc, true, r);
    EXPECT_TRUE(dc.Calls().empty());
}

} // namespace
