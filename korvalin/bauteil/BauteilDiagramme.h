#pragma once
// The diagram windows as the component editor opens them: each keeps its own
// drawing settings (loaded when it opens, so that it may outlive the
// editor), redraws on WM_PROJEKT_AKTUALISIEREN, closes with the component
// type or area range it shows, and stays open with a catalogue entry when
// the project goes.
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "tauplot/diagramm/TBauteilGlaserWindow.h"
#include "tauplot/diagramm/TBauteilTempWindow.h"

class korpusMDIClient;

// The settings of the component drawings: the program's for a catalogue
// component, the project's for a project component.
struct DiagrammEinstellungen {
    explicit DiagrammEinstellungen(bool projekt);
    TBtGrafikGroessen Grafik;
    TBtTextGroessen Text;
    TUnterlegungsGroessen Unterlegung;
};

class BauteilGlaserAnsicht : private DiagrammEinstellungen,
                             public TBauteilGlaserWindow,
                             public TypAnsicht,
                             public ObjektAnsicht {
public:
    BauteilGlaserAnsicht(korpusMDIClient& client, std::string_view title, const char* projekt,
                         TRBauteil* bauteil, int bereich);
    ~BauteilGlaserAnsicht() override;
    bool ZeigtKatalogeintrag() const override;
    bool Zeigt(const void* objekt) const override;
};

class BauteilTempAnsicht : private DiagrammEinstellungen,
                           public TBauteilTempWindow,
                           public TypAnsicht,
                           public ObjektAnsicht {
public:
    BauteilTempAnsicht(korpusMDIClient& client, std::string_view title, const char* projekt,
                       TRBauteil* bauteil, int bereich);
    ~BauteilTempAnsicht() override;
    bool ZeigtKatalogeintrag() const override;
    bool Zeigt(const void* objekt) const override;
};

// The open diagram of the same component type and area range, or null.
TDiagrammWindow* DiagrammSuchen(const std::vector<TWindow*>& liste, const TRBauteil& bauteil,
                                int bereich);
// Closes the Glaser and temperature windows of that area range of the
// component type, when open.
void BereichsDiagrammeSchliessen(const TRBauteil& bauteil, int bereich);
