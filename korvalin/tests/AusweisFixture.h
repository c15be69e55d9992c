#pragma once
// The heat demand certificate of a project without a window: its page layout
// with the window's values, laid out on any device context, and a page of it
// as a picture.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace ausweistest {

inline std::unique_ptr<TGesamtProjekt> Beispiel() {
    auto g = std::make_unique<TGesamtProjekt>("/tmp");
    EXPECT_EQ(g->Oeffnen(std::filesystem::path(KORVALIN_DATEN_DIR) / "beispiel.pro"), 0);
    return g;
}

struct Ausweis : ::testing::Test {
    std::unique_ptr<TGesamtProjekt> g;
    TText t{nullptr};

    TProjekt& Projekt() { return *g->AktuellesProjekt; }
    void Laden(std::unique_ptr<TGesamtProjekt> projekt) {
        g = std::move(projekt);
        t.Projekt = g.get();
        ausweis::LayoutWerteSetzen(t);
    }
    // Every page drawn, as the print-out draws them.
    int Auslegen(TDC& dc, int methode = 0) {
        t.Drucken = true;
        dc.SetBkMode(TRANSPARENT); // as the window paints
        ausweis::AusweisLayout(t, dc, methode);
        t.Drucken = false;
        return t.AktuelleSeite;
    }
    // Page p (from 1) as a picture, a tenth wider than the page as printed.
    void Bild(int seite, const std::filesystem::path& datei, int methode = 0) {
        TImageDC dc(825, 1260);
        dc.SetWindowOrg({0, (seite - 1) * 1260});
        Auslegen(dc, methode);
        dc.SavePng(datei);
    }
};

} // namespace ausweistest
