#include "korvalin/shell/Symbolleiste.h"

#include "korvalin/shell/KorpusBefehle.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/ControlBar.h"
#include "platform/window/Picture.h"
#include "platform/window/SeparatorGadget.h"

namespace {

const TColor kTinte(40, 40, 40);
const TColor kPapier(255, 255, 255);
const TColor kBlau(30, 80, 170);
const TColor kRot(190, 40, 30);
const TColor kGruen(30, 130, 50);
const TColor kGelb(240, 200, 70);
const TColor kZiegel(200, 110, 60);
const TColor kGrau(150, 150, 150);
const TColor kHellgrau(215, 215, 215);

// A sheet with a folded corner: the base of the document pictures.
TPicture Blatt() {
    TPicture p;
    p.AddPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}, kTinte, kPapier);
    p.AddLine({10, 1}, {10, 4}, kTinte).AddLine({10, 4}, {13, 4}, kTinte);
    return p;
}

// A sheet with a letter on it: the data sheets.
TPicture Datenblatt(const char* zeichen, TColor farbe) {
    auto p = Blatt();
    p.AddText({4, 6, 13, 14}, zeichen, farbe);
    return p;
}

// A cross-section of three layers.
TPicture& Schichten(TPicture& p, int links, int oben, int unten) {
    p.AddRect({links, oben, links + 3, unten}, kTinte, kZiegel);
    p.AddRect({links + 2, oben, links + 7, unten}, kTinte, kGelb);
    p.AddRect({links + 6, oben, links + 9, unten}, kTinte, kHellgrau);
    return p;
}

TPicture Diskette() {
    TPicture p;
    p.AddRect({1, 1, 15, 15}, kTinte, kBlau);
    p.AddRect({4, 1, 12, 6}, kTinte, kHellgrau);
    p.AddRect({4, 9, 12, 15}, kTinte, kPapier);
    return p;
}

TPicture Fensterkreuz(int l, int t, int r, int b) {
    TPicture p;
    p.AddRect({l, t, r, b}, kTinte, TColor(190, 220, 245));
    p.AddLine({(l + r) / 2, t}, {(l + r) / 2, b - 1}, kTinte);
    p.AddLine({l, (t + b) / 2}, {r - 1, (t + b) / 2}, kTinte);
    return p;
}

