#include "tauplot/diagramm/TDiagrammWindow.h"

#include "platform/print/Printer.h"
#include "platform/print/Printout.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/CommandIds.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Window.h"
#include "tauplot/diagramm/DiagrammVorschau.h"

#include <algorithm>

TDiagrammWindow::TDiagrammWindow(TMDIClient& parent, std::string_view title, TPrinter* printer,
                                 const char* projectName, TRBauteil* bauteil, int bereich,
                                 TKlima* klima, std::vector<TWindow*>* openWindows)
    : TMDIChild(parent, title), Bauteil_(bauteil), Bereich_(bereich), Klima_(klima),
      Projektname(projectName ? projectName : ""), drucker_(printer), offen_(openWindows) {
    Attr().X = 5;
    Attr().Y = 5;
    Attr().W = 600;
    Attr().H = 405;
    maximiert_ = GetScreenSize().cx < 800;
    Responses().Command(CM_FILEPRINT, [this] { CmFilePrint(); });
    Responses().Command(CM_FILEPRINTERSETUP, [this] { CmFilePrintSetup(); });
    Responses().Command(CM_FILEPRINTPREVIEW, [this] { CmFilePrintPreview(); });
}

// The list is left when the window is destroyed; it may be gone already
// when the client deletes its children.
TDiagrammWindow::~TDiagrammWindow() = default;

void TDiagrammWindow::SetupWindow() {
    TMDIChild::SetupWindow();
    if (maximiert_) ShowWindow(SW_SHOWMAXIMIZED);
}

bool TDiagrammWindow::CanClose() {
    return TMDIChild::CanClose();
}

void TDiagrammWindow::CleanupWindow() {
    if (offen_) std::erase(*offen_, this);
    offen_ = nullptr;
    TMDIChild::CleanupWindow();
}

void TDiagrammWindow::EvSize(uint32_t sizeType, const TSize& size) {
    TMDIChild::EvSize(sizeType, size);
    Invalidate();
}

TPrinter& TDiagrammWindow::Drucker() {
    if (!drucker_) {
        eigenerDrucker_ = std::make_unique<TPrinter>();
        drucker_ = eigenerDrucker_.get();
    }
    return *drucker_;
}

void TDiagrammWindow::CmFilePrint() {
    auto* app = TApplication::Current();
    if (!app || !app->GetMainWindow()) return;
    std::unique_ptr<TPrintout> ausdruck = Ausdruck(GetCaption());
    DruckBeginn();
    const TPrintResult r = Drucker().Print(*ausdruck, TPrintPrompt::Dialog);
    DruckEnde();
    if (!r && !r.cancelled) MessageBox(r.error, "Drucken", MB_OK | MB_ICONEXCLAMATION);
}

void TDiagrammWindow::CmFilePrintSetup() {
    auto* app = TApplication::Current();
    if (!app || !app->GetMainWindow()) return;
    Drucker().Setup();
}

void TDiagrammWindow::CmFilePrintPreview() {
    auto* app = TApplication::Current();
    if (!app || !app->GetMainWindow()) return;
    Drucker();
    DruckBeginn();
    auto* rahmen = new DiagrammVorschau(app->GetMainWindow(), &Drucker(), this);
    if (rahmen->Create()) app->BeginModal(rahmen);
    rahmen->Destroy();
    delete rahmen;
    DruckEnde();
}
