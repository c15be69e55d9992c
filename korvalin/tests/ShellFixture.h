#pragma once
// A started program for one test: fresh folders and scripted services, the
// catalogues, later commands and project opening recorded instead of run.
#include "korvalin/shell/AusstehendeBefehle.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektOeffnung.h"
#include "korvalin/shell/korpusApp.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace shelltest {

struct Aufzeichnung {
    std::vector<std::string> ereignisse;
};

class KatalogeAufgezeichnet : public KatalogZugang {
public:
    explicit KatalogeAufgezeichnet(Aufzeichnung& a) : a_(a) {}
    void IndexLeeren(KatalogArt art) override {
        a_.ereignisse.push_back("leeren " + std::to_string(int(art)));
    }
    int Oeffnen(KatalogArt art, int ausgabe) override {
        a_.ereignisse.push_back("oeffnen " + std::to_string(int(art)) + " " +
                                std::to_string(ausgabe));
        return 10 * int(art) + ausgabe;
    }
    void AlteKatalogePruefen(KatalogArt art, int ausgabe, int ergebnis) override {
        a_.ereignisse.push_back("pruefen " + std::to_string(int(art)) + " " +
                                std::to_string(ausgabe) + " " + std::to_string(ergebnis));
    }

private:
    Aufzeichnung& a_;
};

class BefehleAufgezeichnet : public AusstehendeBefehle {
public:
    explicit BefehleAufgezeichnet(Aufzeichnung& a) : a_(a) {}
    void Ausfuehren(int befehl) override {
        a_.ereignisse.push_back("befehl " + std::to_string(befehl));
    }

private:
    Aufzeichnung& a_;
};

class OeffnungAufgezeichnet : public ProjektOeffnung {
public:
    explicit OeffnungAufgezeichnet(Aufzeichnung& a) : a_(a) {}
    void Oeffnen(std::string_view datei) override {
        a_.ereignisse.push_back("oeffne " + std::string(datei));
    }

private:
    Aufzeichnung& a_;
};

struct Programm : ::testing::Test {
    testsupport::TestDirectories dirs;
    testsupport::ScriptedServices services;
    Aufzeichnung kataloge, befehle, oeffnung;
    std::unique_ptr<korpusApp> app;

    void SetUp() override {
        auto& k = Korpus();
        k.Kataloge = std::make_shared<KatalogeAufgezeichnet>(kataloge);
        k.Ausstehend = std::make_shared<BefehleAufgezeichnet>(befehle);
        k.Oeffnung = std::make_shared<OeffnungAufgezeichnet>(oeffnung);
    }
    // Makes and starts the program; the posted start-up work follows on Pump.
    void Starten(std::string_view kommandozeile = {}) {
        app = std::make_unique<korpusApp>(SW_SHOWNORMAL, kommandozeile);
        ASSERT_TRUE(app->Start());
    }
    static void Pump() { TApplication::PumpWaitingMessages(); }
    void Einstellung(std::string_view datei, std::string_view text) {
        testsupport::WriteText(dirs.Dirs().config / std::string(datei), text);
    }
};

} // namespace shelltest