void eintragen() {
    RegisterPicture(CM_PROJEKT_NEU, Blatt().AddText({5, 7, 12, 14}, "+", kGruen));
    RegisterPicture(
        CM_PROJEKT_OEFFNEN,
        TPicture()
            .AddPolygon({{1, 4}, {6, 4}, {7, 5}, {13, 5}, {13, 14}, {1, 14}}, kTinte, kGelb)
            .AddPolygon({{3, 8}, {15, 8}, {13, 14}, {1, 14}}, kTinte, TColor(250, 225, 120)));
    RegisterPicture(CM_PROJEKT_SPEICHERN, Diskette());
    RegisterPicture(CM_PROJEKT_SPEICHERN_UNTER,
                    Diskette()
                        .AddPolygon({{9, 13}, {14, 8}, {15, 9}, {10, 14}}, kTinte, kGelb)
                        .AddLine({9, 13}, {8, 15}, kTinte));
    RegisterPicture(CM_EINSTELLUNGEN, TPicture()
                                          .AddRect({2, 1, 14, 15}, kTinte, kPapier)
                                          .AddRect({4, 3, 7, 6}, kTinte, kGruen)
                                          .AddLine({8, 4}, {12, 4}, kTinte)
                                          .AddRect({4, 7, 7, 10}, kTinte, kGruen)
                                          .AddLine({8, 8}, {12, 8}, kTinte)
                                          .AddRect({4, 11, 7, 14}, kTinte, kPapier)
                                          .AddLine({8, 12}, {12, 12}, kTinte));
    RegisterPicture(
        CM_VOLUMEN,
        TPicture()
            .AddPolygon({{1, 5}, {10, 5}, {10, 15}, {1, 15}}, kTinte, TColor(170, 200, 235))
            .AddPolygon({{1, 5}, {5, 1}, {14, 1}, {10, 5}}, kTinte, TColor(210, 228, 248))
            .AddPolygon({{10, 5}, {14, 1}, {14, 11}, {10, 15}}, kTinte, TColor(120, 160, 210)));
    RegisterPicture(
        CM_NACHWEISE,
        Blatt().AddPolygon({{4, 9}, {6, 8}, {8, 11}, {12, 5}, {13, 7}, {8, 14}}, kGruen, kGruen));
    RegisterPicture(CM_PROJEKTDATEN, Datenblatt("P", kBlau));
    RegisterPicture(CM_HUELLFLAECHENDATEN,
                    TPicture()
                        .AddPolygon({{1, 8}, {8, 1}, {15, 8}}, kTinte, kRot)
                        .AddRect({3, 8, 14, 15}, kTinte, kPapier)
                        .AddRect({6, 10, 9, 15}, kTinte, TColor(190, 220, 245)));
    RegisterPicture(CM_BAUTEIL_UEBERSICHT, TPicture()
                                               .AddRect({1, 1, 15, 15}, kTinte, kPapier)
                                               .AddRect({3, 3, 6, 6}, kTinte, kZiegel)
                                               .AddLine({7, 4}, {13, 4}, kTinte)
                                               .AddRect({3, 7, 6, 10}, kTinte, kGelb)
                                               .AddLine({7, 8}, {13, 8}, kTinte)
                                               .AddRect({3, 11, 6, 14}, kTinte, kHellgrau)
                                               .AddLine({7, 12}, {13, 12}, kTinte));
    RegisterPicture(CM_VOLUMEN_FLAECHENDATEN, Datenblatt("m²", kBlau));
    {
        TPicture p;
        RegisterPicture(CM_BAUTEIL_FENSTERDATEN,
                        Schichten(p, 1, 2, 15)
                            .AddRect({11, 4, 15, 12}, kTinte, TColor(190, 220, 245))
                            .AddLine({13, 4}, {13, 11}, kTinte));
    }
    RegisterPicture(CM_TEMPERATURVERLAUF, TPicture()
                                              .AddRect({1, 1, 15, 15}, kTinte, kPapier)
                                              .AddLine({5, 1}, {5, 14}, kGrau)
                                              .AddLine({11, 1}, {11, 14}, kGrau)
                                              .AddLine({2, 3}, {5, 4}, kRot)
                                              .AddLine({5, 4}, {11, 11}, kRot)
                                              .AddLine({11, 11}, {14, 12}, kRot));
    {
        // The temperature line through the layers of a cross-section.
        TPicture p;
        RegisterPicture(CM_TEMPERATURDIAGRAMM, Schichten(p, 4, 2, 15)
                                                   .AddLine({1, 3}, {4, 4}, kRot)
                                                   .AddLine({4, 4}, {12, 12}, kRot)
                                                   .AddLine({12, 12}, {15, 13}, kRot));
    }
    // The saturation pressure above the falling vapour pressure.
    RegisterPicture(CM_GLASERDIAGRAMM, TPicture()
                                           .AddRect({1, 1, 15, 15}, kTinte, kPapier)
                                           .AddLine({2, 3}, {6, 7}, kRot)
                                           .AddLine({6, 7}, {14, 12}, kRot)
                                           .AddLine({2, 6}, {14, 13}, kBlau)
                                           .AddLine({6, 1}, {6, 14}, kGrau));
    {
        TPicture p;
        RegisterPicture(
            CM_IN_BAUTEILDATEI_SPEICHERN,
            Schichten(p, 1, 1, 10)
                .AddPolygon({{10, 6}, {14, 6}, {14, 10}, {15, 10}, {12, 14}, {9, 10}, {10, 10}},
                            kGruen, kGruen));
    }
    {
        TPicture p;
        RegisterPicture(CM_BAUTEILDATEI, Schichten(p, 3, 1, 15));
    }
    RegisterPicture(CM_BAUSTOFFDATEI, TPicture()
                                          .AddRect({1, 2, 8, 6}, kTinte, kZiegel)
                                          .AddRect({7, 2, 15, 6}, kTinte, kZiegel)
                                          .AddRect({1, 6, 4, 10}, kTinte, kZiegel)
                                          .AddRect({3, 6, 11, 10}, kTinte, kZiegel)
                                          .AddRect({10, 6, 15, 10}, kTinte, kZiegel)
                                          .AddRect({1, 10, 8, 14}, kTinte, kZiegel)
                                          .AddRect({7, 10, 15, 14}, kTinte, kZiegel));
    RegisterPicture(CM_FENSTERDATEI, Fensterkreuz(2, 1, 15, 15));
    RegisterPicture(CM_FILEPRINT, TPicture()
                                      .AddRect({4, 1, 12, 6}, kTinte, kPapier)
                                      .AddRect({1, 5, 15, 12}, kTinte, kHellgrau)
                                      .AddRect({4, 10, 12, 15}, kTinte, kPapier)
                                      .AddRect({12, 7, 14, 9}, kGruen, kGruen));
    RegisterPicture(CM_FILEPRINTPREVIEW,
                    Blatt()
                        .AddEllipse({5, 6, 12, 13}, kTinte, TColor(200, 225, 250))
                        .AddLine({11, 12}, {14, 15}, kTinte)
                        .AddLine({12, 12}, {15, 15}, kTinte));
    // The print preview's buttons.
    RegisterPicture(CM_VORSCHAU_ZURUECK,
                    TPicture().AddPolygon({{11, 2}, {11, 14}, {4, 8}}, kTinte, kBlau));
    RegisterPicture(CM_VORSCHAU_VOR,
                    TPicture().AddPolygon({{5, 2}, {5, 14}, {12, 8}}, kTinte, kBlau));
    RegisterPicture(CM_VORSCHAU_EINE_SEITE, TPicture().AddRect({4, 1, 13, 15}, kTinte, kPapier));
    RegisterPicture(CM_VORSCHAU_ZWEI_SEITEN, TPicture()
                                                 .AddRect({1, 2, 8, 14}, kTinte, kPapier)
                                                 .AddRect({9, 2, 16, 14}, kTinte, kPapier));
    RegisterPicture(CM_VORSCHAU_FERTIG, TPicture()
                                            .AddLine({2, 9}, {6, 13}, kGruen)
                                            .AddLine({6, 13}, {14, 3}, kGruen)
                                            .AddLine({3, 9}, {6, 12}, kGruen)
                                            .AddLine({6, 12}, {13, 3}, kGruen));
    RegisterPicture(CM_PROJEKTWINDOW_VORDERGRUND, TPicture()
                                                      .AddRect({1, 1, 11, 10}, kGrau, kHellgrau)
                                                      .AddRect({5, 5, 15, 15}, kTinte, kPapier)
                                                      .AddRect({5, 5, 15, 8}, kTinte, kBlau));
    RegisterPicture(
        CM_ENEV_INFO,
        TPicture().AddEllipse({1, 1, 16, 16}, kBlau, kBlau).AddText({3, 3, 13, 14}, "i", kPapier));
    RegisterPicture(CM_KONTEXTHILFE,
                    TPicture()
                        .AddPolygon({{1, 1}, {1, 12}, {4, 9}, {7, 14}, {8, 13}, {6, 8}, {9, 8}},
                                    kTinte, kPapier)
                        .AddText({9, 2, 16, 12}, "?", kBlau));
}

