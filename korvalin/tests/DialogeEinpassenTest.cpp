// Every text of a dialog shows whole at the dialog's own size, and every
// control lies inside it: each dialog and property page of the program, at
// the size it opens with, in the desktop's fonts. The dialog classes are
// read from the sources, so that a new dialog cannot stay unchecked.
#include "ProjektDialogFixture.h"

#include "hilfsmittel/layout/CurrentProjectFile.h"
#include "hilfsmittel/layout/KopfzeileData.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "korvalin/bauteil/TAnteilAendernDialog.h"
#include "korvalin/bauteil/TBTOptimierungDialog.h"
#include "korvalin/bauteil/TBaustoffDialog.h"
#include "korvalin/bauteil/TBaustoffGruppeDialog.h"
#include "korvalin/bauteil/TBaustoffHerstellerDialog.h"
#include "korvalin/bauteil/TBaustoffInfoDialog.h"
#include "korvalin/bauteil/TBaustoffSystemInfoDialog.h"
#include "korvalin/bauteil/TBaustoffWahlDialog.h"
#include "korvalin/bauteil/TBauteilDateiDialog.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilFlaechenBereicheDialog.h"
#include "korvalin/bauteil/TBauteilInfoDialog.h"
#include "korvalin/bauteil/TBauteilTypDialog.h"
#include "korvalin/bauteil/TBauteilWahlDialog.h"
#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/bauteil/TFensterDialog.h"
#include "korvalin/bauteil/TFensterHerstellerDialog.h"
#include "korvalin/bauteil/TFensterInfoDialog.h"
#include "korvalin/bauteil/TFensterWahlDialog.h"
#include "korvalin/bauteil/TGlasvorbauDialog.h"
#include "korvalin/bauteil/TLambdaDialog.h"
#include "korvalin/datenblatt/Seitendialoge.h"
#include "korvalin/datenblatt/TLayoutDialog.h"
#include "korvalin/layout/LayoutEinstellungen.h"
#include "korvalin/projekt/TBTVergleichDialog.h"
#include "korvalin/projekt/TBauteilEinfuegenDialog.h"
#include "korvalin/projekt/TBauteilFassadenZuordnenDialog.h"
#include "korvalin/projekt/TBauteilNameDialog.h"
#include "korvalin/projekt/TBauteilNeuDialog.h"
#include "korvalin/projekt/TBrennstoffDialog.h"
#include "korvalin/projekt/TFassadenWerteDialog.h"
#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "korvalin/projekt/TGradtagzahlenDialog.h"
#include "korvalin/projekt/TSicherungskopieDialog.h"
#include "korvalin/projekt/TVariantenManagerDialog.h"
#include "korvalin/projekt/TVolumenFunktionenDialog.h"
#include "korvalin/projekt/TWarmwasserbedarfDialog.h"
#include "korvalin/shell/Export.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/TOptionenDialog.h"
#include "korvalin/shell/TStartUpDialog.h"
#include "korvalin/shell/korpusAboutDlg.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/TPropertyTab.h"
#include "testsupport/DialogFit.h"
#include "testsupport/UserInput.h"

#include <cxxabi.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <typeinfo>

