#pragma once
// The application object of the program: it builds the decorated MDI frame
// with menu, tool bar and status bar, answers the help commands, sees every
// message first for context help (F1 on a menu item), hands dropped files to
// the client, keeps the application's printer and checks before the end.
#include "platform/window/Application.h"

#include <memory>
#include <string_view>

class TCursor;
class TDecoratedMDIFrame;
class TPrinter;
class korpusMDIClient;

class korpusApp : public TApplication {
public:
    explicit korpusApp(int cmdShow = SW_SHOWNORMAL, std::string_view cmdLine = {});
    ~korpusApp() override;

    void InitMainWindow() override;
    void InitInstance() override;
    bool CanClose() override;
    bool ProcessAppMsg(MSG& msg) override;
    void EvDropFiles(TDropInfo& drop) override;
    void EvWinIniChange(std::string_view section) override;

    // The printer, made when a view first needs it.
    TPrinter& GetPrinter();
    TPrinter* Printer() const { return printer_.get(); }

    bool HilfeInhaltOffen = false;
    bool EnevHilfeOffen = false;
    bool KontextHilfeModus = false;
    // Set by a view's print command while its job runs.
    int Drucken = 0;

    korpusMDIClient* Client() const { return client_; }
    TDecoratedMDIFrame* Frame() const { return frame_; }

private:
    void hilfe(bool& offen, const std::string& datei, uint32_t befehl);
    std::unique_ptr<TPrinter> printer_;
    std::unique_ptr<TCursor> hilfeCursor_;
    korpusMDIClient* client_ = nullptr;
    TDecoratedMDIFrame* frame_ = nullptr;
};

// The program's entry: makes the application, runs it, returns its result.
int OwlMain(int argc, char** argv);
