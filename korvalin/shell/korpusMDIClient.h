#pragma once
// The MDI client of the main frame. It owns what lives as long as the
// program (catalogues, the lists of open views by kind, the data of the
// project file dialogs, the recent-files list) and carries out the start-up
// once the main window exists: settings, start-up picture, catalogues,
// recent files, font checks, and the project named on the command line.
#include "platform/services/FileDialogs.h"
#include "platform/window/MDIClient.h"

#include <memory>
#include <string_view>
#include <vector>

class TStartUpDialog;
struct MruList;

class korpusMDIClient : public TMDIClient {
public:
    korpusMDIClient();
    ~korpusMDIClient() override;
    void SetupWindow() override;
    bool CanClose() override;

    // Command 1030 "S&chließen": closes every view, the project with them.
    void CmProjektSchliessen();

    // Command 1060: the CAD transfer file "divarod.txt" beside the project
    // into the current variant.
    void CMProjektImport();

    // A file dropped on the frame or the client: shown as text.
    void DateiAbgelegt(std::string_view datei);

    bool HilfeGeoeffnet = false;
    TStartUpDialog* StartUpDialog = nullptr;
    TOpenSaveDialog::TData Dateidaten;
    // The catalogue editor windows while they are open; set by their commands.
    TWindow* BaustoffDateiFenster = nullptr;
    TWindow* FensterDateiFenster = nullptr;
    TWindow* BauteilDateiFenster = nullptr;
    // The component editor's material choice while it is open.
    TWindow* BaustoffWahlFenster = nullptr;

    // Open views by kind; the lists do not own them.
    struct Ansichten {
        std::vector<TWindow*> FensterDaten, BauteilDaten, PeriodenDaten, VergleichDaten,
            TempDiagramme, GlaserDiagramme, BauteilEditoren, FensterEditoren;
    } Ansichten;

private:
    void befehleEintragen();
    void katalogeOeffnen();
    void schriftenPruefen();
    void kommandozeileOeffnen();
    std::unique_ptr<MruList> mru_;
};