namespace {

namespace fs = std::filesystem;
using projekttest::ProjektDialogTest;

std::string klassenname(const TWindow& w) {
    const char* roh = typeid(w).name();
    int status = 0;
    char* lesbar = abi::__cxa_demangle(roh, nullptr, nullptr, &status);
    std::string name = status == 0 && lesbar ? lesbar : roh;
    std::free(lesbar);
    return name;
}

// The classes of the program's sources that derive from a dialog class.
std::set<std::string> dialogKlassen(const fs::path& wurzel) {
    static const std::regex klasse(R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+(\w+)(?:<\w+>)?)");
    std::map<std::string, std::string> basis;
    for (const auto& e : fs::recursive_directory_iterator(wurzel)) {
        if (e.path().extension() != ".h" || e.path().parent_path().filename() == "tests") continue;
        std::ifstream in(e.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string s = text.str();
        for (std::sregex_iterator i(s.begin(), s.end(), klasse), ende; i != ende; ++i)
            basis[(*i)[1]] = (*i)[2];
    }
    const auto istDialog = [&](std::string k) {
        for (int tiefe = 0; tiefe < 10 && !k.empty(); ++tiefe) {
            if (k == "TDialog" || k == "TPropertyPage" || k == "TPropertyDialog") return true;
            auto it = basis.find(k);
            k = it == basis.end() ? "" : it->second;
        }
        return false;
    };
    std::set<std::string> dialoge;
    for (const auto& [k, b] : basis)
        if (istDialog(k)) dialoge.insert(k);
    return dialoge;
}

// A dialog over a record of its own that outlives it.
template <class D, class S>
std::unique_ptr<TDialog> mitDaten() {
    static S daten;
    return std::make_unique<D>(nullptr, daten);
}

struct Einpassen : ProjektDialogTest {
    std::vector<std::string> fehler;
    std::set<std::string> geprueft;

    // The dialog at its opening size, as the user first sees it.
    void pruefen(TDialog& d, const std::string& name) {
        d.ShowWindow(SW_SHOW);
        testsupport::ProcessEvents();
        geprueft.insert(klassenname(d));
        for (const std::string& f : testsupport::FitProblems(d)) fehler.push_back(name + ": " + f);
    }
    // A sheet: every page.
    void blattPruefen(TDialog& d, const std::string& name) {
        auto& s = dynamic_cast<TPropertyDialog&>(d);
        for (int i = 0; i < s.GetEntryCount(); ++i) {
            s.SelectTab(i);
            testsupport::ProcessEvents();
            if (auto* seite = s.GetPageRef(i)) geprueft.insert(klassenname(*seite));
            pruefen(s, name + ", " + s.GetTabStrip()->GetTabText(i));
        }
    }
    void ausfuehren(TDialog& dialog, const std::string& name) {
        services.Dialogs().Expect([this, name](TDialog& d) {
            pruefen(d, name);
            d.CmCancel();
        });
        dialog.Execute();
    }
};

TEST_F(Einpassen, JederTextPasstInSeinFeldUndJedesFeldInSeinenDialog) {
    TProjekt& p = Oeffnen();
    Zeigen();
    pruefen(*dialog, "Projekt");
    // Copies of the shipped lists for the list dialogs.
    const auto ordner = dirs.Root() / "programm";
    fs::create_directories(ordner);
    for (const char* n : {"orte_qtx.dat", "orte_anw.dat", "bren_qtx.dat", "bren_anw.dat"})
        fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / n, ordner / n);

    // The project settings: every page of the sheet.
    services.Dialogs().Expect([this](TDialog& d) {
        blattPruefen(d, "Projekt - Einstellungen");
        d.CmCancel();
    });
    ASSERT_TRUE(dialog->EvCommand(5001, 0, 0));

    // The layout settings of the data sheets: every page.
    services.State().Get<CurrentProjectFile>().path = dirs.Root() / "Haus.pro";
    services.Dialogs().Expect([this](TDialog& d) {
        geprueft.insert(klassenname(d));
        blattPruefen(d, "Layout-Einstellungen");
        d.CmCancel();
    });
    TKopfzeileData kopf;
    TLogoGroessen logo;
    LayoutEinstellungenBearbeiten({nullptr, LayoutZiel::Projekt, &kopf, &logo});

    // The catalogues over copies of the shipped files.
    const auto daten = dirs.Dirs().programData;
    for (const char* n : {"bs_din.dat", "bs_qtx.dat", "bs_anw.dat", "bt_qtx.dat", "bt_anw.dat",
                          "fnst_din.dat", "fnst_qtx.dat", "fnst_anw.dat"})
        fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / n, daten / n,
                      fs::copy_options::overwrite_existing);
    Korpus().Kataloge = std::make_shared<ModellKataloge>(daten);

