#pragma once
// The layout settings sheet under test: the three settings files in
// temporary folders, a project Haus.pro, and the sheet run by a script
// that plays the user.
#include "hilfsmittel/layout/CurrentProjectFile.h"
#include "hilfsmittel/layout/KopfzeileData.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "korvalin/layout/LayoutEinstellungen.h"
#include "korvalin/layout/TEinstellungenPropertyDialog.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ListBox.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/TPropertyTab.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace layouttest {

using Blatt = TEinstellungenPropertyDialog;
using Skript = std::function<void(Blatt&)>;

enum Tab { Seite, Rahmen, Kopfzeile, Logo, Text, Unterlegung, Grafik, Zahlenformat, Adresse };

// What the three settings files hold; a missing file is absent.
using Dateien = std::map<std::string, std::string>;

class LayoutBlattTest : public ::testing::Test {
protected:
    LayoutBlattTest() {
        std::filesystem::create_directories(projektOrdner());
        services.State().Get<CurrentProjectFile>().path = projektOrdner() / "Haus.pro";
    }
    std::filesystem::path projektOrdner() const { return dirs.Root() / "projekte"; }
    std::filesystem::path pfad(const std::string& name) const {
        return name == "Haus.ini" ? projektOrdner() / name : dirs.Dirs().config / name;
    }
    Dateien dateien() const {
        Dateien d;
        for (const char* name : {"global.ini", "datei.ini", "Haus.ini"})
            if (std::filesystem::exists(pfad(name))) d[name] = testsupport::ReadText(pfad(name));
        return d;
    }
    void schreiben(const std::string& name, const std::string& text) {
        testsupport::WriteText(pfad(name), text);
    }
    // Opens the sheet as a data-sheet window would and runs the script on it.
    LayoutEinstellungenErgebnis oeffnen(LayoutZiel ziel, Skript skript) {
        services.Dialogs().Expect([skript](TDialog& d) { skript(dynamic_cast<Blatt&>(d)); });
        return LayoutEinstellungenBearbeiten({nullptr, ziel, &kopf, &logo});
    }

public:
    template <class T>
    static T* item(Blatt& b, int tab, int id) {
        b.SelectTab(tab);
        auto* c = b.GetPageRef(tab)->Item<T>(id);
        EXPECT_NE(c, nullptr) << "tab " << tab << " control " << id;
        return c;
    }
    static void klicken(Blatt& b, int tab, int id) {
        if (auto* k = item<TCheckBox>(b, tab, id)) k->Click();
    }
    static void tippen(Blatt& b, int tab, int id, const char* text) {
        auto* e = item<TEdit>(b, tab, id);
        if (!e) return;
        e->SetFocus();
        e->SetSelection(0, -1);
        testsupport::TypeText(*e, text);
    }
    // A choice in a list or combo box as the user's makes it.
    template <class T>
    static void waehlen(Blatt& b, int tab, int id, int index, int code) {
        auto* c = item<T>(b, tab, id);
        if (!c) return;
        c->SetSelIndex(index);
        c->NotifyParent(code);
    }
    static void kombi(Blatt& b, int tab, int id, int index) {
        waehlen<TComboBox>(b, tab, id, index, CBN_SELCHANGE);
    }
    static void liste(Blatt& b, int tab, int id, int index) {
        waehlen<TListBox>(b, tab, id, index, LBN_SELCHANGE);
    }

protected:
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    TKopfzeileData kopf;
    TLogoGroessen logo;
};

} // namespace layouttest