// (command, 0) is a button; (0, width) a separator of that width.
struct Eintrag {
    int befehl;
    int breite;
};
constexpr Eintrag kLeiste[] = {
    {CM_PROJEKT_NEU, 0},
    {CM_PROJEKT_OEFFNEN, 0},
    {0, 6},
    {CM_PROJEKT_SPEICHERN, 0},
    {CM_PROJEKT_SPEICHERN_UNTER, 0},
    {0, 6},
    {CM_EINSTELLUNGEN, 0},
    {CM_VOLUMEN, 0},
    {0, 6},
    {CM_NACHWEISE, 0},
    {0, 6},
    {CM_PROJEKTDATEN, 0},
    {0, 2},
    {CM_HUELLFLAECHENDATEN, 0},
    {0, 2},
    {CM_BAUTEIL_UEBERSICHT, 0},
    {0, 2},
    {CM_VOLUMEN_FLAECHENDATEN, 0},
    {0, 2},
    {CM_BAUTEIL_FENSTERDATEN, 0},
    {0, 6},
    {CM_TEMPERATURVERLAUF, 0},
    {0, 2},
    {CM_GLASERDIAGRAMM, 0},
    {0, 6},
    {CM_IN_BAUTEILDATEI_SPEICHERN, 0},
    {CM_BAUTEILDATEI, 0},
    {CM_BAUSTOFFDATEI, 0},
    {CM_FENSTERDATEI, 0},
    {0, 6},
    {CM_FILEPRINT, 0},
    {CM_FILEPRINTPREVIEW, 0},
    {0, 6},
    {CM_PROJEKTWINDOW_VORDERGRUND, 0},
    {0, 6},
    {CM_ENEV_INFO, 0},
    {0, 6},
    {CM_KONTEXTHILFE, 0},
};

} // namespace

void SymbolbilderEintragen() {
    eintragen();
}

TPicture Programmsymbol() {
    TPicture p;
    // A house whose wall shows its layers: masonry, insulation, plaster.
    p.AddPolygon({{1, 8}, {8, 1}, {15, 8}}, kTinte, kRot);
    p.AddRect({3, 8, 6, 15}, kTinte, kZiegel);
    p.AddRect({6, 8, 10, 15}, kTinte, kGelb);
    p.AddRect({10, 8, 13, 15}, kTinte, kHellgrau);
    p.AddLine({1, 15}, {15, 15}, kTinte);
    return p;
}

void ProgrammsymbolSetzen() {
    SetApplicationIcon(Programmsymbol());
}

TControlBar* SymbolleisteBauen() {
    auto* leiste = new TControlBar;
    leiste->Attr().Id = IDW_TOOLBAR;
    leiste->SetFontPoints(10);
    for (const auto& e : kLeiste) {
        if (e.befehl)
            leiste->Insert(new TButtonGadget(e.befehl, e.befehl, TButtonGadget::Command, false,
                                             TButtonGadget::Up));
        else
            leiste->Insert(new TSeparatorGadget(e.breite));
    }
    return leiste;
}