    ASSERT_FALSE(p.RBauteile.IsEmpty());
    ASSERT_FALSE(p.Fassaden.IsEmpty());
    ASSERT_FALSE(p.RFenster.IsEmpty());
    TRBauteil t = p.RBauteile[0];
    const std::vector<std::pair<std::string, std::function<std::unique_ptr<TDialog>()>>> dialoge{
        {"Bauteil-Typ", [&] { return std::make_unique<TBauteilTypDialog>(nullptr, &t, &p); }},
        {"Bauteil-Info", [&] { return std::make_unique<TBauteilInfoDialog>(nullptr, t); }},
        {"Flächenbereiche",
         [&] { return std::make_unique<TBauteilFlaechenBereicheDialog>(nullptr, &t); }},
        {"Neues Bauteil", mitDaten<TBauteilNeuDialog, TBauteilNeuStruct>},
        {"Neuer Name",
         [] {
             static std::string name = "Außenwand";
             return std::make_unique<TBauteilNameDialog>(nullptr, name, "Neuer Name");
         }},
        {"Export", mitDaten<TExportDialog, TExportStruct>},
        {"Gebäudehüllfläche",
         [&] {
             static TFassadenWerteStruct daten;
             daten.Fassade = 1; // at full height; short, the defaults are hidden by rule
             return std::make_unique<TFassadenWerteDialog>(nullptr, daten, p.Fassaden[0], p);
         }},
        {"Brennstoffe", [&] { return std::make_unique<TBrennstoffDialog>(nullptr, ordner); }},
        {"Orte", [&] { return std::make_unique<TGradtagzahlenDialog>(nullptr, ordner); }},
        {"Warmwasserbedarf", [] { return std::make_unique<TWarmwasserbedarfDialog>(nullptr); }},
        {"Bauteile einfügen", mitDaten<TBauteilEinfuegenDialog, TBauteilEinfuegenStruct>},
        {"Fassaden zuordnen",
         mitDaten<TBauteilFassadenZuordnenDialog, TBauteilFassadenZuordnenStruct>},
        {"Varianten", [] { return std::make_unique<TVariantenManagerDialog>(nullptr); }},
        {"Vergleich", [] { return std::make_unique<TBTVergleichDialog>(nullptr); }},
        {"Volumenfunktionen",
         [] { return std::make_unique<TVolumenFunktionenDialog>(nullptr, 0); }},
        {"Sicherungskopie",
         [] {
             static uint16_t wahl[3] = {1, 0, 0};
             return std::make_unique<TSicherungskopieDialog>(nullptr, wahl);
         }},
        {"Optionen", [] { return std::make_unique<TOptionenDialog>(nullptr); }},
        {"Info", [] { return std::make_unique<korpusAboutDlg>(nullptr); }},
        {"Gehe zu Seite", [] { return std::make_unique<TGoToSeiteDialog>(nullptr, "Seite", 9); }},
        {"Seitennummerierung",
         [] { return std::make_unique<TSeitenNummerierungDialog>(nullptr, "1"); }},
        {"Anteil", mitDaten<TAnteilAendernDialog, TAnteilStruct>},
        {"Optimierung",
         [] {
             static TBauteilOptimierungStruct daten;
             return std::make_unique<TBTOptimierungDialog>(nullptr, daten, true);
         }},
        {"Baustoffgruppe", mitDaten<TBaustoffGruppeDialog, TBaustoffGruppeStruct>},
        {"Glasvorbau", mitDaten<TGlasvorbauDialog, TGlasvorbauStruct>},
        {"Lambda",
         [] {
             static TLambdaStruct daten;
             return std::make_unique<TLambdaDialog>(nullptr, daten, 0.13, 0.04);
         }},
        {"Fenster-Info",
         [&] { return std::make_unique<TFensterInfoDialog>(nullptr, p.RFenster[0], true); }},
        {"Fenster-Hersteller",
         [&] { return std::make_unique<TFensterHerstellerDialog>(nullptr, p.RFenster[0]); }},
        {"Baustoff-Info",
         [] {
             static TBaustoff b;
             return std::make_unique<TBaustoffInfoDialog>(nullptr, b, false);
         }},
        {"Baustoff-Hersteller",
         [] {
             static TBaustoff b;
             return std::make_unique<TBaustoffHerstellerDialog>(nullptr, b, false);
         }},
        {"Baustoff-System",
         [] {
             static TBaustoff b;
             return std::make_unique<TBaustoffSystemInfoDialog>(nullptr, b, false);
         }},
        {"Flächen und Volumen",
         [] {
             // An entry from a drawing's expression opens the formula part too.
             static TDimVolumenListe liste;
             if (liste.IsEmpty()) {
                 TDimVolumen d;
                 d.Name = "Fläche 1";
                 d.Formelmodus = 1;
                 liste.Add(d);
             }
             return std::make_unique<TFlaechenVolumenDialog>(nullptr, liste, 0, "Wand", 0);
         }},
        {"Layout",
         [] {
             static TLayoutDialogStruct daten;
             return std::make_unique<TLayoutDialog>(nullptr, &daten);
         }},
        {"Baustoff-Datei", [] { return std::make_unique<TBaustoffDialog>(nullptr); }},
        {"Baustoffe auswählen",
         [] { return std::make_unique<TBaustoffWahlDialog>(nullptr, TBaustoffSchluessel{}); }},
        {"Bauteil-Datei", [] { return std::make_unique<TBauteilDateiDialog>(nullptr); }},
        {"Bauteile in Projekt einfügen",
         [] { return std::make_unique<TBauteilWahlDialog>(nullptr); }},
        {"Fenster-Datei", [] { return std::make_unique<TFensterDialog>(nullptr); }},
        {"Fenster einfügen", [] { return std::make_unique<TFensterEinfuegenDialog>(nullptr); }},
        {"Fenster auswählen", mitDaten<TFensterWahlDialog, TFensterSchluessel>},
        {"Bauteil", [&] { return std::make_unique<TBauteilDialog>(nullptr, &t, 0, nullptr); }},
        {"Fenster",
         [&] {
             return std::make_unique<TFensterBearbeitenDialog>(nullptr, &p.RFenster[0], nullptr);
         }},
        {"Start", [] { return std::make_unique<TStartUpDialog>(nullptr, StartUpRessource(16)); }},
    };
    for (const auto& [name, machen] : dialoge) {
        auto d = machen();
        ausfuehren(*d, name);
    }

    // Every dialog class of the sources was opened here.
    // Bases that are never opened on their own.
    const std::set<std::string> basen{"TDateiDialog",        "TBaustoffBasisDialog",
                                      "TBauteilBasisDialog", "TBaustoffDialogBasis",
                                      "TFensterBasisDialog", "TReferenzListenDialog",
                                      "TSeitenDialog",       "TEinstellungenProperty"};
    std::set<std::string> offen;
    for (const auto& k : dialogKlassen(fs::path(KORVALIN_TEST_DIR).parent_path()))
        if (!geprueft.count(k) && !basen.count(k)) offen.insert(k);
    std::string alle;
    for (const auto& f : fehler) alle += f + "\n";
    EXPECT_TRUE(fehler.empty()) << alle;
    std::string fehlend;
    for (const auto& k : offen) fehlend += k + " ";
    EXPECT_TRUE(offen.empty()) << "not opened: " << fehlend;
}

} // namespace
