#pragma once
// The started program over copies of the shipped catalogues, with the
// catalogue browsers opened by their commands.
#include "korvalin/bauteil/TBaustoffDialog.h"
#include "korvalin/bauteil/TBauteilDateiDialog.h"
#include "korvalin/bauteil/TDateiWindow.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/Edit.h"
#include "platform/window/ListBox.h"
#include "testsupport/UserInput.h"

#include <filesystem>

namespace katalogtest {

namespace fs = std::filesystem;

struct Browser : shelltest::Programm {
    fs::path verzeichnis;

    void SetUp() override {
        Programm::SetUp();
        verzeichnis = dirs.Dirs().programData;
        for (const char* n : {"bs_din.dat", "bs_qtx.dat", "bs_anw.dat", "bt_qtx.dat", "bt_anw.dat",
                              "fnst_din.dat", "fnst_qtx.dat", "fnst_anw.dat"})
            fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / n, verzeichnis / n,
                          fs::copy_options::overwrite_existing);
        Korpus().Kataloge = std::make_shared<ModellKataloge>(verzeichnis);
        Starten();
        Pump();
    }
    void TearDown() override {
        if (app && app->Client()) app->Client()->CloseChildren();
        testsupport::ProcessEvents();
    }
    template <class D>
    D& oeffnen(int befehl, TWindow*& fenster) {
        app->Frame()->SendMessage(WM_COMMAND, befehl, 0);
        testsupport::ProcessEvents();
        auto* w = dynamic_cast<TDateiWindow*>(fenster);
        EXPECT_NE(w, nullptr);
        return *dynamic_cast<D*>(w->Dialog);
    }
    TBaustoffDialog& Baustoffe() {
        return oeffnen<TBaustoffDialog>(CM_BAUSTOFFDATEI, app->Client()->BaustoffDateiFenster);
    }
    TBauteilDateiDialog& Bauteile() {
        return oeffnen<TBauteilDateiDialog>(CM_BAUTEILDATEI, app->Client()->BauteilDateiFenster);
    }
    // A click on a radio button or check box, as the user makes it.
    static void klicken(TDialog& d, int id) {
        auto* c = d.Item<TCheckBox>(id);
        c->Click();
    }
    static void gruppe(TDialog& d, int g) {
        d.Item<TListBox>(110)->SetSelIndex(g);
        d.Item<TListBox>(110)->NotifyParent(LBN_SELCHANGE);
    }
    auto& Meldungen() { return services.Messages().Calls(); }
};

} // namespace katalogtest
